#include "app/failure_report.h"

#include <cxxabi.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "core/failure_text.h"
#include "core/float_environment.h"
#include "app/code_place.h"
#include "app/failure_route.h"

namespace anod {
namespace {

// The class name of the object the calling catch block is handling
// ("std::runtime_error", "int").
std::string CaughtClassName() {
  const std::type_info* type = abi::__cxa_current_exception_type();
  if (type == nullptr) return "?";
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(type->name());
}

}  // namespace

FailureReporter::FailureReporter(std::string title, MessageBoxService& boxes, WindowServices& windows)
    : title_(std::move(title)), boxes_(boxes), windows_(windows) {}

void FailureReporter::Report(EventSender sender, std::exception_ptr thrown) {
  windows_.CancelMouseGrab();
  try {
    std::rethrow_exception(thrown);
  } catch (const Exception& failure) {
    if (IsProcessorFailure(failure)) ResetFloatingPointUnit();
    Deliver(sender, failure);
  } catch (...) {
    ReportUnhandled(std::current_exception(), __builtin_return_address(0));
  }
}

void FailureReporter::ReportAfterEvent(EventSender sender, const Exception& failure) {
  windows_.CancelMouseGrab();
  if (RouteFailure(failure, false) == FailureRoute::kDropped) return;
  if (IsProcessorFailure(failure)) ResetFloatingPointUnit();
  windows_.PostAfterEvent(sender, [this, message = failure.Message()](EventSender live_sender) {
    Deliver(live_sender, Exception(message));
  });
}

void FailureReporter::Deliver(EventSender sender, const Exception& failure) {
  switch (RouteFailure(failure, static_cast<bool>(hook_))) {
    case FailureRoute::kDropped:
    case FailureRoute::kUnhandled:
      return;
    case FailureRoute::kHook:
      hook_(sender, failure);
      return;
    case FailureRoute::kBox:
      ShowFailureMessage(failure);
      return;
  }
}

void FailureReporter::ShowFailureMessage(const Exception& failure) {
  const std::unique_ptr<SavedActivation> before = windows_.SaveActivation();
  boxes_.ShowStop(title_, MessageForDisplay(failure.Message()), BoxOwner::kApplication);
  if (before) before->Restore();
}

void FailureReporter::ReportUnhandled(std::exception_ptr thrown, const void* code_address) {
  ResetFloatingPointUnit();
  std::string class_name;
  std::string message;
  try {
    std::rethrow_exception(thrown);
  } catch (const Exception& failure) {
    class_name = failure.ClassName();
    message = failure.Message();
  } catch (...) {
    class_name = CaughtClassName();
  }
  const CodePlace place = FindCodePlace(code_address);
  boxes_.ShowStop(kUnhandledFailureCaption, UnhandledFailureText(class_name, place.module, place.offset, message),
                  BoxOwner::kNone);
}

std::string UnhandledFailureText(std::string_view class_name, std::string_view module,
                                 std::uintptr_t offset, std::string_view message) {
  char address[2 * sizeof(std::uintptr_t) + 1];
  std::snprintf(address, sizeof address, "%08" PRIXPTR, offset);
  std::string text = "Exception ";
  text.append(class_name).append(" dans le module ").append(module);
  text.append(" dans ").append(address).append(".\r\n");
  text.append(message);
  if (!message.empty() && message.back() != '.') text += '.';
  text += "\r\n";
  return text;
}

}  // namespace anod
