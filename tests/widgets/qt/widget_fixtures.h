// Helpers shared by the colored button tests: the main window's button, a
// clock driven by hand, and pointer events.
#pragma once

#include <QApplication>
#include <QEnterEvent>

#include "platform/qt/qt_canvas.h"
#include "widgets/qt/vivid_button.h"
#include "tests/widgets/main_window_button.h"
#include "tests/widgets/manual_timers.h"

namespace anod::testing_support {

// The main window's button at its size, 226 x 24.
inline void SetUpAsMainWindowButton(TVividCustomButton& b) {
  SetUpAsMainWindowButton(static_cast<TVividButtonModel&>(b));
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
