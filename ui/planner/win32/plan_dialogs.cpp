#include "ui/planner/win32/plan_dialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "ui/planner/win32/wide_text.h"

namespace anod::win32 {
namespace {

constexpr wchar_t kFilter[] = L"Plans de bain (*.anodplan)\0*.anodplan\0Tous les fichiers (*.*)\0*.*\0";
constexpr int kSaveButton = 100, kDiscardButton = 101;

// Common controls 6 has the task dialog; an older comctl32 has not, so it
// is looked up rather than imported (an import would stop the program from
// starting there).
using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TaskDialogIndirectFunction FindTaskDialog() {
  const HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  if (comctl == nullptr) return nullptr;
  return reinterpret_cast<TaskDialogIndirectFunction>(
      reinterpret_cast<void*>(GetProcAddress(comctl, "TaskDialogIndirect")));
}

UnsavedAnswer AskWithMessageBox(HWND owner, const std::wstring& question) {
  const std::wstring text = question + L"\n\nOui : Enregistrer\nNon : Ne pas enregistrer\nAnnuler : Annuler";
  switch (MessageBoxW(owner, text.c_str(), kPlanBoxCaption, MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES: return UnsavedAnswer::kSave;
    case IDNO: return UnsavedAnswer::kDiscard;
    default: return UnsavedAnswer::kCancel;
  }
}

std::optional<std::filesystem::path> AskPath(HWND owner, bool save, const std::filesystem::path& suggested) {
  // Long paths and many folders: the buffer holds 32767 characters.
  std::vector<wchar_t> name(32768, L'\0');
  const std::wstring suggested_name = suggested.filename().wstring();
  suggested_name.copy(name.data(), std::min(suggested_name.size(), name.size() - 1));
  const std::wstring folder = suggested.parent_path().wstring();
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = L"anodplan";
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (save) {
    dialog.lpstrTitle = L"Enregistrer le plan de bain";
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (GetSaveFileNameW(&dialog) == 0) return std::nullopt;
  } else {
    dialog.lpstrTitle = L"Ouvrir un plan de bain";
    dialog.Flags |= OFN_FILEMUSTEXIST;
    if (GetOpenFileNameW(&dialog) == 0) return std::nullopt;
  }
  return std::filesystem::path(name.data());
}

}  // namespace

UnsavedAnswer PlanDialogs::AskUnsaved(std::string_view question) {
  const std::wstring text = Widen(question);
  const TaskDialogIndirectFunction task_dialog = FindTaskDialog();
  if (task_dialog == nullptr) return AskWithMessageBox(owner_, text);
  // All three the program's own, so that "Annuler" is French whatever the
  // system's language.
  const TASKDIALOG_BUTTON buttons[] = {
      {kSaveButton, L"Enregistrer"}, {kDiscardButton, L"Ne pas enregistrer"}, {IDCANCEL, L"Annuler"}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = owner_;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = kPlanBoxCaption;
  config.pszMainIcon = TD_WARNING_ICON;
  config.pszMainInstruction = text.c_str();
  config.cButtons = 3;
  config.pButtons = buttons;
  config.nDefaultButton = kSaveButton;
  int pressed = IDCANCEL;
  if (FAILED(task_dialog(&config, &pressed, nullptr, nullptr))) return AskWithMessageBox(owner_, text);
  if (pressed == kSaveButton) return UnsavedAnswer::kSave;
  if (pressed == kDiscardButton) return UnsavedAnswer::kDiscard;
  return UnsavedAnswer::kCancel;
}

std::optional<std::filesystem::path> PlanDialogs::AskOpenPath() { return AskPath(owner_, false, {}); }

std::optional<std::filesystem::path> PlanDialogs::AskSavePath(const std::filesystem::path& suggested) {
  return AskPath(owner_, true, suggested);
}

void PlanDialogs::ShowFileProblem(std::string_view message) {
  MessageBoxW(owner_, Widen(message).c_str(), kPlanBoxCaption, MB_OK | MB_ICONSTOP);
}

}  // namespace anod::win32
