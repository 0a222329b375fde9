// Start-up on Qt with the real description: the window shown, its states,
// a damaged description reported, and what a screen reader finds in it.
// The order and the exit codes themselves are tested without Qt.
#include "app/qt/startup.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <vector>

#include "box_answerer.h"
#include "form_driver.h"
#include "app/qt/accessibility.h"

namespace anod {
namespace {

using testing_support::BoxAnswerer;
using testing_support::FormDriver;

// Start-up with the real description: the window is shown centred on the
// 1280 x 1024 screen with Edit1 focused, its title is exactly the caption,
// and closing it ends the loop with exit code 0.
TEST(StartUpTest, ShowsTheWindowAndEndsWithZeroWhenItIsClosed) {
  bool checked = false;
  StartUpHooks hooks;
  hooks.after_show = [&](qt::TForm1& form) {
    QTimer::singleShot(0, &form, [&form, &checked] {
      EXPECT_TRUE(form.isVisible());
      EXPECT_EQ(form.windowTitle(), QStringLiteral("Calculs de surfaces pour anodisation de l'aluminium"));
      EXPECT_EQ(form.windowHandle()->title(), form.windowTitle());
      EXPECT_EQ(form.pos(), QPoint(99, 30));
      EXPECT_FALSE(form.windowIcon().isNull());
      EXPECT_FALSE(QApplication::windowIcon().isNull());
      EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
      EXPECT_EQ(QApplication::focusWidget(), form.Windowed("Edit1"));
      checked = true;
      form.close();  // the close box
    });
  };
  EXPECT_EQ(RunMainWindow(*Application(), Form1Description(), ShowRequest::kNormal, hooks), 0);
  EXPECT_TRUE(checked);
}

struct StateCase {
  const char* name;
  ShowRequest request;
  Qt::WindowState state;
  friend void PrintTo(const StateCase& row, std::ostream* os) { *os << row.name; }
};

class StartUpStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(StartUpStateTest, HonoursTheShowRequest) {
  Qt::WindowStates states;
  StartUpHooks hooks;
  hooks.after_show = [&](qt::TForm1& form) {
    states = form.windowState();
    QTimer::singleShot(0, &form, &QWidget::close);
  };
  EXPECT_EQ(RunMainWindow(*Application(), Form1Description(), GetParam().request, hooks), 0);
  EXPECT_TRUE(states.testFlag(GetParam().state));
}

INSTANTIATE_TEST_SUITE_P(States, StartUpStateTest,
                         testing::Values(StateCase{"maximized", ShowRequest::kMaximized, Qt::WindowMaximized},
                                         StateCase{"minimized", ShowRequest::kMinimized, Qt::WindowMinimized}),
                         testing::PrintToStringParamName());

// A description the real reader cannot read: its failure reaches the
// last-resort box, and the run ends with 1 before the window shows.
TEST(DamagedDescriptionTest, ReportsAndExitsWithOne) {
  bool shown = false;
  BoxAnswerer answerer;
  StartUpHooks hooks;
  hooks.after_show = [&](qt::TForm1&) { shown = true; };
  const std::vector<std::uint8_t> cut(Form1Description().begin(), Form1Description().begin() + 2000);
  EXPECT_EQ(RunMainWindow(*Application(), cut, ShowRequest::kNormal, hooks), 1);
  EXPECT_FALSE(shown);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, QStringLiteral("Erreur d'application"));
  EXPECT_TRUE(answerer.Boxes()[0].text.startsWith(
      QStringLiteral("Exception EReadError dans le module OUTIL.DE.CALCUL.EXE dans ")))
      << answerer.Boxes()[0].text.toStdString();
}

struct NameCase {
  const char* name;
  const char* control;
  const char* accessible_name;
  const char* description;
  friend void PrintTo(const NameCase& row, std::ostream* os) { *os << row.name; }
};

class AccessibleNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(AccessibleNameTest, NamesEachInputFromItsRowAndColumn) {
  FormDriver driver;
  QAccessibleInterface* control = QAccessible::queryAccessibleInterface(driver.Control(GetParam().control));
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->text(QAccessible::Name), QString::fromUtf8(GetParam().accessible_name));
  EXPECT_EQ(control->text(QAccessible::Description), QString::fromUtf8(GetParam().description));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AccessibleNameTest,
    testing::Values(NameCase{"Edit1", "Edit1", "Rayon (CYLINDRE)", ""},
                    // The covered standard button says it is the colored one's action.
                    NameCase{"btn1", "btn1", "Calculer la surface (CYLINDRE)",
                             "Même action que le bouton coloré « Calculer la surface » (CYLINDRE)"},
                    NameCase{"VividButton4", "VividButton4", "Calculer la surface (PYRAMIDE)", ""}),
    testing::PrintToStringParamName());

