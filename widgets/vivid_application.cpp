#include "widgets/vivid_application.h"

#include <algorithm>

#include "widgets/vivid_button_model.h"

namespace anod {
namespace {

constexpr std::string_view kThemeClassNames[kThemeClassCount] = {
    "BUTTON",  "CLOCK",    "COMBOBOX",  "EDIT",   "EXPLORERBAR", "HEADER",  "LISTVIEW",   "MENU",    "PAGE",
    "PROGRESS", "REBAR",   "SCROLLBAR", "SPIN",   "STARTPANEL",  "STATUS",  "TAB",        "TASKBAND", "TASKBAR",
    "TOOLBAR", "TOOLTIP",  "TRACKBAR",  "TRAYNOTIFY", "TREEVIEW", "WINDOW", "GLOBALS"};

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

std::string_view ThemeClassName(ThemeClass c) {
  const int i = static_cast<int>(c);
  return i >= 0 && i < kThemeClassCount ? kThemeClassNames[i] : std::string_view();
}

// ----- Theme handles -----

TVividXPThemeManager::~TVividXPThemeManager() { CloseAll(); }

ThemeHandle TVividXPThemeManager::Handle(ThemeClass c) {
  TVividApplication& app = TVividApplication::Instance();
  if (!app.ThemesUsable()) return 0;
  if (service_ != app.Themes()) {
    CloseAll();
    service_ = app.Themes();
  }
  ThemeHandle& h = handles_[static_cast<std::size_t>(c)];
  if (h == 0) h = service_->OpenThemeData(ThemeClassName(c));
  return h;
}

void TVividXPThemeManager::CloseAll() {
  for (ThemeHandle& h : handles_) {
    if (h != 0 && service_ != nullptr) service_->CloseThemeData(h);
    h = 0;
  }
}

// ----- The application object -----

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

void TVividApplication::AddButton(TVividButtonModel* button) { buttons_.push_back(button); }

void TVividApplication::RemoveButton(TVividButtonModel* button) { std::erase(buttons_, button); }

void TVividApplication::BroadcastThemesSwitched() {
  for (TVividButtonModel* b : buttons_) b->RepaintIfReady();
}

int ButtonForKey(std::span<const PushButtonKeys> buttons, bool enter) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const PushButtonKeys& b = buttons[i];
    if (!b.enabled || !b.visible) continue;
    if (enter ? b.is_default : b.cancel) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace anod
