#include "app/qt/plan_program.h"

#include "core/float_environment.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "ui/planner/qt/plan_window.h"
#include "app/qt/application.h"
#include "app/qt/session_end.h"
#include "app/qt/toolkit_french.h"

namespace anod {

int RunPlanner(int argc, char** argv, const std::optional<std::filesystem::path>& file) {
  ResetFloatingPointUnit();
  RereadLocaleDecimalMark();
  TApplication app(argc, argv, ExecutablePath());
  const ToolkitFrenchInUse toolkit_french;
  SessionEndWatcher session_end;
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("anodisation")));
  // Deleted on close, before the loop returns.
  auto* window = new qt::PlanWindow;
  window->show();
  if (file) window->OpenFile(*file);
  return TApplication::exec();
}

}  // namespace anod
