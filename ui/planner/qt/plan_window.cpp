#include "ui/planner/qt/plan_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "plan/plan_units.h"
#include "ui/planner/qt/plan_cell_delegate.h"
#include "ui/planner/qt/plan_table_model.h"

namespace anod::qt {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

constexpr std::array kSettings = {PlanSetting::kRack, PlanSetting::kDensity, PlanSetting::kThickness,
                                  PlanSetting::kSupply, PlanSetting::kTime};

// A field's look and tooltip from its problem: the refused colour and the
// message, or the desktop's own look.
void MarkField(QWidget* field, const std::string& problem) {
  if (problem.empty()) {
    field->setPalette(QPalette());
    field->setToolTip({});
    return;
  }
  QPalette refused = field->palette();
  refused.setColor(QPalette::Base, RefusedFieldColor());
  field->setPalette(refused);
  field->setToolTip(Utf8(problem));
}

QLabel* ResultLine(QWidget* parent) {
  auto* line = new QLabel(parent);
  line->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  line->setWordWrap(true);
  return line;
}

void ShowLine(QLabel* line, const std::string& text) {
  line->setText(Utf8(text));
  line->setVisible(!text.empty());
}

}  // namespace

PlanWindow::PlanWindow(bool offers_calculated_part, QWidget* parent)
    : QMainWindow(parent), services_(this), document_(services_) {
  setObjectName(QStringLiteral("PlanWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  model_ = new PlanTableModel(document_.Editor(), this);
  BuildActions();
  if (!offers_calculated_part) add_calculated_->setVisible(false);

  auto* central = new QWidget(this);
  auto* page = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  top->addWidget(BuildTableSide(), 3);
  top->addWidget(BuildSettings(), 1);
  page->addLayout(top, 3);
  page->addWidget(BuildResults());
  page->addWidget(BuildRunSheet(), 1);
  setCentralWidget(central);

  connect(model_, &PlanTableModel::Edited, this, &PlanWindow::ShowResults);
  // The session's end asks as a close does, where the session lets us ask.
  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
      if (document_.Modified() && manager.allowsInteraction()) {
        if (!document_.MayClose()) manager.cancel();
        manager.release();
      }
    });
  }
  FillFields();
  // Sized by its contents in the desktop's font, not in pixels.
  const QFontMetrics metrics(font());
  resize(metrics.averageCharWidth() * 130, metrics.height() * 40);
}

// The views ask the document until they go: they go first.
PlanWindow::~PlanWindow() {
  delete centralWidget();
  delete model_;
}

