#include "platform/message_box.h"

#include <QMessageBox>
#include <QString>

#include "platform/qt/qt_text.h"

namespace anod {
namespace {

// Texts break lines with CR LF; the box's label wants a bare LF.
QString BoxText(std::string_view text) {
  QString shown = FromCp1252(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

void ShowStopMessageBox(std::string_view caption, std::string_view text) {
  // No parent: the box must not take the main window's colours or font, and
  // it must open even when no window of the program exists yet.
  QMessageBox box(QMessageBox::Critical, FromCp1252(caption), BoxText(text), QMessageBox::Ok);
  box.setObjectName(kStopMessageBoxName);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setEscapeButton(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace anod
