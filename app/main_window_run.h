// The main window's life within start-up, the same for every toolkit, once
// the application object (its title, its failure report) exists:
//   1. the window is built from its description with the four calculator
//      operations wired (calculator_wiring.h); the control word in force
//      before building is loaded again afterwards and becomes
//      DefaultControlWord (a toolkit may change it while it creates
//      windows);
//   2. it is shown as the request asks (centred with Edit1 focused,
//      maximised, or minimised);
//   3. the loop runs until the window is closed or the session ends;
//   4. the window is hidden, then destroyed with every control.
// A failure while the window is built never reaches the loop: it goes to
// the last-resort report and the run ends with kExitStartUpFailed.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "app/failure_report.h"
#include "app/show_request.h"
#include "ui/calculator_window.h"
#include "ui/handler_table.h"

namespace anod {

inline constexpr int kExitNormal = 0;
inline constexpr int kExitStartUpFailed = 1;

// The main window as each toolkit builds, shows and runs it.
class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  // Builds the window from `description`, its buttons calling `operations`
  // by name; throws what building throws (an Exception, EReadError for a
  // damaged description). Afterwards Window() and Sender() answer.
  virtual void Build(std::span<const std::uint8_t> description, const HandlerTable& operations) = 0;
  virtual CalculatorWindow& Window() = 0;
  virtual EventSender Sender() = 0;
  virtual void Show(ShowRequest request) = 0;
  // Runs the event loop; the loop's exit code (kExitNormal after a close).
  virtual int RunLoop() = 0;
  // Hides the window, then destroys it with every control.
  virtual void Destroy() = 0;
};

// Steps 1 to 4 above; returns the process's exit code. `built` runs
// between steps 1 and 2 (the shell adds its ways into other windows).
int RunMainWindow(MainWindowHost& host, FailureReporter& reporter, std::span<const std::uint8_t> description,
                  ShowRequest request, const std::function<void()>& built = {});

// Step 1 alone, for those who show and run the window themselves.
void BuildMainWindow(MainWindowHost& host, FailureReporter& reporter, std::span<const std::uint8_t> description);

}  // namespace anod
