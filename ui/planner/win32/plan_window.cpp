#include "ui/planner/win32/plan_window.h"

#include <commctrl.h>

#include <algorithm>

#include "plan/plan_shapes.h"
#include "plan/plan_units.h"
#include "platform/win32/window_guard.h"
#include "ui/planner/win32/plan_window_ids.h"
#include "ui/planner/win32/wide_text.h"

namespace anod::win32 {
namespace {

namespace ids = plan_ids;

constexpr const wchar_t* kWindowClass = L"AnodisationPlanDeBain";
constexpr const wchar_t* kRowsClass = L"AnodisationPlanRows";
constexpr COLORREF kRefused = RGB(255, 214, 214);  // the refused field's pink
constexpr COLORREF kWarning = RGB(192, 0, 0);       // the supply's warning

// The table's columns in dialog units; the label's takes what the window
// has to spare.
constexpr std::array<int, kPlanColumnCount> kColumnWidths = {70, 30, 40, 40, 40, 56, 48, 52};
constexpr int kMargin = 7, kGap = 4, kRowHeight = 14, kSettingsWidth = 150, kResultLine = 9;
constexpr int kResultsHeight = 8 * kResultLine, kRunSheetHeight = 46;

// The dialog units' base, from the message font as the dialog manager
// measures a dialog's font: the average width of the 52 letters and the
// font's height.
SIZE BaseUnits(HFONT font) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SIZE letters{};
  GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

void RegisterClasses(WNDPROC window_procedure, WNDPROC rows_procedure) {
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, kWindowClass, &c) != 0) return;
  c.cbSize = sizeof c;
  c.lpfnWndProc = window_procedure;
  c.hInstance = instance;
  c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  // The program's own icon (resource 1), when the program has one.
  c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  c.lpszClassName = kWindowClass;
  RegisterClassExW(&c);
  c.hIcon = nullptr;
  c.lpfnWndProc = rows_procedure;
  c.lpszClassName = kRowsClass;
  RegisterClassExW(&c);
}

bool IsEditColumn(PlanColumn column) {
  return column != PlanColumn::kShape && column != PlanColumn::kPartArea && column != PlanColumn::kRowArea;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return name;
}

void AccelKey(std::vector<ACCEL>& table, BYTE modifiers, WORD key, int command) {
  table.push_back({static_cast<BYTE>(FVIRTKEY | modifiers), key, static_cast<WORD>(command)});
}

}  // namespace

PlanWindow::PlanWindow(CalculatedSource calculated) : calculated_(std::move(calculated)) { Create(); }

PlanWindow::~PlanWindow() {
  if (window_ != nullptr) {
    destroyed_ = nullptr;
    DestroyWindow(window_);
  }
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (font_ != nullptr) DeleteObject(font_);
  if (refused_brush_ != nullptr) DeleteObject(refused_brush_);
  if (warning_icon_ != nullptr) DestroyIcon(warning_icon_);
}

// ----- Building -----

