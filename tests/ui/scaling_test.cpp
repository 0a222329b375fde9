#include "ui/scaling.h"

#include <gtest/gtest.h>

namespace anod {
namespace {

struct CentringCase {
  const char* name;
  Size screen;
  Point expected;
  friend void PrintTo(const CentringCase& row, std::ostream* os) { *os << row.name; }
};

class CentringTest : public testing::TestWithParam<CentringCase> {};

TEST_P(CentringTest, PlacesTheOuterWindow) {
  const CentringCase& row = GetParam();
  EXPECT_EQ(CenteredPosition(row.screen, {1081, 963}), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, CentringTest,
                         testing::Values(CentringCase{"Screen1280x1024", {1280, 1024}, {99, 30}},
                                         CentringCase{"Screen1920x1080", {1920, 1080}, {419, 58}},
                                         CentringCase{"Screen1024x768", {1024, 768}, {0, 0}},
                                         // 1 pixel to spare: 1 div 2 is 0, not rounded up.
                                         CentringCase{"Screen1082x964", {1082, 964}, {0, 0}},
                                         CentringCase{"Screen1083x965", {1083, 965}, {1, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScaleCase {
  const char* name;
  int value, num, den, expected;
  friend void PrintTo(const ScaleCase& row, std::ostream* os) { *os << row.name; }
};

class ScaleValueTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleValueTest, RoundsHalvesAwayFromZero) {
  const ScaleCase& row = GetParam();
  EXPECT_EQ(ScaleValue(row.value, row.num, row.den), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScaleValueTest,
    testing::Values(ScaleCase{"RightEdge1057By16Over13", 1057, 16, 13, 1301},
                    ScaleCase{"BottomEdge921By16Over13", 921, 16, 13, 1134},
                    ScaleCase{"Left16By16Over13", 16, 16, 13, 20},
                    ScaleCase{"HalfUp", 1, 1, 2, 1},          // 0.5 -> 1
                    ScaleCase{"HalfDownNegative", -1, 1, 2, -1},  // -0.5 -> -1
                    ScaleCase{"JustBelowHalf", 6, 1, 13, 0},   // 0.46 -> 0
                    ScaleCase{"Points12By16Over13", 12, 16, 13, 15},
                    ScaleCase{"SameRatio", 1057, 13, 13, 1057}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScaleRectTest, ScalesEdgesNotSizes) {
  // Panel7: edges 16, 8, 1057, 49 -> 19.69, 9.85, 1300.9, 60.3.
  EXPECT_EQ(ScaleRect(Rect::FromBounds(16, 8, 1041, 41), 16, 13), (Rect{20, 10, 1301, 60}));
  // VividButton1: width 226 scales to 311 - 33 = 278, not round(278.15) by
  // itself; the bottom 492 -> 605.54 -> 606.
  EXPECT_EQ(ScaleRect(Rect::FromBounds(27, 468, 226, 24), 16, 13), (Rect{33, 576, 311, 606}));
  // Bevel3's bottom 921 * 16 / 13 = 1133.54 -> 1134.
  EXPECT_EQ(ScaleRect(Rect::FromBounds(280, 888, 241, 33), 16, 13), (Rect{345, 1093, 641, 1134}));
}

TEST(FontSizeTest, PixelsAndPointsAt96Dpi) {
  for (const auto& [pixels, points] : {std::pair{11, 8}, {16, 12}, {19, 14}, {21, 16}, {24, 18}}) {
    SCOPED_TRACE(pixels);
    EXPECT_EQ(PixelsToPoints(pixels), points);
    EXPECT_EQ(PointsToPixels(points), pixels);
  }
}

struct PlanCase {
  const char* name;
  int ppi;
  int zero_height_at_11;  // what the measurement answers for height -11
  ScalePlan expected;
  friend void PrintTo(const PlanCase& row, std::ostream* os) { *os << row.name; }
};

class ScalePlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(ScalePlanTest, FollowsTheMeasurements) {
  const PlanCase& row = GetParam();
  int asked = 0;
  const ScalePlan plan = MakeScalePlan(row.ppi, [&](int height) {
    asked = height;
    return height == -11 ? row.zero_height_at_11 : 16;
  });
  EXPECT_EQ(asked, row.expected.window_font_height);
  EXPECT_EQ(plan.window_font_height, row.expected.window_font_height);
  EXPECT_EQ(plan.num, row.expected.num);
  EXPECT_EQ(plan.den, row.expected.den);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScalePlanTest,
    testing::Values(PlanCase{"Dpi96Zero13NothingScales", 96, 13, {-11, 13, 13}},
                    PlanCase{"Dpi96Zero16", 96, 16, {-11, 16, 13}},
                    PlanCase{"Dpi96Zero12", 96, 12, {-11, 12, 13}},
                    // 120 dpi: -11 * 120 / 96 = -13.75 -> -14, whose "0" measures 16 here.
                    PlanCase{"Dpi120", 120, 13, {-14, 16, 13}},
                    // 144 dpi: -16.5 -> -17 (halves away from zero).
                    PlanCase{"Dpi144", 144, 13, {-17, 16, 13}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anod
