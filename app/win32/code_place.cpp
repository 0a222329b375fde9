// The module of a code address on Windows: the loader's module handle of the
// address, its file name as the loader keeps it ("anodisation.exe").
#include "app/code_place.h"

#include <windows.h>

#include "core/module_name.h"

namespace anod {

CodePlace FindCodePlace(const void* address) {
  HMODULE module = nullptr;
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  if (address == nullptr ||
      !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCSTR>(address), &module)) {
    return {"?", at};
  }
  std::string name = ModuleFileName(at);
  return {name.empty() ? "?" : std::move(name), at - reinterpret_cast<std::uintptr_t>(module)};
}

}  // namespace anod
