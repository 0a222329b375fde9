#include "ui/failure_report.h"

#include <cxxabi.h>
#include <dlfcn.h>

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/float_environment.h"
#include "core/failure_text.h"
#include "platform/message_box.h"
#include "ui/application.h"

namespace anod {
namespace {

// The class name of the object being handled by the calling catch block.
std::string CurrentExceptionClassName() {
  const std::type_info* type = abi::__cxa_current_exception_type();
  if (type == nullptr) return "?";
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && demangled ? std::string(demangled.get()) : std::string(type->name());
}

// The file name of the module holding `address`, and the address relative
// to that module's load address.
struct ModulePlace {
  std::string file_name;
  std::uintptr_t offset = 0;
};

ModulePlace FindModule(const void* address) {
  Dl_info info{};
  if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
    return {"?", reinterpret_cast<std::uintptr_t>(address)};
  }
  std::string_view path = info.dli_fname;
  if (const std::size_t slash = path.rfind('/'); slash != std::string_view::npos) {
    path.remove_prefix(slash + 1);
  }
  return {std::string(path), reinterpret_cast<std::uintptr_t>(address) -
                                 reinterpret_cast<std::uintptr_t>(info.dli_fbase)};
}

}  // namespace

void ReportFailure(QObject* sender, std::exception_ptr thrown) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  try {
    std::rethrow_exception(thrown);
  } catch (const EAbort&) {
    return;
  } catch (const Exception& failure) {
    if (dynamic_cast<const EExternal*>(&failure) != nullptr) ResetFloatingPointUnit();
    const TApplication* app = Application();
    if (app != nullptr && app->OnException()) {
      app->OnException()(sender, failure);
    } else {
      ShowFailureMessage(failure);
    }
  } catch (...) {
    ReportUnhandledFailure(std::current_exception(), __builtin_return_address(0));
  }
}

void ReportFailureLater(QObject* sender, const Exception& failure) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  if (dynamic_cast<const EAbort*>(&failure) != nullptr) return;
  if (dynamic_cast<const EExternal*>(&failure) != nullptr) ResetFloatingPointUnit();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [sender = QPointer<QObject>(sender), message = failure.Message()] {
        const Exception copy(message);
        const TApplication* app = Application();
        if (app != nullptr && app->OnException()) {
          app->OnException()(sender.data(), copy);
        } else {
          ShowFailureMessage(copy);
        }
      },
      Qt::QueuedConnection);
}

void ShowFailureMessage(const Exception& failure) {
  const QPointer<QWidget> active = QApplication::activeWindow();
  const QPointer<QWidget> focus = QApplication::focusWidget();
  ShowStopMessageBox(ApplicationTitle(), MessageForDisplay(failure.Message()));
  if (active && active->isVisible()) {
    active->activateWindow();
    if (focus && focus->window() == active) focus->setFocus(Qt::ActiveWindowFocusReason);
  }
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

void ReportUnhandledFailure(std::exception_ptr thrown, const void* code_address) {
  ResetFloatingPointUnit();
  std::string class_name;
  std::string message;
  try {
    std::rethrow_exception(thrown);
  } catch (const Exception& failure) {
    class_name = failure.ClassName();
    message = failure.Message();
  } catch (...) {
    class_name = CurrentExceptionClassName();
  }
  const ModulePlace place = FindModule(code_address);
  ShowStopMessageBox(kUnhandledFailureCaption,
                     UnhandledFailureText(class_name, place.file_name, place.offset, message));
}

}  // namespace anod
