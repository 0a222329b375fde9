#include "app/main_window_run.h"

#include "app/calculator_wiring.h"
#include "core/float_environment.h"

namespace anod {

void BuildMainWindow(MainWindowHost& host, FailureReporter& reporter, std::span<const std::uint8_t> description) {
  const std::uint16_t word = ControlWordInForce();
  host.Build(description, CalculatorOperations(host, reporter));
  LoadControlWord(word);
  SetDefaultControlWord(word);
}

int RunMainWindow(MainWindowHost& host, FailureReporter& reporter, std::span<const std::uint8_t> description,
                  ShowRequest request, const std::function<void()>& built) {
  try {
    BuildMainWindow(host, reporter, description);
    if (built) built();
  } catch (...) {
    reporter.ReportUnhandled(std::current_exception(), __builtin_return_address(0));
    return kExitStartUpFailed;
  }
  host.Show(request);
  const int code = host.RunLoop();
  host.Destroy();
  return code;
}

}  // namespace anod
