#include "cli/calc_command.h"

#include <istream>
#include <ostream>
#include <string_view>
#include <vector>

#include "core/calculators.h"
#include "core/codepage.h"
#include "core/failure_text.h"
#include "core/failures.h"

namespace anod {
namespace {

constexpr std::string_view kHelp =
    "Utilisation / usage:\n"
    "  anodisation-calc FORME [TEXTE...]\n"
    "  anodisation-calc --batch\n"
    "  anodisation-calc --help\n"
    "\n"
    "Calcule la surface d'une pi\xC3\xA8" "ce en cm\xC2\xB2 et le courant d'\xC3\xA9lectrolyse en mA\n"
    "(10 mA par cm\xC2\xB2 entier), comme les calculatrices de la fen\xC3\xAAtre Anodisation.\n"
    "FORME et ses champs, dans cet ordre (dimensions en centim\xC3\xA8tres) :\n"
    "  cylindre         Rayon, Hauteur\n"
    "  parallelepipede  Hauteur, Longueur, Largeur\n"
    "  sphere           Rayon\n"
    "  pyramide         Hauteur (d'une face, du sommet au milieu d'une ar\xC3\xAAte), Longueur\n"
    "Un champ absent est vide et vaut 0. Le point est le s\xC3\xA9parateur d\xC3\xA9" "cimal.\n"
    "Affiche deux lignes : la l\xC3\xA9gende de la surface, puis celle du courant,\n"
    "telles que la fen\xC3\xAAtre les montre (espaces compris).\n"
    "En cas d'\xC3\xA9" "chec, le message est \xC3\xA9" "crit sur la sortie d'erreur.\n"
    "--batch lit des lignes sur l'entr\xC3\xA9" "e standard, chacune une forme et ses textes\n"
    "s\xC3\xA9par\xC3\xA9s par des tabulations, et \xC3\xA9" "crit pour chacune : surface, TAB, courant,\n"
    "TAB, message (vide sans \xC3\xA9" "chec).\n"
    "Codes de sortie : 0 succ\xC3\xA8s, 1 calcul en \xC3\xA9" "chec, 2 arguments ou ligne inutilisables.\n"
    "\n"
    "Computes a part's surface in cm\xC2\xB2 and the electrolysis current in mA (10 mA per\n"
    "whole cm\xC2\xB2), like the calculators of the Anodisation window.\n"
    "SHAPE and its fields, in this order (dimensions in centimetres):\n"
    "  cylindre (cylinder)  radius, height\n"
    "  parallelepipede (box)  height, length, width\n"
    "  sphere               radius\n"
    "  pyramide (square pyramid)  face height (apex to the middle of an edge), base edge\n"
    "A missing field is empty and reads as 0. The decimal separator is \".\".\n"
    "Prints two lines: the surface caption, then the current caption, exactly as\n"
    "the window shows them (spaces included). A failure's message goes to stderr.\n"
    "--batch reads lines from stdin, each a shape and its texts separated by TAB\n"
    "characters, and prints for each: surface, TAB, current, TAB, message (empty\n"
    "when none).\n"
    "Exit codes: 0 success, 1 the calculation failed, 2 unusable arguments or line.\n";

constexpr std::string_view kUsageHint =
    "Essayez / try: anodisation-calc --help\n";

// The outcome of one calculator run, in UTF-8.
struct RunOutcome {
  std::string surface;
  std::string current;
  std::string message;  // as the message box shows it; empty when none
  bool failed = false;
};

RunOutcome Run(const CalculatorInfo& calculator, std::span<const std::string> texts) {
  ShapeInputs inputs;
  for (std::size_t i = 0; i < texts.size(); ++i) inputs.texts[i] = Utf8ToCp1252(texts[i]);
  ShapeResult captions;
  RunOutcome outcome;
  try {
    RunCalculator(calculator.shape, inputs, captions.Receivers());
  } catch (const Exception& failure) {
    outcome.failed = true;
    outcome.message = Cp1252ToUtf8(MessageForDisplay(failure.Message()));
  }
  outcome.surface = Cp1252ToUtf8(captions.surface);
  outcome.current = Cp1252ToUtf8(captions.current);
  return outcome;
}

// Why a shape and its texts cannot run, in French and English; empty when
// they can.
std::string Unusable(const CalculatorInfo* calculator, std::string_view name, std::size_t texts) {
  if (calculator == nullptr) {
    return "forme inconnue \xC2\xAB " + std::string(name) + " \xC2\xBB / unknown shape";
  }
  if (texts > calculator->fields.size()) {
    return "trop de textes pour " + std::string(calculator->command_name) + " (" +
           std::to_string(calculator->fields.size()) + " au plus) / too many texts";
  }
  return {};
}

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    parts.emplace_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err) {
  int status = kExitOk;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> parts = SplitTabs(line);
    const CalculatorInfo* calculator = CalculatorByCommandName(parts[0]);
    const std::string problem = Unusable(calculator, parts[0], parts.size() - 1);
    if (!problem.empty()) {
      // Keep one output line per input line, so the results stay aligned.
      out << "\t\t" << problem << '\n';
      err << "anodisation-calc: ligne / line " << number << ": " << problem << '\n';
      status = kExitUsage;
      continue;
    }
    const RunOutcome outcome = Run(*calculator, std::span(parts).subspan(1));
    out << outcome.surface << '\t' << outcome.current << '\t' << outcome.message << '\n';
  }
  out.flush();
  return status;
}

int UsageError(std::ostream& err, const std::string& problem) {
  err << "anodisation-calc: " << problem << '\n' << kUsageHint;
  return kExitUsage;
}

}  // namespace

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  std::size_t first = 0;
  if (!args.empty()) {
    const std::string& option = args[0];
    if (option == "--help" || option == "-h") {
      out << kHelp;
      return kExitOk;
    }
    if (option == "--batch") {
      if (args.size() > 1) return UsageError(err, "--batch ne prend pas d'argument / takes no argument");
      return RunBatch(in, out, err);
    }
    if (option == "--") {
      first = 1;
    } else if (option.size() > 1 && option[0] == '-') {
      return UsageError(err, "option inconnue / unknown option: " + option);
    }
  }
  if (args.size() <= first) return UsageError(err, "forme manquante / missing shape");

  const std::string& name = args[first];
  const std::span<const std::string> texts = args.subspan(first + 1);
  const CalculatorInfo* calculator = CalculatorByCommandName(name);
  const std::string problem = Unusable(calculator, name, texts.size());
  if (!problem.empty()) return UsageError(err, problem);

  const RunOutcome outcome = Run(*calculator, texts);
  out << outcome.surface << '\n' << outcome.current << '\n';
  out.flush();
  if (outcome.failed) {
    err << outcome.message << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace anod
