#include "ui/planner/qt/main_window_commands.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>

#include "ui/planner/calculated_part_of.h"
#include "ui/planner/qt/plan_window.h"
#include "ui/qt/form1.h"

namespace anod::qt {

MainWindowCommands::MainWindowCommands(TForm1& form) : QObject(&form), form_(form) {
  // Context menu events a child leaves unanswered (the background, a
  // button, a heading bar) climb to the window.
  form_.installEventFilter(this);
  // The keys come first as shortcuts, before an edit box would take them
  // for its own menu.
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
    auto* shortcut = new QShortcut(keys, &form_);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
      const QWidget* focus = form_.focusWidget();
      OpenMenu(focus != nullptr ? focus->mapToGlobal(focus->rect().center())
                                : form_.mapToGlobal(form_.rect().center()));
    });
  }
}

MainWindowCommands::~MainWindowCommands() { delete planner_; }

PlanWindow* MainWindowCommands::Planner() const { return planner_; }

void MainWindowCommands::Calculated(const CalculatorInfo& calculator) {
  last_ = CalculatedPartOf(calculator, form_.Model());
  if (planner_) planner_->SetCalculatedPart(last_);
}

QMenu& MainWindowCommands::Menu() {
  if (menu_ == nullptr) {
    menu_ = new QMenu(&form_);
    menu_->setObjectName(QStringLiteral("main_window_commands"));
    for (const MainWindowMenuItem& item : MainWindowMenu()) {
      QAction* action = menu_->addAction(QString::fromUtf8(item.caption));
      connect(action, &QAction::triggered, this, [this, command = item.command] { Run(command); });
    }
  }
  return *menu_;
}

void MainWindowCommands::OpenMenu(const QPoint& global) { Menu().popup(global); }

bool MainWindowCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &form_ && event->type() == QEvent::ContextMenu) {
    OpenMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void MainWindowCommands::Run(MainWindowCommand command) {
  switch (command) {
    case MainWindowCommand::kPlan:
      ShowPlanner();
      break;
    case MainWindowCommand::kAbout:
      ShowAbout();
      break;
  }
}

void MainWindowCommands::ShowPlanner() {
  if (!planner_) {
    planner_ = new PlanWindow(/*offers_calculated_part=*/true);
    planner_->setWindowIcon(form_.windowIcon());
    planner_->SetCalculatedPart(last_);
  }
  planner_->show();
  planner_->setWindowState(planner_->windowState() & ~Qt::WindowMinimized);
  planner_->raise();
  planner_->activateWindow();
}

void MainWindowCommands::ShowAbout() {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(AboutCaption()), QString::fromStdString(AboutText()),
                  QMessageBox::Ok, &form_);
  box.setTextFormat(Qt::PlainText);
  box.setIconPixmap(form_.windowIcon().pixmap(64, 64));
  box.exec();
}

}  // namespace anod::qt
