#include "platform/color_names.h"

#include <array>
#include <utility>

namespace anod {
namespace {

constexpr std::array<std::pair<std::string_view, TColor>, 39> kNames = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", RgbColor(128, 128, 0)},
    {"clNavy", clNavy},
    {"clPurple", RgbColor(128, 0, 128)},
    {"clTeal", RgbColor(0, 128, 128)},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", RgbColor(255, 255, 0)},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", RgbColor(0, 255, 255)},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clNone", clNone},
}};

}  // namespace

std::optional<TColor> ColorFromName(std::string_view name) {
  for (const auto& [n, color] : kNames) {
    if (n == name) return color;
  }
  if (name == "clDefault") return clDefault;
  return std::nullopt;
}

std::string_view ColorName(TColor color) {
  for (const auto& [n, c] : kNames) {
    if (c == color) return n;
  }
  if (color == clDefault) return "clDefault";
  return {};
}

}  // namespace anod
