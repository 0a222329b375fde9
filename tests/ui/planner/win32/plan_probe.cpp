// planner_probe.exe: drives the planner of another process through its
// controls, for the end-to-end test of the installed program. Every wait is
// bounded; the exit code is 1 when the window is not found in time.
//   planner_probe open-from-main MAIN_TITLE   "Plan de bain…" of the main window's system menu
//   planner_probe fill                         types the worked example
//   planner_probe read                         prints the title, the row areas and the load's lines
//   planner_probe wait-title TEXT              until the planner's title ends with TEXT
// Texts are printed in UTF-8, one a line.
#include <windows.h>

#include <string>

#include "plan/plan.h"
#include "ui/planner/win32/main_window_link.h"
#include "ui/planner/win32/plan_window_ids.h"

namespace {

namespace ids = anod::win32::plan_ids;
using anod::PlanColumn;

void Print(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  utf8 += '\n';
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

std::wstring Text(HWND window) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

HWND FindPlanner() {
  for (int waited = 0; waited < 20000; waited += 100) {
    if (const HWND planner = FindWindowW(L"AnodisationPlanDeBain", nullptr); planner != nullptr && IsWindowVisible(planner)) {
      return planner;
    }
    Sleep(100);
  }
  return nullptr;
}

void Type(HWND edit, const wchar_t* text) {
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
}

void Choose(HWND combo, int index) {
  SendMessageTimeoutW(combo, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  SendMessageTimeoutW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(combo), SMTO_ABORTIFHUNG, 5000, nullptr);
}

void Fill(HWND planner) {
  const HWND rows = GetDlgItem(planner, ids::kRows);
  auto cell = [&](std::size_t row, PlanColumn column) { return GetDlgItem(rows, ids::Cell(row, column)); };
  auto setting = [&](anod::PlanSetting s) { return GetDlgItem(planner, ids::kSetting + static_cast<int>(s)); };
  Choose(cell(0, PlanColumn::kShape), static_cast<int>(anod::PlanShape::kTube));
  Type(cell(0, PlanColumn::kQuantity), L"4");
  Type(cell(0, PlanColumn::kDimension1), L"2");
  Type(cell(0, PlanColumn::kDimension2), L"1,5");
  Type(cell(0, PlanColumn::kDimension3), L"10");
  SendMessageTimeoutW(planner, WM_COMMAND, ids::kAddRow, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
  Choose(cell(1, PlanColumn::kShape), static_cast<int>(anod::PlanShape::kPlate));
  Type(cell(1, PlanColumn::kQuantity), L"2");
  Type(cell(1, PlanColumn::kDimension1), L"10");
  Type(cell(1, PlanColumn::kDimension2), L"5");
  Type(cell(1, PlanColumn::kDimension3), L"0,2");
  Type(setting(anod::PlanSetting::kRack), L"20");
  Choose(GetDlgItem(planner, ids::kDensityUnit), static_cast<int>(anod::DensityUnit::kAmpPerDm2));
  Type(setting(anod::PlanSetting::kDensity), L"1,5");
  Type(setting(anod::PlanSetting::kThickness), L"15");
  Type(setting(anod::PlanSetting::kSupply), L"10");
}

void Read(HWND planner) {
  Print(Text(planner));
  const HWND rows = GetDlgItem(planner, ids::kRows);
  for (std::size_t row = 0; const HWND area = GetDlgItem(rows, ids::Cell(row, PlanColumn::kRowArea)); ++row) {
    Print(L"ligne " + std::to_wstring(row + 1) + L" : " + Text(GetDlgItem(rows, ids::Cell(row, PlanColumn::kPartArea))) +
          L" / " + Text(area));
  }
  for (int id = ids::kResultProblem; id <= ids::kResultAdvice; ++id) {
    if (const std::wstring line = Text(GetDlgItem(planner, id)); !line.empty()) Print(line);
  }
  if (IsWindowVisible(GetDlgItem(planner, ids::kWarningIcon))) Print(L"(icône d'avertissement)");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"open-from-main" && argc == 3) {
    HWND main = nullptr;
    for (int waited = 0; main == nullptr && waited < 20000; waited += 100, Sleep(100)) main = FindWindowW(nullptr, argv[2]);
    if (main == nullptr) return 1;
    PostMessageW(main, WM_SYSCOMMAND, anod::win32::kPlanSystemCommand, 0);
    return FindPlanner() != nullptr ? 0 : 1;
  }
  const HWND planner = FindPlanner();
  if (planner == nullptr) return 1;
  if (command == L"fill") {
    Fill(planner);
  } else if (command == L"read") {
    Read(planner);
  } else if (command == L"wait-title" && argc == 3) {
    const std::wstring end = argv[2];
    for (int waited = 0;; waited += 100, Sleep(100)) {
      const std::wstring title = Text(planner);
      if (title.size() >= end.size() && title.compare(title.size() - end.size(), end.size(), end) == 0) break;
      if (waited > 20000) return 1;
    }
  } else {
    return 2;
  }
  return 0;
}
