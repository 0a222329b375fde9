#include "ui/planner/main_window_menu.h"

#include <array>

namespace anod {
namespace {

constexpr std::array kMenu{
    MainWindowMenuItem{MainWindowCommand::kPlan, "Plan de bain\xE2\x80\xA6"},
    MainWindowMenuItem{MainWindowCommand::kAbout, "\xC3\x80 propos d'Anodisation\xE2\x80\xA6"},
};

}  // namespace

std::span<const MainWindowMenuItem> MainWindowMenu() { return kMenu; }

const char* AboutCaption() { return "\xC3\x80 propos d'Anodisation"; }

std::string AboutText() {
  return "Anodisation " ANOD_VERSION
         "\n\n"
         "Calcule la surface d'une pi\xC3\xA8"
         "ce en aluminium et le courant d'\xC3\xA9lectrolyse \xC3\xA0 "
         "r\xC3\xA9gler "
         "pour l'anodiser, et planifie un bain entier : les pi\xC3\xA8"
         "ces, le montage, la densit\xC3\xA9 de courant, "
         "le temps pour l'\xC3\xA9paisseur vis\xC3\xA9"
         "e et la limite de l'alimentation.\n\n"
         "Logiciel libre, sous licence GNU GPL version 3 ou ult\xC3\xA9rieure "
         "; fourni sans aucune garantie.\n";
}

}  // namespace anod
