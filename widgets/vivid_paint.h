// The colored button's painting steps as free functions over a canvas:
// frames, the effect caption, the glyph-and-caption layout, the drop-down
// arrow. They read only what they are given; the button gathers its state
// and calls them in order (TVividCustomButton::DrawItem).
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "platform/theme_service.h"
#include "widgets/vivid_glyph.h"
#include "widgets/vivid_settings.h"

namespace anod {

enum class ThemeClass : int;

struct FrameFlags {
  bool active = false;   // IsActive and Enabled
  bool focused = false;  // the platform window has the focus
  bool hover = false;    // MouseInside
  bool themed = false;   // UseThemedDrawing
};

// Codes 3, 6 and 7 count as pressed too (never produced by the button).
constexpr bool IsPressedCode(int code) { return code == 3 || code == 4 || code == 6 || code == 7; }
constexpr bool IsPressed(ButtonDrawState s) { return IsPressedCode(static_cast<int>(s)); }

// The state a paint request shows: not enabled -> Disabled; selected ->
// Pressed; MouseInside -> Hot; else Normal.
ButtonDrawState ComputeDrawState(bool enabled, bool selected, bool mouse_inside);

// The classic frame of `style` on `r` (the client rectangle); `r` becomes the
// face left for the caption. The flat family follows the platform's flat
// toolbar look; ubsWin40 and its relatives draw a raised 3-D push button.
void DrawClassicFrame(Canvas& canvas, bool hover, Rect& r, TColor color, FrameFlags flags, ButtonDrawState state,
                      TVividUserButtonStyle style);

// The theme class a style is drawn with.
ThemeClass ThemeClassOfStyle(TVividUserButtonStyle style);

// The themed frame: part 1 of the style's theme class over the whole of `r`,
// state 1 normal, 2 hot, 3 pressed, 4 disabled (later rules win); `r`
// becomes `r` inset by 3 (no shift when pressed); the focus rectangle on it
// when active. Returns false (and draws nothing) without a handle.
bool DrawThemedFrame(Canvas& canvas, ThemeService& service, ThemeHandle handle, bool hover, Rect& r, TColor color,
                     FrameFlags flags, ButtonDrawState state, TVividUserButtonStyle style);

// What the caption measuring and drawing need of the button's text settings.
struct EffectTextOptions {
  unsigned text_flags = 0;  // DT_* of the button (right-to-left reading)
  bool prefix = true;       // "&x" underlines x
  bool word_wrap = false;
};

// Size of a caption with its effect, in the canvas's current font: the
// platform's measuring (an empty text, and "&" with prefixes, measure as " "),
// plus the effect margin, plus 2. `available_width` bounds word wrapping.
// For a caption that is not rotated PosX and PosY become 0; for a rotated one
// the size is that of the turned text and PosX, PosY its start point.
Size MeasureEffectText(Canvas& canvas, std::string_view text, int available_width, TVividFxCaption& fx,
                       const EffectTextOptions& options);

// Draws one caption with all its effect passes in `rect`, transparently.
// `font_color` is the font's colour, `brush_color` the face colour (the
// parent-colour effects use it). A disabled caption is clGrayText, embossed
// unless DisabledStyle is dsStandard or dsNone.
void DrawEffectText(Canvas& canvas, std::string_view text, const Rect& rect, unsigned draw_flags,
                    const TVividFxCaption& fx, bool enabled, TColor font_color, TColor brush_color);

// Where DrawCaption puts the caption and the glyph inside face `a`.
struct CaptionPlacement {
  Rect text;
  Rect glyph;
  unsigned draw_flags = 0;  // DrawFormattedText flags of the caption
};
CaptionPlacement PlaceCaption(const Rect& a, Size text, Size glyph, int spacing, const TVividButtonLayout& layout,
                              bool multi_line, unsigned text_flags);

// The DT_* alignment flags of an alignment (for multi-line captions).
unsigned AlignmentTextFlags(TVividAlignment alignment);

// A small downward triangle centred in `r`, `size` pixels high.
void DrawDropDownArrow(Canvas& canvas, const Rect& r, int size, TColor color);

}  // namespace anod
