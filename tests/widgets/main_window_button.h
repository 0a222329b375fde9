// The colored button as the main window sets it up: black face, bold lime
// "Calculer la surface" in "MS Sans Serif" -19, one pixel of spacing. Shared
// by the model's tests and the Qt shell's fixtures.
#pragma once

#include "widgets/vivid_button_model.h"

namespace anod::testing_support {

inline void SetUpAsMainWindowButton(TVividButtonModel& b) {
  b.SetButtonStyle(ubsExplorerColored);
  b.SetColor(clBlack);
  b.SetParentColor(false);
  b.SetFont(FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime});
  b.SetParentFont(false);
  b.ButtonLayout().SetSpacing(1);
  b.SetCaption("Calculer la surface");
}

}  // namespace anod::testing_support
