// The wiring of the compute buttons to the four calculators, the same for
// every toolkit: both buttons of a calculator name its operation
// ("btn1Click") in the window description, and the operation runs the
// calculator on the window's edit boxes and writes its captions.
//
//   Edit1 "3", edt1 "10", btn1Click  -> lbl4 " 244.92 Cm² ", Label19 "2450 mA "
//   Edit1 "1e400", btn1Click         -> the failure box "Débordement en virgule
//                                       flottante.", lbl4 and Label19 unchanged
#pragma once

#include "app/failure_report.h"
#include "core/calculators.h"
#include "ui/calculator_window.h"
#include "ui/handler_table.h"

namespace anod {

class MainWindowHost;

// Runs `calculator` on `window`'s edit boxes and writes its captions; a
// failure is reported (with `sender`) before it returns. Captions written
// before the failing step keep their new text.
void RunCalculatorOnWindow(CalculatorWindow& window, const CalculatorInfo& calculator, FailureReporter& reporter,
                           EventSender sender);

// The four operations by name, each running its calculator on the window
// `host` built from them (a button is clicked only once it is built), with
// the host's sender for the failure hook. `host` outlives its window.
HandlerTable CalculatorOperations(MainWindowHost& host, FailureReporter& reporter);

}  // namespace anod
