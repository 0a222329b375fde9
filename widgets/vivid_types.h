// The enumerations of the colored button and their names as the window
// description writes them.
//
//   TVividUserButtonStyle style;
//   ReadVividName("ubsExplorerColored", style)  -> true, style == ubsExplorerColored
//   ReadVividName("ubsWinXP", style)            -> false (an old name, see
//                                                  ReadStoredStyle)
//   VividName(agCenter)                         -> "agCenter"
#pragma once

#include <string_view>

namespace anod {

// Visual styles, in their stored ordinal order.
enum TVividUserButtonStyle : int {
  ubsWin31,
  ubsWin40,
  ubsTronza,
  ubsTronzaFlat,
  ubsFlat,
  ubsFlatUnColored,
  ubsNavigator,
  ubsExplorer,
  ubsExplorerColored,
  ubsIntegrated,
  ubsCombo,
  ubsOffice,
  ubsOfficeTransp,
  ubsWin40Ext,
};

// Where the glyph-and-caption block sits in the face.
enum TVividAlignment : int {
  agTopLeft,
  agTopCenter,
  agTopRight,
  agCenterLeft,
  agCenter,
  agCenterRight,
  agBottomLeft,
  agBottomCenter,
  agBottomRight,
};

// Caption position relative to the glyph.
enum TVividTextArrange : int {
  taLeft,
  taLeftTop,
  taRight,
  taRightTop,
  taTop,
  taTopLeft,
  taBottom,
  taBottomLeft,
};

enum TVividArrowPosition : int { apRightText, apLeftText, apRightGlyph, apLeftGlyph };

// Caption effects.
enum TVividThreeDStyle : int {
  tdNone,
  tdSunken,
  tdRaised,
  tdSunkenShadow,
  tdRaisedShadow,
  tdPColorSunken,
  tdPColorRaised,
  tdShadow,
  tdOutline,
  tdExtrude,
  tdExtrudeEnh,
};

enum TVividThreeDOrientation : int { toBottomLeft, toBottomRight, toTopLeft, toTopRight };

enum TVividDisabledStyle : int { dsAuto, dsStandard, ds3d, dsNone };

// The state painted last. 3 is never produced; the frame routines treat 3, 6
// and 7 as pressed as well.
enum class ButtonDrawState : int { Normal = 0, Disabled = 1, Hot = 2, Pressed = 4 };

// Name <-> value. ReadVividName leaves `value` alone and returns false for an
// unknown name; names are matched exactly (the description's case).
bool ReadVividName(std::string_view name, TVividUserButtonStyle& value);
bool ReadVividName(std::string_view name, TVividAlignment& value);
bool ReadVividName(std::string_view name, TVividTextArrange& value);
bool ReadVividName(std::string_view name, TVividArrowPosition& value);
bool ReadVividName(std::string_view name, TVividThreeDStyle& value);
bool ReadVividName(std::string_view name, TVividThreeDOrientation& value);
bool ReadVividName(std::string_view name, TVividDisabledStyle& value);

std::string_view VividName(TVividUserButtonStyle value);
std::string_view VividName(TVividAlignment value);
std::string_view VividName(TVividTextArrange value);
std::string_view VividName(TVividArrowPosition value);
std::string_view VividName(TVividThreeDStyle value);
std::string_view VividName(TVividThreeDOrientation value);
std::string_view VividName(TVividDisabledStyle value);

// The style groups that matter outside the painting.
constexpr bool IsTransparentButtonStyle(TVividUserButtonStyle s) {
  return s == ubsExplorer || s == ubsExplorerColored || s == ubsOfficeTransp;
}
// The glyph shows in grey tones until the pointer is over the button.
constexpr bool IsUncolouredGlyphStyle(TVividUserButtonStyle s) {
  return s == ubsFlatUnColored || s == ubsNavigator || s == ubsExplorer;
}
constexpr bool IsFlatButtonStyle(TVividUserButtonStyle s) {
  return s == ubsTronzaFlat || s == ubsFlat || s == ubsFlatUnColored || s == ubsNavigator || s == ubsExplorer ||
         s == ubsExplorerColored;
}

}  // namespace anod
