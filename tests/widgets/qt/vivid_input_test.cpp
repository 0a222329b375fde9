// Input sequences with real Qt events on a shown window: pointer, mouse
// buttons, keyboard, repeated clicks, the drop-down menu and the focus rule.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "tests/widgets/qt/widget_fixtures.h"
#include "widgets/vivid_application.h"

namespace anod {
namespace {

class InputTest : public testing::Test {
 protected:
  void SetUp() override {
    form_.resize(400, 200);
    button_ = new TVividButton(&form_);
    testing_support::SetUpAsMainWindowButton(*button_);
    button_->move(20, 20);
    edit_ = new QLineEdit(&form_);
    edit_->setGeometry(20, 100, 100, 21);
    button_->OnClick = [this] { ++clicks_; };
    button_->OnMouseEnter = [this] { ++enters_; };
    button_->OnMouseExit = [this] { ++exits_; };
    // The pointer may still rest where an earlier test left it: park it away
    // from where the window appears.
    form_.move(0, 0);
    QCursor::setPos(1200, 1000);
    QApplication::processEvents();
    form_.show();
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    edit_->setFocus();
    QApplication::processEvents();
  }
  void TearDown() override { TVividApplication::Instance().SetTimerService(nullptr); }

  // Points in the button's own coordinates.
  static QPoint Inside() { return {100, 12}; }
  static QPoint Outside() { return {100, 60}; }
  void MoveTo(QPoint p) {
    QTest::mouseMove(button_, p);
    QApplication::processEvents();
  }

  QWidget form_;
  TVividButton* button_ = nullptr;
  QLineEdit* edit_ = nullptr;
  int clicks_ = 0;
  int enters_ = 0;
  int exits_ = 0;
};

TEST_F(InputTest, PointerOnAndOffCallsEnterAndExitOnce) {
  MoveTo(Outside());
  MoveTo(Inside());
  EXPECT_TRUE(button_->MouseInside());
  MoveTo(Inside() + QPoint(5, 0));
  MoveTo(Outside());
  EXPECT_EQ(enters_, 1);
  EXPECT_EQ(exits_, 1);
  EXPECT_FALSE(button_->MouseInside());
  button_->repaint();
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Normal);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(InputTest, PressGivesFocusAndPaintsPressed) {
  MoveTo(Inside());
  QTest::mousePress(button_, Qt::LeftButton, {}, Inside());
  EXPECT_TRUE(button_->hasFocus());
  EXPECT_TRUE(button_->IsActive());
  button_->repaint();
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Pressed);
  QTest::mouseRelease(button_, Qt::LeftButton, {}, Inside());
  button_->repaint();
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Hot);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(InputTest, PressDragOffAndReleaseGivesNoClick) {
  MoveTo(Inside());
  QTest::mousePress(button_, Qt::LeftButton, {}, Inside());
  MoveTo(Outside());
  EXPECT_FALSE(button_->isDown());
  EXPECT_FALSE(button_->MouseInside());  // the pressed button alone heard the leave
  button_->repaint();
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Normal);
  QTest::mouseRelease(button_, Qt::LeftButton, {}, Outside());
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(exits_, 1);
}

TEST_F(InputTest, DragBackInBeforeReleaseGivesOneClick) {
  MoveTo(Inside());
  QTest::mousePress(button_, Qt::LeftButton, {}, Inside());
  MoveTo(Outside());
  MoveTo(Inside());
  EXPECT_TRUE(button_->isDown());
  EXPECT_TRUE(button_->MouseInside());
  button_->repaint();
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Pressed);
  QTest::mouseRelease(button_, Qt::LeftButton, {}, Inside());
  EXPECT_EQ(clicks_, 1);
}

TEST_F(InputTest, DoubleClickGivesTwoClicks) {
  // What the window system sends for a double click: press, release,
  // double click, release.
  MoveTo(Inside());
  QTest::mouseClick(button_, Qt::LeftButton, {}, Inside());
  QTest::mouseDClick(button_, Qt::LeftButton, {}, Inside());
  QTest::mouseRelease(button_, Qt::LeftButton, {}, Inside());
  QApplication::processEvents();
  EXPECT_EQ(clicks_, 2);
}