HWND PlanWindow::Child(HWND parent, const wchar_t* window_class, DWORD style, int id, const std::wstring& text) {
  const DWORD extended = std::wstring_view(window_class) == WC_EDITW || std::wstring_view(window_class) == WC_LISTBOXW
                             ? WS_EX_CLIENTEDGE
                             : 0;
  const HWND child = CreateWindowExW(extended, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                     parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

HMENU PlanWindow::CreateMenus() const {
  const HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, ids::kNew, L"&Nouveau\tCtrl+N");
  AppendMenuW(file, MF_STRING, ids::kOpen, L"&Ouvrir…\tCtrl+O");
  AppendMenuW(file, MF_STRING, ids::kSave, L"&Enregistrer\tCtrl+S");
  AppendMenuW(file, MF_STRING, ids::kSaveAs, L"Enregistrer &sous…\tCtrl+Maj+S");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, ids::kClose, L"&Fermer");
  const HMENU rows = CreatePopupMenu();
  AppendMenuW(rows, MF_STRING, ids::kAddRow, L"&Ajouter une ligne\tCtrl+Inser");
  AppendMenuW(rows, MF_STRING, ids::kDuplicateRow, L"&Dupliquer la ligne\tCtrl+D");
  AppendMenuW(rows, MF_STRING, ids::kRemoveRow, L"&Supprimer la ligne\tCtrl+Suppr");
  AppendMenuW(rows, MF_STRING, ids::kMoveUp, L"&Monter la ligne\tAlt+Haut");
  AppendMenuW(rows, MF_STRING, ids::kMoveDown, L"D&escendre la ligne\tAlt+Bas");
  if (calculated_) AppendMenuW(rows, MF_STRING, ids::kAddCalculated, L"Ajouter la &pièce calculée");
  AppendMenuW(rows, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(rows, MF_STRING, ids::kCopyRunSheet, L"&Copier la fiche\tCtrl+Maj+C");
  const HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&Fichier");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(rows), L"&Lignes");
  return bar;
}

void PlanWindow::Create() {
  RegisterClasses(&PlanWindow::WindowProc, &PlanWindow::RowsProc);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  const SIZE base = BaseUnits(font_);
  if (base.cx > 0 && base.cy > 0) base_x_ = base.cx, base_y_ = base.cy;
  refused_brush_ = CreateSolidBrush(kRefused);
  warning_icon_ = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32515), IMAGE_ICON,  // IDI_WARNING
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                LR_SHARED));

  std::vector<ACCEL> keys;
  AccelKey(keys, FCONTROL, 'N', ids::kNew);
  AccelKey(keys, FCONTROL, 'O', ids::kOpen);
  AccelKey(keys, FCONTROL, 'S', ids::kSave);
  AccelKey(keys, FCONTROL | FSHIFT, 'S', ids::kSaveAs);
  AccelKey(keys, FCONTROL, VK_INSERT, ids::kAddRow);
  AccelKey(keys, FCONTROL, 'D', ids::kDuplicateRow);
  AccelKey(keys, FCONTROL, VK_DELETE, ids::kRemoveRow);
  AccelKey(keys, FALT, VK_UP, ids::kMoveUp);
  AccelKey(keys, FALT, VK_DOWN, ids::kMoveDown);
  AccelKey(keys, FCONTROL | FSHIFT, 'C', ids::kCopyRunSheet);
  accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));

  // Wide enough for every column and the settings; tall enough for the
  // settings, the results and the run sheet.
  const RECT wanted{0, 0, Dx(2 * kMargin + kGap + kSettingsWidth) + GridWidth(),
                    Dy(3 * kMargin + 2 * kGap + 170 + kResultsHeight + kRowHeight + kRunSheetHeight)};
  RECT outer = wanted;
  AdjustWindowRectEx(&outer, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CONTROLPARENT);
  min_size_ = {outer.right - outer.left, outer.bottom - outer.top};
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                            CreateMenus(), GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) return;
  dialogs_.SetOwner(window_);

  // Created in the order Tab goes: the table, its buttons, the settings,
  // the results, the run sheet.
  for (std::size_t c = 0; c < kPlanColumnCount; ++c) {
    headers_[c] = Child(window_, WC_STATICW, SS_LEFT | SS_NOPREFIX, ids::kHeader + static_cast<int>(c));
  }
  rows_ = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, kRowsClass, L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN, 0, 0, 0, 0, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(ids::kRows)), GetModuleHandleW(nullptr), this);
  Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kAddRow, L"&Ajouter une ligne");
  Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kDuplicateRow, L"D&upliquer");
  Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kRemoveRow, L"Supp&rimer");
  Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kMoveUp, L"&Monter");
  Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kMoveDown, L"D&escendre");
  if (calculated_) {
    Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kAddCalculated, L"Ajouter la &pièce calculée");
  }

  Child(window_, WC_STATICW, SS_LEFT, ids::kLengthUnitLabel, L"U&nité des cotes");
  const HWND length = Child(window_, WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, ids::kLengthUnit);
  for (const LengthUnitInfo& unit : LengthUnits()) SendMessageW(length, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(unit.key).c_str()));
  for (std::size_t s = 0; s < kPlanSettingCount; ++s) {
    const auto setting = static_cast<PlanSetting>(s);
    setting_labels_[s] = Child(window_, WC_STATICW, SS_LEFT | SS_NOPREFIX, ids::kSettingLabel + static_cast<int>(s),
                               Widen(PlanSettingTitle(setting)));
    settings_[s] = Child(window_, WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, ids::kSetting + static_cast<int>(s));
    if (setting == PlanSetting::kDensity) {
      const HWND unit = Child(window_, WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, ids::kDensityUnit);
      for (const DensityUnitInfo& info : DensityUnits()) SendMessageW(unit, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(info.shown).c_str()));
    }
  }

  for (int id = ids::kResultProblem; id <= ids::kResultAdvice; ++id) {
    results_.push_back(Child(window_, WC_STATICW, SS_LEFT | SS_NOPREFIX, id));
  }
  const HWND icon = Child(window_, WC_STATICW, SS_ICON | SS_REALSIZEIMAGE, ids::kWarningIcon);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(warning_icon_), 0);
  Child(window_, WC_STATICW, SS_LEFT, ids::kProblemsLabel, L"Champs refusés");
  Child(window_, WC_LISTBOXW, WS_VSCROLL | LBS_NOSEL | LBS_NOINTEGRALHEIGHT, ids::kProblems);
  Child(window_, WC_STATICW, SS_LEFT, ids::kRunSheetLabel, L"Fiche de con&duite");
  Child(window_, WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, ids::kCopyRunSheet, L"&Copier la fiche");
  Child(window_, WC_EDITW, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, ids::kRunSheet);

  Refresh();
  Layout();
}

