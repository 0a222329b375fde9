// Anodisation: the window program.
#include <cstdio>
#include <string>

#include "app/display_check.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
  // Qt aborts where no window can open; say why instead, before it tries.
  if (const std::string problem = anod::PlatformProblem(argc, argv); !problem.empty()) {
    std::fputs(problem.c_str(), stderr);
    return 1;
  }
  return anod::RunAnodisation(argc, argv);
}
