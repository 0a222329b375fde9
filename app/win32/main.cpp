// anodisation.exe: the window program on Windows.
//
// Start-up as the program was laid out for its home platform: the
// floating-point environment (control word 1332 hexadecimal, loaded with the
// x87 instructions), the user's decimal mark, the application object with
// its title from the module's path, the colored buttons' services, the
// picture kinds at the screen's depth; then the main window is built, with
// its ways into the planner, shown as Windows asks and run until it is
// closed. "--plan [FILE]" or a plan file runs the planner alone instead.
#include <windows.h>

#include <memory>

#include "app/win32/application.h"
#include "app/win32/main_window_host.h"
#include "core/float_environment.h"
#include "pictures/jpeg_module.h"
#include "platform/executable_path.h"
#include "platform/locale.h"
#include "ui/form1_description.h"
#include "ui/planner/win32/main_window_link.h"
#include "ui/planner/win32/plan_start.h"
#include "widgets/win32/button_notifications.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int cmd_show) {
  anod::ResetFloatingPointUnit();
  anod::RereadLocaleDecimalMark();
  anod::TApplication app(anod::ExecutablePath());
  // "--plan [FILE]", or a plan file opened from Explorer: the planner alone.
  if (const auto plan = anod::win32::PlanStartFromArguments(anod::win32::ProgramArguments())) {
    return anod::win32::RunPlannerAlone(*plan, cmd_show);
  }
  anod::InstallWin32ButtonServices();
  anod::RegisterJPEGFormats();
  if (const int depth = app.Screen().ColorDepth(); depth > 0) anod::ApplyScreenDepth(depth, 1);
  anod::Win32MainWindowHost host(app.Reporter());
  std::unique_ptr<anod::win32::MainWindowPlannerLink> planner;
  const int status = anod::RunMainWindow(host, app.Reporter(), anod::Form1Description(),
                                         anod::ShowRequestFromCmdShow(cmd_show), [&] {
                                           planner = std::make_unique<anod::win32::MainWindowPlannerLink>(*host.Form());
                                         });
  planner.reset();
  anod::UnregisterJPEGFormats();
  return status;
}
