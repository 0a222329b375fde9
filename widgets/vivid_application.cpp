#include "widgets/vivid_application.h"

#include <algorithm>

namespace anod {
namespace {

// Where no toolkit gives timers, none can start.
class NoTimers final : public TimerService {
 public:
  int Start(int, std::function<void()>) override { return 0; }
  void SetInterval(int, int) override {}
  void Stop(int) override {}
};

TimerService& NoPlatformTimers() {
  static NoTimers none;
  return none;
}

}  // namespace

TVividApplication& TVividApplication::Instance() {
  static TVividApplication* instance = new TVividApplication;  // lives until exit, like the process's services
  return *instance;
}

TVividApplication::TVividApplication()
    : themes_(PlatformThemeService()),
      platform_timers_(&NoPlatformTimers()),
      timers_(platform_timers_),
      pool_(std::make_unique<TVividTimerPool>(*timers_)) {}

void TVividApplication::SetThemedDrawingAllowed(bool allowed) {
  if (allowed == themed_drawing_allowed_) return;
  themed_drawing_allowed_ = allowed;
  theme_manager_.CloseAll();
  BroadcastThemesSwitched();
}

void TVividApplication::SetThemeService(ThemeService* service) {
  if (service == themes_) return;
  theme_manager_.CloseAll();
  themes_ = service;
  BroadcastThemesSwitched();
}

bool TVividApplication::ThemesUsable() const {
  return themes_ != nullptr && themed_drawing_allowed_ && themes_->IsThemeActive();
}

void TVividApplication::ThemeChanged() {
  theme_manager_.CloseAll();
  BroadcastThemesSwitched();
}

void TVividApplication::SetTimerService(TimerService* service) {
  TimerService* next = service != nullptr ? service : platform_timers_;
  if (next == timers_ || pool_->Count() != 0) return;
  timers_ = next;
  pool_ = std::make_unique<TVividTimerPool>(*timers_);
}

void TVividApplication::SetPlatformTimers(TimerService* service) {
  const bool following = timers_ == platform_timers_;
  platform_timers_ = service != nullptr ? service : &NoPlatformTimers();
  if (following) SetTimerService(nullptr);
}

void TVividApplication::AddButton(ThemedButton* button) { buttons_.push_back(button); }

void TVividApplication::RemoveButton(ThemedButton* button) { std::erase(buttons_, button); }

void TVividApplication::BroadcastThemesSwitched() {
  for (ThemedButton* b : buttons_) b->ThemesSwitched();
}

}  // namespace anod
