#include "core/module_name.h"

#include <dlfcn.h>

namespace anod {

// The dynamic loader knows the executable's own symbols only when they are
// exported (ENABLE_EXPORTS); otherwise it names the object that exports one.
std::string ModuleFileName(std::uintptr_t address) {
  Dl_info info{};
  if (address == 0 || dladdr(reinterpret_cast<void*>(address), &info) == 0 ||
      info.dli_fname == nullptr) {
    return {};
  }
  std::string path = info.dli_fname;
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace anod
