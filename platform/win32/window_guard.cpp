#include "platform/win32/window_guard.h"

#include <string>

#include "core/failures.h"
#include "platform/message_box.h"

namespace anod {
namespace {

WindowFailureSink sink = nullptr;

void ShowInStopBox(HWND, std::exception_ptr thrown) {
  std::string text;
  try {
    std::rethrow_exception(std::move(thrown));
  } catch (const Exception& failure) {
    text = failure.Message();
  } catch (const std::exception& other) {
    text = other.what();
  } catch (...) {
  }
  ShowStopMessageBox("Erreur d'application", text);
}

}  // namespace

void SetWindowFailureSink(WindowFailureSink new_sink) { sink = new_sink; }

void PassOnWindowFailure(HWND window, std::exception_ptr thrown) {
  (sink != nullptr ? sink : ShowInStopBox)(window, std::move(thrown));
}

}  // namespace anod
