#include "core/decimal_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "core/failures.h"

namespace anod {
namespace {

constexpr Extended kInf = kExtendedInfinity;

struct ReaderRow {
  const char* name;
  std::string text;
  Extended value;
  int position;
};
void PrintTo(const ReaderRow& row, std::ostream* os) { *os << row.name; }

class ReaderTable : public testing::TestWithParam<ReaderRow> {};

TEST_P(ReaderTable, GivesValueAndPosition) {
  const ReaderRow& row = GetParam();
  const DecimalReading reading = ReadDecimal(row.text);
  EXPECT_EQ(reading.value, row.value);
  EXPECT_EQ(SignBit(reading.value), SignBit(row.value)) << "sign of " << row.text;
  EXPECT_EQ(reading.position, row.position);
}

// Malformed texts give the digits read so far as one whole number, with no
// point, exponent or sign applied.
INSTANTIATE_TEST_SUITE_P(
    FieldTexts, ReaderTable,
    testing::Values(
        ReaderRow{"empty", "", 0, 1}, ReaderRow{"space", " ", 0, 2}, ReaderRow{"minus", "-", 0, 2},
        ReaderRow{"point", ".", 0, 0}, ReaderRow{"minus_point", "-.", -0.0L, 0},
        ReaderRow{"five_point", "5.", 5, 0}, ReaderRow{"spaces_minus_2_25", "  -2.25", -2.25L, 0},
        ReaderRow{"plus_7", "+7", 7, 0}, ReaderRow{"zero_zero_7", "007", 7, 0},
        ReaderRow{"2_5E_minus_1", "2.5E-1", 0.25L, 0}, ReaderRow{"point_e5", ".e5", 0, 0},
        ReaderRow{"1_comma_5", "1,5", 1, 2}, ReaderRow{"minus_1_comma_5", "-1,5", 1, 3},
        ReaderRow{"1_5_trailing_space", "1.5 ", 15, 4}, ReaderRow{"minus_12_space", "-12 ", 12, 4},
        ReaderRow{"1_2_3", "1.2.3", 12, 4}, ReaderRow{"1e", "1e", 1, 3}, ReaderRow{"1_5E", "1.5E", 15, 5},
        ReaderRow{"e", "e", 0, 2}, ReaderRow{"tab_3", "\t3", 0, 1}, ReaderRow{"1_space_000", "1 000", 1, 2},
        ReaderRow{"abc", "abc", 0, 1}, ReaderRow{"1e5120", "1e5120", kInf, 0},
        ReaderRow{"minus_1e5120", "-1e5120", -kInf, 0}, ReaderRow{"0e9999", "0e9999", kInf, 0},
        ReaderRow{"1e_minus_5120", "1e-5120", 0, 0}, ReaderRow{"minus_0", "-0", -0.0L, 0}, ReaderRow{"two_signs", "+-5", 0, 2},
        ReaderRow{"exponent_plus", "3e+2", 300, 0}, ReaderRow{"exponent_sign_only", "3e-", 3, 4},
        ReaderRow{"exponent_then_text", "3e2x", 3, 4}, ReaderRow{"upper_E", "4E1", 40, 0},
        ReaderRow{"spaces_only", "   ", 0, 4}, ReaderRow{"sign_then_space", "- 1", 0, 2},
        ReaderRow{"superscript_two", "2\xB2", 2, 2}, ReaderRow{"question_mark", "?", 0, 1},
        // The exponent saturates instead of wrapping around.
        ReaderRow{"1e4294967296", "1e4294967296", kInf, 0},
        ReaderRow{"1e_minus_4294967296", "1e-4294967296", 0, 0},
        ReaderRow{"1e2147483648", "1e2147483648", kInf, 0},
        ReaderRow{"1e99999999999999999999", "1e99999999999999999999", kInf, 0},
        // The scale counts every fraction digit.
        ReaderRow{"0_point_199_zeros_1_e200", "0." + std::string(199, '0') + "1e200", 1, 0},
        // 5119 still scales; a value reaching past the extended range would
        // have failed, zero does not.
        ReaderRow{"0e5119", "0e5119", 0, 0}, ReaderRow{"1e_minus_5119", "1e-5119", 0, 0},
        ReaderRow{"244_92", "244.92", 24492.0L / 100.0L, 0}, ReaderRow{"0_5", "0.5", 0.5L, 0},
        ReaderRow{"12_5e_minus_1", "12.5e-1", 1.25L, 0},
        // Each digit rounds to the nearest extended: 2^64 - 1 still fits the
        // 64-bit significand, 2^64 + 1 rounds to even (2^64), 2^64 + 3 up to 2^64 + 4.
        ReaderRow{"2_pow_64_minus_1", "18446744073709551615", 0x1p64L - 1, 0},
        ReaderRow{"2_pow_64_minus_1_over_10", "1844674407370955161.5", (0x1p64L - 1) / 10, 0},
        ReaderRow{"2_pow_64_plus_1", "18446744073709551617", 0x1p64L, 0},
        ReaderRow{"2_pow_64_plus_3", "18446744073709551619", 0x1p64L + 4, 0}), testing::PrintToStringParamName());

TEST(ReadDecimal, OverflowWhileScalingOrAccumulatingFails) {
  // 4940 digits are more than the extended range holds: acc × 10 overflows,
  // even in the fraction, where the scale would bring it back.
  for (const std::string& text : {std::string("2e4932"), std::string("1e4933"), std::string(4940, '9'),
                                  "." + std::string(4940, '9')}) {
    SCOPED_TRACE(text.substr(0, 8));
    EXPECT_THROW(ReadDecimal(text), EOverflow);
  }
  EXPECT_NO_THROW(ReadDecimal("1e4931"));
}

TEST(ReadDecimal, ValuesBeyondTheDoubleRangeStayExtended) {
  const DecimalReading reading = ReadDecimal("1e400");
  EXPECT_EQ(reading.position, 0);
  // 10^400 within one unit in the last place: the scaling rounds twice.
  EXPECT_NEAR(static_cast<double>(reading.value / 1e400L - 1), 0, 0x1p-62);
}

}  // namespace
}  // namespace anod