// ----- Showing the model -----

void PlanWindow::SetText(HWND control, const std::string& utf8) {
  if (WindowTextUtf8(control) == utf8) return;
  updating_ = true;
  SetWindowTextW(control, Widen(utf8).c_str());
  updating_ = false;
}

// As many rows of children as the plan has rows; new ones at the end of the
// tab order, after the row above.
void PlanWindow::SyncRows() {
  const PlanEditor& editor = document_.Editor();
  bool changed = false;
  while (row_controls_.size() > editor.RowCount()) {
    for (const HWND cell : row_controls_.back().cells) DestroyWindow(cell);
    row_controls_.pop_back();
    changed = true;
  }
  while (row_controls_.size() < editor.RowCount()) {
    const std::size_t row = row_controls_.size();
    RowControls controls;
    for (std::size_t c = 0; c < kPlanColumnCount; ++c) {
      const auto column = static_cast<PlanColumn>(c);
      const int id = ids::Cell(row, column);
      if (column == PlanColumn::kShape) {
        controls.cells[c] = Child(rows_, WC_COMBOBOXW, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, id);
        for (const PlanShapeInfo& shape : PlanShapes()) {
          SendMessageW(controls.cells[c], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(shape.name).c_str()));
        }
      } else if (IsEditColumn(column)) {
        controls.cells[c] = Child(rows_, WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL, id);
      } else {
        controls.cells[c] = Child(rows_, WC_STATICW, SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX, id);
      }
    }
    row_controls_.push_back(controls);
    changed = true;
  }
  if (current_row_ >= editor.RowCount()) current_row_ = editor.RowCount() > 0 ? editor.RowCount() - 1 : 0;
  if (changed) LayoutRows();
}