void PlanWindow::BuildActions() {
  struct Command {
    const char* name;
    QString text;
    QKeySequence keys;
    QString tip;
  };
  auto make = [this](const Command& command, auto slot) {
    auto* action = new QAction(command.text, this);
    action->setObjectName(QString::fromLatin1(command.name));
    action->setShortcut(command.keys);
    action->setToolTip(command.tip);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
  file->addAction(make({"new", "&Nouveau", QKeySequence::New, {}}, [this] { AfterFileAction(document_.New()); }));
  file->addAction(make({"open", "&Ouvrir\u2026", QKeySequence::Open, {}}, [this] { AfterFileAction(document_.Open()); }));
  file->addAction(make({"save", "&Enregistrer", QKeySequence::Save, {}}, [this] {
    document_.Save();
    ShowResults();
  }));
  file->addAction(make({"save_as", "Enregistrer &sous\u2026", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), {}},
                       [this] {
                         document_.SaveAs();
                         ShowResults();
                       }));
  file->addSeparator();
  file->addAction(make({"close", "&Fermer", QKeySequence::Close, {}}, [this] { close(); }));

  // The row commands act on the table: their keys work while it has the
  // focus, so Suppr in a field beside it still deletes a character.
  QMenu* rows = menuBar()->addMenu(QStringLiteral("&Lignes"));
  const auto row_command = [&](const Command& command, auto slot) {
    QAction* action = make(command, slot);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    rows->addAction(action);
    return action;
  };
  row_command({"add_row", "&Ajouter une ligne", Qt::Key_Insert, "Ajouter une ligne sous la ligne courante (Inser)"},
              [this] { SelectRow(model_->AddRow(CurrentRow())); });
  row_commands_[0] = row_command({"duplicate_row", "&Dupliquer la ligne", QKeySequence(Qt::CTRL | Qt::Key_D),
                                  "Dupliquer la ligne courante juste dessous (Ctrl+D)"},
                                 [this] { if (auto row = CurrentRow()) SelectRow(model_->DuplicateRow(*row)); });
  row_commands_[1] = row_command({"remove_row", "&Supprimer la ligne", QKeySequence::Delete,
                                  "Supprimer la ligne courante (Suppr)"}, [this] {
    if (auto row = CurrentRow()) {
      model_->RemoveRow(*row);
      if (model_->rowCount() > 0) SelectRow(std::min(*row, model_->rowCount() - 1));
    }
  });
  row_commands_[2] = row_command({"move_up", "&Monter la ligne", QKeySequence(Qt::ALT | Qt::Key_Up),
                                  "Monter la ligne courante d'un rang (Alt+Haut)"},
                                 [this] { if (auto row = CurrentRow()) SelectRow(model_->MoveRow(*row, -1)); });
  row_commands_[3] = row_command({"move_down", "D&escendre la ligne", QKeySequence(Qt::ALT | Qt::Key_Down),
                                  "Descendre la ligne courante d'un rang (Alt+Bas)"},
                                 [this] { if (auto row = CurrentRow()) SelectRow(model_->MoveRow(*row, +1)); });
  rows->addSeparator();
  add_calculated_ = make({"add_calculated", "Ajouter la &pi\u00e8" "ce calcul\u00e9" "e", {},
                          "Ajouter en ligne la derni\u00e8re pi\u00e8" "ce calcul\u00e9" "e dans la fen\u00eatre principale"},
                         [this] { if (calculated_part_) SelectRow(model_->AddCalculatedPart(*calculated_part_)); });
  add_calculated_->setEnabled(false);
  rows->addAction(add_calculated_);
}

QAction* PlanWindow::Command(const char* object_name) const {
  return findChild<QAction*>(QString::fromLatin1(object_name));
}

