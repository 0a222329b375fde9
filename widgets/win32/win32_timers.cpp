#include "widgets/win32/win32_timers.h"

#include <windows.h>

#include <algorithm>
#include <map>

#include "platform/win32/window_guard.h"

namespace anod {
namespace {

class Win32TimerService final : public TimerService {
 public:
  int Start(int interval_ms, std::function<void()> tick) override {
    const UINT_PTR platform_id = SetTimer(nullptr, 0, Interval(interval_ms), &Win32TimerService::Proc);
    if (platform_id == 0) return 0;
    const int id = ++last_id_;
    timers_[id] = {platform_id, std::move(tick)};
    return id;
  }
  void SetInterval(int id, int interval_ms) override {
    // The same id again replaces the timer's interval.
    if (auto it = timers_.find(id); it != timers_.end()) {
      SetTimer(nullptr, it->second.platform_id, Interval(interval_ms), &Win32TimerService::Proc);
    }
  }
  void Stop(int id) override {
    if (auto it = timers_.find(id); it != timers_.end()) {
      KillTimer(nullptr, it->second.platform_id);
      timers_.erase(it);
    }
  }

 private:
  struct Timer {
    UINT_PTR platform_id;
    std::function<void()> tick;
  };

  static UINT Interval(int ms) { return static_cast<UINT>(std::max(USER_TIMER_MINIMUM, ms)); }

  static void CALLBACK Proc(HWND, UINT, UINT_PTR platform_id, DWORD) {
    Win32TimerService& self = static_cast<Win32TimerService&>(Win32Timers());
    for (const auto& [id, timer] : self.timers_) {
      if (timer.platform_id != platform_id) continue;
      // A copy: the tick may stop its own timer.
      const std::function<void()> tick = timer.tick;
      GuardWindowProc(nullptr, 0, [&] {
        tick();
        return LRESULT{0};
      });
      return;
    }
  }

  int last_id_ = 0;
  std::map<int, Timer> timers_;
};

}  // namespace

TimerService& Win32Timers() {
  static Win32TimerService service;
  return service;
}

}  // namespace anod