void PlanWindow::ShowTexts() {
  const PlanEditor& editor = document_.Editor();
  SetText(window_, document_.Title());
  for (std::size_t row = 0; row < row_controls_.size(); ++row) {
    const RowControls& controls = row_controls_[row];
    for (std::size_t c = 0; c < kPlanColumnCount; ++c) {
      const auto column = static_cast<PlanColumn>(c);
      const HWND cell = controls.cells[c];
      if (column == PlanColumn::kShape) {
        const auto shape = static_cast<WPARAM>(editor.RowShape(row));
        if (static_cast<WPARAM>(SendMessageW(cell, CB_GETCURSEL, 0, 0)) != shape) SendMessageW(cell, CB_SETCURSEL, shape, 0);
        continue;
      }
      SetText(cell, editor.CellText(row, column));
      if (IsEditColumn(column)) {
        const bool editable = editor.CellEditable(row, column);
        if ((IsWindowEnabled(cell) != FALSE) != editable) EnableWindow(cell, editable);
        // The field's name inside an empty box, for the rows the headers
        // do not follow.
        SendMessageW(cell, EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(Widen(editor.FieldName(row, column)).c_str()));
        InvalidateRect(cell, nullptr, TRUE);  // its pink comes and goes with its problem
      }
    }
  }
  const std::optional<std::size_t> row =
      editor.RowCount() > 0 ? std::optional<std::size_t>(current_row_) : std::nullopt;
  for (std::size_t c = 0; c < kPlanColumnCount; ++c) SetText(headers_[c], editor.ColumnHeader(static_cast<PlanColumn>(c), row));

  const HWND length = GetDlgItem(window_, ids::kLengthUnit);
  const auto length_index = static_cast<WPARAM>(editor.GetLengthUnit());
  if (static_cast<WPARAM>(SendMessageW(length, CB_GETCURSEL, 0, 0)) != length_index) SendMessageW(length, CB_SETCURSEL, length_index, 0);
  const HWND density = GetDlgItem(window_, ids::kDensityUnit);
  const auto density_index = static_cast<WPARAM>(editor.GetDensityUnit());
  if (static_cast<WPARAM>(SendMessageW(density, CB_GETCURSEL, 0, 0)) != density_index) SendMessageW(density, CB_SETCURSEL, density_index, 0);
  for (std::size_t s = 0; s < kPlanSettingCount; ++s) {
    SetText(settings_[s], editor.SettingText(static_cast<PlanSetting>(s)));
    InvalidateRect(settings_[s], nullptr, TRUE);
  }

  const PlanResults& results = editor.Results();
  const LoadSummary& load = results.load;
  std::string advice;
  for (const std::string& line : load.supply_advice) advice += (advice.empty() ? "" : "\r\n") + line;
  const std::array<const std::string*, 7> lines = {&load.problem, &load.area, &load.current, &load.time,
                                                   &load.thickness_at_time, &load.supply, &advice};
  for (std::size_t i = 0; i < lines.size(); ++i) SetText(results_[i], *lines[i]);
  ShowWindow(GetDlgItem(window_, ids::kWarningIcon), load.supply_advice.empty() ? SW_HIDE : SW_SHOWNA);
  if (results.problems != shown_problems_) {
    const HWND list = GetDlgItem(window_, ids::kProblems);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& problem : results.problems) {
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(problem).c_str()));
    }
    shown_problems_ = results.problems;
  }
  SetText(GetDlgItem(window_, ids::kRunSheet), Narrow(WindowsLines(results.RunSheetText())));

  const std::size_t count = editor.RowCount();
  EnableWindow(GetDlgItem(window_, ids::kDuplicateRow), count > 0);
  EnableWindow(GetDlgItem(window_, ids::kRemoveRow), count > 0);
  EnableWindow(GetDlgItem(window_, ids::kMoveUp), count > 0 && current_row_ > 0);
  EnableWindow(GetDlgItem(window_, ids::kMoveDown), current_row_ + 1 < count);
  const bool calculated = calculated_ && calculated_().has_value();
  if (const HWND add = GetDlgItem(window_, ids::kAddCalculated)) EnableWindow(add, calculated);
  const HMENU menu = GetMenu(window_);
  EnableMenuItem(menu, ids::kDuplicateRow, count > 0 ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(menu, ids::kRemoveRow, count > 0 ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(menu, ids::kMoveUp, count > 0 && current_row_ > 0 ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(menu, ids::kMoveDown, current_row_ + 1 < count ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(menu, ids::kAddCalculated, calculated ? MF_ENABLED : MF_GRAYED);
}

void PlanWindow::Refresh() {
  if (window_ == nullptr) return;
  SyncRows();
  ShowTexts();
  // Laid out again only when a result line came or went (not at every key).
  std::vector<bool> lines;
  for (const HWND line : results_) lines.push_back(GetWindowTextLengthW(line) > 0);
  lines.push_back(document_.Editor().Results().load.supply_advice.size() > 1);
  if (lines != laid_out_lines_) {
    laid_out_lines_ = lines;
    Layout();
  }
}

// ----- Layout -----

// The rows panel's width with the label's column at its narrowest.
int PlanWindow::GridWidth() const {
  int width = Dx(2) + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE) + Dx(2);
  for (const int column : kColumnWidths) width += Dx(column) + Dx(2);
  return width;
}

void PlanWindow::Layout() {
  RECT client{};
  GetClientRect(window_, &client);
  const int margin = Dx(kMargin), gap = Dx(kGap), vgap = Dy(kGap);
  const int settings_width = Dx(kSettingsWidth);
  const int right_x = std::max(margin, static_cast<int>(client.right) - margin - settings_width);
  const int left_width = std::max(GridWidth(), right_x - gap - margin);
  const int bottom = client.bottom - margin;
  // From the bottom up: the run sheet, the results, then the table above.
  const int sheet_top = bottom - Dy(kRunSheetHeight);
  const int sheet_label_top = sheet_top - Dy(kRowHeight) - vgap / 2;
  const int results_top = sheet_label_top - vgap - Dy(kResultsHeight);
  const int buttons_top = results_top - vgap - Dy(kRowHeight);
  const int header_height = Dy(18);
  const int rows_top = margin + header_height;
  const int rows_height = std::max(Dy(kRowHeight) + 4, buttons_top - vgap - rows_top);

  HDWP moves = BeginDeferWindowPos(64);
  auto place = [&](HWND control, int x, int y, int width, int height) {
    if (control != nullptr) moves = DeferWindowPos(moves, control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  // The headers over the cells, the label's column taking the slack.
  const int fixed = [&] {
    int sum = 0;
    for (std::size_t c = 0; c < kPlanColumnCount; ++c) {
      if (static_cast<PlanColumn>(c) != PlanColumn::kLabel) sum += Dx(kColumnWidths[c]) + Dx(2);
    }
    return sum;
  }();
  const int scroll_width = GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE);
  const int label_width = std::max(Dx(kColumnWidths[static_cast<std::size_t>(PlanColumn::kLabel)]),
                                   left_width - scroll_width - fixed - Dx(2) - Dx(4));
  int x = margin + GetSystemMetrics(SM_CXEDGE) + Dx(2);
  for (std::size_t c = 0; c < kPlanColumnCount; ++c) {
    const int width = static_cast<PlanColumn>(c) == PlanColumn::kLabel ? label_width : Dx(kColumnWidths[c]);
    place(headers_[c], x, margin, width, header_height - Dy(2));
    x += width + Dx(2);
  }
  place(rows_, margin, rows_top, left_width, rows_height);

  x = margin;
  for (int id = ids::kAddRow; id <= ids::kAddCalculated; ++id) {
    const HWND button = GetDlgItem(window_, id);
    if (button == nullptr) continue;
    const HDC dc = GetDC(button);
    const HGDIOBJ old = SelectObject(dc, font_);
    const std::wstring text = Widen(WindowTextUtf8(button));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    const int width = std::max(Dx(40), static_cast<int>(size.cx) + Dx(10));
    place(button, x, buttons_top, width, Dy(kRowHeight));
    x += width + gap;
  }

  // The right column: the length unit, then each setting under its title.
  int y = margin;
  place(GetDlgItem(window_, ids::kLengthUnitLabel), right_x, y, settings_width, Dy(9));
  place(GetDlgItem(window_, ids::kLengthUnit), right_x, y + Dy(9), Dx(60), Dy(120));
  y += Dy(9) + Dy(12) + vgap;
  for (std::size_t s = 0; s < kPlanSettingCount; ++s) {
    place(setting_labels_[s], right_x, y, settings_width, Dy(9));
    if (static_cast<PlanSetting>(s) == PlanSetting::kDensity) {
      place(settings_[s], right_x, y + Dy(9), Dx(60), Dy(12));
      place(GetDlgItem(window_, ids::kDensityUnit), right_x + Dx(60) + gap, y + Dy(9), Dx(60), Dy(80));
    } else {
      place(settings_[s], right_x, y + Dy(9), Dx(60), Dy(12));
    }
    y += Dy(9) + Dy(12) + vgap;
  }

  // The results: one line each, those with no text taking no room, the
  // warning icon before the supply's line.
  const int icon_size = GetSystemMetrics(SM_CXSMICON);
  const int results_width = (client.right - 2 * margin) * 11 / 20;
  y = results_top;
  for (std::size_t i = 0; i < results_.size(); ++i) {
    const std::string text = WindowTextUtf8(results_[i]);
    const int lines = text.empty() ? 0 : 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    const bool supply = static_cast<int>(i) + ids::kResultProblem >= ids::kResultSupply;
    const int indent = supply ? icon_size + gap : 0;
    if (static_cast<int>(i) + ids::kResultProblem == ids::kResultSupply) {
      place(GetDlgItem(window_, ids::kWarningIcon), margin, y, icon_size, icon_size);
    }
    place(results_[i], margin + indent, y, results_width - indent, lines * Dy(kResultLine));
    y += lines * Dy(kResultLine);
  }
  const int problems_x = margin + results_width + gap;
  place(GetDlgItem(window_, ids::kProblemsLabel), problems_x, results_top, client.right - margin - problems_x,
        Dy(kResultLine));
  place(GetDlgItem(window_, ids::kProblems), problems_x, results_top + Dy(kResultLine + 1),
        client.right - margin - problems_x, Dy(kResultsHeight - kResultLine - 1));

  place(GetDlgItem(window_, ids::kRunSheetLabel), margin, sheet_label_top + Dy(3), Dx(120), Dy(9));
  place(GetDlgItem(window_, ids::kCopyRunSheet), client.right - margin - Dx(70), sheet_label_top, Dx(70), Dy(kRowHeight));
  place(GetDlgItem(window_, ids::kRunSheet), margin, sheet_top, client.right - 2 * margin, Dy(kRunSheetHeight));
  EndDeferWindowPos(moves);
  LayoutRows();
}

void PlanWindow::LayoutRows() {
  if (rows_ == nullptr) return;
  RECT client{};
  GetClientRect(rows_, &client);
  const int row_height = Dy(kRowHeight);
  const int visible = std::max(1, static_cast<int>(client.bottom) / row_height);
  const std::size_t count = row_controls_.size();
  first_row_ = std::min(first_row_, count > static_cast<std::size_t>(visible) ? count - visible : 0);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0,
                  static_cast<int>(count) - 1, static_cast<UINT>(visible), static_cast<int>(first_row_), 0};
  if (count == 0) info.nMax = 0;
  SetScrollInfo(rows_, SB_VERT, &info, TRUE);

  HWND label_header = headers_[static_cast<std::size_t>(PlanColumn::kLabel)];
  RECT label_rect{};
  GetWindowRect(label_header, &label_rect);
  const int label_width = label_rect.right - label_rect.left;
  HDWP moves = BeginDeferWindowPos(static_cast<int>(count * kPlanColumnCount) + 1);
  for (std::size_t row = 0; row < count; ++row) {
    const int y = (static_cast<int>(row) - static_cast<int>(first_row_)) * row_height + Dy(1);
    int x = Dx(2);
    for (std::size_t c = 0; c < kPlanColumnCount; ++c) {
      const auto column = static_cast<PlanColumn>(c);
      const int width = column == PlanColumn::kLabel ? label_width : Dx(kColumnWidths[c]);
      // A drop-down list's height is its list's.
      const int height = column == PlanColumn::kShape ? Dy(kRowHeight) * 9 : Dy(kRowHeight) - Dy(2);
      moves = DeferWindowPos(moves, row_controls_[row].cells[c], nullptr, x, y, width - Dx(1), height,
                             SWP_NOZORDER | SWP_NOACTIVATE);
      x += width + Dx(2);
    }
  }
  EndDeferWindowPos(moves);
  InvalidateRect(rows_, nullptr, TRUE);
}

void PlanWindow::ScrollRows(int request) {
  RECT client{};
  GetClientRect(rows_, &client);
  const int visible = std::max(1, static_cast<int>(client.bottom) / Dy(kRowHeight));
  int first = static_cast<int>(first_row_);
  switch (request) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= visible; break;
    case SB_PAGEDOWN: first += visible; break;
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = static_cast<int>(row_controls_.size()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(rows_, SB_VERT, &info);
      first = info.nTrackPos;
      break;
    }
    default: return;
  }
  first_row_ = static_cast<std::size_t>(std::max(0, first));
  LayoutRows();
}

void PlanWindow::EnsureRowVisible(std::size_t row) {
  RECT client{};
  GetClientRect(rows_, &client);
  const std::size_t visible = static_cast<std::size_t>(std::max(1, static_cast<int>(client.bottom) / Dy(kRowHeight)));
  const std::size_t before = first_row_;
  if (row < first_row_) first_row_ = row;
  if (row >= first_row_ + visible) first_row_ = row + 1 - visible;
  if (first_row_ != before) LayoutRows();
}

// ----- Input -----

std::optional<std::pair<std::size_t, PlanColumn>> PlanWindow::CellOf(HWND control) const {
  if (control == nullptr || GetParent(control) != rows_) return std::nullopt;
  const int id = GetDlgCtrlID(control) - ids::kCell;
  if (id < 0) return std::nullopt;
  const auto row = static_cast<std::size_t>(id / ids::kCellsPerRow);
  const int column = id % ids::kCellsPerRow;
  if (row >= row_controls_.size() || column >= static_cast<int>(kPlanColumnCount)) return std::nullopt;
  return std::pair{row, static_cast<PlanColumn>(column)};
}

void PlanWindow::FocusCell(std::size_t row, PlanColumn column) {
  if (row >= row_controls_.size()) return;
  if (!document_.Editor().CellEditable(row, column) && column != PlanColumn::kShape) column = PlanColumn::kShape;
  EnsureRowVisible(row);
  const HWND cell = row_controls_[row].cells[static_cast<std::size_t>(column)];
  SetFocus(cell);
  if (column != PlanColumn::kShape) SendMessageW(cell, EM_SETSEL, 0, -1);
}

void PlanWindow::CellCommand(std::size_t row, PlanColumn column, int notification, HWND control) {
  PlanEditor& editor = document_.Editor();
  switch (notification) {
    case EN_CHANGE:
      if (updating_) return;
      editor.SetCellText(row, column, WindowTextUtf8(control));
      Refresh();
      return;
    case CBN_SELCHANGE: {
      const LRESULT index = SendMessageW(control, CB_GETCURSEL, 0, 0);
      if (index < 0 || static_cast<std::size_t>(index) >= PlanShapes().size()) return;
      editor.SetRowShape(row, static_cast<PlanShape>(index));
      Refresh();
      return;
    }
    case EN_SETFOCUS:
    case CBN_SETFOCUS:
      current_column_ = column;
      escape_control_ = notification == EN_SETFOCUS ? control : nullptr;
      escape_text_ = WindowTextUtf8(control);
      EnsureRowVisible(row);
      if (current_row_ != row) {
        current_row_ = row;
        Refresh();  // the headers follow the row
      }
      return;
    default:
      return;
  }
}

void PlanWindow::Command(int id, int notification, HWND control) {
  if (id >= ids::kCell) {
    if (const auto cell = CellOf(control)) CellCommand(cell->first, cell->second, notification, control);
    return;
  }
  PlanEditor& editor = document_.Editor();
  if (id >= ids::kSetting && id < ids::kSetting + static_cast<int>(kPlanSettingCount)) {
    if (notification == EN_CHANGE && !updating_) {
      editor.SetSettingText(static_cast<PlanSetting>(id - ids::kSetting), WindowTextUtf8(control));
      Refresh();
    } else if (notification == EN_SETFOCUS) {
      escape_control_ = control;
      escape_text_ = WindowTextUtf8(control);
    }
    return;
  }
  if (id == ids::kLengthUnit || id == ids::kDensityUnit) {
    if (notification != CBN_SELCHANGE) return;
    const LRESULT index = SendMessageW(control, CB_GETCURSEL, 0, 0);
    if (index < 0) return;
    if (id == ids::kLengthUnit) {
      editor.SetLengthUnit(LengthUnits()[static_cast<std::size_t>(index)].unit);
    } else {
      editor.SetDensityUnit(DensityUnits()[static_cast<std::size_t>(index)].unit);
    }
    Refresh();
    return;
  }
  // Menus, accelerators (notification 0 or 1) and buttons (BN_CLICKED, 0).
  if (notification != 0 && notification != 1) return;
  const std::size_t count = editor.RowCount();
  const bool have_row = current_row_ < count;
  std::optional<std::size_t> focus_row;
  switch (id) {
    case ids::kNew:
      if (document_.New()) focus_row = 0;
      break;
    case ids::kOpen:
      if (document_.Open()) focus_row = 0;
      break;
    case ids::kSave: document_.Save(); break;
    case ids::kSaveAs: document_.SaveAs(); break;
    case ids::kClose: SendMessageW(window_, WM_CLOSE, 0, 0); return;
    case ids::kAddRow: focus_row = editor.AddRow(have_row ? std::optional(current_row_) : std::nullopt); break;
    case ids::kDuplicateRow:
      if (have_row) focus_row = editor.DuplicateRow(current_row_);
      break;
    case ids::kRemoveRow:
      if (have_row) {
        editor.RemoveRow(current_row_);
        if (editor.RowCount() > 0) focus_row = std::min(current_row_, editor.RowCount() - 1);
      }
      break;
    case ids::kMoveUp:
    case ids::kMoveDown:
      if (have_row) focus_row = editor.MoveRow(current_row_, id == ids::kMoveUp ? -1 : +1);
      break;
    case ids::kAddCalculated:
      if (calculated_) {
        if (const std::optional<CalculatedPart> part = calculated_()) focus_row = editor.AddCalculatedPart(*part);
      }
      break;
    case ids::kCopyRunSheet: CopyRunSheet(); return;
    default: return;
  }
  if (focus_row) current_row_ = *focus_row;
  Refresh();
  if (focus_row) FocusCell(*focus_row, id == ids::kNew || id == ids::kOpen ? PlanColumn::kShape : current_column_);
}

void PlanWindow::CopyRunSheet() {
  const std::wstring text = WindowsLines(document_.Editor().Results().RunSheetText());
  if (OpenClipboard(window_) == 0) return;
  EmptyClipboard();
  if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), copy);
    copy[text.size()] = L'\0';
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

