// The wiring of the compute buttons to the four calculators, the same for
// every toolkit: both buttons of a calculator name its operation
// ("btn1Click") in the window description, and the operation runs the
// calculator on the window's edit boxes and writes its captions.
//
//   Edit1 "3", edt1 "10", btn1Click  -> lbl4 " 244.92 Cm² ", Label19 "2450 mA "
//   Edit1 "1e400", btn1Click         -> the failure box "Débordement en virgule
//                                       flottante.", lbl4 and Label19 unchanged
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/calculators.h"
#include "ui/calculator_window.h"
#include "app/failure_report.h"

namespace anod {

// Runs `calculator` on `window`'s edit boxes and writes its captions; a
// failure is reported (with `sender`) before it returns. Captions written
// before the failing step keep their new text.
void RunCalculatorOnWindow(CalculatorWindow& window, const CalculatorInfo& calculator, FailureReporter& reporter,
                           EventSender sender);

// The window the operations act on. The operations exist before the window
// they act on (the description names them while the window is built), so
// the caller fills this in once the window is built; until then a click
// runs nothing.
struct CalculatorTarget {
  CalculatorWindow* window = nullptr;
  EventSender sender = nullptr;  // passed to the failure hook
};

// The four operations by name, each running its calculator on the target's
// window. The map has the type of the window description's handler table.
using OperationTable = std::map<std::string, std::function<void()>, std::less<>>;
OperationTable CalculatorOperations(std::shared_ptr<const CalculatorTarget> target, FailureReporter& reporter);

}  // namespace anod
