// The plan document's questions on Qt (ui/planner/plan_document.h): the
// unsaved-changes box with "Enregistrer" / "Ne pas enregistrer" / "Annuler"
// (Escape and the box's close button answer Annuler), Qt's file dialogs
// filtered on "Plans de bain (*.anodplan)" with ".anodplan" added to a name
// typed without it, and the stop box for a file that cannot be read or
// written. Paths cross as the file system's bytes, so any Unicode name the
// dialog shows opens.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/planner/plan_document.h"

namespace anod::qt {

class PlanDialogs final : public PlanDocumentServices {
 public:
  explicit PlanDialogs(QWidget* owner) : owner_(owner) {}

  UnsavedAnswer AskUnsaved(std::string_view question) override;
  std::optional<std::filesystem::path> AskOpenPath() override;
  std::optional<std::filesystem::path> AskSavePath(const std::filesystem::path& suggested) override;
  void ShowFileProblem(std::string_view message) override;

 private:
  QPointer<QWidget> owner_;
};

// The file system's path of a name Qt gives, and back.
std::filesystem::path PathFromQt(const QString& name);
QString PathToQt(const std::filesystem::path& path);

}  // namespace anod::qt
