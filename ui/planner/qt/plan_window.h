// The Plan de bain window on Qt: a shell that shows the plan document
// (ui/planner/plan_document.h) and passes the user's edits back to it.
//
//   ┌ Fichier  Lignes ─────────────────────────────────────────────┐
//   │ table of rows (Forme, Quantité, Cote 1..3,  │ Unité de longueur│
//   │ Libellé, areas), its row buttons below      │ rack, density +  │
//   │                                             │ unit, thickness, │
//   │                                             │ supply, time     │
//   │ Résultats: area, current, time, the supply's warning, problems │
//   │ Fiche de travail: the four steps          [Copier la fiche]   │
//   └───────────────────────────────────────────────────────────────┘
//
// Every keystroke in a cell or a field is read by the editor at once: the
// results follow, a refused text turns its field the refused colour with
// its message as tooltip and in the problems' list, and no box opens. Rows:
// Inser adds, Ctrl+D duplicates, Suppr removes, Alt+Haut / Alt+Bas move the
// row the user is on. Files: Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Maj+S; closing the
// window or the session ending with unsaved changes asks the document's
// question first.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "ui/planner/plan_document.h"
#include "ui/planner/qt/plan_file_dialogs.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace anod::qt {

class PlanTableModel;

class PlanWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // `offers_calculated_part`: opened from the main window, whose last
  // calculation "Ajouter la pièce calculée" adds as a row.
  explicit PlanWindow(bool offers_calculated_part = false, QWidget* parent = nullptr);
  ~PlanWindow() override;

  PlanDocument& Document() { return document_; }
  // Opens `path` as the window's plan; a file that cannot be read says why
  // in a box and leaves the new plan.
  bool OpenFile(const std::filesystem::path& path);
  // The main window's last successful calculation (none yet: the command
  // stays disabled).
  void SetCalculatedPart(std::optional<CalculatedPart> part);

  // For the tests, which drive the window as the user would.
  QTableView* Table() const { return table_; }
  QLineEdit* SettingField(PlanSetting setting) const { return settings_[static_cast<std::size_t>(setting)]; }
  QAction* Command(const char* object_name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  QWidget* BuildTableSide();
  QWidget* BuildSettings();
  QWidget* BuildResults();
  QWidget* BuildRunSheet();
  // Everything shown from the editor's texts, after any edit.
  void ShowResults();
  // The fields from the editor, after the plan was replaced as a whole.
  void FillFields();
  void AfterFileAction(bool replaced);
  std::optional<int> CurrentRow() const;
  void SelectRow(int row);

  PlanDialogs services_;
  PlanDocument document_;
  std::optional<CalculatedPart> calculated_part_;
  PlanTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QComboBox* length_unit_ = nullptr;
  QComboBox* density_unit_ = nullptr;
  std::array<QLineEdit*, kPlanSettingCount> settings_{};
  std::array<QLabel*, 5> load_lines_{};  // area, current, time, thickness at the time, a supply that suffices
  QFrame* supply_box_ = nullptr;
  QLabel* supply_text_ = nullptr;
  QLabel* problems_ = nullptr;
  QPlainTextEdit* run_sheet_ = nullptr;
  QAction* add_calculated_ = nullptr;
  std::array<QAction*, 4> row_commands_{};  // duplicate, remove, up, down: need a row
};

}  // namespace anod::qt
