#include "app/accessible_names.h"

#include "core/codepage.h"

namespace anod {
namespace {

constexpr ComputeButtons kComputeButtons[] = {
    {"btn1Click", "btn1", "VividButton1"},
    {"btn2Click", "btn2", "VividButton2"},
    {"Button1Click", "Button1", "VividButton3"},
    {"Button2Click", "Button2", "VividButton4"},
};

constexpr struct {
  const char* control;
  const char* description;
} kPictures[] = {
    {"img1", "Cylindre : rayon et hauteur"},
    {"img2", "Parallélépipède : hauteur, longueur et largeur"},
    {"Image1", "Sphère : rayon"},
    {"Image2", "Pyramide à base carrée : hauteur d'une face et longueur de la base"},
    {"Image4", "Dégraissage : pièce suspendue dans une solution de soude caustique"},
    {"Image3", "Électrolyse : alimentation réglable, pièce à l'anode, plaques de plomb à la cathode, "
               "dans l'acide sulfurique"},
    {"Image6", "Coloration : bain de teinture sur une plaque chauffante réglée à 60 degrés"},
    {"Image5", "Fixation : pièce dans l'eau bouillante, sur un réchaud"},
};

std::string Column(const CalculatorInfo& calculator) { return " (" + Cp1252ToUtf8(calculator.title) + ")"; }

}  // namespace

std::span<const ComputeButtons> ComputeButtonPairs() { return kComputeButtons; }

const ComputeButtons& ButtonsOf(const CalculatorInfo& calculator) {
  for (const ComputeButtons& pair : kComputeButtons) {
    if (std::string_view(pair.operation) == calculator.operation) return pair;
  }
  return kComputeButtons[0];  // every calculator has its pair; the table above lists the four
}

std::string EditBoxName(const CalculatorInfo& calculator, const FieldInfo& field) {
  return Cp1252ToUtf8(field.word) + Column(calculator);
}

std::string ComputeButtonName(const CalculatorInfo& calculator) { return "Calculer la surface" + Column(calculator); }

std::string CoveredButtonDescription(const CalculatorInfo& calculator) {
  return "Même action que le bouton coloré « Calculer la surface »" + Column(calculator);
}

std::string LabelRole(std::string_view label) {
  if (label == kCurrentLabel) return "Courant d'électrolyse";
  for (const CalculatorInfo& calculator : Calculators()) {
    if (label == calculator.surface_label) return "Surface" + Column(calculator);
  }
  return {};
}

std::string_view PictureDescription(std::string_view control) {
  for (const auto& picture : kPictures) {
    if (control == picture.control) return picture.description;
  }
  return {};
}

}  // namespace anod
