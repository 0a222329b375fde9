// anodisation-calc.exe: the command-line calculator on Windows. See
// cli/calc_command.h for what it does and cli/win32_console_stream.h for how
// its text reaches the console.
//
// The arguments are read in UTF-16 (GetCommandLineW) and handed on in UTF-8,
// so that "é" or "€" arrive as typed whatever the console's code page.
#include <windows.h>
#include <shellapi.h>

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/calc_command.h"
#include "cli/win32_console_stream.h"
#include "core/float_environment.h"
#include "platform/locale.h"

namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) args.push_back(anod::WideToUtf8(wide[i], lstrlenW(wide[i])));
  LocalFree(wide);
  return args;
}

}  // namespace

int main() {
  anod::ResetFloatingPointUnit();
  anod::RereadLocaleDecimalMark();
  const std::vector<std::string> args = Arguments();
  anod::ConsoleInputBuffer in_buffer(GetStdHandle(STD_INPUT_HANDLE));
  anod::ConsoleOutputBuffer out_buffer(GetStdHandle(STD_OUTPUT_HANDLE));
  anod::ConsoleOutputBuffer err_buffer(GetStdHandle(STD_ERROR_HANDLE));
  std::istream in(&in_buffer);
  std::ostream out(&out_buffer);
  std::ostream err(&err_buffer);
  const int status = anod::RunCalcCommand(args, in, out, err);
  out.flush();
  err.flush();
  return status;
}
