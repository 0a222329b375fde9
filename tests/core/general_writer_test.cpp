#include "core/general_writer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/decimal_mark.h"

namespace anod {
namespace {

struct GeneralRow {
  const char* name;
  Extended value;
  std::string text;
};
void PrintTo(const GeneralRow& row, std::ostream* os) { *os << row.name; }

class GeneralTable : public testing::TestWithParam<GeneralRow> {
 protected:
  void SetUp() override { SetLocaleDecimalMark('.'); }
};

TEST_P(GeneralTable, Writes) {
  const GeneralRow& row = GetParam();
  EXPECT_EQ(FormatGeneral(row.value), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Currents, GeneralTable,
    testing::Values(
        GeneralRow{"zero", 0, "0"}, GeneralRow{"2450", 2450, "2450"}, GeneralRow{"minus_30", -30, "-30"},
        GeneralRow{"999999999999999", 999999999999999.0L, "999999999999999"},
        GeneralRow{"1e15", 1e15L, "1E15"},
        GeneralRow{"1234567890123456", 1234567890123456.0L, "1.23456789012346E15"},
        GeneralRow{"2450000000000000000", 2450000000000000000.0L, "2.45E18"},
        GeneralRow{"999999999999999999", 999999999999999999.0L, "1E18"},
        GeneralRow{"two_to_63_minus_1", 9223372036854775807.0L, "9.22337203685478E18"},
        GeneralRow{"minus_two_to_63", -0x1p63L, "-9.22337203685478E18"},
        GeneralRow{"1e19", 1e19L, "1E19"}, GeneralRow{"negative_zero", -0.0L, "0"},
        GeneralRow{"1", 1, "1"}, GeneralRow{"100", 100, "100"}), testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(
    Fractions, GeneralTable,
    testing::Values(
        GeneralRow{"0_25", 0.25L, "0.25"}, GeneralRow{"2_5", 2.5L, "2.5"},
        GeneralRow{"0_001", 0.001L, "0.001"}, GeneralRow{"0_0001", 0.0001L, "0.0001"},
        GeneralRow{"0_00001", 0.00001L, "1E-5"}, GeneralRow{"0_000123", 0.000123L, "0.000123"},
        GeneralRow{"0_0000123", 0.0000123L, "1.23E-5"},
        GeneralRow{"one_third", 1.0L / 3, "0.333333333333333"},
        GeneralRow{"two_thirds", 2.0L / 3, "0.666666666666667"},
        GeneralRow{"1e_minus_300", 1e-300L, "1E-300"},
        GeneralRow{"smallest_normal", 0x1p-16382L, "3.36210314311209E-4932"},
        GeneralRow{"subnormal", 0x1p-16400L, "0"},
        // The 16-bit logarithm puts 2^-681 (9.9671949510975675e-206) one
        // decade too high; the digits are taken one place further.
        GeneralRow{"two_to_minus_681", 0x1p-681L, "9.96719495109757E-206"},
        GeneralRow{"two_to_minus_877", 0x1p-877L, "9.9241610332961E-265"},
        GeneralRow{"largest", std::numeric_limits<Extended>::max(), "1.18973149535723E4932"},
        GeneralRow{"plus_infinity", kExtendedInfinity, "INF"},
        GeneralRow{"minus_infinity", -kExtendedInfinity, "-INF"},
        GeneralRow{"nan", std::numeric_limits<Extended>::quiet_NaN(), "NAN"}), testing::PrintToStringParamName());

TEST(FormatGeneral, UsesTheLocaleDecimalMark) {
  SetLocaleDecimalMark(',');
  EXPECT_EQ(FormatGeneral(2450000000000000000.0L), "2,45E18");
  EXPECT_EQ(FormatGeneral(0.25L), "0,25");
  EXPECT_EQ(FormatGeneral(2450), "2450");
  SetLocaleDecimalMark('.');
  EXPECT_EQ(FormatGeneral(2450000000000000000.0L), "2.45E18");
}

}  // namespace
}  // namespace anod
