#include "platform/executable_path.h"

#include <unistd.h>

#include <climits>

namespace anod {

std::string ExecutablePath() {
  std::string path(PATH_MAX, '\0');
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    // readlink does not say how long the target is: try again with more room.
    path.resize(path.size() * 2);
  }
}

}  // namespace anod
