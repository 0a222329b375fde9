// Which arguments open the planner alone, and on which file.
#include "ui/planner/win32/plan_start.h"

#include <gtest/gtest.h>

#include <vector>

namespace anod {
namespace {

struct StartRow {
  const char* name;
  std::vector<std::wstring> arguments;
  bool planner;
  std::wstring file;  // empty: a new plan
};

const StartRow kStarts[] = {
    {"nothing", {}, false, L""},
    {"minimized", {L"--minimized"}, false, L""},
    {"plan", {L"--plan"}, true, L""},
    {"plan_file", {L"--plan", L"C:\\bain.anodplan"}, true, L"C:\\bain.anodplan"},
    {"plan_any_name", {L"--plan", L"notes.json"}, true, L"notes.json"},
    {"explorer_file", {L"C:\\Mes plans\\bain.anodplan"}, true, L"C:\\Mes plans\\bain.anodplan"},
    {"explorer_upper_case", {L"C:\\BAIN.ANODPLAN"}, true, L"C:\\BAIN.ANODPLAN"},
    {"other_file", {L"C:\\bain.txt"}, false, L""},
    {"two_files", {L"--plan", L"a.anodplan", L"b.anodplan"}, false, L""},
    {"plan_not_first", {L"--maximized", L"--plan"}, false, L""},
};

class PlanStartRows : public testing::TestWithParam<StartRow> {};

TEST_P(PlanStartRows, OpensThePlannerAloneOnItsFile) {
  const StartRow& row = GetParam();
  const std::optional<win32::PlanStart> start = win32::PlanStartFromArguments(row.arguments);
  ASSERT_EQ(start.has_value(), row.planner);
  if (!start) return;
  EXPECT_EQ(start->file.has_value(), !row.file.empty());
  if (start->file) {
    EXPECT_EQ(start->file->wstring(), row.file);
  }
}

INSTANTIATE_TEST_SUITE_P(Arguments, PlanStartRows, testing::ValuesIn(kStarts),
                         [](const testing::TestParamInfo<StartRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anod
