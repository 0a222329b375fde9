// Qt's own texts read in French: an edit box's context menu and the stop
// box's button, whatever the locale the test runs in.
#include "app/qt/toolkit_french.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <memory>

#include "box_answerer.h"
#include "platform/message_box.h"

namespace anod {
namespace {

// A menu entry as the user reads it: no mnemonic mark, no shortcut.
QString Shown(const QString& text) {
  QString shown = text.section(QLatin1Char('\t'), 0, 0);
  shown.remove(QLatin1Char('&'));
  return shown;
}

// The entries of an edit box's context menu, as shown.
QStringList EditMenuEntries() {
  QLineEdit edit;
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList entries;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) entries << Shown(action->text());
  }
  return entries;
}

TEST(ToolkitFrenchTest, EditBoxContextMenuReadsInFrench) {
  const ToolkitFrenchInUse french;
  ASSERT_TRUE(french.loaded()) << "qtbase_fr is missing (Debian's qt6-translations-l10n)";
  const QStringList entries = EditMenuEntries();
  for (const char* expected :
       {"Annuler", "Rétablir", "Couper", "Copier", "Coller", "Supprimer", "Tout sélectionner"}) {
    SCOPED_TRACE(expected);
    EXPECT_TRUE(entries.contains(QString::fromUtf8(expected))) << entries.join(", ").toStdString();
  }
}

TEST(ToolkitFrenchTest, StopBoxButtonReadsInFrench) {
  const ToolkitFrenchInUse french;
  ASSERT_TRUE(french.loaded());
  QString button;
  const testing_support::BoxAnswerer answerer([&](QMessageBox& box) { button = box.button(QMessageBox::Ok)->text(); });
  ShowStopMessageBox("Outil", "Division par z\xE9ro");
  // French keeps the English word for this one button.
  EXPECT_EQ(Shown(button).toStdString(), "OK");
}

// Without the translation installed, the same menu is Qt's English: the
// French above comes from the translation, not from the test's locale.
TEST(ToolkitFrenchTest, EnglishWithoutTheTranslation) {
  const QStringList entries = EditMenuEntries();
  EXPECT_TRUE(entries.contains(QStringLiteral("Paste"))) << entries.join(", ").toStdString();
}

}  // namespace
}  // namespace anod
