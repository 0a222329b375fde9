#include "plan/plan_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>

#include <csignal>
#endif

#include "plan/user_file.h"
#include "tests/plan/worked_example.h"

namespace anod {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A whole plan file around `rows` and `extra` top members.
std::string PlanText(const std::string& rows, const std::string& extra = "") {
  return R"({"format": "anodisation-plan", "version": 1, "length_unit": "cm", "rack_cm2": 0,
"density": {"value": 10, "unit": "mA/cm2"}, "thickness_um": 15, "rows": [)" + rows + "]" + extra + "}";
}

TEST(PlanFile, WorkedExampleFileReads) {
  const PlanReading reading = LoadPlanFile("worked_example.anodplan");
  ASSERT_TRUE(reading.plan.has_value()) << reading.problem;
  EXPECT_EQ(*reading.plan, WorkedExample());
}

struct BadFile {
  const char* name;
  std::string text;
  std::string problem;
};
void PrintTo(const BadFile& row, std::ostream* os) { *os << row.name; }

class BadFiles : public testing::TestWithParam<BadFile> {};

TEST_P(BadFiles, GiveOneMessageAndNoPlan) {
  const PlanReading reading = ParsePlan(GetParam().text);
  EXPECT_FALSE(reading.plan.has_value());
  EXPECT_EQ(reading.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFiles,
    testing::Values(
        BadFile{"not_json", "{\n  \"format\": anodisation\n}",
                "JSON mal form\xC3\xA9 \xC3\xA0 la ligne 2, colonne 13 : syntaxe incorrecte"},
        BadFile{"cut_short", "{\"format\": ",
                "JSON mal form\xC3\xA9 \xC3\xA0 la ligne 1, colonne 12 : le texte s'arr\xC3\xAAte avant la fin du plan"},
        BadFile{"number_overflow", PlanText("", ", \"x\": 1e400"),
                "JSON mal form\xC3\xA9 \xC3\xA0 la ligne 2, colonne 82 : nombre hors limites (\xC2\xAB 1e400 \xC2\xBB)"},
        BadFile{"too_deep", std::string(100, '[') + std::string(100, ']'),
                "JSON trop imbriqu\xC3\xA9 (plus de 64 niveaux)"},
        BadFile{"array", "[]", "Ce fichier n'est pas un plan Anodisation : un objet JSON est attendu"},
        BadFile{"other_format", R"({"format": "autre"})",
                "Ce fichier n'est pas un plan Anodisation (\xC2\xAB format \xC2\xBB doit valoir \xC2\xAB anodisation-plan \xC2\xBB)"},
        BadFile{"later_version", R"({"format": "anodisation-plan", "version": 2})",
                "Plan de version 2, \xC3\xA9" "crit par une version plus r\xC3\xA9" "cente d'Anodisation : celle-ci lit la version 1"},
        BadFile{"missing_rows", R"({"format": "anodisation-plan", "version": 1, "length_unit": "cm", "rack_cm2": 0,
"density": {"value": 10, "unit": "mA/cm2"}, "thickness_um": 15})", "\xC2\xAB rows \xC2\xBB : champ manquant"},
        BadFile{"unknown_unit", R"({"format": "anodisation-plan", "version": 1, "length_unit": "ft"})",
                "\xC2\xAB length_unit \xC2\xBB : unit\xC3\xA9 inconnue \xC2\xAB ft \xC2\xBB (mm, cm ou in)"},
        BadFile{"unknown_shape", PlanText(R"({"shape": "cube", "quantity": 1, "dimensions": [1]})"),
                "ligne 1, \xC2\xAB shape \xC2\xBB : forme inconnue \xC2\xAB cube \xC2\xBB"},
        BadFile{"quantity_text", PlanText(R"({"shape": "sphere", "quantity": "2", "dimensions": [1]})"),
                "ligne 1, \xC2\xAB quantity \xC2\xBB : un nombre entier est attendu, pas un texte"},
        BadFile{"quantity_fraction", PlanText(R"({"shape": "sphere", "quantity": 2.5, "dimensions": [1]})"),
                "ligne 1, \xC2\xAB quantity \xC2\xBB : un nombre entier est attendu, pas \xC2\xAB 2.5 \xC2\xBB"},
        BadFile{"dimension_count", PlanText(R"({"shape": "tube", "quantity": 1, "dimensions": [2, 1]})"),
                "ligne 1, \xC2\xAB dimensions \xC2\xBB : 3 nombres attendus pour Tube (rayon ext\xC3\xA9rieur, "
                "rayon int\xC3\xA9rieur, longueur)"},
        BadFile{"dimension_text", PlanText(R"({"shape": "sphere", "quantity": 1, "dimensions": ["1,5"]})"),
                "ligne 1, \xC2\xAB dimensions \xC2\xBB 1 : un nombre est attendu, pas un texte"},
        BadFile{"density_zero", PlanText("", "").replace(PlanText("").find("10"), 2, "0"),
                "Densit\xC3\xA9 de courant : la valeur (0 mA/cm\xC2\xB2) doit \xC3\xAAtre sup\xC3\xA9rieure \xC3\xA0 0"}),
    testing::PrintToStringParamName());

