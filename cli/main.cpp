// anodisation-calc: the four calculators of Anodisation for terminals and
// scripts. See cli/calc_command.h.
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/posix_input_buffer.h"
#include "core/float_environment.h"
#include "platform/locale.h"

int main(int argc, char** argv) {
  anod::ResetFloatingPointUnit();
  anod::RereadLocaleDecimalMark();
  const std::vector<std::string> args(argv + 1, argv + argc);
  anod::PosixInputBuffer in_buffer(STDIN_FILENO);
  std::istream in(&in_buffer);
  return anod::RunCalcCommand(args, in, std::cout, std::cerr);
}
