#include "app/qt/startup.h"

#include <string>
#include <vector>

#include "core/float_environment.h"
#include "pictures/jpeg_module.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "platform/qt/application_font.h"
#include "ui/planner/qt/main_window_commands.h"
#include "app/qt/accessibility.h"
#include "app/qt/failure_report.h"
#include "app/qt/session_end.h"
#include "app/qt/toolkit_french.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

void ShowForm(qt::TForm1& form, ShowRequest request) {
  switch (request) {
    case ShowRequest::kMaximized:
      // Shown first, so that the centring rule has placed it: restoring
      // the window later brings it back to the centre of the screen.
      form.show();
      form.setWindowState(form.windowState() | Qt::WindowMaximized);
      break;
    case ShowRequest::kMinimized:
      // Minimised once shown: asked before, the toolkit only marks the
      // window hidden, and a window manager maps it as a normal window.
      form.show();
      form.setWindowState(form.windowState() | Qt::WindowMinimized);
      break;
    case ShowRequest::kNormal:
      form.show();
      form.activateWindow();
      break;
  }
}

}  // namespace

QtMainWindowHost::QtMainWindowHost(StartUpHooks hooks) : hooks_(std::move(hooks)) {}

QtMainWindowHost::~QtMainWindowHost() { Destroy(); }

void QtMainWindowHost::Build(std::span<const std::uint8_t> description, const HandlerTable& operations) {
  form_ = qt::BuildFormFromDescription(description, operations);
  // Failures the window catches itself (painting, mostly): a box cannot
  // open in the middle of a paint, so it opens right after the event.
  form_->Model().SetFailureSink(
      [sender = form_.get()](const Exception& failure) { ReportFailureLater(sender, failure); });
  ExposeToAssistiveTechnology(*form_);
  // The window's extra commands (its menu, the planner), a child of the
  // window, keep its last calculation.
  auto* commands = new qt::MainWindowCommands(*form_);
  form_->Model().SetCalculatedListener([commands](const CalculatorInfo& calculator) { commands->Calculated(calculator); });
}

CalculatorWindow& QtMainWindowHost::Window() { return form_->Model(); }

EventSender QtMainWindowHost::Sender() { return static_cast<QObject*>(form_.get()); }

void QtMainWindowHost::Show(ShowRequest request) {
  QApplication::setWindowIcon(form_->windowIcon());
  ShowForm(*form_, request);
  if (hooks_.after_show) hooks_.after_show(*form_);
}

int QtMainWindowHost::RunLoop() { return TApplication::exec(); }

void QtMainWindowHost::Destroy() {
  if (!form_) return;
  form_->hide();
  form_.reset();
}

PictureKindsInUse::PictureKindsInUse(const ScreenService& screen) {
  RegisterJPEGFormats();
  if (const int depth = screen.ColorDepth(); depth > 0) ApplyScreenDepth(depth, 1);
}

PictureKindsInUse::~PictureKindsInUse() { UnregisterJPEGFormats(); }

int RunMainWindow(TApplication& app, std::span<const std::uint8_t> description, ShowRequest request,
                  const StartUpHooks& hooks) {
  QtMainWindowHost host(hooks);
  return anod::RunMainWindow(host, app.Reporter(), description, request);
}

int RunAnodisation(int argc, char** argv, const StartUpHooks& hooks) {
  ResetFloatingPointUnit();
  RereadLocaleDecimalMark();
  TApplication app(argc, argv, ExecutablePath());
  UseWindowFontForApplication(FontSpec{});  // the description's window font, MS Sans Serif -11
  const ToolkitFrenchInUse toolkit_french;
  TVividApplication::Instance().OnFailure = [](const Exception& failure) {
    ReportFailureLater(QApplication::focusWidget(), failure);
  };
  SessionEndWatcher session_end;
  const PictureKindsInUse picture_kinds;
  std::vector<std::string> arguments;
  for (const QString& argument : TApplication::arguments()) arguments.push_back(argument.toStdString());
  return RunMainWindow(app, Form1Description(), ShowRequestFromArguments(arguments), hooks);
}

}  // namespace anod
