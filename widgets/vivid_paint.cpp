#include "widgets/vivid_paint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/draw_text.h"
#include "platform/edges.h"
#include "widgets/vivid_themes.h"

namespace anod {

ButtonDrawState ComputeDrawState(bool enabled, bool selected, bool mouse_inside) {
  if (!enabled) return ButtonDrawState::Disabled;
  if (selected) return ButtonDrawState::Pressed;
  if (mouse_inside) return ButtonDrawState::Hot;
  return ButtonDrawState::Normal;
}

namespace {

void FocusRect(Canvas& canvas, const Rect& r) {
  // The dotted rectangle inverts what lies under it, so it shows on any face.
  DrawFocusRect(canvas, r);
}

// The flat family: nothing but the face until the pointer comes; a one-pixel
// raised edge while it is over the button, a sunken one while pressed.
void DrawFlatFrame(Canvas& canvas, bool hover, Rect& r, TColor color, FrameFlags flags, bool pressed,
                   TVividUserButtonStyle style) {
  const bool explorer = style == ubsExplorer || style == ubsExplorerColored;
  if (!explorer) canvas.FillRect(r, color);
  // Outer frame of the active button.
  if (!pressed && (flags.active || flags.focused)) {
    FrameRect(canvas, r, clWindowFrame);
    r = r.Inset(1);
  }
  const Rect s = r;
  if ((style == ubsNavigator || style == ubsTronzaFlat) && (pressed || hover)) {
    FrameRect(canvas, r, clBtnShadow);
    r = r.Inset(1);
  }
  if (pressed) {
    DrawEdge(canvas, r, Edge::SunkenOuter);
  } else if (hover) {
    DrawEdge(canvas, r, Edge::RaisedInner);
  } else if (!explorer) {
    canvas.FillRect(r, color);
  }
  if (flags.active) FocusRect(canvas, s.Inset(pressed ? 4 : 3));
  r = s.Inset(3);
  if (pressed) r = r.Offset(1, 1);
}

// The raised 3-D push button (ubsWin40 and its relatives): a two-pixel raised
// edge, a black outline when active, and a flat shadow ring when pressed.
void DrawPushFrame(Canvas& canvas, bool hover, Rect& r, TColor color, FrameFlags flags, bool pressed,
                   TVividUserButtonStyle style) {
  canvas.FillRect(r, color);
  if (style == ubsWin31) {
    // Black outline with its corner pixels left out: the rounded old look.
    FrameRect(canvas, r, clWindowFrame);
    for (const Point p : {Point{r.left, r.top}, Point{r.right - 1, r.top}, Point{r.left, r.bottom - 1},
                          Point{r.right - 1, r.bottom - 1}}) {
      canvas.FillRect({p.x, p.y, p.x + 1, p.y + 1}, color);
    }
    r = r.Inset(1);
  }
  if (flags.active) {
    FrameRect(canvas, r, clWindowFrame);
    r = r.Inset(1);
  }
  const Rect s = r;
  if (pressed) {
    FrameRect(canvas, r, clBtnShadow);
    r = r.Inset(1);
  } else if (style == ubsWin31) {
    DrawEdge(canvas, r, Edge::RaisedInner);
  } else if (style == ubsTronza && !hover) {
    // Tronza stays thin until the pointer comes.
    DrawEdge(canvas, r, Edge::RaisedInner);
  } else {
    DrawEdge(canvas, r, Edge::Raised);
  }
  if (flags.active || flags.focused) FocusRect(canvas, s.Inset(3));
  r = s.Inset(3);
  if (pressed) r = r.Offset(1, 1);
}

// ubsIntegrated: a thin shadow outline at rest, edges like the flat family.
void DrawIntegratedFrame(Canvas& canvas, bool hover, Rect& r, TColor color, FrameFlags flags, bool pressed) {
  canvas.FillRect(r, color);
  const Rect s = r;
  if (pressed) {
    DrawEdge(canvas, r, Edge::SunkenOuter);
  } else if (hover) {
    DrawEdge(canvas, r, Edge::RaisedInner);
  } else {
    FrameRect(canvas, r, clBtnShadow);
  }
  if (flags.active) FocusRect(canvas, s.Inset(3));
  r = s.Inset(3);
  if (pressed) r = r.Offset(1, 1);
}

// The office styles: a highlight outline while hot or pressed; the
// transparent one keeps the background under its face.
void DrawOfficeFrame(Canvas& canvas, bool hover, Rect& r, TColor color, FrameFlags flags, bool pressed,
                     TVividUserButtonStyle style) {
  if (style == ubsOffice) canvas.FillRect(r, color);
  const Rect s = r;
  if (pressed || hover) FrameRect(canvas, r, clHighlight);
  if (pressed) FrameRect(canvas, r.Inset(1), clBtnShadow);
  if (flags.active) FocusRect(canvas, s.Inset(3));
  r = s.Inset(3);
  if (pressed) r = r.Offset(1, 1);
}

}  // namespace

void DrawClassicFrame(Canvas& canvas, bool hover, Rect& r, TColor color, FrameFlags flags, ButtonDrawState state,
                      TVividUserButtonStyle style) {
  const bool pressed = IsPressed(state);
  if (IsFlatButtonStyle(style)) {
    DrawFlatFrame(canvas, hover, r, color, flags, pressed, style);
  } else if (style == ubsIntegrated) {
    DrawIntegratedFrame(canvas, hover, r, color, flags, pressed);
  } else if (style == ubsOffice || style == ubsOfficeTransp) {
    DrawOfficeFrame(canvas, hover, r, color, flags, pressed, style);
  } else {
    DrawPushFrame(canvas, hover, r, color, flags, pressed, style);
  }
}

ThemeClass ThemeClassOfStyle(TVividUserButtonStyle style) {
  switch (style) {
    case ubsWin31:
    case ubsWin40:
    case ubsTronza:
    case ubsIntegrated:
    case ubsWin40Ext:
      return ThemeClass::Button;
    case ubsCombo:
      return ThemeClass::ComboBox;
    default:
      return ThemeClass::ToolBar;
  }
}

bool DrawThemedFrame(Canvas& canvas, ThemeService& service, ThemeHandle handle, bool hover, Rect& r, TColor,
                     FrameFlags flags, ButtonDrawState state, TVividUserButtonStyle style) {
  if (handle == 0) return false;
  int theme_state = 1;
  if (hover) theme_state = 2;
  if (IsPressed(state)) theme_state = 3;
  if (state == ButtonDrawState::Disabled) theme_state = 4;
  // A push button shows itself as the default one (state 5) while active.
  if (theme_state == 1 && flags.active && ThemeClassOfStyle(style) == ThemeClass::Button) theme_state = 5;
  service.DrawThemeBackground(handle, canvas, 1, theme_state, r);
  r = r.Inset(3);
  if (flags.active) FocusRect(canvas, r);
  return true;
}

// ----- Captions -----

namespace {

// The start point and extent of a run turned counter-clockwise by `angle`
// degrees: the four corners of the unturned run, turned around its top-left
// corner, give the bounding box; the start point is that corner's place in it.
struct Turned {
  Size size;
  Point start;
};
Turned TurnRun(int w, int h, int angle) {
  const double a = angle * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  // Screen y grows downwards: the baseline runs along (c, -s), the cell's
  // height along (s, c).
  const std::array<double, 4> xs = {0.0, w * c, h * s, w * c + h * s};
  const std::array<double, 4> ys = {0.0, -w * s, h * c, -w * s + h * c};
  const auto [min_x, max_x] = std::minmax_element(xs.begin(), xs.end());
  const auto [min_y, max_y] = std::minmax_element(ys.begin(), ys.end());
  return {{static_cast<int>(std::lround(*max_x - *min_x)), static_cast<int>(std::lround(*max_y - *min_y))},
          {static_cast<int>(std::lround(-*min_x)), static_cast<int>(std::lround(-*min_y))}};
}

// A rotated caption is one run without prefix marks.
std::string RotatedText(Canvas& canvas, std::string_view text, unsigned flags) {
  const std::vector<TextLine> lines =
      LayoutText(canvas, text, 0, (flags | TextFormat::SingleLine) & ~TextFormat::WordBreak);
  return lines.empty() ? std::string() : lines.front().text;
}

Rgb Mix(Rgb a, Rgb b, int num, int den) {
  auto m = [&](int x, int y) { return static_cast<std::uint8_t>(x + (y - x) * num / den); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

}  // namespace

Size MeasureEffectText(Canvas& canvas, std::string_view text, int available_width, TVividFxCaption& fx,
                       const EffectTextOptions& options) {
  std::string_view measured = text;
  if (measured.empty() || (options.prefix && measured == "&")) measured = " ";
  unsigned flags = TextFormat::CalcRect | TextFormat::ExpandTabs | options.text_flags;
  if (options.word_wrap) flags |= TextFormat::WordBreak;
  if (!options.prefix) flags |= TextFormat::NoPrefix;

  CanvasStateSaver saver(canvas);
  canvas.SetCharExtra(fx.Tracing());
  Size size;
  if (fx.Angle() != 0) {
    const std::string run = RotatedText(canvas, measured, flags);
    const Turned turned = TurnRun(canvas.TextWidth(run), canvas.Metrics().height, fx.Angle());
    size = turned.size;
    fx.SetMeasuredPos(turned.start.x, turned.start.y);
  } else {
    Rect r{0, 0, available_width, 0};
    DrawFormattedText(canvas, measured, r, flags, clBlack);
    size = {r.Width(), r.Height()};
    fx.SetMeasuredPos(0, 0);
  }
  const int grow = fx.EffectMargin() + 2;
  return {size.cx + grow, size.cy + grow};
}

namespace {

class EffectPainter {
 public:
  EffectPainter(Canvas& canvas, std::string_view text, Rect rect, unsigned flags, int angle)
      : canvas_(canvas), text_(text), rect_(rect), flags_(flags), angle_(angle) {
    if (angle_ != 0) run_ = RotatedText(canvas_, text_, flags_);
  }

  Rect& rect() { return rect_; }

  // One pass: move the rectangle (offsets add up), draw the whole text.
  void Pass(int dx, int dy, TColor color) {
    rect_ = rect_.Offset(dx, dy);
    Draw(rect_, color);
  }

  void Draw(const Rect& at, TColor color) {
    if (angle_ != 0) {
      // `at` starts at the turned run's start point, which may lie anywhere
      // in the run's box: the run is not clipped to it (the button clips).
      canvas_.DrawTextRun(at.left, at.top, run_, color, angle_);
      return;
    }
    Rect r = at;
    DrawFormattedText(canvas_, text_, r, flags_, color);
  }

  // The outline of every line, stroked with a pen `width` wide.
  void Outline(int offset, TColor color, int width) {
    const Rect at = rect_.Offset(offset, offset);
    if (angle_ != 0) {
      // Turned outlines are drawn as the plain turned run.
      canvas_.DrawTextRun(at.left, at.top, run_, color, angle_);
      return;
    }
    CanvasStateSaver saver(canvas_);
    if ((flags_ & TextFormat::NoClip) == 0) canvas_.IntersectClip(at);
    const int line_height = canvas_.Metrics().height;
    int y = at.top;
    for (const TextLine& line : LayoutText(canvas_, text_, at.Width(), flags_)) {
      int x = at.left;
      if ((flags_ & TextFormat::Center) != 0) x = at.left + (at.Width() - line.width) / 2;
      if ((flags_ & TextFormat::Right) != 0) x = at.right - line.width;
      canvas_.StrokeText(x, y, line.text, color, width);
      y += line_height;
    }
  }

 private:
  Canvas& canvas_;
  std::string_view text_;
  Rect rect_;
  unsigned flags_;
  int angle_;
  std::string run_;
};

Point ExtrudeDirection(TVividThreeDOrientation o) {
  switch (o) {
    case toBottomLeft:
      return {-1, 1};
    case toBottomRight:
      return {1, 1};
    case toTopLeft:
      return {-1, -1};
    case toTopRight:
      return {1, -1};
  }
  return {-1, -1};
}

}  // namespace

void DrawEffectText(Canvas& canvas, std::string_view text, const Rect& rect, unsigned draw_flags,
                    const TVividFxCaption& fx, bool enabled, TColor font_color, TColor brush_color) {
  if (text.empty() || rect.IsEmpty()) return;
  TVividThreeDStyle style = fx.Style();
  TColor c;
  if (enabled || fx.DisabledStyle() == dsNone) {
    c = (style == tdPColorSunken || style == tdPColorRaised) ? brush_color : font_color;
  } else {
    c = clGrayText;
    if (fx.DisabledStyle() == dsAuto || fx.DisabledStyle() == ds3d) style = tdSunken;
  }

  Rect r = rect;
  r.left += fx.PosX();
  r.top += fx.PosY();
  const int l = fx.LightDepth();
  const int s = fx.ShadowDepth();
  switch (style) {
    case tdSunken:
    case tdRaised:
      r.right -= l;
      break;
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised:
      r.right -= l + s;
      break;
    case tdShadow:
      r.right -= s;
      break;
    default:
      break;
  }

  CanvasStateSaver saver(canvas);
  canvas.SetCharExtra(fx.Tracing());
  EffectPainter p(canvas, text, r, draw_flags, fx.Angle());
  switch (style) {
    case tdNone:
      p.Pass(0, 0, c);
      break;
    case tdSunken:
      p.Pass(l, l, fx.LightColor());
      p.Pass(-l, -l, c);
      break;
    case tdRaised:
      p.Pass(0, 0, fx.LightColor());
      p.Pass(l, l, c);
      break;
    case tdSunkenShadow:
    case tdPColorSunken:
      p.Pass(0, 0, fx.ShadowColor());
      p.Pass(l + s, l + s, fx.LightColor());
      p.Pass(-l, -l, c);
      break;
    case tdRaisedShadow:
    case tdPColorRaised:
      p.Pass(l + s, l + s, fx.ShadowColor());
      p.Pass(-l - s, -l - s, fx.LightColor());
      p.Pass(l, l, c);
      break;
    case tdShadow:
      p.Pass(s, s, fx.ShadowColor());
      p.Pass(-s, -s, c);
      break;
    case tdOutline:
      p.Outline(s / 2, c, s);
      break;
    case tdExtrude:
    case tdExtrudeEnh: {
      // Copies one pixel apart towards Orientation, the farthest first; the
      // text itself sits at the other end, so the block fits its rectangle.
      const Point dir = ExtrudeDirection(fx.Orientation());
      const Rect base = r.Offset(dir.x < 0 ? s : 0, dir.y < 0 ? s : 0);
      const Rgb far = ColorToRgb(fx.ShadowColor());
      const Rgb near = ColorToRgb(fx.LightColor());
      for (int i = s; i >= 1; --i) {
        TColor copy = fx.ShadowColor();
        if (style == tdExtrudeEnh && s > 1) {
          const Rgb m = Mix(far, near, s - i, s - 1);
          copy = RgbColor(m.r, m.g, m.b);
        }
        p.Draw(base.Offset(dir.x * i, dir.y * i), copy);
      }
      p.Draw(base, c);
      break;
    }
  }
}

unsigned AlignmentTextFlags(TVividAlignment alignment) {
  switch (alignment) {
    case agTopLeft:
      return 0;
    case agTopCenter:
      return TextFormat::Center;
    case agTopRight:
      return TextFormat::Right;
    case agCenterLeft:
      return TextFormat::VCenter;
    case agCenter:
      return TextFormat::VCenter | TextFormat::Center;
    case agCenterRight:
      return TextFormat::VCenter | TextFormat::Right;
    case agBottomLeft:
      return TextFormat::Bottom;
    case agBottomCenter:
      return TextFormat::Bottom | TextFormat::Center;
    case agBottomRight:
      return TextFormat::Bottom | TextFormat::Right;
  }
  return 0;
}

CaptionPlacement PlaceCaption(const Rect& a, Size text, Size glyph, int spacing, const TVividButtonLayout& layout,
                              bool multi_line, unsigned text_flags) {
  const int w = text.cx, h = text.cy, gw = glyph.cx, gh = glyph.cy, s = spacing;
  const TVividTextArrange arrange = layout.AlignText2Glyph();
  const bool side_by_side = arrange == taLeft || arrange == taLeftTop || arrange == taRight || arrange == taRightTop;

  int tx = 0, ty = 0, gx = 0, gy = 0;
  Size block;
  if (side_by_side) {
    const int bh = std::max(h, gh);
    if (h < bh) ty = (bh - h) / 2;
    if (gh < bh) gy = (bh - gh) / 2;
    block = {w + s + gw, bh};
  } else {
    const int bw = std::max(w, gw);
    if (w < bw) tx = (bw - w) / 2;
    if (gw < bw) gx = (bw - gw) / 2;
    block = {bw, h + s + gh};
  }

  Point t, g;
  switch (arrange) {
    case taLeft:
      t = {0, ty};
      g = {w + s, gy};
      break;
    case taLeftTop:
      t = {0, ty};
      g = {w + s, 0};
      break;
    case taRight:
      t = {gw + s, ty};
      g = {0, gy};
      break;
    case taRightTop:
      t = {gw + s, ty};
      g = {0, 1};
      break;
    case taTop:
      t = {tx, 0};
      g = {gx, h + s};
      break;
    case taTopLeft:
      t = {tx, 0};
      g = {0, h + s};
      break;
    case taBottom:
      t = {tx, gh + s};
      g = {gx, 0};
      break;
    case taBottomLeft:
      t = {tx, gh + s};
      g = {0, 0};
      break;
  }

  const int column = static_cast<int>(layout.Alignment()) % 3;
  const int row = static_cast<int>(layout.Alignment()) / 3;
  auto place = [](int room, int size, int where) { return where == 0 ? 0 : where == 1 ? (room - size) / 2 : room - size; };
  const int bx = a.left + place(a.Width(), block.cx, column);
  const int by = a.top + place(a.Height(), block.cy, row);

  CaptionPlacement out;
  out.text = Rect{0, 0, w, h}.Offset(t.x + bx + 1, t.y + by + 1).Offset(layout.OffsetX(), layout.OffsetY());
  out.glyph = Rect{0, 0, gw, gh}.Offset(g.x + bx, g.y + by).Offset(layout.OffsetX(), layout.OffsetY());
  out.draw_flags = text_flags | TextFormat::ExpandTabs;
  if (multi_line) out.draw_flags |= TextFormat::WordBreak | AlignmentTextFlags(layout.Alignment());
  return out;
}

void DrawDropDownArrow(Canvas& canvas, const Rect& r, int size, TColor color) {
  if (size <= 0) return;
  const int cx = r.left + r.Width() / 2;
  const int top = r.top + (r.Height() - size) / 2;
  // Row i is 2 * (size - i) - 1 pixels wide: a solid triangle pointing down.
  for (int i = 0; i < size; ++i) {
    const int half = size - 1 - i;
    canvas.FillRect({cx - half, top + i, cx + half + 1, top + i + 1}, color);
  }
}

}  // namespace anod
