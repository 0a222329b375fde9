// The colored buttons' process-wide services: the themed-drawing switch, the
// theme availability and its handle cache, the timers and their pool, the
// failure hook, and the focus and key rules of a window's push buttons.
//
// Themes are usable when a theme service exists, ThemedDrawingAllowed is true
// and the service reports an active theme (asked on every use). This
// platform has no theme service, so the classic frames are always drawn;
// tests install one with SetThemeService.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/failures.h"
#include "platform/theme_service.h"
#include "widgets/vivid_timers.h"

namespace anod {

class TVividButtonModel;

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
  ThemeHandle Handle(ThemeClass c);
  void CloseAll();

 private:
  friend class TVividApplication;
  std::array<ThemeHandle, kThemeClassCount> handles_{};
  ThemeService* service_ = nullptr;  // the service the handles came from
};

class TVividApplication {
 public:
  static TVividApplication& Instance();

  bool ThemedDrawingAllowed() const { return themed_drawing_allowed_; }
  // A change tells every colored button (themes switched): they repaint.
  void SetThemedDrawingAllowed(bool allowed);

  // The theme service in use (PlatformThemeService() by default, null here).
  ThemeService* Themes() const { return themes_; }
  void SetThemeService(ThemeService* service);
  bool ThemesUsable() const;
  TVividXPThemeManager& ThemeManager() { return theme_manager_; }
  // The platform announced a theme change: every cached handle is closed
  // and every colored button repaints.
  void ThemeChanged();

  // Timers: the toolkit's (SetPlatformTimers) by default; tests install a
  // clock of their own, and null goes back to the toolkit's. Changing the
  // service rebuilds the pool (only when no timer is registered). Without a
  // toolkit every timer is refused ("Pas assez de timers disponibles").
  TimerService& Timers() const { return *timers_; }
  void SetTimerService(TimerService* service);
  void SetPlatformTimers(TimerService* service);
  TVividTimerPool& TimerPool() { return *pool_; }

  // Failures raised while a button handles input (a repeat timer the
  // platform refuses, an OnClick that fails) go to OnFailure, the program's
  // error report; without one they are rethrown.
  std::function<void(const Exception&)> OnFailure;

  // Colored buttons register themselves for the broadcasts.
  void AddButton(TVividButtonModel* button);
  void RemoveButton(TVividButtonModel* button);

 private:
  TVividApplication();
  void BroadcastThemesSwitched();

  bool themed_drawing_allowed_ = true;
  ThemeService* themes_;
  TVividXPThemeManager theme_manager_;
  TimerService* platform_timers_;
  TimerService* timers_;
  std::unique_ptr<TVividTimerPool> pool_;
  std::vector<TVividButtonModel*> buttons_;
};

// The focus rule: when the keyboard focus moves to a control of a window,
// every push button of that window (standard or colored) is told whether it
// is the active one. It is exactly when it is that control if that control
// is a push button; otherwise when it is a Default button.
//
//   FocusRuleAnswer(true, false, true)   -> false  (focus on another push button)
//   FocusRuleAnswer(false, false, true)  -> true   (focus on an edit box: Default)
constexpr bool FocusRuleAnswer(bool focus_is_push_button, bool is_focused, bool is_default) {
  return focus_is_push_button ? is_focused : is_default;
}

// One push button of a window as the key rule sees it.
struct PushButtonKeys {
  bool is_default = false;
  bool cancel = false;  // colored buttons only
  bool enabled = true;
  bool visible = true;
};

// The key rule: Enter on a control that is no push button clicks the
// window's first enabled, visible Default button; Escape its first enabled,
// visible Cancel button. The index of the button to click, or -1 for none.
int ButtonForKey(std::span<const PushButtonKeys> buttons, bool enter);

}  // namespace anod
