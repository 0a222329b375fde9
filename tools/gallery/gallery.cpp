#include "tools/gallery/gallery.h"

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>
#include <array>
#include <string>

#include "platform/qt_canvas.h"
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
  canvas.TextOut(x, y, text, clBlack);
}

FontSpec MainFont() { return FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime}; }

}  // namespace

QImage RenderGallery() {
  constexpr int kW = 100, kH = 24, kGap = 4, kLabelW = 120, kHeadH = 18;
  constexpr int kBlockW = kLabelW + 7 * (kW + kGap) + 16;
  constexpr int kBlockH = kHeadH * 2 + 14 * (kH + kGap) + 16;
  constexpr int kPerRow = 3;
  constexpr int kEffects = 11;
  const int rows = (kEffects + kPerRow - 1) / kPerRow;
  ImageCanvas image(kPerRow * kBlockW, rows * kBlockH, clBtnFace);
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
