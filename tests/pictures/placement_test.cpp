#include "pictures/placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace anod {
namespace {

struct PlacementCase {
  const char* name;
  int w, h, cw, ch;
  PlacementFlags flags;
  Rect expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

constexpr PlacementFlags kProportional{false, false, true};
constexpr PlacementFlags kStretch{false, true, false};
constexpr PlacementFlags kStretchProportional{false, true, true};
constexpr PlacementFlags kAllThree{true, true, true};
constexpr PlacementFlags kCenter{true, false, false};
constexpr PlacementFlags kNone{};

const PlacementCase kCases[] = {
    // The window's own pictures.
    {"Shape289x289In217Proportional", 289, 289, 217, 217, kProportional, {0, 0, 217, 217}},
    {"Step354x289In233x193Stretch", 354, 289, 233, 193, kStretch, {0, 0, 233, 193}},
    {"Step354x289In233x193Proportional", 354, 289, 233, 193, kProportional, {0, 0, 233, 190}},
    // Wide, tall and square pictures reduced with their proportions.
    {"Wide400x200In217Proportional", 400, 200, 217, 217, kProportional, {0, 0, 217, 108}},
    {"Tall200x400In217Proportional", 200, 400, 217, 217, kProportional, {0, 0, 108, 217}},
    {"Square250In233x193Proportional", 250, 250, 233, 193, kProportional, {0, 0, 193, 193}},
    // Proportional alone never enlarges; with Stretch it does.
    {"Small100x50In217Proportional", 100, 50, 217, 217, kProportional, {0, 0, 100, 50}},
    {"Small100x50In217StretchProportional", 100, 50, 217, 217, kStretchProportional, {0, 0, 217, 108}},
    {"Small100x50In217StretchProportionalCenter", 100, 50, 217, 217, kAllThree, {0, 54, 217, 162}},
    {"Small100x50In217Center", 100, 50, 217, 217, kCenter, {58, 83, 158, 133}},
    {"Small100x50In217NoFlags", 100, 50, 217, 217, kNone, {0, 0, 100, 50}},
    // Larger than the control with Center alone: up and left, -73 div 2 = -36.
    {"Large290In217Center", 290, 290, 217, 217, kCenter, {-36, -36, 254, 254}},
    // Tall picture whose first fit overflows across: the second branch.
    {"Tall100x300In50x200Proportional", 100, 300, 50, 200, kProportional, {0, 0, 50, 150}},
    // Wide picture whose first fit overflows down.
    {"Wide300x200In300x100StretchProportional", 300, 200, 300, 100, kStretchProportional, {0, 0, 150, 100}},
    // No ratio from a zero side: wherever scaling applies, the whole control.
    {"ZeroWidth0x50In217StretchProportional", 0, 50, 217, 217, kStretchProportional, {0, 0, 217, 217}},
    {"ZeroHeight300x0In217Proportional", 300, 0, 217, 217, kProportional, {0, 0, 217, 217}},
    {"NoPicture0x0In217NoFlags", 0, 0, 217, 217, kNone, {0, 0, 0, 0}},
    {"NoPicture0x0In217Proportional", 0, 0, 217, 217, kProportional, {0, 0, 0, 0}},
    {"NoPicture0x0In217Stretch", 0, 0, 217, 217, kStretch, {0, 0, 217, 217}},
    {"NoPicture0x0In217Center", 0, 0, 217, 217, kCenter, {108, 108, 108, 108}},
    // Extended precision: the double 2/3 lies just below 2/3, so 3 x ratio is
    // 1.99999999999999988898 in extended precision and truncates to 1 (a
    // double product would round to 2.0 first).
    {"Ratio2x3In3x3StretchProportional", 2, 3, 3, 3, kStretchProportional, {0, 0, 1, 3}},
    {"Ratio3x2In2x2StretchProportional", 3, 2, 2, 2, kStretchProportional, {0, 0, 2, 1}},
};

class PlacementRectTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementRectTest, GivesTheExpectedRectangle) {
  const PlacementCase& c = GetParam();
  const Rect r = PlacementRect(c.w, c.h, c.cw, c.ch, c.flags);
  EXPECT_EQ(r.left, c.expected.left);
  EXPECT_EQ(r.top, c.expected.top);
  EXPECT_EQ(r.right, c.expected.right);
  EXPECT_EQ(r.bottom, c.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, PlacementRectTest, testing::ValuesIn(kCases), testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
