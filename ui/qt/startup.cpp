#include "ui/qt/startup.h"

#include <string>
#include <vector>

#include "core/float_environment.h"
#include "pictures/jpeg_module.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/failure_report.h"
#include "ui/qt/session_end.h"
#include "ui/planner/qt/main_window_commands.h"
#include "ui/qt/toolkit_french.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

// The calculators' view of the main window; a child of the window, so it
// lives as long as the window does. The window's extra commands hear of each
// caption, to keep the last calculation for the planner.
class FormCalculatorWindow final : public QObject, public CalculatorWindow {
 public:
  explicit FormCalculatorWindow(TForm1& form) : QObject(&form), form_(form), commands_(new MainWindowCommands(form)) {}
  std::string EditText(std::string_view name) const override { return form_.EditText(name); }
  void SetLabelCaption(std::string_view name, std::string caption) override {
    form_.SetLabelCaption(name, std::move(caption));
    AnnounceCaptionChange(form_, name);
    commands_->CaptionWritten(name);
  }

 private:
  TForm1& form_;
  MainWindowCommands* commands_;  // a child of the window
};

void ShowForm(TForm1& form, ShowRequest request) {
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

class QtMainWindowHost final : public MainWindowHost {
 public:
  explicit QtMainWindowHost(StartUpHooks hooks = {}) : hooks_(std::move(hooks)) {}
  ~QtMainWindowHost() override { DestroyMainWindow(std::move(form_)); }

  void Build(std::span<const std::uint8_t> description, const OperationTable& operations) override {
    form_ = BuildFormFromDescription(description, operations);
    // Failures the window catches itself (painting, mostly): a box cannot
    // open in the middle of a paint, so it opens right after the event.
    form_->SetFailureSink([sender = form_.get()](const Exception& failure) { ReportFailureLater(sender, failure); });
    ExposeToAssistiveTechnology(*form_);
    window_ = new FormCalculatorWindow(*form_);
  }
  CalculatorWindow& Window() override { return *window_; }
  EventSender Sender() override { return static_cast<QObject*>(form_.get()); }
  void Show(ShowRequest request) override {
    QApplication::setWindowIcon(form_->windowIcon());
    ShowForm(*form_, request);
    if (hooks_.after_show) hooks_.after_show(*form_);
  }
  int RunLoop() override { return TApplication::exec(); }
  void Destroy() override { DestroyMainWindow(std::move(form_)); }

  std::unique_ptr<TForm1> TakeForm() { return std::move(form_); }

 private:
  StartUpHooks hooks_;
  std::unique_ptr<TForm1> form_;
  FormCalculatorWindow* window_ = nullptr;
};

}  // namespace

PictureKindsInUse::PictureKindsInUse(const ScreenService& screen) {
  RegisterJPEGFormats();
  if (const int depth = screen.ColorDepth(); depth > 0) ApplyScreenDepth(depth, 1);
}

PictureKindsInUse::~PictureKindsInUse() { UnregisterJPEGFormats(); }

std::unique_ptr<TForm1> CreateMainWindow(std::span<const std::uint8_t> description) {
  QtMainWindowHost host;
  BuildMainWindow(host, RunningReporter(), description);
  return host.TakeForm();
}

void DestroyMainWindow(std::unique_ptr<TForm1> form) {
  if (!form) return;
  form->hide();
  form.reset();
}

int RunMainWindow(TApplication& app, std::span<const std::uint8_t> description, ShowRequest request,
                  const StartUpHooks& hooks) {
  QtMainWindowHost host(hooks);
  return anod::RunMainWindow(host, app.Reporter(), description, request);
}

int RunAnodisation(int argc, char** argv, const StartUpHooks& hooks) {
  ResetFloatingPointUnit();
  RereadLocaleDecimalMark();
  TApplication app(argc, argv, ExecutablePath());
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
