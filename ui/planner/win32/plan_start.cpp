#include "ui/planner/win32/plan_start.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cwctype>

#include "ui/planner/plan_document.h"
#include "ui/planner/win32/plan_window.h"

namespace anod::win32 {
namespace {

// Windows' file names ignore case: Explorer passes "BAIN.ANODPLAN" as typed.
bool IsPlanFile(const std::wstring& argument) {
  const std::wstring extension = std::filesystem::path(argument).extension().wstring();
  return extension.size() == kPlanExtension.size() &&
         std::equal(extension.begin(), extension.end(), kPlanExtension.begin(),
                    [](wchar_t a, char b) { return std::towlower(a) == static_cast<wchar_t>(b); });
}

}  // namespace

std::optional<PlanStart> PlanStartFromArguments(std::span<const std::wstring> arguments) {
  if (arguments.size() == 1 && IsPlanFile(arguments[0])) return PlanStart{arguments[0]};
  if (arguments.empty() || arguments[0] != L"--plan" || arguments.size() > 2) return std::nullopt;
  if (arguments.size() == 2) return PlanStart{arguments[1]};
  return PlanStart{};
}

std::vector<std::wstring> ProgramArguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; words != nullptr && i < count; ++i) arguments.emplace_back(words[i]);
  if (words != nullptr) LocalFree(words);
  return arguments;
}

int RunPlannerAlone(const PlanStart& start, int cmd_show) {
  PlanWindow planner;
  if (planner.Handle() == nullptr) return 1;
  planner.SetDestroyedHandler([] { PostQuitMessage(0); });
  planner.Show(cmd_show);
  if (start.file) {
    planner.Document().OpenFile(*start.file);
    planner.Refresh();
  }
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (planner.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace anod::win32
