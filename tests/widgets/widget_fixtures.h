// Helpers shared by the colored button tests: the main window's button, a
// clock driven by hand, and pointer events.
#pragma once

#include <QApplication>
#include <QEnterEvent>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/qt/qt_canvas.h"
#include "widgets/vivid_button.h"
#include "widgets/vivid_timers.h"

namespace anod::testing_support {

// The button as the main window sets it up: 226 x 24, black face, bold lime
// "Calculer la surface" in "MS Sans Serif" -19.
inline void SetUpAsMainWindowButton(TVividCustomButton& b) {
  b.SetButtonStyle(ubsExplorerColored);
  b.SetColor(clBlack);
  b.SetParentColor(false);
  b.SetFont(FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime});
  b.SetParentFont(false);
  b.ButtonLayout().SetSpacing(1);
  b.SetCaption("Calculer la surface");
  b.resize(226, 24);
}

// Real enter and leave events, as the framework sends them.
inline void SendEnter(QWidget& w) {
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&w, &enter);
}
inline void SendLeave(QWidget& w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&w, &leave);
}

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

// The bounding box of the pixels that match `pred`; empty when none does.
template <typename Pred>
Rect InkBox(const QImage& image, Pred pred) {
  Rect box{image.width(), image.height(), 0, 0};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (!pred(Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                    static_cast<std::uint8_t>(qBlue(p))})) {
        continue;
      }
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  if (box.IsEmpty()) return {};
  return box;
}

inline bool IsLime(Rgb c) { return c.g > 160 && c.r < 90 && c.b < 90; }

}  // namespace anod::testing_support
