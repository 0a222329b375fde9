// The colored buttons' process-wide services: the themed-drawing switch, the
// theme availability and its handle cache, the timer pool, and the focus rule
// that tells every push button of a window whether it is the active one.
//
// Themes are usable when a theme service exists, ThemedDrawingAllowed is true
// and the service reports an active theme (asked on every use). This
// platform has no theme service, so the classic frames are always drawn;
// tests install one with SetThemeService.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/failures.h"
#include "platform/theme_service.h"
#include "widgets/vivid_timers.h"

class QWidget;

namespace anod {

class TVividCustomButton;

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

class TVividApplication : public QObject {
  Q_OBJECT
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

  // Timers: Qt's by default; tests install a clock of their own. Changing the
  // service rebuilds the pool (only when no timer is registered).
  TimerService& Timers() const { return *timers_; }
  void SetTimerService(TimerService* service);
  TVividTimerPool& TimerPool() { return *pool_; }

  // The focus rule: every push button of `window` (standard or colored) is
  // told that `focus` now has the keyboard focus. A button is active exactly
  // when it is that control if that control is a push button; otherwise when
  // it is a Default button. Runs by itself on every focus change.
  static void ApplyFocusRule(QWidget* window, QWidget* focus);

  // Failures raised while a button handles input (a repeat timer the
  // platform refuses, an OnClick that fails) go to OnFailure, the program's
  // error report; without one they are rethrown.
  std::function<void(const Exception&)> OnFailure;

  // Colored buttons register themselves for the broadcasts.
  void AddButton(TVividCustomButton* button);
  void RemoveButton(TVividCustomButton* button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TVividApplication();
  bool FilterKey(QObject* watched, QEvent* event);
  void BroadcastThemesSwitched();

  bool themed_drawing_allowed_ = true;
  ThemeService* themes_;
  TVividXPThemeManager theme_manager_;
  TimerService* timers_;
  std::unique_ptr<TVividTimerPool> pool_;
  std::vector<TVividCustomButton*> buttons_;
};

}  // namespace anod