bool PlanWindow::KeyDown(const MSG& message) {
  const HWND focus = GetFocus();
  const auto cell = CellOf(focus);
  const bool combo = ClassOf(focus) == WC_COMBOBOXW;
  const bool edit = ClassOf(focus) == WC_EDITW;
  if (combo && SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0) != 0) return false;  // the list takes its keys
  const bool alt = GetKeyState(VK_MENU) < 0, control = GetKeyState(VK_CONTROL) < 0;
  switch (message.wParam) {
    case VK_RETURN:
      if (cell) {
        if (cell->first + 1 < row_controls_.size()) FocusCell(cell->first + 1, cell->second);
        return true;
      }
      if (ClassOf(focus) == WC_BUTTONW) {
        SendMessageW(focus, BM_CLICK, 0, 0);
        return true;
      }
      if ((edit && GetDlgCtrlID(focus) != plan_ids::kRunSheet) || combo) {
        if (const HWND next = GetNextDlgTabItem(window_, focus, FALSE)) SetFocus(next);
        return true;
      }
      return false;
    case VK_UP:
    case VK_DOWN:
      if (!cell || combo || alt || control) return false;
      if (message.wParam == VK_UP && cell->first > 0) FocusCell(cell->first - 1, cell->second);
      if (message.wParam == VK_DOWN && cell->first + 1 < row_controls_.size()) FocusCell(cell->first + 1, cell->second);
      return true;
    case VK_ESCAPE:
      if (edit && focus == escape_control_) {
        SetWindowTextW(focus, Widen(escape_text_).c_str());  // EN_CHANGE gives it to the model
        SendMessageW(focus, EM_SETSEL, 0, -1);
      }
      return true;
    case VK_F2:
      if (edit) {
        const int length = GetWindowTextLengthW(focus);
        SendMessageW(focus, EM_SETSEL, length, length);
        return true;
      }
      if (combo) {
        SendMessageW(focus, CB_SHOWDROPDOWN, TRUE, 0);
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool PlanWindow::PreTranslate(MSG& message) {
  if (window_ == nullptr || (message.hwnd != window_ && IsChild(window_, message.hwnd) == 0)) return false;
  if (TranslateAcceleratorW(window_, accelerators_, &message) != 0) return true;
  if (message.message == WM_KEYDOWN && KeyDown(message)) return true;
  return IsDialogMessageW(window_, &message) != 0;
}

void PlanWindow::Show(int cmd_show) {
  if (window_ == nullptr) return;
  if (IsIconic(window_) != 0) cmd_show = SW_RESTORE;
  ShowWindow(window_, cmd_show);
  SetForegroundWindow(window_);
  if (GetFocus() == nullptr || IsChild(window_, GetFocus()) == 0) FocusCell(current_row_, PlanColumn::kShape);
}

// ----- Messages -----

LRESULT PlanWindow::ColorOf(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  const PlanEditor& editor = document_.Editor();
  bool refused = false;
  if (const auto cell = CellOf(control)) {
    refused = IsEditColumn(cell->second) && !editor.CellProblem(cell->first, cell->second).empty();
  } else if (id >= ids::kSetting && id < ids::kSetting + static_cast<int>(kPlanSettingCount)) {
    refused = !editor.SettingProblem(static_cast<PlanSetting>(id - ids::kSetting)).empty();
  }
  if (refused) {
    SetBkColor(dc, kRefused);
    return reinterpret_cast<LRESULT>(refused_brush_);
  }
  const bool warning = id == ids::kResultSupply || id == ids::kResultAdvice || id == ids::kResultProblem;
  if (!warning && id != ids::kProblems) return -1;  // the system's colours
  // The default handling would put the text colour back: the background
  // goes with it here.
  const int background = id == ids::kProblems ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(dc, kWarning);
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

LRESULT CALLBACK PlanWindow::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<PlanWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto* self = reinterpret_cast<PlanWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
      self->rows_ = nullptr;
      if (self->destroyed_) self->destroyed_();
      return DefWindowProcW(window, message, wparam, lparam);
    }
    return self->Message(message, wparam, lparam);
  });
}

