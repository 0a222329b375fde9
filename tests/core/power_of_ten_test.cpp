#include "core/power_of_ten.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/failures.h"

namespace anod {
namespace {

// strtold rounds correctly to the nearest extended value, so it checks
// each table entry independently of how the table was written.
Extended Nearest(int power) {
  const std::string text = "1e" + std::to_string(power);
  return std::strtold(text.c_str(), nullptr);
}

TEST(TenPowers, LowEntriesAreTheNearestExtendedValues) {
  std::setlocale(LC_NUMERIC, "C");
  for (int i = 0; i < 32; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(TenPowersLow[static_cast<std::size_t>(i)], Nearest(i));
  }
}

TEST(TenPowers, EntriesUpTo27AreExact) {
  Extended exact = 1;
  for (int i = 0; i <= 27; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(TenPowersLow[static_cast<std::size_t>(i)], exact);
    exact *= 10;
  }
}

TEST(TenPowers, MidEntriesAreTheNearestExtendedValues) {
  for (int i = 1; i < 16; ++i) {
    SCOPED_TRACE(32 * i);
    EXPECT_EQ(TenPowersMid[static_cast<std::size_t>(i)], Nearest(32 * i));
  }
}

TEST(TenPowers, HighEntriesAreTheNearestExtendedValues) {
  for (int i = 1; i < 10; ++i) {
    SCOPED_TRACE(512 * i);
    EXPECT_EQ(TenPowersHigh[static_cast<std::size_t>(i)], Nearest(512 * i));
  }
}

struct ScaleRow {
  const char* name;
  Extended x;
  int n;
  Extended expected;
};
void PrintTo(const ScaleRow& row, std::ostream* os) { *os << row.name; }

class ScaleTable : public testing::TestWithParam<ScaleRow> {};

TEST_P(ScaleTable, Scales) {
  const ScaleRow& row = GetParam();
  const Extended result = ScaleByPowerOfTen(row.x, row.n);
  EXPECT_EQ(result, row.expected);
  EXPECT_EQ(std::signbit(result), std::signbit(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScaleTable,
    testing::Values(
        ScaleRow{"x3_n0", 3, 0, 3}, ScaleRow{"x25_n_minus_2", 25, -2, 25 / 100.0L},
        ScaleRow{"x7_n3", 7, 3, 7000},
        // 10^544: Low[0], Mid[1] and High[1], three rounded products.
        ScaleRow{"x1_n544", 1, 544, (1 * TenPowersLow[0]) * TenPowersMid[1] * TenPowersHigh[1]},
        ScaleRow{"x3_n_minus_600", 3, -600, 3 / TenPowersLow[24] / TenPowersMid[2] / TenPowersHigh[1]},
        ScaleRow{"x0_n5120", 0, 5120, kExtendedInfinity},
        ScaleRow{"x_minus_3_n5120", -3, 5120, kExtendedInfinity},
        ScaleRow{"x_minus_3_n_minus_5120", -3, -5120, 0.0L},
        ScaleRow{"x1_n_minus_4951", 1, -4951, 1 / TenPowersLow[23] / TenPowersMid[10] / TenPowersHigh[9]},
        ScaleRow{"x1_n_minus_5000", 1, -5000, 0.0L}),
    [](const testing::TestParamInfo<ScaleRow>& info) { return std::string(info.param.name); });

TEST(ScaleByPowerOfTen, BeyondTheExtendedRangeFails) {
  EXPECT_THROW(ScaleByPowerOfTen(2, 4932), EOverflow);
  EXPECT_THROW(ScaleByPowerOfTen(1, 5119), EOverflow);
  EXPECT_NO_THROW(ScaleByPowerOfTen(1, 4931));
}

}  // namespace
}  // namespace anod
