// Interval timers of the colored button: the platform's timers behind a small
// interface (so tests can drive a clock by hand), a button's own repeat timer,
// and the shared pool that serves many timers from one 50 ms platform timer.
//
//   TVividTimerPool pool(service);
//   auto t = pool.Add(120);   // registered at 150: rounded up to 50 ms steps
//   t->SetInterval(75);       // not a multiple of 50: ignored, stays 150
//   t->SetInterval(100);      // taken
//
// When the platform cannot start a timer, or the pool's 250 places are all
// taken, EOutOfResources "Pas assez de timers disponibles" is raised.
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace anod {

inline constexpr const char* kNoTimersMessage = "Pas assez de timers disponibles";

// The platform's periodic timers.
class TimerService {
 public:
  virtual ~TimerService() = default;
  // Starts a periodic timer; returns its id (> 0), or 0 when none is left.
  virtual int Start(int interval_ms, std::function<void()> tick) = 0;
  virtual void SetInterval(int id, int interval_ms) = 0;
  virtual void Stop(int id) = 0;
};

// One timer as the button sees it.
class TVividTimer {
 public:
  virtual ~TVividTimer() = default;
  virtual int Interval() const = 0;
  virtual void SetInterval(int interval_ms) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool on) = 0;
  std::function<void()> OnTimer;
};

// A timer of its own on the platform, enabled at once. Raises
// EOutOfResources when the platform has no timer left.
std::unique_ptr<TVividTimer> MakeOwnTimer(TimerService& service, int interval_ms);

class TVividTimerPool {
 public:
  static constexpr int MinInterval = 50;
  static constexpr int Capacity = 250;

  explicit TVividTimerPool(TimerService& service) : service_(service) {}
  ~TVividTimerPool();
  TVividTimerPool(const TVividTimerPool&) = delete;
  TVividTimerPool& operator=(const TVividTimerPool&) = delete;

  // Registers an enabled timer; its interval is rounded up to a multiple of
  // MinInterval (at least MinInterval). The pool's platform timer starts with
  // the first registration and stops with the last removal.
  std::unique_ptr<TVividTimer> Add(int interval_ms);
  int Count() const;

 private:
  class PoolTimer;
  void Remove(PoolTimer* timer);
  void Tick();

  TimerService& service_;
  std::vector<PoolTimer*> places_;
  int platform_timer_ = 0;
};

}  // namespace anod
