// The window on the screen it opens on: inside it at any scale, the current
// read-out reachable, and the scroll keys of an edit box kept in the box.
// Under the offscreen platform this is the 96-dpi screen; screen_fit.sh
// runs the first test again on a real X server at 96, 120 and 144 dpi.
#include <gtest/gtest.h>

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "form_driver.h"
#include "ui/drawn_controls.h"

namespace anod {
namespace {

using testing_support::FormDriver;

TEST(ScreenFitTest, WindowInsideTheScreenAndLabel19Reachable) {
  FormDriver driver;
  qt::TForm1& form = driver.Form();
  // The window manager frames the window after it shows.
  QTest::qWait(300);
  const QRect screen = form.screen()->geometry();
  const QRect frame = form.frameGeometry();
  EXPECT_TRUE(screen.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                      << frame.height() << " on " << screen.width() << "x" << screen.height();
  const QScrollArea* scroll = form.ScrollArea();
  const Rect label = form.Model().Find("Label19")->bounds;
  // Reachable: scrolled to the end, the viewport's far edge passes the label's.
  EXPECT_LE(label.right, scroll->viewport()->width() + scroll->horizontalScrollBar()->maximum());
  EXPECT_LE(label.bottom, scroll->viewport()->height() + scroll->verticalScrollBar()->maximum());
}

struct KeyCase {
  const char* name;
  const char* control;
  Qt::Key key;
  bool scrolls;
  friend void PrintTo(const KeyCase& row, std::ostream* os) { *os << row.name; }
};

class ScrollKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ScrollKeyTest, OnlyControlsThatLeaveThemScrollTheWindow) {
  FormDriver driver;
  qt::TForm1& form = driver.Form();
  form.resize(500, 400);  // scroll bars both ways
  QScrollBar* bar = form.ScrollArea()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum() / 2);
  const int before = bar->value();
  driver.Key(GetParam().control, GetParam().key);
  EXPECT_EQ(bar->value() != before, GetParam().scrolls);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollKeyTest,
    testing::Values(KeyCase{"UpInEdit1", "Edit1", Qt::Key_Up, false},
                    KeyCase{"DownInEdit1", "Edit1", Qt::Key_Down, false},
                    KeyCase{"PageUpInEdit1", "Edit1", Qt::Key_PageUp, false},
                    KeyCase{"PageDownInEdit1", "Edit1", Qt::Key_PageDown, false},
                    // A push button has no use for the page keys.
                    KeyCase{"PageDownOnButton1", "Button1", Qt::Key_PageDown, true}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
