#include "widgets/vivid_timers.h"

#include <algorithm>
#include <map>

#include "core/failures.h"

namespace anod {
namespace {


[[noreturn]] void NoTimers() { throw EOutOfResources(kNoTimersMessage); }

class OwnTimer final : public TVividTimer {
 public:
  OwnTimer(TimerService& service, int interval) : service_(service), interval_(interval) { Start(); }
  ~OwnTimer() override { Stop(); }

  int Interval() const override { return interval_; }
  void SetInterval(int ms) override {
    if (ms == interval_) return;
    interval_ = ms;
    if (id_ != 0) service_.SetInterval(id_, ms);
  }
  bool Enabled() const override { return id_ != 0; }
  void SetEnabled(bool on) override {
    if (on == Enabled()) return;
    if (on) {
      Start();
    } else {
      Stop();
    }
  }

 private:
  void Start() {
    id_ = service_.Start(interval_, [this] {
      if (OnTimer) OnTimer();
    });
    if (id_ == 0) NoTimers();
  }
  void Stop() {
    if (id_ != 0) service_.Stop(id_);
    id_ = 0;
  }

  TimerService& service_;
  int interval_;
  int id_ = 0;
};

int RoundUpToStep(int ms) {
  const int step = TVividTimerPool::MinInterval;
  if (ms < step) return step;
  return (ms + step - 1) / step * step;
}

}  // namespace

std::unique_ptr<TVividTimer> MakeOwnTimer(TimerService& service, int interval_ms) {
  return std::make_unique<OwnTimer>(service, interval_ms);
}

// ----- The pool -----

class TVividTimerPool::PoolTimer final : public TVividTimer {
 public:
  PoolTimer(TVividTimerPool& pool, int interval) : pool_(&pool), interval_(interval) {}
  ~PoolTimer() override {
    if (pool_ != nullptr) pool_->Remove(this);
  }
  int Interval() const override { return interval_; }
  // A change that is not a multiple of the pool's step is ignored.
  void SetInterval(int ms) override {
    if (ms <= 0 || ms % MinInterval != 0) return;
    interval_ = ms;
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool on) override {
    enabled_ = on;
    elapsed_ = 0;
  }

  TVividTimerPool* pool_;
  int interval_;
  int elapsed_ = 0;
  bool enabled_ = true;
};

TVividTimerPool::~TVividTimerPool() {
  for (PoolTimer* t : places_) t->pool_ = nullptr;
  if (platform_timer_ != 0) service_.Stop(platform_timer_);
}

std::unique_ptr<TVividTimer> TVividTimerPool::Add(int interval_ms) {
  // A 251st timer is refused like a platform that has none left.
  if (static_cast<int>(places_.size()) >= Capacity) NoTimers();
  if (platform_timer_ == 0) {
    platform_timer_ = service_.Start(MinInterval, [this] { Tick(); });
    if (platform_timer_ == 0) NoTimers();
  }
  auto timer = std::make_unique<PoolTimer>(*this, RoundUpToStep(interval_ms));
  places_.push_back(timer.get());
  return timer;
}

int TVividTimerPool::Count() const { return static_cast<int>(places_.size()); }

void TVividTimerPool::Remove(PoolTimer* timer) {
  std::erase(places_, timer);
  if (places_.empty() && platform_timer_ != 0) {
    service_.Stop(platform_timer_);
    platform_timer_ = 0;
  }
}

void TVividTimerPool::Tick() {
  // A tick's handler may remove timers (its own included): walk a snapshot and
  // skip the ones gone.
  const std::vector<PoolTimer*> snapshot = places_;
  for (PoolTimer* t : snapshot) {
    if (std::find(places_.begin(), places_.end(), t) == places_.end() || !t->enabled_) continue;
    t->elapsed_ += MinInterval;
    if (t->elapsed_ < t->interval_) continue;
    t->elapsed_ = 0;
    if (t->OnTimer) t->OnTimer();
  }
}

}  // namespace anod
