#include "core/codepage.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace anod {
namespace {

struct CodePageRow {
  const char* name;
  std::string utf8;
  std::string cp1252;
};
void PrintTo(const CodePageRow& row, std::ostream* os) { *os << row.name; }

class CodePage : public testing::TestWithParam<CodePageRow> {};

TEST_P(CodePage, ConvertsBothWays) {
  EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
  EXPECT_EQ(Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodePage,
    testing::Values(CodePageRow{"ascii", "1.5", "1.5"}, CodePageRow{"cm2", "Cm\xC2\xB2 ", "Cm\xB2 "},
                    CodePageRow{"e_acute", "D\xC3\xA9" "bordement", "D\xE9" "bordement"},
                    CodePageRow{"guillemets", "\xC2\xAB x \xC2\xBB", "\xAB x \xBB"},
                    CodePageRow{"euro", "1\xE2\x82\xAC", "1\x80"}, CodePageRow{"empty", "", ""}),
    [](const testing::TestParamInfo<CodePageRow>& info) { return std::string(info.param.name); });

TEST(CodePage, CharactersItLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("1\xE2\x9C\x93"), "1?");    // check mark
  EXPECT_EQ(Utf8ToCp1252("\xD9\xAB"), "?");          // Arabic decimal separator
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");              // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xFF" "2"), "?2");          // not UTF-8 at all
}

}  // namespace
}  // namespace anod
