// The scroll position's moves, along one axis of 921 pixels shown 500 at a
// time (the last position is 421), and with everything shown at once.
#include "ui/window_scroll.h"

#include <gtest/gtest.h>

namespace anod {
namespace {

struct MoveRow {
  const char* name;
  int position, page;
  ScrollMove move;
  int moved;
};

TEST(WindowScroll, Moves) {
  const MoveRow rows[] = {
      {"a page down from the top", 0, 500, ScrollMove::kPageForward, 421},
      {"a page up from the end", 421, 500, ScrollMove::kPageBack, 0},
      {"a page down from a third", 300, 200, ScrollMove::kPageForward, 500},
      {"a line down", 100, 500, ScrollMove::kLineForward, 120},
      {"a line up at the top stays", 0, 500, ScrollMove::kLineBack, 0},
      {"a line down at the end stays", 421, 500, ScrollMove::kLineForward, 421},
      {"to the end", 10, 500, ScrollMove::kEnd, 421},
      {"to the start", 300, 500, ScrollMove::kStart, 0},
      {"nothing hidden: the end is the top", 0, 1000, ScrollMove::kEnd, 0},
      {"nothing hidden: a page down stays", 0, 1000, ScrollMove::kPageForward, 0},
  };
  for (const MoveRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ScrollAlong(row.position, 921, row.page, row.move), row.moved);
  }
}

struct WheelRow {
  const char* name;
  int position, delta, lines;
  int moved;
};

TEST(WindowScroll, Wheel) {
  const WheelRow rows[] = {
      {"a notch towards the user scrolls down three lines", 0, -120, 3, 60},
      {"a notch away scrolls back up", 60, 120, 3, 0},
      {"a smooth wheel's third of a notch, one line", 0, -40, 3, 20},
      {"five lines a notch", 0, -120, 5, 100},
      {"a page a notch", 0, -120, kWheelScrollsPages, 421},
      {"two notches at the end stay there", 400, -240, 3, 421},
  };
  for (const WheelRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(WheelScroll(row.position, 921, 500, row.delta, row.lines), row.moved);
  }
}

}  // namespace
}  // namespace anod
