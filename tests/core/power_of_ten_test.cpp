#include "core/power_of_ten.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <span>
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

TEST(TenPowers, EntriesUpTo27AreExact) {
  Extended exact = 1;
  for (int i = 0; i <= 27; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(TenPowersLow[static_cast<std::size_t>(i)], exact);
    exact *= 10;
  }
}

TEST(TenPowers, EntriesAreTheNearestExtendedValues) {
  std::setlocale(LC_NUMERIC, "C");
  // Mid[0] and High[0] are unused.
  const struct {
    std::span<const Extended> entries;
    std::size_t first;
    int step;  // the power of ten between neighbouring entries
  } tables[] = {{TenPowersLow, 0, 1}, {TenPowersMid, 1, 32}, {TenPowersHigh, 1, 512}};
  for (const auto& table : tables) {
    for (std::size_t i = table.first; i < table.entries.size(); ++i) {
      SCOPED_TRACE(table.step * static_cast<int>(i));
      EXPECT_EQ(table.entries[i], Nearest(table.step * static_cast<int>(i)));
    }
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
  EXPECT_EQ(SignBit(result), SignBit(row.expected));
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
        ScaleRow{"x1_n_minus_5000", 1, -5000, 0.0L}), testing::PrintToStringParamName());

TEST(ScaleByPowerOfTen, BeyondTheExtendedRangeFails) {
  EXPECT_THROW(ScaleByPowerOfTen(2, 4932), EOverflow);
  EXPECT_THROW(ScaleByPowerOfTen(1, 5119), EOverflow);
  EXPECT_NO_THROW(ScaleByPowerOfTen(1, 4931));
}

}  // namespace
}  // namespace anod
