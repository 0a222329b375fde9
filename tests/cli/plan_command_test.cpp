// anodisation-calc plan in-process: options, standard input, exit codes and
// messages. The worked example's whole output, in each format, is checked on
// the program itself (calc_program_test.cpp, win32_calc_program_test.cpp).
#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "core/float_environment.h"
#include "tests/cli/plan_outputs.h"

namespace anod {
namespace {

const std::string kExample = ANOD_PLAN_EXAMPLE;

std::string ExampleText() {
  std::ifstream file(kExample, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

struct PlanRunRow {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  int status;
  std::string out_holds;  // a part of stdout
  std::string err;        // exact
};
void PrintTo(const PlanRunRow& row, std::ostream* os) { *os << row.name; }

class PlanRuns : public testing::TestWithParam<PlanRunRow> {
 protected:
  void SetUp() override { ResetFloatingPointUnit(); }
};

TEST_P(PlanRuns, PrintAndExit) {
  const PlanRunRow& row = GetParam();
  std::istringstream in(row.input);
  std::ostringstream out, err;
  EXPECT_EQ(RunCalcCommand(row.args, in, out, err), row.status);
  EXPECT_NE(out.str().find(row.out_holds), std::string::npos) << out.str();
  EXPECT_EQ(err.str(), row.err);
}

// The example with its tube's quantity, or anything else, changed.
std::string Changed(const std::string& from, const std::string& to) {
  std::string text = ExampleText();
  return text.replace(text.find(from), from.size(), to);
}

const std::string kTry = "\nEssayez / try: anodisation-calc plan --help\n";

INSTANTIATE_TEST_SUITE_P(
    Invocations, PlanRuns,
    testing::Values(
        PlanRunRow{"stdin_json", {"plan", "--format", "json", "-"}, ExampleText(), 0, kWorkedExampleJson, ""},
        PlanRunRow{"density_comma_and_unit", {"plan", "--format=tsv", "--density", "2,5A/dm2", kExample}, "", 0,
                   "current_ma\t28879\n", ""},
        PlanRunRow{"density_in_plan_unit", {"plan", "--format=tsv", "--density=2", kExample}, "", 0,
                   "density_ma_cm2\t20.00\n", ""},
        PlanRunRow{"supply_thickness_minutes", {"plan", "--supply", "40", "--thickness", "20", "--minutes", "30", kExample},
                   "", 0, "Temps : 41.6 min pour 20 \xC2\xB5m (r\xC3\xA8gle de 312)\nEn 30 min : 14.4 \xC2\xB5m\n"
                   "Alimentation 40 A : suffisante\n", ""},
        PlanRunRow{"label_control_escaped", {"plan", "-"}, Changed("\"corps\"", "\"a\\nb\""), 0,
                   "Tube \xC2\xAB a\\x0Ab \xC2\xBB", ""},
        PlanRunRow{"label_delete_and_c1_escaped_json", {"plan", "--format", "json", "-"},
                   Changed("\"corps\"", "\"a\x7F\xC2\x85\\nb\""), 0, "\"label\":\"a\\u007f\\u0085\\nb\"", ""},
        PlanRunRow{"refused_row_others_shown", {"plan", "-"}, Changed("\"quantity\": 4", "\"quantity\": 0"), 1,
                   "106.00 cm\xC2\xB2 l'unit\xC3\xA9",
                   "Ligne 1 (Tube \xC2\xAB corps \xC2\xBB) : la quantit\xC3\xA9 (0) doit \xC3\xAAtre un nombre entier "
                   "d'au moins 1\n"},
        PlanRunRow{"refused_row_json_holds_message", {"plan", "--format", "json", "-"},
                   Changed("\"quantity\": 4", "\"quantity\": 0"), 1,
                   "\"current_ma\":null", ""},
        PlanRunRow{"not_a_plan", {"plan", "-"}, "[1", 2, "",
                   "anodisation-calc: entr\xC3\xA9" "e standard : JSON mal form\xC3\xA9 \xC3\xA0 la ligne 1, colonne 3 : "
                   "le texte s'arr\xC3\xAAte avant la fin du plan\n"},
        PlanRunRow{"override_refused", {"plan", "--thickness", "0", kExample}, "", 2, "",
                   "anodisation-calc: \xC3\x89paisseur vis\xC3\xA9" "e : la valeur (0 \xC2\xB5m) doit \xC3\xAAtre "
                   "sup\xC3\xA9rieure \xC3\xA0 0\n"},
        PlanRunRow{"bad_value", {"plan", "--supply", "dix", kExample}, "", 2, "",
                   "anodisation-calc plan: --supply : \xC2\xAB dix \xC2\xBB n'est pas un nombre / not a number" + kTry},
        PlanRunRow{"unknown_option", {"plan", "--densite", "2", kExample}, "", 2, "",
                   "anodisation-calc plan: option inconnue / unknown option: --densite" + kTry},
        PlanRunRow{"missing_file", {"plan"}, "", 2, "", "anodisation-calc plan: fichier manquant / missing file" + kTry},
        PlanRunRow{"help", {"plan", "--help"}, "", 0, "trou_borgne      rayon, profondeur\n", ""}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
