// The Qt shell of the colored button: what it answers for the model (the
// parent's colour and font, outline faces, the defaults of a push button)
// and that the model's repaint requests reach Qt as paints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/widgets/qt/widget_fixtures.h"

namespace anod {
namespace {

TEST(VividShellTest, StartsAsAFocusablePushButtonOfTheDefaultSize) {
  QWidget form;
  TVividButton b(&form);
  EXPECT_TRUE(b.TabStop());
  EXPECT_TRUE(b.Enabled());
  EXPECT_EQ(b.DropDownMenu(), nullptr);
  EXPECT_EQ(b.width(), 75);
  EXPECT_EQ(b.height(), 25);
  EXPECT_EQ(b.Color(), clBtnFace);  // no "anodColor" on the parent
}

TEST(VividShellTest, ParentValuesComeFromTheParentsProperties) {
  QWidget form;
  const FontSpec parent_font{"Arial", -13, false, true};
  form.setProperty("anodColor", static_cast<int>(clNavy));
  form.setProperty("anodFont", QVariant::fromValue(parent_font));
  TVividButton b(&form);
  EXPECT_EQ(b.Color(), clNavy);
  EXPECT_EQ(b.Font(), parent_font);
}

TEST(VividShellTest, MainWindowFontIsAnOutlineFaceSoRotationKeepsIt) {
  QWidget form;
  TVividButton b(&form);
  testing_support::SetUpAsMainWindowButton(b);
  b.FontFX().SetAngle(45);
  EXPECT_EQ(b.Font().name, "MS Sans Serif");
  EXPECT_EQ(b.FontFX().Angle(), 45);
}

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

TEST(VividShellTest, AChangeThatShowsPaintsAndASameValueDoesNot) {
  QWidget form;
  form.resize(300, 100);
  TVividButton b(&form);
  testing_support::SetUpAsMainWindowButton(b);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QApplication::processEvents();
  PaintCounter counter;
  b.installEventFilter(&counter);
  b.SetColor(clBlack);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 0);
  b.SetColor(clNavy);
  QApplication::processEvents();
  EXPECT_GE(counter.paints, 1);
}

}  // namespace
}  // namespace anod
