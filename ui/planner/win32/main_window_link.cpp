#include "ui/planner/win32/main_window_link.h"

#include <commctrl.h>

#include "core/calculators.h"
#include "core/codepage.h"
#include "ui/planner/calculated_part_of.h"
#include "ui/planner/main_window_menu.h"
#include "ui/planner/win32/plan_window.h"
#include "ui/planner/win32/wide_text.h"

namespace anod::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x504C;  // "PL"

// One main window per program: the hook finds its link here.
MainWindowPlannerLink* running_link = nullptr;

}  // namespace

MainWindowPlannerLink::MainWindowPlannerLink(win32::TForm1& form) : form_(form) {
  const HMENU menu = GetSystemMenu(form_.Handle(), FALSE);
  if (menu != nullptr) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const MainWindowMenuItem& item : MainWindowMenu()) {
      AppendMenuW(menu, MF_STRING, item.command == MainWindowCommand::kPlan ? kPlanSystemCommand : kAboutSystemCommand,
                  Widen(item.caption).c_str());
    }
  }
  form_.Model().SetCalculatedListener([this](const CalculatorInfo& calculator) {
    last_ = CalculatedPartOf(calculator, form_.Model());
    if (PlanWindow* planner = Planner()) planner->Refresh();
  });
  SetWindowSubclass(form_.Handle(), &MainWindowPlannerLink::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  running_link = this;
  hook_ = SetWindowsHookExW(WH_GETMESSAGE, &MainWindowPlannerLink::GetMessageHook, nullptr, GetCurrentThreadId());
}

MainWindowPlannerLink::~MainWindowPlannerLink() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  running_link = nullptr;
  form_.Model().SetCalculatedListener(nullptr);
  if (form_.Handle() != nullptr) RemoveWindowSubclass(form_.Handle(), &MainWindowPlannerLink::Subclass, kSubclassId);
  planner_.reset();
}

PlanWindow* MainWindowPlannerLink::Planner() const {
  return planner_ != nullptr && planner_->Handle() != nullptr ? planner_.get() : nullptr;
}

void MainWindowPlannerLink::OpenPlanner() {
  if (Planner() == nullptr) {
    planner_ = std::make_unique<PlanWindow>([this] { return last_; });
  }
  planner_->Show(SW_SHOWNORMAL);
}

void MainWindowPlannerLink::ShowAbout() const {
  MessageBoxW(form_.Handle(), WindowsLines(AboutText()).c_str(), Widen(AboutCaption()).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

bool MainWindowPlannerLink::PlannerMayClose() {
  PlanWindow* planner = Planner();
  return planner == nullptr || planner->Document().MayClose();
}

LRESULT CALLBACK MainWindowPlannerLink::Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                 DWORD_PTR self_data) {
  auto* self = reinterpret_cast<MainWindowPlannerLink*>(self_data);
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == kPlanSystemCommand) {
        self->OpenPlanner();
        return 0;
      }
      if ((wparam & 0xFFF0) == kAboutSystemCommand) {
        self->ShowAbout();
        return 0;
      }
      break;
    case WM_CLOSE:
      // The program ends with the main window: the plan is asked for first.
      if (!self->PlannerMayClose()) return 0;
      self->planner_.reset();
      break;
    case WM_QUERYENDSESSION:
      if (!self->PlannerMayClose()) return FALSE;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &MainWindowPlannerLink::Subclass, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

// The main window's loop takes messages with GetMessageA and knows nothing
// of the planner: its accelerators and dialog keys are offered here, and a
// message they took becomes WM_NULL for the loop. This hook is a Unicode one,
// so it sees each message before the loop's ANSI copy is made: handed on as
// Unicode, an "Ω" typed into the planner arrives whole (read as ANSI, its
// low byte made it "©").
LRESULT CALLBACK MainWindowPlannerLink::GetMessageHook(int code, WPARAM remove, LPARAM message) {
  if (code == HC_ACTION && remove == PM_REMOVE && running_link != nullptr) {
    if (PlanWindow* planner = running_link->Planner()) {
      auto* taken = reinterpret_cast<MSG*>(message);
      if (planner->PreTranslate(*taken)) {
        taken->message = WM_NULL;
        taken->wParam = 0;
        taken->lParam = 0;
      }
    }
  }
  return CallNextHookEx(nullptr, code, remove, message);
}

}  // namespace anod::win32