TEST_F(InputTest, TabMakesItActiveThenEnterClicksOnce) {
  EXPECT_FALSE(button_->IsActive());
  QTest::keyClick(edit_, Qt::Key_Tab);
  QApplication::processEvents();
  ASSERT_TRUE(button_->hasFocus());
  EXPECT_TRUE(button_->IsActive());
  QTest::keyClick(button_, Qt::Key_Return);
  EXPECT_EQ(clicks_, 1);
  QTest::keyClick(button_, Qt::Key_Enter);
  EXPECT_EQ(clicks_, 2);
}

TEST_F(InputTest, SpaceClicksOnRelease) {
  button_->setFocus();
  QApplication::processEvents();
  QTest::keyPress(button_, Qt::Key_Space);
  EXPECT_EQ(clicks_, 0);
  EXPECT_TRUE(button_->isDown());
  button_->repaint();
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Pressed);
  QTest::keyRelease(button_, Qt::Key_Space);
  EXPECT_EQ(clicks_, 1);
}

TEST_F(InputTest, DisabledButtonPaintedDisabledDoesNotCallEnter) {
  button_->SetEnabled(false);
  button_->repaint();
  ASSERT_EQ(button_->PaintState(), ButtonDrawState::Disabled);
  testing_support::SendEnter(*button_);
  EXPECT_EQ(enters_, 0);
  EXPECT_TRUE(button_->MouseInside());
  testing_support::SendLeave(*button_);
  EXPECT_EQ(exits_, 1);
  QTest::mouseClick(button_, Qt::LeftButton, {}, Inside());
  EXPECT_EQ(clicks_, 0);
}

TEST_F(InputTest, HotButtonDoesNotCallEnterAgain) {
  testing_support::SendEnter(*button_);
  button_->repaint();  // painted Hot
  testing_support::SendLeave(*button_);
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Normal);  // leave resets it
  testing_support::SendEnter(*button_);
  EXPECT_EQ(enters_, 2);
}

TEST_F(InputTest, AFailingClickFromInputGoesToTheErrorReport) {
  std::vector<std::string> reported;
  TVividApplication::Instance().OnFailure = [&](const Exception& e) { reported.push_back(e.Message()); };
  button_->OnClick = [] { throw EOverflow("D\xE9" "bordement en virgule flottante"); };
  MoveTo(Inside());
  QTest::mouseClick(button_, Qt::LeftButton, {}, Inside());
  QTest::keyClick(button_, Qt::Key_Return);
  QTest::keyClick(button_, Qt::Key_Space);
  TVividApplication::Instance().OnFailure = nullptr;
  EXPECT_EQ(reported, std::vector<std::string>(3, "D\xE9" "bordement en virgule flottante"));
  EXPECT_FALSE(button_->isDown());
  // A direct call leaves the failure to its caller.
  EXPECT_THROW(button_->Click(), EOverflow);
}

TEST_F(InputTest, RepeatsWithQtTimers) {
  // Qt's own timers, with a tolerant count: only that repeats come at all.
  button_->SetRepeatedClick(true);
  button_->SetRepeatingDelay(50);
  button_->SetRepeatingInterval(20);
  MoveTo(Inside());
  QTest::mousePress(button_, Qt::LeftButton, {}, Inside());
  QTRY_VERIFY_WITH_TIMEOUT(clicks_ >= 2, 5000);
  QTest::mouseRelease(button_, Qt::LeftButton, {}, Inside());
}

// ----- Drop-down menu -----

