// The theme classes the colored buttons draw with, and the cache of their
// theme handles.
#pragma once

#include <array>
#include <string_view>

#include "platform/theme_service.h"

namespace anod {

// The theme classes, by index.
enum class ThemeClass : int {
  Button, Clock, ComboBox, Edit, ExplorerBar, Header, ListView, Menu, Page, Progress, Rebar, ScrollBar,
  Spin, StartPanel, Status, Tab, TaskBand, TaskBar, ToolBar, ToolTip, TrackBar, TrayNotify, TreeView,
  Window, Globals,
};
inline constexpr int kThemeClassCount = 25;
std::string_view ThemeClassName(ThemeClass c);  // ThemeClass::ToolBar -> "TOOLBAR"

// One theme handle per class, opened on first request while themes are
// usable, all closed when the theme changes.
class TVividXPThemeManager {
 public:
  ~TVividXPThemeManager();
  // `service` is the theme service while themes are usable, else null (then
  // the answer is 0). Handles opened from another service are closed first:
  // a handle belongs to the service that opened it.
  ThemeHandle Handle(ThemeClass c, ThemeService* service);
  void CloseAll();

 private:
  std::array<ThemeHandle, kThemeClassCount> handles_{};
  ThemeService* service_ = nullptr;  // the service the handles came from
};

}  // namespace anod
