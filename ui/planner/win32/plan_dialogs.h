// The planner's questions and boxes on Win32 (PlanDocumentServices), owned
// by the planner's window:
//   the unsaved question: a task dialog with the buttons "Enregistrer",
//     "Ne pas enregistrer" and "Annuler" (common controls 6, which the
//     manifest asks for); where the system has no task dialog, a message box
//     with Oui / Non / Annuler whose text says which is which;
//   the file dialogs: GetOpenFileNameW / GetSaveFileNameW, Unicode names,
//     the filter "Plans de bain (*.anodplan)", ".anodplan" added to a name
//     typed without it, replacing a file asked first;
//   a file problem: a stop box with OK.
#pragma once

#include <windows.h>

#include "ui/planner/plan_document.h"

namespace anod::win32 {

class PlanDialogs final : public PlanDocumentServices {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }

  UnsavedAnswer AskUnsaved(std::string_view question) override;
  std::optional<std::filesystem::path> AskOpenPath() override;
  std::optional<std::filesystem::path> AskSavePath(const std::filesystem::path& suggested) override;
  void ShowFileProblem(std::string_view message) override;

 private:
  HWND owner_ = nullptr;
};

// The captions of the planner's boxes.
inline constexpr const wchar_t* kPlanBoxCaption = L"Plan de bain";

}  // namespace anod::win32
