// Colours as the window description names them.
//
// A `TColor` is either a fixed colour, 0x00BBGGRR (so `clRed` is 0x000000FF),
// or a system colour, 0x80000000 | index, whose value follows the desktop's
// colour scheme at the moment of painting. This platform has no such scheme,
// so the system colours take the classic standard scheme's values
// (`clBtnFace` is 212,208,200).
//
//   ColorToRgb(clNavy)        -> {0, 0, 128}
//   ColorToRgb(clBtnShadow)   -> {128, 128, 128}
#pragma once

#include <cstdint>

namespace anod {

using TColor = std::int32_t;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr TColor RgbColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }

constexpr TColor clBlack = RgbColor(0, 0, 0);
constexpr TColor clMaroon = RgbColor(128, 0, 0);
constexpr TColor clGreen = RgbColor(0, 128, 0);
constexpr TColor clNavy = RgbColor(0, 0, 128);
constexpr TColor clGray = RgbColor(128, 128, 128);
constexpr TColor clSilver = RgbColor(192, 192, 192);
constexpr TColor clRed = RgbColor(255, 0, 0);
constexpr TColor clLime = RgbColor(0, 255, 0);
constexpr TColor clBlue = RgbColor(0, 0, 255);
constexpr TColor clFuchsia = RgbColor(255, 0, 255);
constexpr TColor clWhite = RgbColor(255, 255, 255);
constexpr TColor clMoneyGreen = RgbColor(192, 220, 192);
constexpr TColor clSkyBlue = RgbColor(166, 202, 240);

// System colours: 0x80000000 | the platform's colour index.
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

// "No colour" and "the default colour" markers of the description.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) & 0x80000000u) != 0; }

// The RGB value of a colour now. clNone and clDefault give black.
Rgb ColorToRgb(TColor color);

}  // namespace anod
