// What a screen reader hears for the main window's controls, the same for
// every toolkit's accessibility interface. Texts are UTF-8.
//
//   EditBoxName(cylinder, its first field)  -> "Rayon (CYLINDRE)"
//   ComputeButtonName(cylinder)             -> "Calculer la surface (CYLINDRE)"
//   CoveredButtonDescription(cylinder)      -> "Même action que le bouton coloré
//                                               « Calculer la surface » (CYLINDRE)"
//   LabelRole("Label8")                     -> "Surface (SPHERE)"
//   LabelRole("Label19")                    -> "Courant d'électrolyse"
//   LabelRole("Label1")                     -> ""   (its caption says it all)
//   PictureDescription("Image1")            -> "Sphère : rayon"
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/calculators.h"

namespace anod {

// The two compute buttons of one calculator: the standard one lies under
// the colored one, and stays a tab stop.
struct ComputeButtons {
  const char* operation;  // "btn1Click"
  const char* standard;   // "btn1"
  const char* colored;    // "VividButton1"
};
std::span<const ComputeButtons> ComputeButtonPairs();
const ComputeButtons& ButtonsOf(const CalculatorInfo& calculator);

std::string EditBoxName(const CalculatorInfo& calculator, const FieldInfo& field);
std::string ComputeButtonName(const CalculatorInfo& calculator);
// For the covered standard button: a listener who finds both knows he heard
// this one already.
std::string CoveredButtonDescription(const CalculatorInfo& calculator);

// What a drawn label shows, for the labels whose caption alone does not say
// it; empty for the others.
std::string LabelRole(std::string_view label);
// What a picture shows, for a listener who cannot see it; empty for a
// control that is not one of the eight pictures.
std::string_view PictureDescription(std::string_view control);

}  // namespace anod
