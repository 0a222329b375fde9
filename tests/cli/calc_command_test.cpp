#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <ios>
#include <new>
#include <streambuf>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_input.h"
#include "core/decimal_mark.h"
#include "core/float_environment.h"

namespace anod {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunCommand(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCalcCommand(args, in, out, err);
  return {status, out.str(), err.str()};
}

const std::string kInitial = "                 Cm\xC2\xB2 \n0 mA\n";

struct CommandRow {
  const char* name;
  std::vector<std::string> args;
  int status;
  std::string out;
  std::string err;  // exact when the row gives one
};
void PrintTo(const CommandRow& row, std::ostream* os) { *os << row.name; }

class Command : public testing::TestWithParam<CommandRow> {
 protected:
  void SetUp() override {
    ResetFloatingPointUnit();
    SetLocaleDecimalMark('.');
  }
};

TEST_P(Command, PrintsCaptionsAndExits) {
  const CommandRow& row = GetParam();
  const Outcome outcome = RunCommand(row.args);
  EXPECT_EQ(outcome.status, row.status);
  EXPECT_EQ(outcome.out, row.out);
  EXPECT_EQ(outcome.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(
    OneRun, Command,
    testing::Values(
        CommandRow{"cylindre_3_10", {"cylindre", "3", "10"}, 0, " 244.92 Cm\xC2\xB2 \n2450 mA \n", ""},
        CommandRow{"parallelepipede_2_3_4", {"parallelepipede", "2", "3", "4"}, 0, " 52.00 Cm\xC2\xB2 \n520 mA \n", ""},
        CommandRow{"sphere_2", {"sphere", "2"}, 0, " 50.24 Cm\xC2\xB2 \n500 mA \n", ""},
        CommandRow{"sphere_alone", {"sphere"}, 0, " 0.00 Cm\xC2\xB2 \n0 mA \n", ""},
        CommandRow{"pyramide_5_4", {"pyramide", "5", "4"}, 0, " 56.00 Cm\xC2\xB2 \n560 mA \n", ""},
        CommandRow{"double_dash_sphere_2", {"--", "sphere", "2"}, 0, " 50.24 Cm\xC2\xB2 \n500 mA \n", ""},
        // The radius guard stops silently: captions unchanged, success.
        CommandRow{"cylindre_0_10", {"cylindre", "0", "10"}, 0, kInitial, ""},
        CommandRow{"cylindre_1e400", {"cylindre", "1e400", "1"}, 1, kInitial,
                   "D\xC3\xA9" "bordement en virgule flottante.\n"},
        CommandRow{"sphere_1e5120", {"sphere", "1e5120"}, 1, " +Inf Cm\xC2\xB2 \n0 mA\n",
                   "Op\xC3\xA9ration en virgule flottante incorrecte.\n"},
        CommandRow{"cylindre_1_comma_5", {"cylindre", "1,5", "2"}, 1, kInitial,
                   "Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (CYLINDRE) : \xC2\xAB 1,5 \xC2\xBB \xE2\x80\x94 le s\xC3\xA9parateur d\xC3\xA9" "cimal est le point : \xC2\xAB 1.5 \xC2\xBB.\n"},
        CommandRow{"parallelepipede_negative_width", {"parallelepipede", "2", "1", "-2"}, 1, kInitial,
                   "Valeur n\xC3\xA9gative pour \xC2\xAB Largeur \xC2\xBB (PARALLELEPIPEDE) : \xC2\xAB -2 \xC2\xBB.\n"},
        // A character the code page lacks is refused, and shown as "?".
        CommandRow{"sphere_check_mark", {"sphere", "2\xE2\x9C\x93"}, 1, kInitial,
                   "Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : \xC2\xAB 2? \xC2\xBB.\n"},
        // The code page's own characters come back as they were typed.
        CommandRow{"sphere_2_squared", {"sphere", "2\xC2\xB2"}, 1, kInitial,
                   "Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : \xC2\xAB 2\xC2\xB2 \xC2\xBB.\n"},
        // An overlong "." is no point: refused, and each byte shows as one "?".
        CommandRow{"sphere_1_overlong_point_5", {"sphere", "1\xC0\xAE" "5"}, 1, kInitial,
                   "Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : \xC2\xAB 1??5 \xC2\xBB.\n"},
        // Control characters echoed in a message are shown, not sent.
        CommandRow{"sphere_line_feed_and_nul", {"sphere", std::string("1\n\0" "2", 4)}, 1, kInitial,
                   "Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : \xC2\xAB 1\\x0A\\x002 \xC2\xBB.\n"},
        CommandRow{"format_tsv_cylindre_3_10", {"--format", "tsv", "cylindre", "3", "10"}, 0, "244.92\t2450\t\n", ""},
        CommandRow{"format_json_cylindre_3_10", {"--format=json", "cylindre", "3", "10"}, 0,
                   "{\"surface\":244.92,\"current\":2450,\"message\":null}\n", ""},
        CommandRow{"format_json_sphere_1e5120", {"--format=json", "sphere", "1e5120"}, 1,
                   "{\"surface\":\"+Inf\",\"current\":0,\"message\":\"Op\xC3\xA9ration en virgule flottante "
                   "incorrecte.\"}\n", ""},
        CommandRow{"format_tsv_refused_quote", {"--format", "tsv", "sphere", "\"\t"}, 1,
                   "\t0\tValeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : \xC2\xAB \"\\x09 \xC2\xBB.\n", ""},
        CommandRow{"format_json_refused_quote", {"--format", "json", "sphere", "\"\\"}, 1,
                   "{\"surface\":null,\"current\":0,\"message\":\"Valeur incorrecte pour \xC2\xAB Rayon \xC2\xBB "
                   "(SPHERE) : \xC2\xAB \\\"\\\\ \xC2\xBB.\"}\n", ""},
        // Scripts get a decimal point whatever the locale's mark.
        CommandRow{"format_tsv_exponent_form", {"--format", "tsv", "sphere", "1e7"}, 0,
                   "1256000000000000.00\t1.256E16\t\n", ""}), testing::PrintToStringParamName());

struct UsageRow {
  const char* name;
  std::vector<std::string> args;
  std::string mentions;
};
void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

class Usage : public testing::TestWithParam<UsageRow> {};

TEST_P(Usage, ExitsWithTwoAndSaysWhy) {
  const Outcome outcome = RunCommand(GetParam().args);
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find(GetParam().mentions), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("--help"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, Usage,
    testing::Values(UsageRow{"nothing", {}, "missing shape"}, UsageRow{"cube", {"cube", "1"}, "unknown shape"},
                    UsageRow{"upper_case_shape", {"CYLINDRE", "1", "1"}, "unknown shape"},
                    UsageRow{"sphere_two_texts", {"sphere", "1", "2"}, "too many texts"},
                    UsageRow{"cylindre_three_texts", {"cylindre", "1", "2", "3"}, "too many texts"},
                    UsageRow{"unknown_option", {"--verbose", "sphere", "1"}, "unknown option"},
                    UsageRow{"negative_number_as_shape", {"-2"}, "unknown option"},
                    UsageRow{"batch_with_arguments", {"--batch", "sphere"}, "takes no argument"},
                    UsageRow{"double_dash_alone", {"--"}, "missing shape"},
                    UsageRow{"format_csv", {"--format", "csv", "sphere", "1"}, "unknown format"},
                    UsageRow{"format_without_value", {"--format"}, "without a value"},
                    // A shape name is echoed as valid UTF-8, controls shown.
                    UsageRow{"lone_e_acute_shape", {"cub\xE9\x1B"}, "\xC2\xAB cub?\\x1B \xC2\xBB"}),
    testing::PrintToStringParamName());

TEST(CalcCommand, HelpIsInFrenchAndEnglish) {
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const Outcome outcome = RunCommand({option});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_NE(outcome.out.find("Calcule la surface"), std::string::npos);
    EXPECT_NE(outcome.out.find("Computes a part's surface"), std::string::npos);
    EXPECT_NE(outcome.out.find("--batch"), std::string::npos);
    EXPECT_NE(outcome.out.find("parallelepipede"), std::string::npos);
  }
}

TEST(CalcCommand, VersionComesFromTheBuild) {
  const Outcome outcome = RunCommand({"--version"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "anodisation-calc " ANOD_VERSION "\n");
}

// A stream that takes nothing, as /dev/full.
TEST(CalcCommand, WriteFailureSaysSoAndExitsWithTwo) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"cylindre", "3", "10"}, {"--batch"}, {"--help"}}) {
    SCOPED_TRACE(args[0]);
    std::istringstream in("sphere\t2\n");
    std::ostream full(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunCalcCommand(args, in, full, err), 2);
    EXPECT_EQ(err.str(),
              "anodisation-calc: \xC3\xA9" "criture impossible sur la sortie standard / cannot write to standard output\n");
  }
}

