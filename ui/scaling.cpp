#include "ui/scaling.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace anod {

int ScaleValue(int v, int num, int den) {
  const std::int64_t product = static_cast<std::int64_t>(v) * num;
  const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(den)) / (2 * std::llabs(den));
  const bool negative = (product < 0) != (den < 0);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

Rect ScaleRect(const Rect& r, int num, int den) {
  return {ScaleValue(r.left, num, den), ScaleValue(r.top, num, den), ScaleValue(r.right, num, den),
          ScaleValue(r.bottom, num, den)};
}

int PixelsToPoints(int pixels) { return ScaleValue(pixels, 72, 96); }
int PointsToPixels(int points) { return ScaleValue(points, 96, 72); }

Point CenteredPosition(Size screen, Size window) {
  return {std::max(0, (screen.cx - window.cx) / 2), std::max(0, (screen.cy - window.cy) / 2)};
}

ScalePlan MakeScalePlan(int pixels_per_inch, const std::function<int(int font_height)>& zero_height,
                        const DesignMetrics& design) {
  ScalePlan plan{design.font_height, design.text_height, design.text_height};
  if (pixels_per_inch != design.pixels_per_inch && pixels_per_inch > 0) {
    plan.window_font_height = ScaleValue(design.font_height, pixels_per_inch, design.pixels_per_inch);
  }
  const int measured = zero_height(plan.window_font_height);
  if (measured > 0 && measured != design.text_height) plan.num = measured;
  return plan;
}

}  // namespace anod
