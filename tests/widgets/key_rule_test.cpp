#include "widgets/key_rule.h"

#include <gtest/gtest.h>

#include <vector>

namespace anod {
namespace {

TEST(KeyRuleTest, EnterPicksTheFirstUsableDefaultEscapeTheFirstUsableCancel) {
  const PushButtonKeys hidden_default{true, false, true, false};
  const PushButtonKeys disabled_cancel{false, true, false, true};
  const PushButtonKeys plain{};
  const PushButtonKeys default_one{true, false, true, true};
  const PushButtonKeys cancel_one{false, true, true, true};
  const std::vector<PushButtonKeys> window{hidden_default, disabled_cancel, plain, default_one, cancel_one};
  EXPECT_EQ(ButtonForKey(window, true), 3);
  EXPECT_EQ(ButtonForKey(window, false), 4);
  const std::vector<PushButtonKeys> none{plain, hidden_default};
  EXPECT_EQ(ButtonForKey(none, true), -1);
  EXPECT_EQ(ButtonForKey(none, false), -1);
}

}  // namespace
}  // namespace anod
