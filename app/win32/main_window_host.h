// The main window's life on Win32 (MainWindowHost of app/main_window_run.h):
// built from the description into a TForm1, shown as Windows asks
// (nCmdShow), and run by a message loop that offers each message to the
// form's keyboard navigation and catches whatever escapes a dispatch.
#pragma once

#include <windows.h>

#include <memory>

#include "app/main_window_run.h"
#include "ui/win32/form_window.h"

namespace anod {

// The show request in the program's start-up information:
//   SW_SHOWMAXIMIZED -> kMaximized; SW_SHOWMINNOACTIVE, SW_MINIMIZE,
//   SW_SHOWMINIMIZED -> kMinimized; anything else -> kNormal.
ShowRequest ShowRequestFromCmdShow(int cmd_show);

class Win32MainWindowHost final : public MainWindowHost {
 public:
  explicit Win32MainWindowHost(FailureReporter& reporter) : reporter_(reporter) {}

  void Build(std::span<const std::uint8_t> description, const HandlerTable& operations) override;
  CalculatorWindow& Window() override { return form_->Model(); }
  EventSender Sender() override { return form_ != nullptr ? form_->Handle() : nullptr; }
  void Show(ShowRequest request) override;
  int RunLoop() override;
  void Destroy() override;
  // One message as the loop handles it: the form's keys first, then the
  // window's procedure, whatever escapes reported.
  void Dispatch(const MSG& message);

  win32::TForm1* Form() const { return form_.get(); }

 private:
  FailureReporter& reporter_;
  std::unique_ptr<win32::TForm1> form_;
};

}  // namespace anod
