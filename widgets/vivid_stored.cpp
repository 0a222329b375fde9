#include "widgets/vivid_stored.h"

#include "core/failures.h"
#include "widgets/vivid_button_model.h"

namespace anod {
namespace {

// The reader's message for a value it cannot read.
constexpr const char* kBadValue = "Valeur de propri\xE9t\xE9 incorrecte";

}  // namespace

std::optional<StoredStyle> ReadStoredStyle(std::string_view property, std::string_view value) {
  if (property == "ExtStyle") {
    if (value == "ubsWinXP") return StoredStyle{ubsWin40, true};
    if (value == "ubsWinXPCombo") return StoredStyle{ubsCombo, true};
    if (value == "ubsWinXPTool") return StoredStyle{ubsExplorer, true};
    StoredStyle out;
    if (ReadVividName(value, out.style)) return out;
    throw EReadError(kBadValue);
  }
  if (property == "Style") {
    if (value == "nbsAutoDetect" || value == "nbsWin40") return StoredStyle{ubsWin40, std::nullopt};
    if (value == "nbsWin31") return StoredStyle{ubsWin31, std::nullopt};
    throw EReadError(kBadValue);
  }
  return std::nullopt;
}

bool ApplyStoredStyle(TVividButtonModel& button, std::string_view property, std::string_view value) {
  const std::optional<StoredStyle> stored = ReadStoredStyle(property, value);
  if (!stored) return false;
  button.SetButtonStyle(stored->style);
  if (stored->ctl_xp) button.SetCtlXP(*stored->ctl_xp);
  return true;
}

}  // namespace anod
