// The older stored-description properties of a colored button, for the
// window-description reader.
//
//   ReadStoredStyle("ExtStyle", "ubsWinXP")      -> {ubsWin40, CtlXP true}
//   ReadStoredStyle("ExtStyle", "ubsWinXPCombo") -> {ubsCombo, CtlXP true}
//   ReadStoredStyle("ExtStyle", "ubsWinXPTool")  -> {ubsExplorer, CtlXP true}
//   ReadStoredStyle("ExtStyle", "ubsFlat")       -> {ubsFlat, CtlXP unchanged}
//   ReadStoredStyle("Style", "nbsAutoDetect")    -> {ubsWin40}
//   ReadStoredStyle("Style", "nbsWin31")         -> {ubsWin31}
//   ReadStoredStyle("Style", "nbsWin40")         -> {ubsWin40}
//   ReadStoredStyle("Caption", "x")              -> none: not an old property
//
// A value that is no known name raises EReadError
// "Valeur de propriété incorrecte" (the reader's message for a bad value).
#pragma once

#include <optional>
#include <string_view>

#include "widgets/vivid_types.h"

namespace anod {

class TVividButtonModel;

struct StoredStyle {
  TVividUserButtonStyle style = ubsWin40;
  std::optional<bool> ctl_xp;  // set when the old name implies it
  friend bool operator==(const StoredStyle&, const StoredStyle&) = default;
};

// Reads an old "Style" or "ExtStyle" value; none for any other property.
std::optional<StoredStyle> ReadStoredStyle(std::string_view property, std::string_view value);

// Applies an old property to a button; false when `property` is not one.
bool ApplyStoredStyle(TVividButtonModel& button, std::string_view property, std::string_view value);

}  // namespace anod
