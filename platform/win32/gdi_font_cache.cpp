#include "platform/win32/gdi_font_cache.h"

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>

namespace anod {
namespace {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The colour is no part of a GDI font.
using FontKey = std::tuple<std::string, int, bool, bool, bool, bool, int, int>;

std::map<FontKey, FontHandle>& Cache() {
  static std::map<FontKey, FontHandle> fonts;
  return fonts;
}

}  // namespace

HFONT CachedFont(const FontSpec& font, int angle_degrees) {
  const FontKey key{font.name,      font.height,  font.bold,    font.italic,
                    font.underline, font.strike_out, font.charset, angle_degrees};
  auto& cache = Cache();
  if (const auto found = cache.find(key); found != cache.end()) return found->second.get();
  LOGFONTA description{};
  description.lfHeight = font.height;
  description.lfEscapement = angle_degrees * 10;
  description.lfOrientation = angle_degrees * 10;
  description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  description.lfItalic = font.italic;
  description.lfUnderline = font.underline;
  description.lfStrikeOut = font.strike_out;
  description.lfCharSet = static_cast<BYTE>(font.charset);
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynA(description.lfFaceName, font.name.c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectA(&description);
  cache.emplace(key, FontHandle(made));
  return made;
}

}  // namespace anod
