// The failure report on Qt: what escapes a real Qt event reaches the
// program's report through the handler guard, the press is cancelled, the
// box is found and answered; the box blocks the other windows and gives
// activation and focus back. The routes themselves are tested without Qt.
#include "app/qt/failure_report.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>
#include <stdexcept>

#include "box_answerer.h"
#include "platform/qt/handler_guard.h"
#include "app/qt/application.h"

namespace anod {
namespace {

using testing_support::BoxAnswerer;

// A window whose mouse press throws what the test asks for, after grabbing the mouse.
class ThrowingWidget : public QWidget {
 public:
  explicit ThrowingWidget(std::function<void()> thrower = {}) : on_press(std::move(thrower)) {
    resize(100, 100);
    show();
  }
  std::function<void()> on_press;

 protected:
  void mousePressEvent(QMouseEvent*) override {
    GuardHandler(this, [this] {
      grabMouse();
      if (on_press) on_press();
    });
  }
};

struct DispatchCase {
  const char* name;
  std::function<void()> thrower;
  QString caption;
  QString text_start;
  friend void PrintTo(const DispatchCase& row, std::ostream* os) { *os << row.name; }
};

class EventDispatchTest : public testing::TestWithParam<DispatchCase> {};

// The failure is caught at the mouse handler's guard, reported, and the
// program goes on, on the box's route and the last resort's. An EAbort
// passes the same guard into the same report; that it opens nothing is the
// report's own rule, tested without Qt.
TEST_P(EventDispatchTest, ReportsWhatEscapesAnEventAndGoesOn) {
  const DispatchCase& row = GetParam();
  ThrowingWidget widget(row.thrower);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));

  BoxAnswerer answerer;
  QTest::mousePress(&widget, Qt::LeftButton);

  EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << "the press must be cancelled";
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  const auto& box = answerer.Boxes().front();
  EXPECT_EQ(box.caption, row.caption);
  EXPECT_TRUE(box.text.startsWith(row.text_start)) << box.text.toStdString();
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_TRUE(box.application_modal);
  QTest::mouseRelease(&widget, Qt::LeftButton);

  // The loop goes on: the same press fails and is reported again.
  QTest::mousePress(&widget, Qt::LeftButton);
  EXPECT_EQ(answerer.Boxes().size(), 2u);
  QTest::mouseRelease(&widget, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    Thrown, EventDispatchTest,
    testing::Values(
        DispatchCase{"EOverflow", [] { throw EOverflow("D\xE9" "bordement en virgule flottante"); }, "Outil",
                     QString::fromUtf8("Débordement en virgule flottante.")},
        DispatchCase{"std_runtime_error", [] { throw std::runtime_error("boom"); },
                     QString::fromUtf8("Erreur d'application"),
                     "Exception std::runtime_error dans le module OUTIL.DE.CALCUL.EXE dans "}),
    testing::PrintToStringParamName());

// The counterpart of the cancelled press above: without a failure the
// widget keeps the grab it took.
TEST(EventDispatchTest, PressWithoutFailureKeepsItsGrab) {
  ThrowingWidget widget;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  QTest::mousePress(&widget, Qt::LeftButton);
  EXPECT_EQ(QWidget::mouseGrabber(), &widget);
  widget.releaseMouse();
  QTest::mouseRelease(&widget, Qt::LeftButton);
}

TEST(EventDispatchTest, InstalledHookReplacesTheBox) {
  ThrowingWidget widget([] { throw EOverflow("D\xE9" "bordement en virgule flottante"); });
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));

  EventSender hook_sender = nullptr;
  std::string hook_message;
  Application()->Reporter().SetHook([&](EventSender sender, const Exception& failure) {
    hook_sender = sender;
    hook_message = failure.Message();
  });
  BoxAnswerer answerer;
  QTest::mousePress(&widget, Qt::LeftButton);
  Application()->Reporter().SetHook({});

  EXPECT_TRUE(answerer.Boxes().empty());
  EXPECT_TRUE(hook_sender == static_cast<QObject*>(&widget) || hook_sender == static_cast<QObject*>(widget.windowHandle()));
  EXPECT_EQ(hook_message, "D\xE9" "bordement en virgule flottante");
  QTest::mouseRelease(&widget, Qt::LeftButton);
}

// A window with an edit box and a button, the edit box focused.
struct FocusedWindow {
  QWidget window;
  QLineEdit* edit = new QLineEdit(&window);
  QLineEdit* other = new QLineEdit(&window);
  QPushButton* button = new QPushButton("Calculer", &window);
  int clicks = 0;

  FocusedWindow() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
  }
};

TEST(ShowFailureMessageTest, BlocksOtherWindowsThenRestoresActivationAndFocus) {
  FocusedWindow form;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form.window));
  ASSERT_EQ(QApplication::focusWidget(), form.other);

  bool blocked_click_reached_button = true;
  BoxAnswerer answerer([&](QMessageBox&) {
    // A user's click on the other window while the box shows does nothing.
    QWindow* window = form.window.windowHandle();
    const QPoint at = form.button->mapTo(&form.window, form.button->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
    blocked_click_reached_button = form.clicks != 0;
  });
  Application()->Reporter().ShowFailureMessage(EOverflow("D\xE9" "bordement en virgule flottante"));

  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_FALSE(blocked_click_reached_button);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form.window));
  EXPECT_EQ(QApplication::activeWindow(), &form.window);
  EXPECT_EQ(QApplication::focusWidget(), form.other);

  // Afterwards the window takes clicks again.
  QTest::mouseClick(form.window.windowHandle(), Qt::LeftButton, {},
                    form.button->mapTo(&form.window, form.button->rect().center()));
  EXPECT_EQ(form.clicks, 1);
}

}  // namespace
}  // namespace anod