QWidget* PlanWindow::BuildTableSide() {
  auto* side = new QWidget(this);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  table_ = new QTableView(side);
  table_->setObjectName(QStringLiteral("rows"));
  table_->setAccessibleName(QStringLiteral("Lignes du plan"));
  table_->horizontalHeader()->setAccessibleName(QStringLiteral("Colonnes des lignes"));
  table_->setModel(model_);
  table_->setItemDelegate(new PlanCellDelegate(table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectItems);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  // Typing over a cell edits it, F2 or a double click opens it; the arrow
  // keys move between cells without opening each.
  table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
  table_->setTabKeyNavigation(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(static_cast<int>(PlanColumn::kLabel), QHeaderView::Stretch);
  for (QAction* action : findChildren<QAction*>()) {
    if (action->shortcutContext() == Qt::WidgetWithChildrenShortcut) table_->addAction(action);
  }
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& now) {
    model_->SetCurrentRow(now.isValid() ? std::optional<std::size_t>(static_cast<std::size_t>(now.row())) : std::nullopt);
    ShowResults();
  });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    if (model_->rowCount() > 0) SelectRow(0);
  });
  layout->addWidget(table_, 1);

  auto* buttons = new QHBoxLayout;
  for (const char* name : {"add_row", "duplicate_row", "remove_row", "move_up", "move_down", "add_calculated"}) {
    auto* button = new QToolButton(side);
    button->setDefaultAction(Command(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  layout->addLayout(buttons);
  return side;
}

QWidget* PlanWindow::BuildSettings() {
  auto* box = new QGroupBox(QStringLiteral("R\u00e9glages"), this);
  auto* form = new QFormLayout(box);
  length_unit_ = new QComboBox(box);
  length_unit_->setObjectName(QStringLiteral("length_unit"));
  for (const LengthUnitInfo& unit : LengthUnits()) length_unit_->addItem(QString::fromUtf8(unit.key));
  // A combo box reads as its current item ("cm"); the description says
  // what it is.
  length_unit_->setAccessibleName(QStringLiteral("Unit\u00e9 de longueur"));
  length_unit_->setAccessibleDescription(length_unit_->accessibleName());
  connect(length_unit_, &QComboBox::activated, this, [this](int index) {
    document_.Editor().SetLengthUnit(LengthUnits()[static_cast<std::size_t>(index)].unit);
    model_->AnnounceChange();
  });
  form->addRow(QStringLiteral("Unit\u00e9 de &longueur"), length_unit_);

  for (const PlanSetting setting : kSettings) {
    auto* field = new QLineEdit(box);
    const QString title = QString::fromUtf8(PlanSettingTitle(setting));
    field->setAccessibleName(title);
    field->setObjectName(QStringLiteral("setting%1").arg(static_cast<int>(setting)));
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 10);
    // Every change of the text, typed or set by assistive technology; the
    // texts the window fills in from the plan are the editor's already.
    connect(field, &QLineEdit::textChanged, this, [this, setting](const QString& text) {
      if (text.toStdString() == document_.Editor().SettingText(setting)) return;
      document_.Editor().SetSettingText(setting, text.toStdString());
      ShowResults();
    });
    settings_[static_cast<std::size_t>(setting)] = field;
    if (setting == PlanSetting::kDensity) {
      density_unit_ = new QComboBox(box);
      density_unit_->setObjectName(QStringLiteral("density_unit"));
      density_unit_->setAccessibleName(QStringLiteral("Unit\u00e9 de densit\u00e9"));
      density_unit_->setAccessibleDescription(density_unit_->accessibleName());
      for (const DensityUnitInfo& unit : DensityUnits()) density_unit_->addItem(QString::fromUtf8(unit.shown));
      connect(density_unit_, &QComboBox::activated, this, [this](int index) {
        document_.Editor().SetDensityUnit(DensityUnits()[static_cast<std::size_t>(index)].unit);
        ShowResults();
      });
      auto* pair = new QHBoxLayout;
      pair->addWidget(field, 1);
      pair->addWidget(density_unit_);
      form->addRow(title, pair);
    } else {
      form->addRow(title, field);
    }
  }
  return box;
}

QWidget* PlanWindow::BuildResults() {
  auto* box = new QGroupBox(QStringLiteral("R\u00e9sultats"), this);
  auto* layout = new QVBoxLayout(box);
  for (QLabel*& line : load_lines_) {
    line = ResultLine(box);
    layout->addWidget(line);
  }
  // The supply's warning stands out: the desktop's warning icon beside it.
  supply_box_ = new QFrame(box);
  auto* supply = new QHBoxLayout(supply_box_);
  supply->setContentsMargins(0, 0, 0, 0);
  auto* icon = new QLabel(supply_box_);
  const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
  icon->setAlignment(Qt::AlignTop);
  supply->addWidget(icon);
  supply_text_ = ResultLine(supply_box_);
  supply->addWidget(supply_text_, 1);
  layout->addWidget(supply_box_);
  problems_ = ResultLine(box);
  problems_->setObjectName(QStringLiteral("problems"));
  QPalette red = problems_->palette();
  red.setColor(QPalette::WindowText, QColor(176, 0, 0));
  problems_->setPalette(red);
  layout->addWidget(problems_);
  return box;
}

QWidget* PlanWindow::BuildRunSheet() {
  auto* box = new QGroupBox(QStringLiteral("Fiche de travail"), this);
  auto* layout = new QVBoxLayout(box);
  run_sheet_ = new QPlainTextEdit(box);
  run_sheet_->setReadOnly(true);
  run_sheet_->setAccessibleName(QStringLiteral("Fiche de travail"));
  run_sheet_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  layout->addWidget(run_sheet_, 1);
  auto* copy = new QPushButton(QStringLiteral("&Copier la fiche"), box);
  copy->setObjectName(QStringLiteral("copy_run_sheet"));
  copy->setToolTip(QStringLiteral("Copier la fiche de travail dans le presse-papiers"));
  connect(copy, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(Utf8(document_.Editor().Results().RunSheetText())); });
  layout->addWidget(copy, 0, Qt::AlignRight);
  return box;
}

