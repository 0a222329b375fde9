#include "ui/planner/plan_document.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <iterator>
#include <ostream>

#include "plan/plan_file.h"
#include "plan/user_file.h"
#include "tests/plan/worked_example.h"

namespace anod {
namespace {

namespace fs = std::filesystem;

// The toolkit's dialogs, answered from a script; what was asked is kept.
struct ScriptedServices : PlanDocumentServices {
  std::deque<UnsavedAnswer> answers;
  std::optional<fs::path> path;  // what the file dialogs give
  std::vector<std::string> asked;
  std::vector<std::string> problems;

  UnsavedAnswer AskUnsaved(std::string_view question) override {
    asked.emplace_back(question);
    UnsavedAnswer answer = answers.empty() ? UnsavedAnswer::kCancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  std::optional<fs::path> AskOpenPath() override { return asked.emplace_back("open"), path; }
  std::optional<fs::path> AskSavePath(const fs::path&) override { return asked.emplace_back("save"), path; }
  void ShowFileProblem(std::string_view message) override { problems.emplace_back(message); }
};

class PlanDocumentTest : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() / (std::string("anod-plan-document-") + test.name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
  ScriptedServices services_;
  PlanDocument document_{services_};
};

TEST_F(PlanDocumentTest, TitleFollowsTheFileAndChanges) {
  EXPECT_EQ(document_.Title(), "Plan de bain \xE2\x80\x94 Anodisation");
  document_.Editor().SetCellText(0, PlanColumn::kDimension1, "3");
  EXPECT_EQ(document_.Title(), "Plan de bain \xE2\x80\x94 Anodisation*");
  services_.path = folder_ / u8"bain \xC3\xA9t\xC3\xA9";  // no extension: one is added
  ASSERT_TRUE(document_.Save());
  EXPECT_EQ(document_.Title(),
            "Plan de bain \xE2\x80\x94 Anodisation "
            "\xE2\x80\x94 bain \xC3\xA9t\xC3\xA9.anodplan");
  EXPECT_TRUE(fs::exists(folder_ / u8"bain \xC3\xA9t\xC3\xA9.anodplan"));
  document_.Editor().SetCellText(0, PlanColumn::kDimension2, "10");
  EXPECT_TRUE(document_.Title().ends_with(".anodplan*"));
  ASSERT_TRUE(document_.Save());  // to the same file, without asking
  EXPECT_EQ(services_.asked, std::vector<std::string>{"save"});
  EXPECT_FALSE(document_.Modified());
}

// The unsaved question's answers, and what closing then does.
struct AnswerCase {
  const char* name;
  std::deque<UnsavedAnswer> answers;
  bool save_dialog_gives_a_path;
  bool closes;
  bool file_written;
};
void PrintTo(const AnswerCase& row, std::ostream* os) { *os << row.name; }

class PlanDocumentAnswers : public PlanDocumentTest, public testing::WithParamInterface<AnswerCase> {};

TEST_P(PlanDocumentAnswers, DecideWhetherTheWindowCloses) {
  const AnswerCase& row = GetParam();
  document_.Editor().SetSettingText(PlanSetting::kRack, "5");
  services_.answers = row.answers;
  if (row.save_dialog_gives_a_path) services_.path = folder_ / "bain.anodplan";
  EXPECT_EQ(document_.MayClose(), row.closes);
  EXPECT_EQ(services_.asked.front(), "Enregistrer les modifications ?");
  EXPECT_EQ(fs::exists(folder_ / "bain.anodplan"), row.file_written);
  EXPECT_EQ(document_.Modified(), !row.file_written);
}

const AnswerCase kAnswers[] = {
    {"Save", {UnsavedAnswer::kSave}, true, true, true},
    {"SaveThenCancelTheDialog", {UnsavedAnswer::kSave}, false, false, false},
    {"DontSave", {UnsavedAnswer::kDiscard}, true, true, false},
    {"Cancel", {UnsavedAnswer::kCancel}, true, false, false},
};
INSTANTIATE_TEST_SUITE_P(Unsaved, PlanDocumentAnswers, testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlanDocumentTest, SavedPlanReopensTheSame) {
  document_.Editor() = PlanEditor(WorkedExample());
  services_.path = folder_ / "exemple.anodplan";
  ASSERT_TRUE(document_.SaveAs());
  PlanDocument reopened(services_);
  ASSERT_TRUE(reopened.Open());
  EXPECT_EQ(reopened.Editor().ToPlan(), WorkedExample());
  EXPECT_EQ(reopened.Editor().Results().load.current, document_.Editor().Results().load.current);
  EXPECT_FALSE(reopened.Modified());
  EXPECT_TRUE(services_.problems.empty());
}

TEST_F(PlanDocumentTest, FileProblemsSayWhyAndChangeNothing) {
  const fs::path file = folder_ / "bain.anodplan";
  std::ofstream(file) << "{ pas du JSON";
  document_.Editor().SetSettingText(PlanSetting::kDensity, "abc");
  services_.path = file;
  EXPECT_FALSE(document_.Save());          // a field that is not a number
  EXPECT_FALSE(document_.OpenFile(file));  // a file that is not a plan
  ASSERT_EQ(services_.problems.size(), 2u);
  EXPECT_EQ(services_.problems[0], UserFileProblem("Impossible d'enregistrer", file,
                                                   "Densit\xC3\xA9 de courant : \xC2\xAB abc \xC2\xBB n'est pas un nombre"));
  EXPECT_NE(services_.problems[1].find("bain.anodplan"), std::string::npos);
  EXPECT_EQ(document_.Editor().SettingText(PlanSetting::kDensity), "abc");
  EXPECT_FALSE(document_.Path().has_value());
  std::ifstream in(file);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "{ pas du JSON");
}

}  // namespace
}  // namespace anod
