#include "platform/win32/gdi_canvas.h"

#include <cstring>

#include "platform/win32/gdi_font_cache.h"

namespace anod {
namespace {

// A copy of a bitmap in a 24-bit (or 8-bit, palette) DIB section, selected
// into a memory DC of its own, as the source of StretchBlt and TransparentBlt.
class DibSource {
 public:
  DibSource(HDC compatible, const BitmapView& view) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = view.width;
    info.header.biHeight = -view.height;  // top row first
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(view.bits_per_pixel);
    info.header.biCompression = BI_RGB;
    if (view.bits_per_pixel == 8) {
      info.header.biClrUsed = static_cast<DWORD>(view.palette.size());
      for (std::size_t i = 0; i < view.palette.size() && i < 256; ++i) {
        info.colors[i] = RGBQUAD{view.palette[i].b, view.palette[i].g, view.palette[i].r, 0};
      }
    }
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(compatible, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = CreateCompatibleDC(compatible);
    if (bitmap_ == nullptr || dc_ == nullptr) return;
    // DIB rows start on 4-byte boundaries; the view's may not.
    const std::size_t row_bytes = static_cast<std::size_t>(view.width) * view.bits_per_pixel / 8;
    const std::size_t dib_stride = (row_bytes + 3) & ~std::size_t{3};
    for (int y = 0; y < view.height; ++y) {
      std::memcpy(static_cast<std::uint8_t*>(bits) + y * dib_stride, view.bits + y * view.stride, row_bytes);
    }
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~DibSource() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
    if (dc_ != nullptr) DeleteDC(dc_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  DibSource(const DibSource&) = delete;
  DibSource& operator=(const DibSource&) = delete;

  bool Ready() const { return previous_ != nullptr; }
  HDC Dc() const { return dc_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// A GDI object made for one call, deleted after it.
template <typename Handle>
class Scoped {
 public:
  explicit Scoped(Handle handle) : handle_(handle) {}
  ~Scoped() {
    if (handle_ != nullptr) DeleteObject(handle_);
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Handle Get() const { return handle_; }

 private:
  Handle handle_;
};

}  // namespace

COLORREF ToColorRef(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  const Rgb rgb = ColorToRgb(color);
  return RGB(rgb.r, rgb.g, rgb.b);
}

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), saved_dc_(SaveDC(dc)) {
  SetBkMode(dc_, TRANSPARENT);
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SelectObject(dc_, CachedFont(state_.font, 0));
}

GdiCanvas::~GdiCanvas() { RestoreDC(dc_, saved_dc_); }

void GdiCanvas::FillRect(const Rect& r, TColor color) {
  Scoped<HBRUSH> brush(CreateSolidBrush(ToColorRef(color)));
  const RECT area{r.left, r.top, r.right, r.bottom};
  ::FillRect(dc_, &area, brush.Get());
}

void GdiCanvas::InvertPixel(int x, int y) { PatBlt(dc_, x, y, 1, 1, DSTINVERT); }

void GdiCanvas::FillPolygon(std::span<const Point> points, TColor color) {
  std::vector<POINT> corners;
  corners.reserve(points.size());
  for (const Point& p : points) corners.push_back(POINT{p.x, p.y});
  Scoped<HBRUSH> brush(CreateSolidBrush(ToColorRef(color)));
  // The outline in the same colour, so that the shape covers its edges as
  // the Qt canvas does.
  Scoped<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(color)));
  const HGDIOBJ old_brush = SelectObject(dc_, brush.Get());
  const HGDIOBJ old_pen = SelectObject(dc_, pen.Get());
  Polygon(dc_, corners.data(), static_cast<int>(corners.size()));
  SelectObject(dc_, old_pen);
  SelectObject(dc_, old_brush);
}

void GdiCanvas::SetFont(const FontSpec& font) {
  state_.font = font;
  SelectObject(dc_, CachedFont(font, 0));
}

FontMetrics GdiCanvas::Metrics() {
  TEXTMETRICA text{};
  GetTextMetricsA(dc_, &text);
  FontMetrics metrics;
  metrics.height = text.tmHeight;
  metrics.ascent = text.tmAscent;
  metrics.descent = text.tmDescent;
  metrics.internal_leading = text.tmInternalLeading;
  metrics.average_char_width = text.tmAveCharWidth;
  metrics.underline_offset = text.tmDescent / 2;
  OUTLINETEXTMETRICA outline{};
  outline.otmSize = sizeof outline;
  if ((text.tmPitchAndFamily & TMPF_TRUETYPE) != 0 && GetOutlineTextMetricsA(dc_, sizeof outline, &outline) != 0) {
    metrics.underline_offset = -outline.otmsUnderscorePosition;
    metrics.underline_thickness = outline.otmsUnderscoreSize > 0 ? static_cast<int>(outline.otmsUnderscoreSize) : 1;
  }
  return metrics;
}

void GdiCanvas::SetCharExtra(int pixels) {
  state_.char_extra = pixels;
  SetTextCharacterExtra(dc_, pixels);
}

int GdiCanvas::TextWidth(std::string_view text) {
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::vector<int> GdiCanvas::PrefixWidths(std::string_view text, std::span<const std::size_t> ends) {
  // The partial extents of one measurement, as measuring each prefix gives them.
  std::vector<int> extents(text.size());
  SIZE size{};
  if (!text.empty()) {
    GetTextExtentExPointA(dc_, text.data(), static_cast<int>(text.size()), 0, nullptr, extents.data(), &size);
  }
  std::vector<int> widths;
  widths.reserve(ends.size());
  for (const std::size_t end : ends) widths.push_back(end == 0 ? 0 : extents[end - 1]);
  return widths;
}

void GdiCanvas::DrawTextRun(int x, int y, std::string_view text, TColor color, int angle_degrees) {
  if (angle_degrees != 0) SelectObject(dc_, CachedFont(state_.font, angle_degrees));
  SetTextColor(dc_, ToColorRef(color));
  ExtTextOutA(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  if (angle_degrees != 0) SelectObject(dc_, CachedFont(state_.font, 0));
}

void GdiCanvas::StrokeText(int x, int y, std::string_view text, TColor color, int pen_width) {
  Scoped<HPEN> pen(CreatePen(PS_SOLID, pen_width, ToColorRef(color)));
  const HGDIOBJ old_pen = SelectObject(dc_, pen.Get());
  BeginPath(dc_);
  ExtTextOutA(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  EndPath(dc_);
  StrokePath(dc_);
  SelectObject(dc_, old_pen);
}

void GdiCanvas::StretchBitmap(const BitmapView& source, const Rect& destination, StretchMode mode) {
  const DibSource dib(dc_, source);
  if (!dib.Ready()) return;
  const int old_mode = SetStretchBltMode(dc_, mode == StretchMode::Halftone ? HALFTONE : COLORONCOLOR);
  POINT old_origin{};
  // Halftone needs the brush origin set again after the mode changes.
  SetBrushOrgEx(dc_, 0, 0, &old_origin);
  StretchBlt(dc_, destination.left, destination.top, destination.Width(), destination.Height(), dib.Dc(), 0, 0,
             source.width, source.height, SRCCOPY);
  SetBrushOrgEx(dc_, old_origin.x, old_origin.y, nullptr);
  SetStretchBltMode(dc_, old_mode);
}

void GdiCanvas::DrawBitmap(const BitmapView& source, Point at, const Rgb* transparent) {
  const DibSource dib(dc_, source);
  if (!dib.Ready()) return;
  if (transparent == nullptr) {
    BitBlt(dc_, at.x, at.y, source.width, source.height, dib.Dc(), 0, 0, SRCCOPY);
  } else {
    TransparentBlt(dc_, at.x, at.y, source.width, source.height, dib.Dc(), 0, 0, source.width, source.height,
                   RGB(transparent->r, transparent->g, transparent->b));
  }
}

int GdiCanvas::BitsPerPixel() const { return GetDeviceCaps(dc_, BITSPIXEL) * GetDeviceCaps(dc_, PLANES); }

void GdiCanvas::Save() {
  saved_.push_back(state_);
  SaveDC(dc_);
}

void GdiCanvas::Restore() {
  if (saved_.empty()) return;
  RestoreDC(dc_, -1);
  state_ = saved_.back();
  saved_.pop_back();
}

void GdiCanvas::Translate(int dx, int dy) { OffsetViewportOrgEx(dc_, dx, dy, nullptr); }

void GdiCanvas::IntersectClip(const Rect& r) { IntersectClipRect(dc_, r.left, r.top, r.right, r.bottom); }

}  // namespace anod
