#include "tools/gallery/gallery.h"

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <string>

#include "platform/qt/qt_canvas.h"
#include "widgets/vivid_button.h"

namespace anod {
namespace {

struct GalleryState {
  const char* name;
  bool hot;
  bool active;
  bool pressed;
  bool enabled;
};

constexpr std::array<GalleryState, 7> kStates = {{
    {"Normal", false, false, false, true},
    {"Hot", true, false, false, true},
    {"Normal active", false, true, false, true},
    {"Hot active", true, true, false, true},
    {"Pressed", true, true, true, true},
    {"Disabled", false, false, false, false},
    {"Disabled hot", true, false, false, false},
}};

void PutPointer(TVividCustomButton& button, bool inside) {
  if (inside) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&button, &enter);
  } else {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
  }
}

// Draws `button` in `state` at (x, y) of `canvas`.
void DrawButton(Canvas& canvas, TVividCustomButton& button, const GalleryState& state, int x, int y) {
  button.SetEnabled(state.enabled);
  PutPointer(button, state.hot);
  button.SetIsActive(state.active);
  CanvasStateSaver saver(canvas);
  canvas.Translate(x, y);
  canvas.IntersectClip({0, 0, button.width(), button.height()});
  button.DrawItem(canvas, state.pressed, state.active);
  PutPointer(button, false);
}

void Label(Canvas& canvas, int x, int y, std::string_view text) {
  canvas.SetFont(FontSpec{"Arial", -11});
  canvas.DrawTextRun(x, y, text, clBlack);
}

FontSpec MainFont() { return FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime}; }

// A 16 x 16 glyph: a red diamond with a dark outline on fuchsia (transparent).
GlyphBitmap DiamondGlyph() {
  GlyphBitmap g = GlyphBitmap::Solid(16, 16, clFuchsia);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int d = std::abs(x - 7) + std::abs(y - 7);
      if (d < 6) g.SetPixel(x, y, {220, 30, 30});
      if (d == 6 || d == 7) g.SetPixel(x, y, {60, 0, 0});
    }
  }
  return g;
}

// Glyph and caption: every arrangement (rows) in every alignment (columns),
// then rotated and multi-line captions. Returns the height used.
int DrawLayoutSection(Canvas& canvas, int top) {
  constexpr int kW = 96, kH = 44, kGap = 4, kLabelW = 120, kHeadH = 18;
  QWidget parent;
  TVividButton button(&parent);
  button.resize(kW, kH);
  button.SetButtonStyle(ubsWin40);
  button.SetColor(clBtnFace);
  button.SetCaption("Calculer");
  button.SetFont(FontSpec{"Arial", -12, true, false, false, false, clNavy});
  button.SetGlyph(DiamondGlyph());
  Label(canvas, 8, top, "Glyph and caption: AlignText2Glyph (rows) x Alignment (columns)");
  for (int a = 0; a < 9; ++a) {
    Label(canvas, 8 + kLabelW + a * (kW + kGap), top + kHeadH, VividName(static_cast<TVividAlignment>(a)));
  }
  int y = top + 2 * kHeadH;
  for (int t = 0; t < 8; ++t, y += kH + kGap) {
    Label(canvas, 8, y + kH / 2 - 6, VividName(static_cast<TVividTextArrange>(t)));
    button.ButtonLayout().SetAlignText2Glyph(static_cast<TVividTextArrange>(t));
    for (int a = 0; a < 9; ++a) {
      button.ButtonLayout().SetAlignment(static_cast<TVividAlignment>(a));
      DrawButton(canvas, button, kStates[0], 8 + kLabelW + a * (kW + kGap), y);
    }
  }

  // Uncoloured glyph styles in each state, then rotated and wrapped captions.
  button.ButtonLayout().SetAlignment(agCenter);
  button.ButtonLayout().SetAlignText2Glyph(taRight);
  Label(canvas, 8, y + 4, "ubsFlatUnColored glyph: states as above");
  y += kHeadH + 4;
  button.SetButtonStyle(ubsFlatUnColored);
  for (int s = 0; s < 7; ++s) DrawButton(canvas, button, kStates[static_cast<std::size_t>(s)], 8 + kLabelW + s * (kW + kGap), y);
  y += kH + kGap;

  button.SetButtonStyle(ubsWin40);
  button.SetGlyph(GlyphBitmap{});
  Label(canvas, 8, y + 4, "Angle 0, 45, 90, 180, 270; MultiLine; tdShadow + Tracing 2");
  y += kHeadH + 4;
  const int angles[] = {0, 45, 90, 180, 270};
  button.resize(kW, 70);
  int x = 8 + kLabelW;
  for (int angle : angles) {
    button.FontFX().SetAngle(angle);
    DrawButton(canvas, button, kStates[0], x, y);
    x += kW + kGap;
  }
  button.FontFX().SetAngle(0);
  button.SetMultiLine(true);
  button.SetCaption("Calculer la surface du cylindre");
  DrawButton(canvas, button, kStates[0], x, y);
  x += kW + kGap;
  button.SetMultiLine(false);
  button.SetCaption("Calculer");
  button.FontFX().SetStyle(tdShadow);
  button.FontFX().SetTracing(2);
  DrawButton(canvas, button, kStates[0], x, y);
  y += 70 + kGap;
  return y - top;
}

}  // namespace

