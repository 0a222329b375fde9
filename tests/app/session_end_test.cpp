#include "ui/session_end.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <csignal>

namespace anod {
namespace {

struct SignalCase {
  const char* name;
  int signal;
  friend void PrintTo(const SignalCase& row, std::ostream* os) { *os << row.name; }
};

class SessionEndTest : public testing::TestWithParam<SignalCase> {};

// The loop ends with exit code 0 and the window is closed, as after a click
// on its close box.
TEST_P(SessionEndTest, SignalEndsTheLoopCleanly) {
  SessionEndWatcher watcher;
  QWidget window;
  window.show();
  QTimer::singleShot(0, [&] { raise(GetParam().signal); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEndTest,
                         testing::Values(SignalCase{"SIGTERM", SIGTERM}, SignalCase{"SIGHUP", SIGHUP}),
                         [](const testing::TestParamInfo<SignalCase>& info) { return info.param.name; });

TEST(SessionEndTest, PreviousHandlerComesBack) {
  struct sigaction before {};
  sigaction(SIGTERM, nullptr, &before);
  {
    SessionEndWatcher watcher;
    struct sigaction during {};
    sigaction(SIGTERM, nullptr, &during);
    EXPECT_NE(during.sa_handler, before.sa_handler);
  }
  struct sigaction after {};
  sigaction(SIGTERM, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler);
}

}  // namespace
}  // namespace anod
