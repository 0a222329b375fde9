#include "platform/edges.h"

namespace anod {

void FrameRect(Canvas& canvas, const Rect& r, TColor color) {
  if (r.IsEmpty()) return;
  canvas.FillRect({r.left, r.top, r.right, r.top + 1}, color);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom}, color);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, color);
}

void Draw3DRing(Canvas& canvas, const Rect& r, TColor top_left, TColor bottom_right) {
  if (r.IsEmpty()) return;
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1}, top_left);
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

void DrawEdge(Canvas& canvas, Rect& r, unsigned edge) {
  const unsigned outer = edge & (Edge::RaisedOuter | Edge::SunkenOuter);
  const unsigned inner = edge & (Edge::RaisedInner | Edge::SunkenInner);
  if (outer == Edge::RaisedOuter) Draw3DRing(canvas, r, cl3DLight, cl3DDkShadow);
  if (outer == Edge::SunkenOuter) Draw3DRing(canvas, r, clBtnShadow, clBtnHighlight);
  if (outer != 0) r = r.Inset(1);
  if (inner == Edge::RaisedInner) Draw3DRing(canvas, r, clBtnHighlight, clBtnShadow);
  if (inner == Edge::SunkenInner) Draw3DRing(canvas, r, cl3DDkShadow, cl3DLight);
  if (inner != 0) r = r.Inset(1);
}

void DrawFocusRect(Canvas& canvas, const Rect& r) {
  if (r.IsEmpty()) return;
  auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0) canvas.InvertPixel(x, y);
  };
  for (int x = r.left; x < r.right; ++x) {
    dot(x, r.top);
    if (r.bottom - 1 > r.top) dot(x, r.bottom - 1);
  }
  for (int y = r.top + 1; y < r.bottom - 1; ++y) {
    dot(r.left, y);
    if (r.right - 1 > r.left) dot(r.right - 1, y);
  }
}

}  // namespace anod
