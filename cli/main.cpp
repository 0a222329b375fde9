// anodisation-calc: the four calculators of Anodisation for terminals and
// scripts. See cli/calc_command.h.
#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "core/float_environment.h"
#include "platform/locale.h"

int main(int argc, char** argv) {
  anod::ResetFloatingPointUnit();
  anod::RereadLocaleDecimalMark();
  const std::vector<std::string> args(argv + 1, argv + argc);
  return anod::RunCalcCommand(args, std::cin, std::cout, std::cerr);
}
