#include "app/session_end_signals.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <csignal>

namespace anod {
namespace {

bool Readable(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return poll(&entry, 1, 0) == 1 && (entry.revents & POLLIN) != 0;
}

class SessionEndSignalsTest : public testing::TestWithParam<int> {};

TEST_P(SessionEndSignalsTest, SignalMakesTheFdReadableUntilDrained) {
  SessionEndSignals signals;
  ASSERT_GE(signals.ReadyFd(), 0);
  EXPECT_FALSE(Readable(signals.ReadyFd()));
  raise(GetParam());
  EXPECT_TRUE(Readable(signals.ReadyFd()));
  EXPECT_TRUE(signals.Drain());
  EXPECT_FALSE(Readable(signals.ReadyFd()));
  EXPECT_FALSE(signals.Drain());
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEndSignalsTest, testing::Values(SIGTERM, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == SIGTERM ? "SIGTERM" : "SIGHUP");
                         });

TEST(SessionEndSignalsTest, PreviousHandlerComesBack) {
  struct sigaction before {};
  sigaction(SIGTERM, nullptr, &before);
  {
    SessionEndSignals signals;
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
