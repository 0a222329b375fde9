// The focus rule: when the keyboard focus moves to a control of a window,
// every push button of that window (standard or colored) is told whether it
// is the active one. It is exactly when it is that control if that control
// is a push button; otherwise when it is a Default button.
//
//   FocusRuleAnswer(true, false, true)   -> false  (focus on another push button)
//   FocusRuleAnswer(false, false, true)  -> true   (focus on an edit box: Default)
#pragma once

namespace anod {

constexpr bool FocusRuleAnswer(bool focus_is_push_button, bool is_focused, bool is_default) {
  return focus_is_push_button ? is_focused : is_default;
}

}  // namespace anod
