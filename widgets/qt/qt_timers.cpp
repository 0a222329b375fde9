#include "widgets/qt/qt_timers.h"

#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>

#include "platform/qt/handler_guard.h"

namespace anod {
namespace {

// Qt's timers, one QTimer per id.
class QtTimerService final : public TimerService {
 public:
  int Start(int interval_ms, std::function<void()> tick) override {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(std::max(0, interval_ms));
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                     [owner = timer.get(), tick = std::move(tick)] { GuardHandler(owner, tick); });
    timer->start();
    if (!timer->isActive() || timer->timerId() < 0) return 0;
    const int id = ++last_id_;
    timers_[id] = std::move(timer);
    return id;
  }
  void SetInterval(int id, int interval_ms) override {
    if (auto it = timers_.find(id); it != timers_.end()) it->second->setInterval(std::max(0, interval_ms));
  }
  void Stop(int id) override {
    if (auto it = timers_.find(id); it != timers_.end()) {
      it->second->stop();
      // The timer may be stopped from inside its own tick: delete it later.
      it->second.release()->deleteLater();
      timers_.erase(it);
    }
  }

 private:
  int last_id_ = 0;
  std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace

TimerService& QtTimers() {
  static QtTimerService service;
  return service;
}

}  // namespace anod
