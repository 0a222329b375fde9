#include "app/win32/module_title.h"

#include <windows.h>

namespace anod {

std::string TitleFromModulePath(std::string_view path) {
  path = path.substr(0, 255);
  if (const std::size_t slash = path.rfind('\\'); slash != std::string_view::npos) path.remove_prefix(slash + 1);
  if (const std::size_t dot = path.find('.'); dot != std::string_view::npos) path = path.substr(0, dot);
  std::string title(path);
  if (title.size() > 1) CharLowerBuffA(title.data() + 1, static_cast<DWORD>(title.size() - 1));
  return title;
}

}  // namespace anod
