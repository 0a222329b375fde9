#include "ui/first_placement.h"

#include <gtest/gtest.h>

namespace anod {
namespace {

struct PlacementCase {
  const char* name;
  Rect screen, available;
  Rect expected;
  friend void PrintTo(const PlacementCase& row, std::ostream* os) { *os << row.name; }
};

class FirstPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(FirstPlacementTest, StaysInsideTheAvailableArea) {
  const PlacementCase& row = GetParam();
  EXPECT_EQ(FirstPlacement(row.screen, row.available, {1081, 963}), row.expected);
}

// Screens in the toolkit's units: 1280 x 1024 at 96, 120 (x 1.25) and
// 144 dpi (x 1.5).
INSTANTIATE_TEST_SUITE_P(
    Screens, FirstPlacementTest,
    testing::Values(
        PlacementCase{"At96Dpi", {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {99, 30, 1180, 993}},
        PlacementCase{"At120Dpi", {0, 0, 1024, 819}, {0, 0, 1024, 819}, {0, 0, 1024, 819}},
        PlacementCase{"At144Dpi", {0, 0, 853, 683}, {0, 0, 853, 683}, {0, 0, 853, 683}},
        // Only the height is short: the width keeps the centring rule.
        PlacementCase{"Screen1280x800", {0, 0, 1280, 800}, {0, 0, 1280, 800}, {99, 0, 1180, 800}},
        PlacementCase{"PanelAtTheTop", {0, 0, 1280, 1024}, {0, 40, 1280, 1024}, {99, 40, 1180, 1003}},
        PlacementCase{"PanelAtTheBottom", {0, 0, 1280, 1024}, {0, 0, 1280, 980}, {99, 17, 1180, 980}},
        PlacementCase{"PanelAndSmallScreen", {0, 0, 1024, 768}, {0, 32, 1024, 768}, {0, 32, 1024, 768}},
        // A second screen right of the first: its own origin.
        PlacementCase{"SecondScreen", {1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}, {1379, 30, 2460, 993}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anod
