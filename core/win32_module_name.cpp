#include "core/module_name.h"

#include <windows.h>

namespace anod {

std::string ModuleFileName(std::uintptr_t address) {
  HMODULE module = nullptr;
  if (address == 0 ||
      !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(address), &module)) {
    return {};
  }
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  const std::string full(path, length);
  const auto separator = full.find_last_of("\\/");
  return separator == std::string::npos ? full : full.substr(separator + 1);
}

}  // namespace anod
