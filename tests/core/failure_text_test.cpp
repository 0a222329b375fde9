#include "core/failure_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace anod {
namespace {

struct TextRow {
  const char* name;
  std::string message;
  std::string shown;
};
void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }

class MessageDisplay : public testing::TestWithParam<TextRow> {};

TEST_P(MessageDisplay, AppendsAPeriodAfterCharactersAbovePeriod) {
  EXPECT_EQ(MessageForDisplay(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageDisplay,
    testing::Values(
        TextRow{"overflow", "D\xE9" "bordement en virgule flottante", "D\xE9" "bordement en virgule flottante."},
        TextRow{"invalid", "Op\xE9ration en virgule flottante incorrecte",
                "Op\xE9ration en virgule flottante incorrecte."},
        TextRow{"ends_with_period", "Fin.", "Fin."}, TextRow{"ends_with_bang", "Attention !", "Attention !"},
        TextRow{"ends_with_paren", "(x)", "(x)"}, TextRow{"ends_with_comma", "a,", "a,"},
        TextRow{"ends_with_dash", "a-", "a-"}, TextRow{"ends_with_space", "a ", "a "},
        TextRow{"ends_with_slash", "a/", "a/."}, TextRow{"ends_with_digit", "Exception externe 1", "Exception externe 1."},
        TextRow{"ends_with_guillemet", "\xAB 1,5 \xBB", "\xAB 1,5 \xBB."},
        TextRow{"ends_with_e_acute", "\xE9", "\xE9."}, TextRow{"empty", "", ""}), testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
