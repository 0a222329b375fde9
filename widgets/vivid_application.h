// The colored buttons' process-wide services: the themed-drawing switch, the
// theme availability and its handle cache, the timers and their pool, and
// the failure hook.
//
// Themes are usable when a theme service exists, ThemedDrawingAllowed is true
// and the service reports an active theme (asked on every use). This
// platform has no theme service, so the classic frames are always drawn;
// tests install one with SetThemeService.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/failures.h"
#include "platform/theme_service.h"
#include "widgets/vivid_themes.h"
#include "widgets/vivid_timers.h"

namespace anod {

// A colored button as the application sees it: told when the themes
// switched (drawing allowed or not, another service, a theme change), so that
// it repaints.
class ThemedButton {
 public:
  virtual void ThemesSwitched() = 0;

 protected:
  ~ThemedButton() = default;
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
  // The service while themes are usable, else null: what the handle cache
  // opens handles from.
  ThemeService* UsableThemes() const { return ThemesUsable() ? themes_ : nullptr; }
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
  void AddButton(ThemedButton* button);
  void RemoveButton(ThemedButton* button);

 private:
  TVividApplication();
  void BroadcastThemesSwitched();

  bool themed_drawing_allowed_ = true;
  ThemeService* themes_;
  TVividXPThemeManager theme_manager_;
  TimerService* platform_timers_;
  TimerService* timers_;
  std::unique_ptr<TVividTimerPool> pool_;
  std::vector<ThemedButton*> buttons_;
};

}  // namespace anod
