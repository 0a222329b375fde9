#include "app/application_title.h"

#include <gtest/gtest.h>

#include <string>

namespace anod {
namespace {

struct TitleCase {
  const char* name;
  std::string path;
  std::string title;
  friend void PrintTo(const TitleCase& row, std::ostream* os) { *os << row.name; }
};

class ApplicationTitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleTest, FollowsTheTitleRule) {
  EXPECT_EQ(ApplicationTitleFromPath(GetParam().path), GetParam().title);
}

// A path of exactly `length` bytes whose file name is `name`.
std::string PathOfLength(std::size_t length, const std::string& name) {
  std::string path = "/";
  path += std::string(length - name.size() - 2, 'd');
  return path + "/" + name;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ApplicationTitleTest,
    testing::Values(
        TitleCase{"OUTIL_DE_CALCUL_EXE", "/opt/OUTIL.DE.CALCUL.EXE", "Outil"},
        TitleCase{"outil_exe", "/opt/outil.exe", "outil"},
        TitleCase{"OUTIL_EXE", "/opt/OUTIL.EXE", "Outil"},
        TitleCase{"mon_outil_exe", "/home/u/mon.outil.exe", "mon"},
        TitleCase{"installed_anodisation", "/usr/bin/anodisation", "anodisation"},
        TitleCase{"MixedCase", "/usr/bin/AnoDiSation", "Anodisation"},
        TitleCase{"no_directory", "ANODISATION", "Anodisation"},
        TitleCase{"dot_in_directory_only", "/opt/v1.2/CALC", "Calc"},
        TitleCase{"leading_dot", "/opt/.CACHE", ""},
        TitleCase{"trailing_slash", "/opt/bin/", ""},
        TitleCase{"empty", "", ""},
        // Accented capitals are lowered in the code page; the first character keeps its case.
        TitleCase{"ETUDE_accented", "/opt/\xC3\x89TUDE.EXE", "\xC9tude"},
        TitleCase{"ELEVE_accented_inside", "/opt/\xC3\x89L\xC3\x88VE", "\xC9l\xE8ve"},
        TitleCase{"OEUVRE_ligature", "/opt/\xC5\x92UVRE\xC5\x92", "\x8Cuvre\x9C"},
        TitleCase{"multiplication_sign_kept", "/opt/A\xC3\x97" "B", "A\xD7" "b"},
        TitleCase{"Y_diaeresis", "/opt/X\xC5\xB8", "X\xFF"},
        TitleCase{"character_outside_code_page", "/opt/A\xE2\x9C\x93" "B", "A?b"},
        // At most 255 bytes of the path are read: the name loses its end.
        TitleCase{"path_of_255_bytes", PathOfLength(255, "CALCULS"), "Calculs"},
        TitleCase{"path_of_256_bytes", PathOfLength(256, "CALCULS"), "Calcul"},
        TitleCase{"path_of_300_bytes", PathOfLength(300, std::string(60, 'X')),
                  "X" + std::string(14, 'x')},
        // The limit falls inside "É" (two bytes): the half character is dropped.
        TitleCase{"limit_inside_a_character", PathOfLength(256, "AB\xC3\x89"), "Ab"}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
