// Colour names as the window description writes them, both ways.
//
//   ColorFromName("clNavy")        -> clNavy (0x00800000)
//   ColorFromName("clBtnFace")     -> clBtnFace (system colour 15)
//   ColorFromName("clnavy")        -> nullopt (names are case-sensitive)
//   ColorName(clMoneyGreen)        -> "clMoneyGreen"
//   ColorName(RgbColor(1, 2, 3))   -> ""   (no name: the description stores the number)
#pragma once

#include <optional>
#include <string_view>

#include "platform/colors.h"

namespace anod {

std::optional<TColor> ColorFromName(std::string_view name);
std::string_view ColorName(TColor color);

}  // namespace anod