TEST(PlanFile, RoundTripKeepsEveryFieldAndUnknownKeys) {
  const std::string text = PlanText(
      R"({"shape": "trou_borgne", "quantity": 3, "dimensions": [0.5, 1], "label": "perçage", "finish": {"ra": 0.8}})",
      R"(, "supply_a": 12.5, "time_min": 40, "bath": ["sulfurique", 18])");
  PlanReading first = ParsePlan(text);
  ASSERT_TRUE(first.plan.has_value()) << first.problem;
  first.plan->density.unknown = {{"note", "\"mesurée\""}};
  const std::string written = PlanToJson(*first.plan);
  const PlanReading second = ParsePlan(written);
  ASSERT_TRUE(second.plan.has_value()) << second.problem;
  EXPECT_EQ(*second.plan, *first.plan);
  EXPECT_EQ(second.plan->unknown, (UnknownMembers{{"bath", "[\"sulfurique\",18]"}}));
  EXPECT_EQ(second.plan->rows.at(0).unknown, (UnknownMembers{{"finish", "{\"ra\":0.8}"}}));
}

// A folder of its own for each test (other checkouts may run the same
// tests at once), removed with it.
class SavedPlans : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("anod_plan_" + std::to_string(std::random_device()()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(SavedPlans, SaveThenLoadGivesThePlanBack) {
  const fs::path path = folder_ / "exemple.anodplan";
  ASSERT_EQ(SavePlanFile(path, WorkedExample()), "");
  ASSERT_EQ(SavePlanFile(path, WorkedExample()), "");  // over the old one
  const PlanReading reading = LoadPlanFile(path);
  ASSERT_TRUE(reading.plan.has_value()) << reading.problem;
  EXPECT_EQ(*reading.plan, WorkedExample());
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// The new file cannot take the old one's place: the disk refuses it midway
// on POSIX (a file-size limit, as a full disk would), another program holds
// the old file open on Windows. The old file stays whole and nothing is
// left beside it.
TEST_F(SavedPlans, FailedWriteLeavesTheOldFileIntact) {
  const fs::path path = folder_ / "exemple.anodplan";
  std::ofstream(path, std::ios::binary) << "ancien plan";
  Plan big = WorkedExample();
  big.rows.resize(20, big.rows[0]);
#ifdef _WIN32
  const HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string problem = SavePlanFile(path, big);
  CloseHandle(held);
  const std::string reason = "";  // as the system words it
#else
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1024;
  setrlimit(RLIMIT_FSIZE, &small);
  const std::string problem = SavePlanFile(path, big);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  const std::string reason = "fichier trop grand pour ce disque";
#endif
  const std::string start = "Impossible d'enregistrer \xC2\xAB " + PathText(path) + " \xC2\xBB : ";
  EXPECT_EQ(problem.substr(0, start.size()), start);
  EXPECT_TRUE(reason.empty() || problem == start + reason) << problem;
  EXPECT_EQ(ReadText(path), "ancien plan");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST(PlanFile, MissingFileIsNamed) {
  EXPECT_EQ(LoadPlanFile("absent.anodplan").problem,
            "Impossible de lire \xC2\xAB absent.anodplan \xC2\xBB : fichier ou dossier introuvable");
}

}  // namespace
}  // namespace anod
