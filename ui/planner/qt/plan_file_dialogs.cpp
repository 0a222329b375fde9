#include "ui/planner/qt/plan_file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace anod::qt {
namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

const QString kBoxTitle = QStringLiteral("Plan de bain \u2014 Anodisation");
const QString kFilter = QStringLiteral("Plans de bain (*.anodplan)");

std::optional<std::filesystem::path> RunFileDialog(QFileDialog& dialog) {
  dialog.setNameFilter(kFilter);
  dialog.setDefaultSuffix(QStringLiteral("anodplan"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return PathFromQt(dialog.selectedFiles().constFirst());
}

}  // namespace

std::filesystem::path PathFromQt(const QString& name) { return {QFile::encodeName(name).toStdString()}; }

QString PathToQt(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

UnsavedAnswer PlanDialogs::AskUnsaved(std::string_view question) {
  QMessageBox box(QMessageBox::Warning, kBoxTitle, Utf8(question), QMessageBox::NoButton, owner_);
  box.setTextFormat(Qt::PlainText);
  QPushButton* save = box.addButton(QStringLiteral("Enregistrer"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("Ne pas enregistrer"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return UnsavedAnswer::kSave;
  if (box.clickedButton() == discard) return UnsavedAnswer::kDiscard;
  return UnsavedAnswer::kCancel;
}

std::optional<std::filesystem::path> PlanDialogs::AskOpenPath() {
  QFileDialog dialog(owner_, QStringLiteral("Ouvrir un plan de bain"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(dialog);
}

std::optional<std::filesystem::path> PlanDialogs::AskSavePath(const std::filesystem::path& suggested) {
  QFileDialog dialog(owner_, QStringLiteral("Enregistrer le plan de bain"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (!suggested.empty()) dialog.selectFile(PathToQt(suggested));
  return RunFileDialog(dialog);
}

void PlanDialogs::ShowFileProblem(std::string_view message) {
  QMessageBox box(QMessageBox::Critical, kBoxTitle, Utf8(message), QMessageBox::Ok, owner_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace anod::qt
