// The push buttons' window rules on Qt: the focus rule run on every focus
// change, and Enter / Escape on a control that is no push button.
#pragma once

class QWidget;

namespace anod {

// Every push button of `window` (standard or colored) is told that `focus`
// now has the keyboard focus (FocusRuleAnswer).
void ApplyFocusRule(QWidget* window, QWidget* focus);

// Installs, once, the listener of focus changes, the key filter and Qt's
// timers as the buttons' platform timers. Every colored button calls it.
void InstallQtButtonEvents();

}  // namespace anod
