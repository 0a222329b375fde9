#include "ui/planner/qt/plan_program.h"

#include "core/float_environment.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "ui/planner/qt/plan_window.h"
#include "ui/qt/application.h"
#include "ui/qt/session_end.h"
#include "ui/qt/toolkit_french.h"

namespace anod {

int RunPlanner(int argc, char** argv, const std::optional<std::filesystem::path>& file) {
  ResetFloatingPointUnit();
  RereadLocaleDecimalMark();
  TApplication app(argc, argv, ExecutablePath());
  const ToolkitFrenchInUse toolkit_french;
  SessionEndWatcher session_end;
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("anodisation")));
  // Deleted on close, before the loop returns.
  auto* window = new PlanWindow;
  window->show();
  if (file) window->OpenFile(*file);
  return TApplication::exec();
}

}  // namespace anod
