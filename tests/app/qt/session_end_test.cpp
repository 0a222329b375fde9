#include "app/qt/session_end.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <csignal>

#include "platform/message_box.h"

namespace anod {
namespace {

struct SignalCase {
  const char* name;
  int signal;
  friend void PrintTo(const SignalCase& row, std::ostream* os) { *os << row.name; }
};

class SessionEndLoopTest : public testing::TestWithParam<SignalCase> {};

// The loop ends with exit code 0; the window is left to its owner to destroy.
TEST_P(SessionEndLoopTest, SignalEndsTheLoopCleanly) {
  SessionEndWatcher watcher;
  QWidget window;
  window.show();
  QTimer::singleShot(0, [&] { raise(GetParam().signal); });
  EXPECT_EQ(QApplication::exec(), 0);
}

// A message box left open does not hold the session up: its loop ends too,
// and so does the main loop around it.
TEST_P(SessionEndLoopTest, SignalEndsAnOpenMessageBox) {
  SessionEndWatcher watcher;
  bool box_returned = false;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] { raise(GetParam().signal); });
    ShowStopMessageBox("Outil", "Bo\xEEte laiss\xE9" "e ouverte");
    box_returned = true;
  });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(box_returned);
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEndLoopTest,
                         testing::Values(SignalCase{"SIGTERM", SIGTERM}, SignalCase{"SIGHUP", SIGHUP}),
                         testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
