// The canvas on GDI: every drawing of the shared paint code, on a device
// context of the caller's (a window's paint DC, a memory DC holding a DIB
// section). The canvas does not own the DC; it saves the DC's state when
// made and restores it when destroyed, so the fonts, brushes and clip it
// selects never outlive it.
//
// System colours follow the desktop's scheme (GetSysColor), as the window
// description means them. Fonts are made once per face, size, style and
// angle and kept for the process (platform/win32/gdi_font_cache.h).
#pragma once

#include <windows.h>

#include <vector>

#include "platform/canvas.h"

namespace anod {

// The COLORREF of a colour now: fixed colours as they are, system colours
// from the desktop's scheme.
COLORREF ToColorRef(TColor color);

class GdiCanvas final : public Canvas {
 public:
  explicit GdiCanvas(HDC dc);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  void FillRect(const Rect& r, TColor color) override;
  void InvertPixel(int x, int y) override;
  void FillPolygon(std::span<const Point> points, TColor color) override;

  void SetFont(const FontSpec& font) override;
  const FontSpec& Font() const override { return state_.font; }
  FontMetrics Metrics() override;
  void SetCharExtra(int pixels) override;
  int TextWidth(std::string_view text) override;
  std::vector<int> PrefixWidths(std::string_view text, std::span<const std::size_t> ends) override;
  void DrawTextRun(int x, int y, std::string_view text, TColor color, int angle_degrees = 0) override;
  void StrokeText(int x, int y, std::string_view text, TColor color, int pen_width) override;

  void StretchBitmap(const BitmapView& source, const Rect& destination, StretchMode mode) override;
  void DrawBitmap(const BitmapView& source, Point at, const Rgb* transparent) override;
  int BitsPerPixel() const override;

  // The device context drawn on, for the platform's own drawing calls (the
  // theme library's backgrounds) in the canvas's current origin and clip.
  HDC Dc() const { return dc_; }

  void Save() override;
  void Restore() override;
  void Translate(int dx, int dy) override;
  void IntersectClip(const Rect& r) override;

 private:
  struct State {
    FontSpec font;
    int char_extra = 0;
  };

  HDC dc_;
  int saved_dc_;
  State state_;
  std::vector<State> saved_;
};

}  // namespace anod
