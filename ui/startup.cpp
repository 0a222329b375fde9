#include "ui/startup.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QScreen>

#include "core/float_environment.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "pictures/jpeg_module.h"
#include "ui/accessibility.h"
#include "ui/failure_report.h"
#include "ui/session_end.h"
#include "ui/toolkit_french.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

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

}  // namespace

PictureKindsInUse::PictureKindsInUse() {
  RegisterJPEGFormats();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) ApplyScreenDepth(screen->depth(), 1);
}

PictureKindsInUse::~PictureKindsInUse() { UnregisterJPEGFormats(); }

ShowRequest ShowRequestFromArguments(const QStringList& arguments) {
  ShowRequest request = ShowRequest::kNormal;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("-iconic") || argument == QLatin1String("--minimized")) {
      request = ShowRequest::kMinimized;
    } else if (argument == QLatin1String("--maximized")) {
      request = ShowRequest::kMaximized;
    }
  }
  return request;
}

void RunCalculatorOnForm(TForm1& form, const CalculatorInfo& calculator) {
  try {
    ShapeInputs inputs;
    for (std::size_t i = 0; i < calculator.fields.size(); ++i) {
      inputs.texts[i] = form.EditText(calculator.fields[i].edit_box);
    }
    const CaptionReceivers receivers{
        [&](const std::string& caption) {
          form.SetLabelCaption(calculator.surface_label, caption);
          AnnounceCaptionChange(form, calculator.surface_label);
        },
        [&](const std::string& caption) {
          form.SetLabelCaption(kCurrentLabel, caption);
          AnnounceCaptionChange(form, kCurrentLabel);
        }};
    RunCalculator(calculator.shape, inputs, receivers);
  } catch (...) {
    ReportFailure(&form, std::current_exception());
  }
}

std::unique_ptr<TForm1> CreateMainWindow(std::span<const std::uint8_t> description) {
  // The handlers exist before the window they act on; they reach it
  // through this cell, filled once the window is built.
  auto built = std::make_shared<TForm1*>(nullptr);
  HandlerTable handlers;
  for (const CalculatorInfo& calculator : Calculators()) {
    handlers.emplace(calculator.operation, [built, &calculator] {
      if (*built != nullptr) RunCalculatorOnForm(**built, calculator);
    });
  }
  const std::uint16_t word = ControlWordInForce();
  std::unique_ptr<TForm1> form = BuildFormFromDescription(description, handlers);
  LoadControlWord(word);
  SetDefaultControlWord(word);
  *built = form.get();
  // Failures the window catches itself (painting, mostly): a box cannot open
  // in the middle of a paint, so it opens right after the event.
  form->SetFailureSink([sender = form.get()](const Exception& failure) { ReportFailureLater(sender, failure); });
  ExposeToAssistiveTechnology(*form);
  return form;
}

void DestroyMainWindow(std::unique_ptr<TForm1> form) {
  if (!form) return;
  form->hide();
  form.reset();
}

int RunMainWindow(TApplication& app, std::span<const std::uint8_t> description, ShowRequest request,
                  const StartUpHooks& hooks) {
  std::unique_ptr<TForm1> form;
  try {
    form = CreateMainWindow(description);
  } catch (...) {
    ReportUnhandledFailure(std::current_exception(), __builtin_return_address(0));
    return 1;
  }
  app.setWindowIcon(form->windowIcon());
  ShowForm(*form, request);
  if (hooks.after_show) hooks.after_show(*form);
  const int code = TApplication::exec();
  DestroyMainWindow(std::move(form));
  return code;
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
  return RunMainWindow(app, Form1Description(), ShowRequestFromArguments(TApplication::arguments()), hooks);
}

}  // namespace anod