// The rows panel passes its children's notifications and colours to the
// window, and scrolls.
LRESULT CALLBACK PlanWindow::RowsProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<PlanWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (self == nullptr || self->window_ == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
      case WM_COMMAND:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC:
        return self->Message(message, wparam, lparam);
      case WM_VSCROLL:
        self->ScrollRows(LOWORD(wparam));
        return 0;
      case WM_MOUSEWHEEL:
        self->ScrollRows(GET_WHEEL_DELTA_WPARAM(wparam) > 0 ? SB_LINEUP : SB_LINEDOWN);
        return 0;
      case WM_SIZE:
        self->LayoutRows();
        return 0;
      default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
  });
}

LRESULT PlanWindow::Message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      Command(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: {
      const LRESULT brush = ColorOf(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
      if (brush != -1) return brush;
      return DefWindowProcW(window_, message, wparam, lparam);
    }
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO:
      if (min_size_.x > 0) reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = min_size_;
      return 0;
    case WM_ACTIVATE:
      // Back to the control that had the focus, as a dialog does.
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (IsChild(window_, GetFocus()) != 0) last_focus_ = GetFocus();
      } else if (HIWORD(wparam) == 0) {
        if (last_focus_ != nullptr && IsWindow(last_focus_) != 0) {
          SetFocus(last_focus_);
        } else {
          FocusCell(current_row_, PlanColumn::kShape);
        }
      }
      return 0;
    case WM_CLOSE:
      if (document_.MayClose()) DestroyWindow(window_);
      return 0;
    case WM_QUERYENDSESSION:
      return document_.MayClose() ? TRUE : FALSE;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

}  // namespace anod::win32
