// Frames, 3-D edges and the focus rectangle: free functions over a canvas.
//
// A 3-D ring is one pixel wide: its top and left sides take the first colour,
// its bottom and right sides the second, and of its four corners only the
// top-left one takes the first colour (the bottom-left and top-right corners
// belong to the second side). Panels draw their bevels as rings; the edges of
// buttons, edit boxes and static texts are rings in the system colours.
#pragma once

#include "platform/canvas.h"

namespace anod {

// One-pixel outline on r's outermost ring.
void FrameRect(Canvas& canvas, const Rect& r, TColor color);

// One 3-D ring on r's outermost pixels.
void Draw3DRing(Canvas& canvas, const Rect& r, TColor top_left, TColor bottom_right);

// The platform's edge kinds, as bits that combine (Edge::Sunken is the outer
// sunken ring around the inner sunken ring).
struct Edge {
  enum : unsigned {
    RaisedOuter = 0x1,  // 3-D light / 3-D dark shadow
    SunkenOuter = 0x2,  // shadow / highlight
    RaisedInner = 0x4,  // highlight / shadow
    SunkenInner = 0x8,  // 3-D dark shadow / 3-D light
    Raised = RaisedOuter | RaisedInner,
    Sunken = SunkenOuter | SunkenInner,
  };
};

// Draws the outer ring (if any) on r's outermost pixels and the inner ring
// (if any) one pixel in, all four sides, and shrinks r past what was drawn:
//
//   Rect r{0, 0, 10, 10};
//   DrawEdge(canvas, r, Edge::SunkenOuter);   // r is now {1, 1, 9, 9}
void DrawEdge(Canvas& canvas, Rect& r, unsigned edge);

// The dotted focus rectangle: every other pixel of r's outermost ring is
// inverted (those whose x + y is even), so drawing it twice removes it.
void DrawFocusRect(Canvas& canvas, const Rect& r);

}  // namespace anod