// The pictures are graphics of the surface, named after what they show and
// placed where they are drawn; the heading bars are named after their caption.
TEST(AccessibleLabelTest, PicturesAndHeadingsAreNamed) {
  FormDriver driver;
  QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(driver.Form().Surface());
  ASSERT_NE(surface, nullptr);
  QStringList pictures;
  for (int i = 0; i < surface->childCount(); ++i) {
    QAccessibleInterface* child = surface->child(i);
    if (child == nullptr || child->role() != QAccessible::Graphic) continue;
    pictures << child->text(QAccessible::Name);
    EXPECT_TRUE(driver.Form().frameGeometry().contains(child->rect())) << child->text(QAccessible::Name).toStdString();
  }
  ASSERT_EQ(pictures.size(), 8) << pictures.join(" | ").toStdString();
  for (const char* start : {"Cylindre", "Parallélépipède", "Sphère", "Pyramide", "Dégraissage",
                            "Électrolyse : alimentation réglable, pièce à l'anode",
                            "Coloration", "Fixation"}) {
    SCOPED_TRACE(start);
    const QRegularExpression starts("^" + QRegularExpression::escape(QString::fromUtf8(start)));
    EXPECT_EQ(pictures.filter(starts).size(), 1);
  }
  const struct {
    const char* panel;
    const char* name;
  } headings[] = {{"Panel7", "Le calcul de la surface totale à anodiser"},
                  {"Panel1", "Les étapes de l'anodisation de l'aluminium"}};
  for (const auto& heading : headings) {
    SCOPED_TRACE(heading.panel);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(driver.Control(heading.panel))->text(QAccessible::Name),
              QString::fromUtf8(heading.name));
  }
}

// The drawn labels are static texts of the window's surface.
QAccessibleInterface* LabelByDescription(qt::TForm1& form, const QString& description) {
  QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(form.Surface());
  if (surface == nullptr) return nullptr;
  for (int i = 0; i < surface->childCount(); ++i) {
    QAccessibleInterface* child = surface->child(i);
    if (child != nullptr && child->text(QAccessible::Description) == description) return child;
  }
  return nullptr;
}

TEST(AccessibleLabelTest, ResultLabelsAndLabel19AreExposedAsText) {
  FormDriver driver;
  QAccessibleInterface* surface = LabelByDescription(driver.Form(), "Surface (CYLINDRE)");
  QAccessibleInterface* current = LabelByDescription(driver.Form(), QString::fromUtf8("Courant d'électrolyse"));
  ASSERT_NE(surface, nullptr);
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(surface->role(), QAccessible::StaticText);
  EXPECT_EQ(surface->text(QAccessible::Name), QString::fromUtf8("Cm²"));
  EXPECT_EQ(current->text(QAccessible::Name), QStringLiteral("0 mA"));
  for (const char* column : {"PARALLELEPIPEDE", "SPHERE", "PYRAMIDE"}) {
    EXPECT_NE(LabelByDescription(driver.Form(), QStringLiteral("Surface (%1)").arg(column)), nullptr) << column;
  }

  driver.Type("Edit1", "3");
  driver.Type("edt1", "10");
  driver.Click("VividButton1");
  EXPECT_EQ(surface->text(QAccessible::Name), QString::fromUtf8("244.92 Cm²"));
  EXPECT_EQ(current->text(QAccessible::Name), QStringLiteral("2450 mA"));
  EXPECT_EQ(surface->rect().size(), QSize(129, 25));
}

}  // namespace
}  // namespace anod
