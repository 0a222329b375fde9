#include "core/whole_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "core/failures.h"

namespace anod {
namespace {

struct RoundRow {
  const char* name;
  Extended value;
  std::int64_t expected;
};
void PrintTo(const RoundRow& row, std::ostream* os) { *os << row.name; }

class RoundTable : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundTable, RoundsTiesToEven) { EXPECT_EQ(RoundToInt64(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTable,
    testing::Values(RoundRow{"2_5", 2.5L, 2}, RoundRow{"3_5", 3.5L, 4}, RoundRow{"minus_2_5", -2.5L, -2},
                    RoundRow{"0_5", 0.5L, 0}, RoundRow{"1_5", 1.5L, 2}, RoundRow{"2_6", 2.6L, 3},
                    RoundRow{"minus_two_to_63", -0x1p63L, std::numeric_limits<std::int64_t>::min()},
                    RoundRow{"two_to_63_minus_1", 0x1p63L - 1, std::numeric_limits<std::int64_t>::max()},
                    RoundRow{"two_to_63_minus_three_halves", 0x1p63L - 1.5L,
                             std::numeric_limits<std::int64_t>::max() - 1},
                    RoundRow{"minus_two_to_63_minus_half", -0x1p63L - 0.5L,
                             std::numeric_limits<std::int64_t>::min()}), testing::PrintToStringParamName());

struct FailRow {
  const char* name;
  Extended value;
};
void PrintTo(const FailRow& row, std::ostream* os) { *os << row.name; }

class RoundFailures : public testing::TestWithParam<FailRow> {};

TEST_P(RoundFailures, FailWithInvalidOperation) {
  try {
    RoundToInt64(GetParam().value);
    FAIL() << "no failure";
  } catch (const EInvalidOp& failure) {
    EXPECT_EQ(failure.Message(), "Op\xE9ration en virgule flottante incorrecte");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundFailures,
    testing::Values(FailRow{"two_to_63", 0x1p63L},
                    // A tie that goes to the even neighbour 2^63.
                    FailRow{"two_to_63_minus_half", 0x1p63L - 0.5L}, FailRow{"minus_two_to_63_minus_1", -0x1p63L - 1},
                    FailRow{"plus_infinity", kExtendedInfinity}, FailRow{"minus_infinity", -kExtendedInfinity},
                    FailRow{"1e30", 1e30L}), testing::PrintToStringParamName());

struct MulRow {
  const char* name;
  std::int64_t a;
  std::int64_t b;
  std::int64_t expected;
};
void PrintTo(const MulRow& row, std::ostream* os) { *os << row.name; }

class MulTable : public testing::TestWithParam<MulRow> {};

TEST_P(MulTable, Wraps) { EXPECT_EQ(MulInt64(GetParam().a, GetParam().b), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Values, MulTable,
    testing::Values(MulRow{"245_by_10", 245, 10, 2450}, MulRow{"minus_3_by_10", -3, 10, -30},
                    MulRow{"922337203685477580_by_10", 922337203685477580, 10, 9223372036854775800},
                    MulRow{"922337203685477581_by_10", 922337203685477581, 10, -9223372036854775806},
                    MulRow{"1e18_by_10", 1000000000000000000, 10, -8446744073709551616},
                    MulRow{"min_by_minus_1", std::numeric_limits<std::int64_t>::min(), -1,
                           std::numeric_limits<std::int64_t>::min()}), testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
