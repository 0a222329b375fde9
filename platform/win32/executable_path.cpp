#include "platform/executable_path.h"

#include <windows.h>

namespace anod {

// In the ANSI code page, as the title rule and the message boxes take it.
std::string ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    // A cut path fills the buffer exactly: try again with more room.
    path.resize(path.size() * 2);
  }
}

}  // namespace anod