void PlanWindow::ShowResults() {
  const PlanEditor& editor = document_.Editor();
  const PlanResults& results = editor.Results();
  setWindowTitle(Utf8(document_.Title()));
  for (const PlanSetting setting : kSettings) {
    MarkField(settings_[static_cast<std::size_t>(setting)], editor.SettingProblem(setting));
  }
  const LoadSummary& load = results.load;
  ShowLine(load_lines_[0], load.problem.empty() ? load.area : load.problem);
  ShowLine(load_lines_[1], load.current);
  ShowLine(load_lines_[2], load.time);
  ShowLine(load_lines_[3], load.thickness_at_time);
  // A supply that suffices is said plainly; one that does not, with the
  // warning icon and its advice.
  ShowLine(load_lines_[4], load.supply_advice.empty() ? load.supply : std::string());
  QString supply = Utf8(load.supply);
  for (const std::string& advice : load.supply_advice) supply += QLatin1Char('\n') + Utf8(advice);
  supply_text_->setText(supply);
  supply_box_->setVisible(!load.supply_advice.empty());
  QStringList problems;
  for (const std::string& problem : results.problems) problems << Utf8(problem);
  problems_->setText(problems.join(QLatin1Char('\n')));
  problems_->setVisible(!problems.isEmpty());
  QStringList sheet;
  for (const std::string& step : results.run_sheet) sheet << Utf8(step);
  if (run_sheet_->toPlainText() != sheet.join(QLatin1Char('\n'))) run_sheet_->setPlainText(sheet.join(QLatin1Char('\n')));

  const bool on_row = CurrentRow().has_value();
  for (QAction* action : row_commands_) action->setEnabled(on_row);
  add_calculated_->setEnabled(calculated_part_.has_value());
}

void PlanWindow::FillFields() {
  const PlanEditor& editor = document_.Editor();
  for (const PlanSetting setting : kSettings) {
    settings_[static_cast<std::size_t>(setting)]->setText(Utf8(editor.SettingText(setting)));
  }
  const auto lengths = LengthUnits();
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    if (lengths[i].unit == editor.GetLengthUnit()) length_unit_->setCurrentIndex(static_cast<int>(i));
  }
  const auto densities = DensityUnits();
  for (std::size_t i = 0; i < densities.size(); ++i) {
    if (densities[i].unit == editor.GetDensityUnit()) density_unit_->setCurrentIndex(static_cast<int>(i));
  }
  model_->Reload();
  ShowResults();
}

void PlanWindow::AfterFileAction(bool replaced) {
  if (replaced) FillFields();
}

bool PlanWindow::OpenFile(const std::filesystem::path& path) {
  const bool opened = document_.OpenFile(path);
  AfterFileAction(opened);
  return opened;
}

void PlanWindow::SetCalculatedPart(std::optional<CalculatedPart> part) {
  calculated_part_ = std::move(part);
  add_calculated_->setEnabled(calculated_part_.has_value());
}

std::optional<int> PlanWindow::CurrentRow() const {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return std::nullopt;
  return current.row();
}

void PlanWindow::SelectRow(int row) {
  const int column = table_->currentIndex().isValid() ? table_->currentIndex().column() : 0;
  table_->setCurrentIndex(model_->index(row, column));
  table_->setFocus(Qt::OtherFocusReason);
}

void PlanWindow::closeEvent(QCloseEvent* event) {
  if (document_.MayClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace anod::qt
