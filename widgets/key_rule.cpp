#include "widgets/key_rule.h"

namespace anod {

int ButtonForKey(std::span<const PushButtonKeys> buttons, bool enter) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const PushButtonKeys& b = buttons[i];
    if (!b.enabled || !b.visible) continue;
    if (enter ? b.is_default : b.cancel) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace anod
