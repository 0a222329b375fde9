#include "core/fixed_writer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace anod {
namespace {

struct FixedRow {
  const char* name;
  Extended value;
  int width;
  int decimals;
  std::string text;
};
void PrintTo(const FixedRow& row, std::ostream* os) { *os << row.name; }

class FixedTable : public testing::TestWithParam<FixedRow> {};

TEST_P(FixedTable, Writes) {
  const FixedRow& row = GetParam();
  EXPECT_EQ(FormatFixed(row.value, row.width, row.decimals), row.text);
}

// Doubles of decimals are written as double literals, so the writer sees the
// double nearest to the decimal widened exactly.
INSTANTIATE_TEST_SUITE_P(
    SurfaceCaptions, FixedTable,
    testing::Values(
        FixedRow{"zero", 0, 3, 2, "0.00"}, FixedRow{"negative_zero", -0.0L, 3, 2, "-0.00"},
        FixedRow{"minus_0_001", -0.001, 3, 2, "-0.00"}, FixedRow{"0_125", 0.125, 3, 2, "0.13"},
        FixedRow{"minus_0_125", -0.125, 3, 2, "-0.13"}, FixedRow{"0_375", 0.375, 3, 2, "0.38"},
        // 0.005 as a double is slightly above, 2.675 and 9.995 slightly below:
        // the 18-digit expansion sees that.
        FixedRow{"double_0_005", 0.005, 3, 2, "0.01"}, FixedRow{"double_2_675", 2.675, 3, 2, "2.67"},
        FixedRow{"double_9_995", 9.995, 3, 2, "9.99"}, FixedRow{"double_99_995", 99.995, 3, 2, "100.00"},
        FixedRow{"double_244_92", 244.92, 3, 2, "244.92"}, FixedRow{"1234_5", 1234.5, 3, 2, "1234.50"},
        FixedRow{"1e20", 1e20, 3, 2, "100000000000000000000.00"},
        FixedRow{"two_to_120", 0x1p120L, 3, 2, " 1.3E+0036"},
        FixedRow{"double_6_28e40", 6.28e40, 3, 2, " 6.3E+0040"},
        FixedRow{"double_minus_6_28e40", -6.28e40, 3, 2, "-6.3E+0040"},
        FixedRow{"plus_infinity", kExtendedInfinity, 3, 2, "+Inf"},
        FixedRow{"minus_infinity", -kExtendedInfinity, 3, 2, "-Inf"},
        FixedRow{"nan", std::numeric_limits<Extended>::quiet_NaN(), 3, 2, "Nan"},
        // Lead digit "1" is the first significant digit, rounding half away
        // from zero at the next one.
        FixedRow{"1_25e41", 1.25e41L, 3, 2, " 1.3E+0041"},
        // Just below 2^120 stays fixed: 36 integer digits.
        FixedRow{"below_two_to_120", 0x1.fffffffffffffffep119L, 3, 2,
                 "1329227995784915873000000000000000000.00"},
        // 2^120 − 2^56 is 1329227995784915872831749466242416640: the
        // expansion ends in ...872.875, which rounds to ...873.
        // 18 significant digits, then zeros.
        FixedRow{"1e35", 1e35L, 3, 2, "100000000000000000000000000000000000.00"},
        FixedRow{"9_999", 9.999, 3, 2, "10.00"}, FixedRow{"10_5", 10.5, 3, 2, "10.50"},
        FixedRow{"15_995", 15.995L, 3, 2, "16.00"}, FixedRow{"0_004", 0.004, 3, 2, "0.00"},
        FixedRow{"minus_0_005", -0.005, 3, 2, "-0.01"},
        FixedRow{"25_12", 25.12, 3, 2, "25.12"}), testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    OtherWidthsAndDecimals, FixedTable,
    testing::Values(
        FixedRow{"width8_5", 5, 8, 2, "    5.00"}, FixedRow{"width8_infinity", kExtendedInfinity, 8, 2, "    +Inf"},
        FixedRow{"decimals0_2_5", 2.5L, 3, 0, "  3"}, FixedRow{"decimals0_0_4", 0.4L, 1, 0, "0"},
        FixedRow{"decimals4_pi", 3.14159265L, 3, 4, "3.1416"},
        FixedRow{"decimals20_0_1", 0.1L, 3, 20, "0.10000000000000000000"},
        FixedRow{"decimals300_capped_at_216", 1, 3, 300, "1." + std::string(216, '0')},
        FixedRow{"width300_capped_at_255", 1, 300, 2, std::string(251, ' ') + "1.00"},
        FixedRow{"negative_decimals_1234_5", 1234.5L, 3, -1, " 1.2E+0003"},
        FixedRow{"negative_decimals_0_001", 0.001L, 3, -1, " 1.0E-0003"},
        FixedRow{"negative_decimals_zero", 0, 3, -1, " 0.0E+0000"},
        FixedRow{"negative_decimals_9_96", 9.96L, 3, -1, " 1.0E+0001"},
        FixedRow{"width12_two_to_120", 0x1p120L, 12, 2, " 1.329E+0036"},
        FixedRow{"width30_1e20", 1e20L, 30, 2, std::string(6, ' ') + "100000000000000000000.00"},
        FixedRow{"width30_negative_decimals_1e20", 1e20L, 30, -1, std::string(4, ' ') + " 1.00000000000000000E+0020"}),
    testing::PrintToStringParamName());

TEST(FormatFixed, LengthRules) {
  // Width 3 never fills: every text has at least three characters.
  for (Extended v : {0.0L, 1.0L, -1.0L, 1e300L, -1e-300L, 0x1p120L, 1e4000L}) {
    SCOPED_TRACE(static_cast<double>(v));
    const std::string text = FormatFixed(v, 3, 2);
    EXPECT_GE(text.size(), 4u);
    EXPECT_EQ(text.front() == ' ', v >= 0x1p120L) << text;
  }
  EXPECT_EQ(FormatFixed(1e4000L, 3, 2).size(), 10u);
}

}  // namespace
}  // namespace anod
