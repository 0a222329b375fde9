#include "app/code_place.h"

#include <dlfcn.h>

#include <string_view>

namespace anod {

CodePlace FindCodePlace(const void* address) {
  Dl_info info{};
  if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
    return {"?", reinterpret_cast<std::uintptr_t>(address)};
  }
  std::string_view path = info.dli_fname;
  if (const std::size_t slash = path.rfind('/'); slash != std::string_view::npos) path.remove_prefix(slash + 1);
  return {std::string(path),
          reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(info.dli_fbase)};
}

}  // namespace anod
