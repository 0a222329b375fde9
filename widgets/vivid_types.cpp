#include "widgets/vivid_types.h"

#include <array>

namespace anod {
namespace {

constexpr std::array<std::string_view, 14> kStyleNames = {
    "ubsWin31",      "ubsWin40",     "ubsTronza",          "ubsTronzaFlat", "ubsFlat",
    "ubsFlatUnColored", "ubsNavigator", "ubsExplorer",     "ubsExplorerColored", "ubsIntegrated",
    "ubsCombo",      "ubsOffice",    "ubsOfficeTransp",    "ubsWin40Ext"};
constexpr std::array<std::string_view, 9> kAlignmentNames = {
    "agTopLeft",    "agTopCenter", "agTopRight",     "agCenterLeft", "agCenter",
    "agCenterRight", "agBottomLeft", "agBottomCenter", "agBottomRight"};
constexpr std::array<std::string_view, 8> kArrangeNames = {"taLeft", "taLeftTop", "taRight",  "taRightTop",
                                                           "taTop",  "taTopLeft", "taBottom", "taBottomLeft"};
constexpr std::array<std::string_view, 4> kArrowNames = {"apRightText", "apLeftText", "apRightGlyph",
                                                         "apLeftGlyph"};
constexpr std::array<std::string_view, 11> kEffectNames = {
    "tdNone",         "tdSunken",       "tdRaised",  "tdSunkenShadow", "tdRaisedShadow", "tdPColorSunken",
    "tdPColorRaised", "tdShadow",       "tdOutline", "tdExtrude",      "tdExtrudeEnh"};
constexpr std::array<std::string_view, 4> kOrientationNames = {"toBottomLeft", "toBottomRight", "toTopLeft",
                                                               "toTopRight"};
constexpr std::array<std::string_view, 4> kDisabledNames = {"dsAuto", "dsStandard", "ds3d", "dsNone"};

template <typename E, std::size_t N>
bool Read(const std::array<std::string_view, N>& names, std::string_view name, E& value) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) {
      value = static_cast<E>(i);
      return true;
    }
  }
  return false;
}

template <typename E, std::size_t N>
std::string_view Name(const std::array<std::string_view, N>& names, E value) {
  const auto i = static_cast<std::size_t>(value);
  return i < N ? names[i] : std::string_view();
}

}  // namespace

bool ReadVividName(std::string_view name, TVividUserButtonStyle& value) { return Read(kStyleNames, name, value); }
bool ReadVividName(std::string_view name, TVividAlignment& value) { return Read(kAlignmentNames, name, value); }
bool ReadVividName(std::string_view name, TVividTextArrange& value) { return Read(kArrangeNames, name, value); }
bool ReadVividName(std::string_view name, TVividArrowPosition& value) { return Read(kArrowNames, name, value); }
bool ReadVividName(std::string_view name, TVividThreeDStyle& value) { return Read(kEffectNames, name, value); }
bool ReadVividName(std::string_view name, TVividThreeDOrientation& value) {
  return Read(kOrientationNames, name, value);
}
bool ReadVividName(std::string_view name, TVividDisabledStyle& value) { return Read(kDisabledNames, name, value); }

std::string_view VividName(TVividUserButtonStyle value) { return Name(kStyleNames, value); }
std::string_view VividName(TVividAlignment value) { return Name(kAlignmentNames, value); }
std::string_view VividName(TVividTextArrange value) { return Name(kArrangeNames, value); }
std::string_view VividName(TVividArrowPosition value) { return Name(kArrowNames, value); }
std::string_view VividName(TVividThreeDStyle value) { return Name(kEffectNames, value); }
std::string_view VividName(TVividThreeDOrientation value) { return Name(kOrientationNames, value); }
std::string_view VividName(TVividDisabledStyle value) { return Name(kDisabledNames, value); }

}  // namespace anod
