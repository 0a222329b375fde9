// A clock driven by hand for the colored button's timers.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "widgets/vivid_timers.h"

namespace anod::testing_support {

// Periodic timers on a clock that only moves when Advance is called, one
// millisecond at a time. SetInterval restarts the count, as the platform's
// timers do.
class ManualTimers final : public TimerService {
 public:
  int Start(int interval_ms, std::function<void()> tick) override {
    if (refuse) return 0;
    const int id = ++last_id_;
    timers_[id] = Timer{interval_ms, now + interval_ms, std::move(tick)};
    return id;
  }
  void SetInterval(int id, int interval_ms) override {
    if (auto it = timers_.find(id); it != timers_.end()) {
      it->second.interval = interval_ms;
      it->second.due = now + interval_ms;
    }
  }
  void Stop(int id) override { timers_.erase(id); }

  void Advance(int ms) {
    for (int i = 0; i < ms; ++i) {
      ++now;
      std::vector<int> ids;
      for (const auto& [id, t] : timers_) ids.push_back(id);
      for (int id : ids) {
        auto it = timers_.find(id);
        if (it == timers_.end() || now < it->second.due) continue;
        it->second.due = now + it->second.interval;
        const std::function<void()> tick = it->second.tick;  // the tick may stop its own timer
        tick();
      }
    }
  }
  int Running() const { return static_cast<int>(timers_.size()); }

  int now = 0;
  bool refuse = false;

 private:
  struct Timer {
    int interval;
    int due;
    std::function<void()> tick;
  };
  int last_id_ = 0;
  std::map<int, Timer> timers_;
};

}  // namespace anod::testing_support
