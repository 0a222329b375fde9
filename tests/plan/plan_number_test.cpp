#include "plan/plan_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace anod {
namespace {

struct NumberRow {
  const char* name;
  const char* text;
  std::optional<double> value;
};
void PrintTo(const NumberRow& row, std::ostream* os) { *os << row.name; }

class PlanNumbers : public testing::TestWithParam<NumberRow> {};

TEST_P(PlanNumbers, Read) { EXPECT_EQ(ReadPlanNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(
    Texts, PlanNumbers,
    testing::Values(NumberRow{"comma", "1,5", 1.5}, NumberRow{"point_spaces", " 2.25 ", 2.25},
                    NumberRow{"negative", "-3", -3.0}, NumberRow{"exponent", "1e3", 1000.0},
                    NumberRow{"leading_comma", ",5", 0.5}, NumberRow{"empty", "", std::nullopt},
                    NumberRow{"point_alone", ".", std::nullopt}, NumberRow{"letters", "abc", std::nullopt},
                    NumberRow{"two_commas", "1,5,3", std::nullopt}, NumberRow{"point_then_comma", "1.5,3", std::nullopt},
                    NumberRow{"thousands_point_comma", "1.000,5", std::nullopt},
                    NumberRow{"inner_space", "1 000", std::nullopt}, NumberRow{"beyond_double", "1e400", std::nullopt},
                    NumberRow{"infinite", "1e5120", std::nullopt}, NumberRow{"exponent_only", ".e5", std::nullopt}),
    testing::PrintToStringParamName());

TEST(PlanNumbers, MessageNamesPlaceAndEchoesText) {
  EXPECT_EQ(NotANumberMessage("ligne 2 (Tube), rayon int\xC3\xA9rieur", "1,5\nx"),
            "ligne 2 (Tube), rayon int\xC3\xA9rieur : \xC2\xAB 1,5\\x0Ax \xC2\xBB n'est pas un nombre");
}

}  // namespace
}  // namespace anod
