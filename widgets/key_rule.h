// The key rule: Enter on a control that is no push button clicks the
// window's first enabled, visible Default button; Escape its first enabled,
// visible Cancel button. Both shells ask it with their window's push buttons,
// in the order they keep them.
#pragma once

#include <span>

namespace anod {

// One push button of a window as the key rule sees it.
struct PushButtonKeys {
  bool is_default = false;
  bool cancel = false;  // colored buttons only
  bool enabled = true;
  bool visible = true;
};

// The index of the button to click, or -1 for none:
//   {hidden Default, plain, Default} with Enter -> 2; {plain} -> -1.
int ButtonForKey(std::span<const PushButtonKeys> buttons, bool enter);

}  // namespace anod
