// Anodisation: the window program.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/qt/display_probe.h"
#include "app/information_options.h"
#include "app/plan_request.h"
#include "app/qt/startup.h"
#include "app/qt/plan_program.h"

int main(int argc, char** argv) {
  // --help and --version answer without a display.
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (const auto code = anod::AnswerInformationOption(arguments, std::cout, std::cerr)) return *code;
  // Qt aborts where no window can open; say why instead, before it tries.
  const anod::PlatformCheck check = anod::CheckPlatform(argc, argv);
  if (!check.problem.empty()) {
    std::fputs(check.problem.c_str(), stderr);
    return 1;
  }
  if (!check.chosen.empty()) setenv("QT_QPA_PLATFORM", check.chosen.c_str(), 1);
  if (const auto plan = anod::PlanRequestFromArguments(arguments)) {
    return anod::RunPlanner(argc, argv, plan->file ? std::optional<std::filesystem::path>(*plan->file) : std::nullopt);
  }
  return anod::RunAnodisation(argc, argv);
}
