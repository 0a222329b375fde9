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
    testing::PrintToStringParamName());

TEST(CodePage, CharactersItLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("1\xE2\x9C\x93"), "1?");    // check mark
  EXPECT_EQ(Utf8ToCp1252("\xD9\xAB"), "?");          // Arabic decimal separator
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");              // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xFF" "2"), "?2");          // not UTF-8 at all
}

// The examples of the Unicode standard's "U+FFFD substitution of maximal
// subparts" (chapter 3), one "?" for each U+FFFD.
struct IllFormedRow {
  const char* name;
  std::string bytes;
  std::string cp1252;
};
void PrintTo(const IllFormedRow& row, std::ostream* os) { *os << row.name; }

class IllFormed : public testing::TestWithParam<IllFormedRow> {};

TEST_P(IllFormed, EachMaximalSubpartIsOneRefusedCharacter) {
  EXPECT_EQ(Utf8ToCp1252(GetParam().bytes), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    UnicodeTables, IllFormed,
    testing::Values(
        IllFormedRow{"cut_and_stray", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64", "a???b?c??d"},
        IllFormedRow{"overlong", "\xC0\xAF\xE0\x80\xBF\xF0\x81\x82\x41", "????????A"},
        IllFormedRow{"surrogates", "\xED\xA0\x80\xED\xBF\xBF\xED\xAF\x41", "????????A"},
        IllFormedRow{"beyond_10FFFF", "\xF4\x91\x92\x93\xFF\x41\x80\xBF\x42", "?????A??B"},
        IllFormedRow{"truncated", "\xE1\x80\xE2\xF0\x91\x92\xF1\xBF\x41", "????A"},
        // An overlong "." and an overlong line feed stay refused characters.
        IllFormedRow{"overlong_point", "1\xC0\xAE" "5", "1??5"},
        IllFormedRow{"overlong_line_feed", "\xC0\x8A", "??"},
        IllFormedRow{"last_code_point", "\xF4\x8F\xBF\xBF", "?"},
        IllFormedRow{"cut_at_the_end", "2\xE2\x82", "2?"}), testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