TEST(CalcCommand, ExponentFormFollowsTheDecimalMark) {
  SetLocaleDecimalMark(',');
  const Outcome outcome = RunCommand({"sphere", "1e7"});
  SetLocaleDecimalMark('.');
  EXPECT_EQ(outcome.out, " 1256000000000000.00 Cm\xC2\xB2 \n1,256E16 mA \n");
}

struct BatchRow {
  const char* name;
  std::string input;
  int status;
  std::string out;
  const char* format = nullptr;  // --format's value, when given
};
void PrintTo(const BatchRow& row, std::ostream* os) { *os << row.name; }

class Batch : public testing::TestWithParam<BatchRow> {};

TEST_P(Batch, PrintsOneLinePerLine) {
  const char* format = GetParam().format;
  const Outcome outcome = RunCommand(format != nullptr ? std::vector<std::string>{"--format", format, "--batch"}
                                                       : std::vector<std::string>{"--batch"},
                                     GetParam().input);
  EXPECT_EQ(outcome.status, GetParam().status);
  EXPECT_EQ(outcome.out, GetParam().out);
  // Only unusable lines are noted on stderr.
  EXPECT_EQ(outcome.err.empty(), GetParam().status != 2) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Batch,
    testing::Values(
        BatchRow{"empty_input", "", 0, ""},
        BatchRow{"two_lines", "sphere\t2\ncylindre\t3\t10\n", 0,
                 " 50.24 Cm\xC2\xB2 \t500 mA \t\n 244.92 Cm\xC2\xB2 \t2450 mA \t\n"},
        BatchRow{"no_final_newline", "sphere\t2", 0, " 50.24 Cm\xC2\xB2 \t500 mA \t\n"},
        BatchRow{"crlf", "sphere\t2\r\n", 0, " 50.24 Cm\xC2\xB2 \t500 mA \t\n"},
        // Each line starts from the initial captions.
        BatchRow{"failure_then_success", "cylindre\t1,5\t1\nsphere\t2\n", 1,
                 "                 Cm\xC2\xB2 \t0 mA\tValeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (CYLINDRE) : "
                 "\xC2\xAB 1,5 \xC2\xBB \xE2\x80\x94 le s\xC3\xA9parateur d\xC3\xA9" "cimal est le point : \xC2\xAB 1.5 \xC2\xBB.\n 50.24 Cm\xC2\xB2 \t500 mA \t\n"},
        BatchRow{"infinite_sphere", "sphere\t1e5120\n", 1,
                 " +Inf Cm\xC2\xB2 \t0 mA\tOp\xC3\xA9ration en virgule flottante incorrecte.\n"},
        BatchRow{"guard", "parallelepipede\t0\t1\t1\n", 0, "                 Cm\xC2\xB2 \t0 mA\t\n"},
        BatchRow{"trailing_tab_is_an_empty_field", "sphere\t\n", 0, " 0.00 Cm\xC2\xB2 \t0 mA \t\n"},
        BatchRow{"unknown_shape_in_the_middle", "sphere\t2\ncube\t1\nsphere\t1\n", 2,
                 " 50.24 Cm\xC2\xB2 \t500 mA \t\n\t\tforme inconnue \xC2\xAB cube \xC2\xBB / unknown shape\n"
                 " 12.56 Cm\xC2\xB2 \t130 mA \t\n"},
        BatchRow{"blank_lines_and_comment_skipped", "\n \t\n# sphere\t2\n", 0, "\n\n\n"},
        BatchRow{"unusable_wins_over_failed", "sphere\t-1\ncube\n", 2,
                 "                 Cm\xC2\xB2 \t0 mA\tValeur n\xC3\xA9gative pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : "
                 "\xC2\xAB -1 \xC2\xBB.\n\t\tforme inconnue \xC2\xAB cube \xC2\xBB / unknown shape\n"},
        // An overlong line feed cannot break the result line.
        BatchRow{"overlong_line_feed", "sphere\t\xC0\x8A\n", 1,
                 "                 Cm\xC2\xB2 \t0 mA\tValeur incorrecte pour \xC2\xAB Rayon \xC2\xBB (SPHERE) : "
                 "\xC2\xAB ?? \xC2\xBB.\n"},
        BatchRow{"json_skipped_and_unusable", "#\nsphere\t1\t2\n", 2,
                 "null\n{\"surface\":null,\"current\":null,\"message\":\"trop de textes pour sphere (1 au plus) / "
                 "too many texts\"}\n", "json"},
        BatchRow{"too_many_texts", "sphere\t1\t2\t\t\t\n", 2,
                 "\t\ttrop de textes pour sphere (1 au plus) / too many texts\n"},
        // A file saved "UTF-8 with BOM"; the mark counts only at the start.
        BatchRow{"byte_order_mark", "\xEF\xBB\xBFsphere\t2\n", 0, " 50.24 Cm\xC2\xB2 \t500 mA \t\n"},
        BatchRow{"byte_order_mark_alone", "\xEF\xBB\xBF", 0, ""},
        BatchRow{"byte_order_mark_on_line_2", "#\n\xEF\xBB\xBFsphere\t2\n", 2,
                 "\n\t\tforme inconnue \xC2\xAB ?sphere \xC2\xBB / unknown shape\n"},
        // The limit counts the line without its "\r\n".
        BatchRow{"line_at_the_limit", "sphere\t" + std::string(kBatchLineLimit - 8, '0') + "2\r\n", 0,
                 " 50.24 Cm\xC2\xB2 \t500 mA \t\n"},
        BatchRow{"line_over_the_limit", "sphere\t" + std::string(kBatchLineLimit - 7, '0') + "2\nsphere\t2", 2,
                 "\t\tligne de plus de 1048576 octets / line longer than 1048576 bytes\n 50.24 Cm\xC2\xB2 \t500 mA \t\n"},
        BatchRow{"last_line_over_the_limit", "sphere\t2\n" + std::string(3 * kBatchLineLimit, '\t'), 2,
                 " 50.24 Cm\xC2\xB2 \t500 mA \t\n\t\tligne de plus de 1048576 octets / line longer than 1048576 "
                 "bytes\n"}), testing::PrintToStringParamName());

