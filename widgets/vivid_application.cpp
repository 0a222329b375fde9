#include "widgets/vivid_application.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/handler_guard.h"
#include "widgets/vivid_button.h"

namespace anod {
namespace {

constexpr std::string_view kThemeClassNames[kThemeClassCount] = {
    "BUTTON",  "CLOCK",    "COMBOBOX",  "EDIT",   "EXPLORERBAR", "HEADER",  "LISTVIEW",   "MENU",    "PAGE",
    "PROGRESS", "REBAR",   "SCROLLBAR", "SPIN",   "STARTPANEL",  "STATUS",  "TAB",        "TASKBAND", "TASKBAR",
    "TOOLBAR", "TOOLTIP",  "TRACKBAR",  "TRAYNOTIFY", "TREEVIEW", "WINDOW", "GLOBALS"};

// The Default property of a standard push button, kept aside the first time
// the focus rule shows it active (QPushButton's own default flag then
// carries the active look).
constexpr const char* kDefaultProperty = "anodDefault";

bool IsDefaultButton(QPushButton* button) {
  if (auto* vivid = qobject_cast<TVividCustomButton*>(button)) return vivid->Default();
  const QVariant stored = button->property(kDefaultProperty);
  return stored.isValid() ? stored.toBool() : button->isDefault();
}

void ShowActive(QPushButton* button, bool active) {
  if (auto* vivid = qobject_cast<TVividCustomButton*>(button)) {
    vivid->SetIsActive(active);
    return;
  }
  // Dialogs run this rule themselves.
  if (qobject_cast<QDialog*>(button->window()) != nullptr) return;
  if (!button->property(kDefaultProperty).isValid()) button->setProperty(kDefaultProperty, button->isDefault());
  if (button->isDefault() != active) button->setDefault(active);
}

void ClickButton(QPushButton* button) {
  if (auto* vivid = qobject_cast<TVividCustomButton*>(button)) {
    TVividCustomButton::Guarded([vivid] { vivid->Click(); });
  } else {
    button->click();
  }
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
    : themes_(PlatformThemeService()), timers_(&QtTimers()), pool_(std::make_unique<TVividTimerPool>(*timers_)) {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
    // Only a move of the focus to a control counts. Focus going nowhere (the
    // program losing activation, or a focused control being destroyed while
    // its window tears its children down, when the window's child list cannot
    // be searched) leaves every button as it was.
    connect(app, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (now != nullptr) GuardHandler(this, [now] { ApplyFocusRule(now->window(), now); });
    });
    app->installEventFilter(this);
  }
}

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
  TimerService* next = service != nullptr ? service : &QtTimers();
  if (next == timers_ || pool_->Count() != 0) return;
  timers_ = next;
  pool_ = std::make_unique<TVividTimerPool>(*timers_);
}

void TVividApplication::AddButton(TVividCustomButton* button) { buttons_.push_back(button); }

void TVividApplication::RemoveButton(TVividCustomButton* button) { std::erase(buttons_, button); }

void TVividApplication::BroadcastThemesSwitched() {
  for (TVividCustomButton* b : buttons_) b->RepaintIfReady();
}

void TVividApplication::ApplyFocusRule(QWidget* window, QWidget* focus) {
  if (window == nullptr) return;
  auto* focused_button = qobject_cast<QPushButton*>(focus);
  const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
  for (QPushButton* b : buttons) {
    if (b->window() != window) continue;
    const bool active = focused_button != nullptr ? b == focused_button : IsDefaultButton(b);
    ShowActive(b, active);
  }
}

bool TVividApplication::eventFilter(QObject* watched, QEvent* event) {
  return GuardHandler(watched, true, [&] { return FilterKey(watched, event); });
}

bool TVividApplication::FilterKey(QObject* watched, QEvent* event) {
  // Enter on a control that is no push button clicks the window's Default
  // button; Escape clicks its Cancel button. A focused push button handles
  // Enter itself.
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget != QApplication::focusWidget() || qobject_cast<QPushButton*>(widget) != nullptr) {
    return false;
  }
  const int key = static_cast<QKeyEvent*>(event)->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if ((!enter && key != Qt::Key_Escape) || qobject_cast<QDialog*>(widget->window()) != nullptr) return false;
  const QList<QPushButton*> buttons = widget->window()->findChildren<QPushButton*>();
  for (QPushButton* b : buttons) {
    if (!b->isEnabled() || !b->isVisible()) continue;
    auto* vivid = qobject_cast<TVividCustomButton*>(b);
    const bool chosen = enter ? IsDefaultButton(b) : (vivid != nullptr && vivid->Cancel());
    if (!chosen) continue;
    ClickButton(b);
    return true;
  }
  return false;
}

}  // namespace anod
