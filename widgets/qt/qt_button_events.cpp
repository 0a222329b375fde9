#include "widgets/qt/qt_button_events.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <vector>

#include "platform/qt/handler_guard.h"
#include "widgets/focus_rule.h"
#include "widgets/key_rule.h"
#include "widgets/qt/qt_timers.h"
#include "widgets/qt/vivid_button.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

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
    TVividButtonModel::Guarded([vivid] { vivid->Click(); });
  } else {
    button->click();
  }
}

class ButtonEvents : public QObject {
 public:
  explicit ButtonEvents(QApplication* app) : QObject(app) {
    // Only a move of the focus to a control counts. Focus going nowhere (the
    // program losing activation, or a focused control being destroyed while
    // its window tears its children down, when the window's child list
    // cannot be searched) leaves every button as it was.
    connect(app, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (now != nullptr) GuardHandler(this, [now] { ApplyFocusRule(now->window(), now); });
    });
    app->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return GuardHandler(watched, true, [&] { return FilterKey(watched, event); });
  }

 private:
  static bool FilterKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget != QApplication::focusWidget() ||
        qobject_cast<QPushButton*>(widget) != nullptr) {
      return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((!enter && key != Qt::Key_Escape) || qobject_cast<QDialog*>(widget->window()) != nullptr) return false;
    const QList<QPushButton*> buttons = widget->window()->findChildren<QPushButton*>();
    std::vector<PushButtonKeys> keys;
    keys.reserve(static_cast<std::size_t>(buttons.size()));
    for (QPushButton* b : buttons) {
      auto* vivid = qobject_cast<TVividCustomButton*>(b);
      keys.push_back({IsDefaultButton(b), vivid != nullptr && vivid->Cancel(), b->isEnabled(), b->isVisible()});
    }
    const int chosen = ButtonForKey(keys, enter);
    if (chosen < 0) return false;
    ClickButton(buttons[chosen]);
    return true;
  }
};

}  // namespace

void ApplyFocusRule(QWidget* window, QWidget* focus) {
  if (window == nullptr) return;
  auto* focused_button = qobject_cast<QPushButton*>(focus);
  const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
  for (QPushButton* b : buttons) {
    if (b->window() != window) continue;
    ShowActive(b, FocusRuleAnswer(focused_button != nullptr, b == focused_button, IsDefaultButton(b)));
  }
}

void InstallQtButtonEvents() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  TVividApplication::Instance().SetPlatformTimers(&QtTimers());
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) new ButtonEvents(app);
}

}  // namespace anod