// Input that fails after one line: the line's result stays written, then the
// message, exit 2.
class FailingInput : public std::streambuf {
 public:
  explicit FailingInput(bool out_of_memory) : out_of_memory_(out_of_memory) {}

 protected:
  int_type underflow() override {
    if (!served_) {
      served_ = true;
      setg(line_, line_, line_ + sizeof line_ - 1);
      return traits_type::to_int_type(*gptr());
    }
    if (out_of_memory_) throw std::bad_alloc();
    throw std::ios_base::failure("read");
  }

 private:
  bool out_of_memory_;
  bool served_ = false;
  char line_[10] = "sphere\t2\n";
};

TEST(CalcCommand, InputFailureEndsWithTwoAfterTheLinesWritten) {
  for (const bool out_of_memory : {false, true}) {
    SCOPED_TRACE(out_of_memory ? "out of memory" : "read failure");
    FailingInput buffer(out_of_memory);
    std::istream in(&buffer);
    std::ostringstream out, err;
    EXPECT_EQ(RunCalcCommand(std::vector<std::string>{"--batch"}, in, out, err), 2);
    EXPECT_EQ(out.str(), " 50.24 Cm\xC2\xB2 \t500 mA \t\n");
    EXPECT_EQ(err.str(), out_of_memory ? "anodisation-calc: m\xC3\xA9moire insuffisante / out of memory\n"
                                       : "anodisation-calc: lecture impossible sur l'entr\xC3\xA9" "e standard / cannot "
                                         "read standard input\n");
  }
}

}  // namespace
}  // namespace anod
