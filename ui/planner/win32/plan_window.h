// The Plan de bain on Win32: the shell of PlanDocument and PlanEditor
// (ui/planner/), which only shows their texts and passes the user's edits
// back. A resizable top-level window laid out in dialog units of the
// system's message font, so that it follows the DPI:
//   the table, one row of children per plan row (a drop-down list of the
//     shapes, edit boxes for the quantity, the three dimensions and the
//     label, the two areas), in a panel that scrolls by rows, its headers
//     following the row the focus is on; the buttons for the rows;
//   beside it the length unit and the settings, each with its title;
//   below the load's lines (the supply's warning in red with the warning
//     icon), the refused fields' messages, the run sheet with "Copier la
//     fiche";
//   the menus Fichier and Lignes, with their shortcuts.
// A refused text is marked at once (a pink edit box, its message in the
// list); nothing opens a box while the user types.
//
// Keys: Tab and Shift+Tab through every control, mnemonics with Alt; in the
// table Enter and the arrows Up and Down go to the same column of the next
// or previous row, F2 puts the caret at the end of the text (a drop-down
// list opens), Escape gives the edit box back the text it had when the
// focus came; Ctrl+Inser adds a row, Ctrl+D duplicates it, Ctrl+Suppr
// removes it, Alt+Haut and Alt+Bas move it; Ctrl+N, Ctrl+O, Ctrl+S,
// Ctrl+Maj+S for the files.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/planner/plan_document.h"
#include "ui/planner/plan_editor.h"
#include "ui/planner/win32/plan_dialogs.h"

namespace anod::win32 {

class PlanWindow {
 public:
  // The part the main window calculated last, or nothing yet. Without a
  // source (the planner opened alone) the window has no "Ajouter la pièce
  // calculée".
  using CalculatedSource = std::function<std::optional<CalculatedPart>()>;

  explicit PlanWindow(CalculatedSource calculated = {});
  // Destroys the window without asking anything.
  ~PlanWindow();
  PlanWindow(const PlanWindow&) = delete;
  PlanWindow& operator=(const PlanWindow&) = delete;

  // Null once the window is destroyed.
  HWND Handle() const { return window_; }
  HWND RowsPanel() const { return rows_; }
  PlanDocument& Document() { return document_; }

  // Shows, restores and activates the window.
  void Show(int cmd_show);
  // The window's accelerators, the table's keys and the dialog keys for a
  // message of the loop, in its Unicode form: true when taken.
  bool PreTranslate(MSG& message);
  // Shows the model as it is now: after a change made outside the window,
  // or when the main window calculated a part.
  void Refresh();
  // Runs once the window is destroyed (closed by the user).
  void SetDestroyedHandler(std::function<void()> handler) { destroyed_ = std::move(handler); }

 private:
  struct RowControls {
    std::array<HWND, kPlanColumnCount> cells{};
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK RowsProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Message(UINT message, WPARAM wparam, LPARAM lparam);

  void Create();
  HWND Child(HWND parent, const wchar_t* window_class, DWORD style, int id, const std::wstring& text = {});
  HMENU CreateMenus() const;
  int Dx(int units) const { return MulDiv(units, base_x_, 4); }
  int Dy(int units) const { return MulDiv(units, base_y_, 8); }
  int GridWidth() const;
  void Layout();
  void LayoutRows();

  void Command(int id, int notification, HWND control);
  void CellCommand(std::size_t row, PlanColumn column, int notification, HWND control);
  bool KeyDown(const MSG& message);
  void FocusCell(std::size_t row, PlanColumn column);
  std::optional<std::pair<std::size_t, PlanColumn>> CellOf(HWND control) const;
  void ScrollRows(int request);
  void EnsureRowVisible(std::size_t row);
  void CopyRunSheet();
  LRESULT ColorOf(HDC dc, HWND control);

  void SyncRows();
  void ShowTexts();
  void SetText(HWND control, const std::string& utf8);

  PlanDialogs dialogs_;
  PlanDocument document_{dialogs_};
  CalculatedSource calculated_;
  std::function<void()> destroyed_;

  HWND window_ = nullptr;
  HWND rows_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HFONT font_ = nullptr;
  HICON warning_icon_ = nullptr;
  HBRUSH refused_brush_ = nullptr;
  int base_x_ = 6, base_y_ = 13;
  POINT min_size_{};  // the window's outer size at its start

  std::array<HWND, kPlanColumnCount> headers_{};
  std::array<HWND, kPlanSettingCount> setting_labels_{}, settings_{};
  std::vector<RowControls> row_controls_;
  std::vector<HWND> results_;  // kResultProblem … kResultAdvice
  std::vector<std::string> shown_problems_;
  std::vector<bool> laid_out_lines_;

  bool updating_ = false;       // texts set by the window itself: no EN_CHANGE
  std::size_t current_row_ = 0;
  PlanColumn current_column_ = PlanColumn::kDimension1;
  std::size_t first_row_ = 0;   // the first row the panel shows
  HWND escape_control_ = nullptr;
  std::string escape_text_;
  HWND last_focus_ = nullptr;
};

}  // namespace anod::win32
