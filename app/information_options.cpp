#include "app/information_options.h"

namespace anod {
namespace {

constexpr std::string_view kHelp =
    "Utilisation / usage:\n"
    "  anodisation [-iconic | --minimized | --maximized]\n"
    "  anodisation --plan [FICHIER.anodplan] | FICHIER.anodplan\n"
    "  anodisation --help | --version\n"
    "\n"
    "Ouvre la fen\xC3\xAAtre d'Anodisation : quatre calculatrices (cylindre,\n"
    "parall\xC3\xA9l\xC3\xA9pip\xC3\xA8" "de, sph\xC3\xA8re, pyramide) donnent la surface d'une pi\xC3\xA8" "ce en cm\xC2\xB2\n"
    "et le courant d'\xC3\xA9lectrolyse \xC3\xA0 r\xC3\xA9gler, en mA ; \xC3\xA0 c\xC3\xB4t\xC3\xA9, les quatre \xC3\xA9tapes\n"
    "de l'anodisation. Les dimensions se saisissent en centim\xC3\xA8tres, avec le\n"
    "point comme s\xC3\xA9parateur d\xC3\xA9" "cimal. Pour un terminal ou un script : anodisation-calc.\n"
    "  -iconic, --minimized  d\xC3\xA9marre r\xC3\xA9" "duite\n"
    "  --maximized           d\xC3\xA9marre agrandie\n"
    "  --plan [FICHIER]      ouvre seule la fen\xC3\xAAtre Plan de bain (sur FICHIER) ;\n"
    "                        un fichier .anodplan seul fait de m\xC3\xAAme\n"
    "  --help                affiche cette aide\n"
    "  --version             affiche la version\n"
    "\n"
    "Opens the Anodisation window: four calculators (cylinder, rectangular box,\n"
    "sphere, square pyramid) give a part's surface in cm\xC2\xB2 and the electrolysis\n"
    "current to set, in mA; beside them, the four steps of anodizing. Dimensions\n"
    "are typed in centimetres, with \".\" as the decimal separator. For a terminal\n"
    "or a script: anodisation-calc.\n"
    "  -iconic, --minimized  start minimised\n"
    "  --maximized           start maximised\n"
    "  --plan [FILE]         open the Plan de bain (bath plan) window alone (on\n"
    "                        FILE); a .anodplan file alone does the same\n"
    "  --help                print this help\n"
    "  --version             print the version\n";

}  // namespace

std::optional<int> AnswerInformationOption(std::span<const std::string_view> arguments, std::ostream& out,
                                           std::ostream& err) {
  for (const std::string_view argument : arguments) {
    if (argument == "--version") {
      out << "anodisation " << ANOD_VERSION << '\n';
    } else if (argument == "--help") {
      out << kHelp;
    } else {
      continue;
    }
    if (out.flush()) return 0;
    err << "anodisation : \xC3\xA9" "criture impossible sur la sortie standard / cannot write to standard output\n";
    return 2;
  }
  return std::nullopt;
}

}  // namespace anod
