// The shared timer pool and the button's own timers, on a hand-driven clock.
#include "widgets/vivid_timers.h"

#include <gtest/gtest.h>

#include "core/failures.h"
#include "tests/widgets/manual_timers.h"

namespace anod {
namespace {

using testing_support::ManualTimers;

struct PoolIntervalRow {
  const char* name;
  int registered;
  int later;     // a later SetInterval, 0 for none
  int expected;  // the interval in force
};

TEST(TVividTimerPoolTest, RoundsAtRegistrationAndIgnoresOddChanges) {
  const PoolIntervalRow rows[] = {
      {"500 stays", 500, 0, 500},      {"120 rounds to 150", 120, 0, 150},  {"1 rounds to 50", 1, 0, 50},
      {"0 rounds to 50", 0, 0, 50},    {"501 rounds to 550", 501, 0, 550},  {"change to 100", 500, 100, 100},
      {"change to 75 ignored", 500, 75, 500}, {"change to 0 ignored", 500, -50, 500},
  };
  for (const PoolIntervalRow& row : rows) {
    SCOPED_TRACE(row.name);
    ManualTimers clock;
    TVividTimerPool pool(clock);
    auto t = pool.Add(row.registered);
    if (row.later != 0) t->SetInterval(row.later);
    EXPECT_EQ(t->Interval(), row.expected);
  }
}

TEST(TVividTimerPoolTest, TicksEachTimerAtItsInterval) {
  ManualTimers clock;
  TVividTimerPool pool(clock);
  std::vector<int> fast, slow;
  auto a = pool.Add(100);
  auto b = pool.Add(250);
  a->OnTimer = [&] { fast.push_back(clock.now); };
  b->OnTimer = [&] { slow.push_back(clock.now); };
  clock.Advance(500);
  EXPECT_EQ(fast, (std::vector<int>{100, 200, 300, 400, 500}));
  EXPECT_EQ(slow, (std::vector<int>{250, 500}));
  EXPECT_EQ(clock.Running(), 1);  // one platform timer serves both
}

TEST(TVividTimerPoolTest, StopsItsPlatformTimerWithTheLastRemoval) {
  ManualTimers clock;
  TVividTimerPool pool(clock);
  auto a = pool.Add(100);
  auto b = pool.Add(100);
  EXPECT_EQ(pool.Count(), 2);
  a.reset();
  EXPECT_EQ(clock.Running(), 1);
  b.reset();
  EXPECT_EQ(pool.Count(), 0);
  EXPECT_EQ(clock.Running(), 0);
}

TEST(TVividTimerPoolTest, ATickMayRemoveItsOwnTimer) {
  ManualTimers clock;
  TVividTimerPool pool(clock);
  std::unique_ptr<TVividTimer> t = pool.Add(50);
  auto other = pool.Add(50);
  int ticks = 0, other_ticks = 0;
  t->OnTimer = [&] {
    ++ticks;
    t.reset();
  };
  other->OnTimer = [&] { ++other_ticks; };
  clock.Advance(200);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(other_ticks, 4);
}

TEST(TVividTimerPoolTest, HasTwoHundredFiftyPlaces) {
  ManualTimers clock;
  TVividTimerPool pool(clock);
  std::vector<std::unique_ptr<TVividTimer>> timers;
  for (int i = 0; i < TVividTimerPool::Capacity; ++i) timers.push_back(pool.Add(100));
  EXPECT_EQ(pool.Count(), 250);
  try {
    pool.Add(100);
    ADD_FAILURE() << "a 251st timer was accepted";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(e.Message(), "Pas assez de timers disponibles");
  }
  timers.pop_back();
  EXPECT_NO_THROW(timers.push_back(pool.Add(100)));
}

struct RefusalRow {
  const char* name;
  std::function<std::unique_ptr<TVividTimer>(TimerService&)> make;
};

TEST(TimerRefusalTest, RaisesOutOfResourcesWhenThePlatformHasNoTimer) {
  const RefusalRow rows[] = {
      {"own timer", [](TimerService& s) { return MakeOwnTimer(s, 500); }},
      {"pool timer",
       [](TimerService& s) {
         TVividTimerPool pool(s);
         return pool.Add(500);
       }},
  };
  for (const RefusalRow& row : rows) {
    SCOPED_TRACE(row.name);
    ManualTimers clock;
    clock.refuse = true;
    try {
      row.make(clock);
      ADD_FAILURE() << "no failure raised";
    } catch (const EOutOfResources& e) {
      EXPECT_EQ(e.Message(), "Pas assez de timers disponibles");
    }
  }
}

TEST(OwnTimerTest, TicksAndFollowsIntervalChanges) {
  ManualTimers clock;
  auto t = MakeOwnTimer(clock, 500);
  std::vector<int> ticks;
  t->OnTimer = [&] {
    ticks.push_back(clock.now);
    t->SetInterval(100);
  };
  clock.Advance(800);
  EXPECT_EQ(ticks, (std::vector<int>{500, 600, 700, 800}));
  t->SetEnabled(false);
  clock.Advance(300);
  EXPECT_EQ(ticks.size(), 4u);
  EXPECT_EQ(clock.Running(), 0);
}

}  // namespace
}  // namespace anod
