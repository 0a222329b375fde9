#include "ui/control_looks.h"

#include "platform/draw_text.h"
#include "platform/edges.h"

namespace anod {
namespace {

unsigned AlignmentFlags(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::LeftJustify: return TextFormat::Left;
    case TextAlignment::RightJustify: return TextFormat::Right;
    case TextAlignment::Center: return TextFormat::Center;
  }
  return TextFormat::Left;
}

}  // namespace

void PaintBoxBevel(Canvas& canvas, Size size, bool raised) {
  const int w = size.cx, h = size.cy;
  if (w <= 0 || h <= 0) return;
  const TColor light = raised ? clBtnHighlight : clBtnShadow;
  const TColor dark = raised ? clBtnShadow : clBtnHighlight;
  // Top and left: the whole left column (bottom-left corner included), the
  // top row up to the last column.
  canvas.FillRect({0, 0, w - 1, 1}, light);
  canvas.FillRect({0, 0, 1, h}, light);
  // Right and bottom: the whole right column (top-right corner included), the
  // bottom row from the second column.
  canvas.FillRect({w - 1, 0, w, h}, dark);
  canvas.FillRect({1, h - 1, w, h}, dark);
}

void PaintRectangleShape(Canvas& canvas, Size size, TColor pen, int pen_width, TColor brush, bool brush_clear) {
  const Rect all{0, 0, size.cx, size.cy};
  if (!brush_clear) canvas.FillRect(all.Inset(pen_width), brush);
  Rect ring = all;
  for (int i = 0; i < pen_width; ++i) {
    FrameRect(canvas, ring, pen);
    ring = ring.Inset(1);
  }
}

int CenteredTextTop(int label_height, int text_height) { return (label_height - text_height) / 2; }

void PaintLabel(Canvas& canvas, Size size, const LabelLook& look) {
  const int w = size.cx, h = size.cy;
  if (!look.transparent) canvas.FillRect({0, 0, w, h}, look.color);
  canvas.SetFont(look.font);
  unsigned flags = TextFormat::ExpandTabs | AlignmentFlags(look.alignment);
  if (look.word_wrap) flags |= TextFormat::WordBreak;
  if (!look.show_accel_char) flags |= TextFormat::NoPrefix;
  int top = 0;
  if (look.layout != TextLayout::Top) {
    Rect measured{0, 0, w, 0};
    const int text_height =
        DrawFormattedText(canvas, look.caption, measured, flags | TextFormat::CalcRect, look.font.color);
    top = look.layout == TextLayout::Center ? CenteredTextTop(h, text_height) : h - text_height;
  }
  Rect text{0, top, w, h};
  CanvasStateSaver saver(canvas);
  canvas.IntersectClip({0, 0, w, h});
  DrawFormattedText(canvas, look.caption, text, flags, look.font.color);
}

Rect PanelInterior(Size size, const PanelLook& look) {
  int inset = 0;
  if (look.has_outer) inset += look.bevel_width;
  if (look.has_inner) inset += look.bevel_width;
  return Rect{0, 0, size.cx, size.cy}.Inset(inset);
}

void PaintPanel(Canvas& canvas, Size size, const PanelLook& look) {
  Rect r{0, 0, size.cx, size.cy};
  auto rings = [&](bool raised) {
    for (int i = 0; i < look.bevel_width; ++i) {
      if (raised) {
        Draw3DRing(canvas, r, clBtnHighlight, clBtnShadow);
      } else {
        Draw3DRing(canvas, r, clBtnShadow, clBtnHighlight);
      }
      r = r.Inset(1);
    }
  };
  if (look.has_outer) rings(look.outer_raised);
  if (look.has_inner) rings(!look.inner_lowered);
  canvas.FillRect(r, look.color);
  if (look.caption.empty()) return;
  canvas.SetFont(look.font);
  const int f = canvas.Metrics().height;
  const int top = (r.top + r.bottom - f) / 2;
  Rect line{r.left, top, r.right, top + f};
  CanvasStateSaver saver(canvas);
  canvas.IntersectClip(r);
  DrawFormattedText(
      canvas, look.caption, line,
      TextFormat::SingleLine | TextFormat::ExpandTabs | TextFormat::NoClip | AlignmentFlags(look.alignment),
      look.font.color);
}

void PaintStaticText(Canvas& canvas, Size size, const std::string& caption, TColor color, const FontSpec& font) {
  Rect r{0, 0, size.cx, size.cy};
  DrawEdge(canvas, r, Edge::SunkenOuter);
  canvas.FillRect(r, color);
  canvas.SetFont(font);
  DrawFormattedText(canvas, caption, r, TextFormat::Center | TextFormat::WordBreak | TextFormat::ExpandTabs,
                    font.color);
}

void PaintPushButton(Canvas& canvas, Size size, const PushButtonLook& look) {
  Rect r{0, 0, size.cx, size.cy};
  if (look.focused || look.pressed) {
    FrameRect(canvas, r, clWindowFrame);
    r = r.Inset(1);
  }
  if (look.pressed) {
    FrameRect(canvas, r, clBtnShadow);
    r = r.Inset(1);
  } else {
    // Outer ring, then inner ring.
    Draw3DRing(canvas, r, clBtnHighlight, cl3DDkShadow);
    r = r.Inset(1);
    Draw3DRing(canvas, r, cl3DLight, clBtnShadow);
    r = r.Inset(1);
  }
  canvas.FillRect(r, clBtnFace);
  canvas.SetFont(look.font);
  Rect text = look.pressed ? r.Offset(1, 1) : r;
  {
    CanvasStateSaver saver(canvas);
    canvas.IntersectClip(r);
    DrawFormattedText(canvas, look.caption, text,
                      TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine | TextFormat::NoClip,
                      look.font.color);
  }
  if (look.focused) DrawFocusRect(canvas, Rect{0, 0, size.cx, size.cy}.Inset(4));
}

void PaintSunkenClientEdge(Canvas& canvas, Size size) {
  Rect r{0, 0, size.cx, size.cy};
  DrawEdge(canvas, r, Edge::Sunken);
}

}  // namespace anod
