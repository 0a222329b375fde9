// The edit boxes of the window: edge, background, margins and scrolling.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "platform/qt/qt_canvas.h"
#include "ui/qt/form1.h"

namespace anod {
namespace {

class EditBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = qt::BuildForm1({{"btn1Click", [] {}}, {"btn2Click", [] {}}, {"Button1Click", [] {}}, {"Button2Click", [] {}}});
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  static QImage Grab(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  std::unique_ptr<qt::TForm1> form_;
};

// The first column, from the left, holding a pixel of neither the edge nor
// the background.
int FirstInkColumn(const QImage& image) {
  const QRgb base = ToQColor(clInactiveCaption).rgb();
  for (int x = 2; x < image.width() - 2; ++x) {
    for (int y = 2; y < image.height() - 2; ++y) {
      if (image.pixel(x, y) != base) return x;
    }
  }
  return -1;
}

TEST_F(EditBoxTest, EdgeAndBackground) {
  QWidget* edit = form_->Windowed("edt3");
  const QImage image = Grab(edit);
  EXPECT_EQ(image.pixel(0, 0), ToQColor(clBtnShadow).rgb());
  EXPECT_EQ(image.pixel(1, 1), ToQColor(cl3DDkShadow).rgb());
  EXPECT_EQ(image.pixel(80, 27), ToQColor(clBtnHighlight).rgb());
  EXPECT_EQ(image.pixel(79, 26), ToQColor(cl3DLight).rgb());
  EXPECT_EQ(image.pixel(2, 2), ToQColor(clInactiveCaption).rgb());
  EXPECT_EQ(image.pixel(78, 25), ToQColor(clInactiveCaption).rgb());
}

TEST_F(EditBoxTest, TextStartsRightInsideTheEdge) {
  for (const char* name : {"Edit1", "edt1"}) {
    SCOPED_TRACE(name);
    auto* edit = form_->As<QLineEdit>(name);
    edit->setText("8");
    edit->clearFocus();
    const int first = FirstInkColumn(Grab(edit));
    // The edge takes columns 0 and 1; no margin follows, only the glyph's
    // own side bearing (a line edit's usual 2-pixel margin would give 4).
    EXPECT_GE(first, 2);
    EXPECT_LE(first, 3);
  }
}

TEST_F(EditBoxTest, LongTextScrollsAndIsKeptWhole) {
  auto* edit = form_->As<QLineEdit>("edt2");
  edit->setFocus();
  const QString typed(40, QChar('5'));
  QTest::keyClicks(edit, typed);
  EXPECT_EQ(edit->text(), typed);
  EXPECT_EQ(form_->Model().EditText("edt2"), std::string(40, '5'));
  // The caret stays inside the box: the text has moved to the left.
  Grab(edit);  // the edit box places its text when it paints
  const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  EXPECT_LE(caret.center().x(), edit->width() - 2);
  EXPECT_GT(caret.left(), 40);
}

TEST_F(EditBoxTest, TextOfTheWindowInWindows1252) {
  form_->Model().SetEditText("Edit5", "1\xE9");
  EXPECT_EQ(form_->As<QLineEdit>("Edit5")->text(), QString::fromUtf8("1\xC3\xA9"));
  EXPECT_EQ(form_->Model().EditText("Edit5"), "1\xE9");
}

}  // namespace
}  // namespace anod