QImage RenderGallery() {
  constexpr int kW = 100, kH = 24, kGap = 4, kLabelW = 120, kHeadH = 18;
  constexpr int kBlockW = kLabelW + 7 * (kW + kGap) + 16;
  constexpr int kBlockH = kHeadH * 2 + 14 * (kH + kGap) + 16;
  constexpr int kPerRow = 3;
  constexpr int kEffects = 11;
  constexpr int kLayoutH = 2 * 18 + 8 * 48 + 18 + 4 + 48 + 18 + 4 + 74 + 8;
  const int rows = (kEffects + kPerRow - 1) / kPerRow;
  ImageCanvas image(kPerRow * kBlockW, rows * kBlockH + kLayoutH, clBtnFace);
  Canvas& canvas = image.canvas();

  QWidget parent;
  TVividButton button(&parent);
  button.resize(kW, kH);
  button.SetCaption("&Calculer");
  button.SetFont(FontSpec{"MS Sans Serif", -13, true, false, false, false, clNavy});

  for (int effect = 0; effect < kEffects; ++effect) {
    const int bx = (effect % kPerRow) * kBlockW + 8;
    const int by = (effect / kPerRow) * kBlockH + 4;
    button.FontFX().SetStyle(static_cast<TVividThreeDStyle>(effect));
    button.FontFX().SetShadowDepth(effect >= tdExtrude ? 3 : 1);
    Label(canvas, bx, by, VividName(static_cast<TVividThreeDStyle>(effect)));
    for (int s = 0; s < 7; ++s) {
      Label(canvas, bx + kLabelW + s * (kW + kGap), by + kHeadH, kStates[static_cast<std::size_t>(s)].name);
    }
    for (int style = 0; style < 14; ++style) {
      const int y = by + 2 * kHeadH + style * (kH + kGap);
      const auto st = static_cast<TVividUserButtonStyle>(style);
      Label(canvas, bx, y + 5, VividName(st));
      button.SetButtonStyle(st);
      // Transparent styles take the main window's black face; the others a
      // light one so their edges show.
      button.SetColor(IsTransparentButtonStyle(st) ? clBlack : clBtnFace);
      FontSpec font = button.Font();
      font.color = IsTransparentButtonStyle(st) ? clLime : clNavy;
      button.SetFont(font);
      for (int s = 0; s < 7; ++s) {
        DrawButton(canvas, button, kStates[static_cast<std::size_t>(s)], bx + kLabelW + s * (kW + kGap), y);
      }
    }
  }
  DrawLayoutSection(canvas, rows * kBlockH);
  return image.image().copy();
}

QImage RenderMainButtonStates(int zoom) {
  constexpr int kW = 226, kH = 24, kGap = 6;
  const std::array<GalleryState, 6> states = {
      kStates[0], kStates[1], kStates[2], kStates[3], kStates[4], kStates[5]};
  ImageCanvas image(kW + 8, static_cast<int>(states.size()) * (kH + kGap) + 4, clBtnFace);

  QWidget parent;
  TVividButton button(&parent);
  button.SetButtonStyle(ubsExplorerColored);
  button.SetColor(clBlack);
  button.SetFont(MainFont());
  button.ButtonLayout().SetSpacing(1);
  button.SetCaption("Calculer la surface");
  button.resize(kW, kH);
  for (std::size_t i = 0; i < states.size(); ++i) {
    DrawButton(image.canvas(), button, states[i], 4, 4 + static_cast<int>(i) * (kH + kGap));
  }
  const QImage& small = image.image();
  return small.scaled(small.width() * zoom, small.height() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace anod
