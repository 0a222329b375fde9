// The arguments of anodisation.exe that open the Plan de bain alone, without
// the main window: "--plan", "--plan FILE", or a plan file by itself, as
// Explorer's open command for .anodplan files passes it ("%1").
//
//   {}                                  -> nothing (the main window)
//   {"--minimized"}                     -> nothing
//   {"--plan"}                          -> the planner, a new plan
//   {"--plan", "C:\\bain.anodplan"}     -> the planner on that file
//   {"C:\\Mes plans\\BAIN.ANODPLAN"}    -> the planner on that file
//   {"--plan", "a", "b"}                -> nothing: one file at most
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace anod::win32 {

struct PlanStart {
  std::optional<std::filesystem::path> file;
};

// `arguments` without the program's own name.
std::optional<PlanStart> PlanStartFromArguments(std::span<const std::wstring> arguments);

// The program's arguments as Windows splits its Unicode command line,
// without the program's name.
std::vector<std::wstring> ProgramArguments();

// The planner alone: shown as `cmd_show` asks, on the start's file when
// there is one (a file that cannot be read says why, and the plan stays
// new), run until it is closed; the process's exit code.
int RunPlannerAlone(const PlanStart& start, int cmd_show);

}  // namespace anod::win32
