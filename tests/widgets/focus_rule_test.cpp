#include "widgets/focus_rule.h"

#include <gtest/gtest.h>

namespace anod {
namespace {

TEST(FocusRuleTest, ActiveIsTheFocusedPushButtonElseTheDefaultOnes) {
  struct Row {
    const char* name;
    bool focus_is_push_button, is_focused, is_default, active;
  };
  const Row rows[] = {
      {"FocusedPushButton", true, true, false, true},
      {"OtherPushButtonFocusedDefault", true, false, true, false},
      {"EditFocusedDefault", false, false, true, true},
      {"EditFocusedNotDefault", false, false, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FocusRuleAnswer(row.focus_is_push_button, row.is_focused, row.is_default), row.active);
  }
}

}  // namespace
}  // namespace anod
