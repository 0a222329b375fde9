// Anodisation: the window program.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/qt/display_probe.h"
#include "app/information_options.h"
#include "ui/qt/startup.h"

int main(int argc, char** argv) {
  // --help and --version answer without a display.
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (const auto code = anod::AnswerInformationOption(arguments, std::cout)) return *code;
  // Qt aborts where no window can open; say why instead, before it tries.
  if (const std::string problem = anod::PlatformProblem(argc, argv); !problem.empty()) {
    std::fputs(problem.c_str(), stderr);
    return 1;
  }
  return anod::RunAnodisation(argc, argv);
}
