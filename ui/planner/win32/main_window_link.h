// The main window's ways into the planner on Win32, added without touching
// its 72 controls or its layout:
//   the two commands of MainWindowMenu() appended to its system menu
//     ("Plan de bain…" opens the planner or brings it forward, "À propos
//     d'Anodisation…" shows the about box);
//   every calculation the window runs recorded as the part the planner's
//     "Ajouter la pièce calculée" adds;
//   closing the main window, or the session ending, asks the planner's
//     unsaved question first (the program ends with the main window).
// The planner's keys go through the main window's loop by a message hook
// of this thread, as the loop belongs to the main window.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "ui/planner/plan_editor.h"
#include "ui/win32/form_window.h"

namespace anod::win32 {

class PlanWindow;

// The system menu's command identifiers (below 0xF000, the low four bits
// clear as WM_SYSCOMMAND wants them).
inline constexpr UINT kPlanSystemCommand = 0x1F10;
inline constexpr UINT kAboutSystemCommand = 0x1F20;

class MainWindowPlannerLink {
 public:
  explicit MainWindowPlannerLink(win32::TForm1& form);
  ~MainWindowPlannerLink();
  MainWindowPlannerLink(const MainWindowPlannerLink&) = delete;
  MainWindowPlannerLink& operator=(const MainWindowPlannerLink&) = delete;

  // The planner, once opened and while it is open; null otherwise.
  PlanWindow* Planner() const;
  const std::optional<CalculatedPart>& LastCalculated() const { return last_; }

 private:
  static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR self);
  static LRESULT CALLBACK GetMessageHook(int code, WPARAM remove, LPARAM message);
  void OpenPlanner();
  void ShowAbout() const;
  bool PlannerMayClose();

  win32::TForm1& form_;
  std::unique_ptr<PlanWindow> planner_;
  std::optional<CalculatedPart> last_;
  HHOOK hook_ = nullptr;
};

}  // namespace anod::win32
