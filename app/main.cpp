// Anodisation: the window program.
#include <iostream>
#include <string_view>
#include <vector>

#include "app/information_options.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (const auto code = anod::AnswerInformationOption(arguments, std::cout)) return *code;
  return anod::RunAnodisation(argc, argv);
}
