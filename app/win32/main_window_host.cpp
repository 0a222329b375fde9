#include "app/win32/main_window_host.h"

namespace anod {

ShowRequest ShowRequestFromCmdShow(int cmd_show) {
  switch (cmd_show) {
    case SW_SHOWMAXIMIZED:
      return ShowRequest::kMaximized;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      return ShowRequest::kMinimized;
    default:
      return ShowRequest::kNormal;
  }
}

void Win32MainWindowHost::Build(std::span<const std::uint8_t> description, const HandlerTable& operations) {
  auto form = std::make_unique<win32::TForm1>();
  form->Build(description, operations);
  // A failure while painting drawn controls: the box opens once the paint is
  // done.
  form->Model().SetFailureSink([this, window = form->Handle()](const Exception& failure) {
    reporter_.ReportAfterEvent(window, failure);
  });
  form_ = std::move(form);
}

void Win32MainWindowHost::Show(ShowRequest request) {
  switch (request) {
    case ShowRequest::kMaximized:
      form_->Show(SW_SHOWMAXIMIZED);
      break;
    case ShowRequest::kMinimized:
      form_->Show(SW_SHOWMINNOACTIVE);
      break;
    case ShowRequest::kNormal:
      form_->Show(SW_SHOWNORMAL);
      break;
  }
}

int Win32MainWindowHost::RunLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : kExitNormal;
}

void Win32MainWindowHost::Dispatch(const MSG& message) {
  // The loop's own catch: whatever escaped the dispatch of this message.
  try {
    if (form_ != nullptr && form_->PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  } catch (...) {
    reporter_.Report(message.hwnd, std::current_exception());
  }
}

void Win32MainWindowHost::Destroy() {
  if (form_ == nullptr) return;
  ShowWindow(form_->Handle(), SW_HIDE);
  form_.reset();
}

}  // namespace anod