// Where the menu opens is the model's rule (a corner of the button, with
// its indent); here it opens there on the screen, with the button held down
// while it shows.
TEST_F(InputTest, DropDownOpensTheMenuAtTheModelsCorner) {
  QMenu menu;
  menu.addAction("Un");
  menu.addAction("Deux");
  button_->SetDropDownMenu(&menu);
  button_->SetDropDownRight(true);
  button_->SetDropDownIndent(5);
  std::vector<std::string> order;
  button_->OnClick = [&] { order.push_back("click"); };
  button_->OnDropDown = [&] { order.push_back("dropdown"); };
  QPoint shown_at;
  bool dropping = false, down = false;
  // Closes the menu once it shows and its window has been activated: a menu
  // closed before its activation arrives leaves no window active, and a menu
  // left open would hold Click() forever. A loaded machine can take longer
  // than any one delay, so this looks again every 10 ms (2 s at most).
  QTimer poll;
  int polls = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return;
    if (QGuiApplication::focusWindow() != popup->windowHandle() && ++polls < 200) return;
    poll.stop();
    shown_at = popup->pos();
    dropping = button_->DroppingDown();
    down = button_->isDown();
    popup->close();
  });
  poll.start(10);
  button_->Click();
  EXPECT_EQ(order, (std::vector<std::string>{"click", "dropdown"}));
  EXPECT_EQ(shown_at, button_->mapToGlobal(QPoint(226, 5)));
  EXPECT_TRUE(dropping);
  EXPECT_TRUE(down);
  EXPECT_FALSE(button_->DroppingDown());
  EXPECT_FALSE(button_->isDown());
  EXPECT_EQ(button_->PaintState(), ButtonDrawState::Normal);
  // The closed menu hands the focus back through the event queue.
  EXPECT_TRUE(QTest::qWaitFor([&] { return button_->hasFocus(); }, 2000));
}

TEST_F(InputTest, DestroyedMenuIsForgotten) {
  auto* menu = new QMenu;
  button_->SetDropDownMenu(menu);
  delete menu;
  EXPECT_EQ(button_->DropDownMenu(), nullptr);
  button_->Click();
  EXPECT_EQ(clicks_, 1);
}

// ----- Focus rule across the window's push buttons -----

TEST_F(InputTest, FocusRuleCoversStandardButtons) {
  auto* standard = new QPushButton("Calculer la surface", &form_);
  standard->setGeometry(20, 140, 226, 24);
  auto* fallback = new TVividButton(&form_);
  fallback->setGeometry(260, 140, 75, 25);
  fallback->SetDefault(true);
  int fallback_clicks = 0;
  fallback->OnClick = [&] { ++fallback_clicks; };
  standard->show();
  fallback->show();

  struct Step {
    const char* name;
    QWidget* focus;
    bool button_active, standard_active, fallback_active;
  };
  const Step steps[] = {
      {"edit", edit_, false, false, true},
      {"colored button", button_, true, false, false},
      {"standard button", standard, false, true, false},
      {"edit again", edit_, false, false, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.focus->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(button_->IsActive(), step.button_active);
    EXPECT_EQ(standard->isDefault(), step.standard_active);
    EXPECT_EQ(fallback->IsActive(), step.fallback_active);
  }
  // Enter in the edit clicks the Default button.
  QTest::keyClick(edit_, Qt::Key_Return);
  EXPECT_EQ(fallback_clicks, 1);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(InputTest, EscapeClicksTheCancelButton) {
  button_->SetCancel(true);
  QTest::keyClick(edit_, Qt::Key_Escape);
  EXPECT_EQ(clicks_, 1);
}

// A result closes the dialog with it before OnClick runs; 0 leaves it open.
TEST(ModalResultTest, ClickSetsTheDialogResultThenCallsOnClick) {
  for (const int result : {2, 0}) {
    SCOPED_TRACE(result);
    QDialog dialog;
    TVividButton button(&dialog);
    button.SetModalResult(result);
    int seen_result = -1;
    button.OnClick = [&] { seen_result = dialog.result(); };
    dialog.show();
    button.Click();
    EXPECT_EQ(seen_result, result);
    EXPECT_EQ(dialog.property("ModalResult").toInt(), result);
    EXPECT_EQ(dialog.isVisible(), result == 0);
  }
}

}  // namespace
}  // namespace anod
