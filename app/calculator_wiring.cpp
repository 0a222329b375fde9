#include "app/calculator_wiring.h"

#include "app/main_window_run.h"

namespace anod {

void RunCalculatorOnWindow(CalculatorWindow& window, const CalculatorInfo& calculator, FailureReporter& reporter,
                           EventSender sender) {
  try {
    ShapeInputs inputs;
    for (std::size_t i = 0; i < calculator.fields.size(); ++i) {
      inputs.texts[i] = window.EditText(calculator.fields[i].edit_box);
    }
    bool current_written = false;
    const CaptionReceivers receivers{
        [&](const std::string& caption) { window.SetLabelCaption(calculator.surface_label, caption); },
        [&](const std::string& caption) {
          window.SetLabelCaption(kCurrentLabel, caption);
          current_written = true;
        }};
    RunCalculator(calculator.shape, inputs, receivers);
    if (current_written) window.Calculated(calculator);
  } catch (...) {
    reporter.Report(sender, std::current_exception());
  }
}

HandlerTable CalculatorOperations(MainWindowHost& host, FailureReporter& reporter) {
  HandlerTable operations;
  for (const CalculatorInfo& calculator : Calculators()) {
    operations.emplace(calculator.operation, [&host, &reporter, &calculator] {
      RunCalculatorOnWindow(host.Window(), calculator, reporter, host.Sender());
    });
  }
  return operations;
}

}  // namespace anod
