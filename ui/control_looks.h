// How each kind of control of the main window looks: stateless paint
// functions over a canvas, in the control's own coordinates (0, 0 is its
// top-left pixel; W x H its size). The controls read their state and call
// these; tests draw them into an image and check pixels.
#pragma once

#include <string>

#include "platform/canvas.h"

namespace anod {

enum class TextAlignment { LeftJustify, RightJustify, Center };
enum class TextLayout { Top, Center, Bottom };

// A one-pixel outline and nothing inside. Raised: the left column and top row
// clBtnHighlight, the right column and bottom row clBtnShadow; the
// bottom-left corner highlight, the top-right corner shadow. Lowered swaps
// the colours.
void PaintBoxBevel(Canvas& canvas, Size size, bool raised);

// A rectangle over the whole size: a one-pixel ring of `pen`, inside `brush`
// (nothing inside when `brush_clear`).
void PaintRectangleShape(Canvas& canvas, Size size, TColor pen, int pen_width, TColor brush, bool brush_clear);

struct LabelLook {
  std::string caption;  // Windows-1252
  TColor color = clBtnFace;
  FontSpec font;
  TextAlignment alignment = TextAlignment::LeftJustify;
  TextLayout layout = TextLayout::Top;
  bool word_wrap = false;
  bool show_accel_char = true;
  bool transparent = false;
};

// Fills the rectangle with `color` (unless transparent), then draws the
// caption: tabs expanded, CR LF lines, wrapped at spaces with word_wrap,
// aligned per `alignment`; tlCenter moves it down by (H - h) div 2 where h is
// the wrapped text's height (negative when the text is taller: it then starts
// above the top edge); tlBottom by H - h. Clipped to the rectangle.
//   " 244.92 Cm² " right-justified in 60 px -> its end shows, its start is cut
void PaintLabel(Canvas& canvas, Size size, const LabelLook& look);
// The vertical offset tlCenter gives a text of height h: (H - h) div 2,
// truncating toward zero: (137 - 96) -> 20, (97 - 120) -> -11.
int CenteredTextTop(int label_height, int text_height);

// B raised rings (highlight top-left, shadow bottom-right, only the top-left
// corner in the first colour), then B lowered rings, then the inside, inset
// 2B, filled with `color`; the caption centred across on a line of the
// height f of "W", whose top is (inset top + inset bottom - f) div 2.
struct PanelLook {
  std::string caption;
  TColor color = clBtnFace;
  FontSpec font;
  int bevel_width = 1;
  bool outer_raised = true;
  bool inner_lowered = true;
  bool has_outer = true;
  bool has_inner = false;
  TextAlignment alignment = TextAlignment::Center;
};
void PaintPanel(Canvas& canvas, Size size, const PanelLook& look);
// The rectangle left inside the panel's bevels.
Rect PanelInterior(Size size, const PanelLook& look);

// A one-pixel sunken edge (top and left clBtnShadow, bottom and right
// clBtnHighlight), the inside filled with `color`, the caption centred
// across from the top, wrapped at spaces.
void PaintStaticText(Canvas& canvas, Size size, const std::string& caption, TColor color, const FontSpec& font);

// A classic push button in clBtnFace. Released: an outer ring clBtnHighlight
// / cl3DDkShadow, an inner ring cl3DLight / clBtnShadow. With the focus (or
// pressed) a clWindowFrame ring comes first and the rings move in by one;
// pressed shows a single clBtnShadow ring and the caption one pixel right and
// down. With the focus a dotted focus rectangle lies 4 pixels inside the
// button's edge.
struct PushButtonLook {
  std::string caption;
  FontSpec font;
  bool pressed = false;
  bool focused = false;
};
void PaintPushButton(Canvas& canvas, Size size, const PushButtonLook& look);

// The two-pixel sunken client edge of an edit box: outer ring clBtnShadow /
// clBtnHighlight, inner ring cl3DDkShadow / cl3DLight.
void PaintSunkenClientEdge(Canvas& canvas, Size size);

}  // namespace anod
