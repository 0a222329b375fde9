// The main window's two extra commands on Qt (ui/planner/main_window_menu.h).
// The window manager owns the system menu on Linux, so they live in a menu
// of their own, opened by a right click on the window's background or on a
// button (an edit box keeps its own menu), by the menu key or by Shift+F10,
// wherever the focus is. Nothing of the window's 72 controls or its layout
// changes.
//
// It also keeps the window's last successful calculation for the planner's
// "Ajouter la pièce calculée", as the window's model tells of it: the
// calculator's edit boxes still hold the texts it read ({"3", "10"} for the
// cylinder).
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>
#include <string_view>

#include "core/calculators.h"
#include "ui/planner/main_window_menu.h"
#include "ui/planner/plan_editor.h"

class QMenu;
class QPoint;

namespace anod::qt {

class PlanWindow;
class TForm1;

class MainWindowCommands final : public QObject {
  Q_OBJECT

 public:
  // A child of `form`, listening to its background and keys.
  explicit MainWindowCommands(TForm1& form);
  ~MainWindowCommands() override;

  // The window's model tells of each calculation that went through.
  void Calculated(const CalculatorInfo& calculator);
  const std::optional<CalculatedPart>& LastCalculation() const { return last_; }

  void Run(MainWindowCommand command);
  // The menu, built once with the items of MainWindowMenu().
  QMenu& Menu();
  PlanWindow* Planner() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OpenMenu(const QPoint& global);
  void ShowPlanner();
  void ShowAbout();

  TForm1& form_;
  QMenu* menu_ = nullptr;
  std::optional<CalculatedPart> last_;
  QPointer<PlanWindow> planner_;
};

}  // namespace anod::qt
