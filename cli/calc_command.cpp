#include "cli/calc_command.h"

#include <algorithm>
#include <array>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli/batch_input.h"
#include "cli/calc_output.h"
#include "cli/plan_command.h"
#include "cli/result_format.h"
#include "cli/visible_text.h"
#include "core/calculators.h"
#include "core/codepage.h"
#include "core/decimal_mark.h"
#include "core/failure_text.h"
#include "core/failures.h"

namespace anod {
namespace {

constexpr std::string_view kHelp =
    "Utilisation / usage:\n"
    "  anodisation-calc [--format tsv|json] FORME [TEXTE...]\n"
    "  anodisation-calc [--format tsv|json] --batch\n"
    "  anodisation-calc plan [OPTIONS] FICHIER|-   (plan de bain / bath plan:\n"
    "                   anodisation-calc plan --help)\n"
    "  anodisation-calc --help | --version\n"
    "\n"
    "Calcule la surface d'une pi\xC3\xA8" "ce en cm\xC2\xB2 et le courant d'\xC3\xA9lectrolyse en mA\n"
    "(10 mA par cm\xC2\xB2 entier), comme les calculatrices de la fen\xC3\xAAtre Anodisation.\n"
    "FORME et ses champs, dans cet ordre (dimensions en centim\xC3\xA8tres) :\n"
    "  cylindre         Rayon, Hauteur\n"
    "  parallelepipede  Hauteur, Longueur, Largeur\n"
    "  sphere           Rayon\n"
    "  pyramide         Hauteur (d'une face, du sommet au milieu d'une ar\xC3\xAAte), Longueur\n"
    "Un champ absent est vide et vaut 0. Le point est le s\xC3\xA9parateur d\xC3\xA9" "cimal.\n"
    "Un champ mal form\xC3\xA9 ou n\xC3\xA9gatif est refus\xC3\xA9 avec un message ; un rayon de\n"
    "cylindre ou une hauteur de parall\xC3\xA9l\xC3\xA9pip\xC3\xA8" "de nuls arr\xC3\xAAtent le calcul sans rien changer.\n"
    "La forme exponentielle du courant (\"1,256E16 mA\") prend le s\xC3\xA9parateur d\xC3\xA9" "cimal de la locale.\n"
    "Affiche deux lignes : la l\xC3\xA9gende de la surface, puis celle du courant,\n"
    "telles que la fen\xC3\xAAtre les montre (espaces compris).\n"
    "En cas d'\xC3\xA9" "chec, le message est \xC3\xA9" "crit sur la sortie d'erreur.\n"
    "--format tsv \xC3\xA9" "crit une ligne : surface en cm\xC2\xB2, TAB, courant en mA, TAB, message ;\n"
    "--format json un objet {\"surface\":\xE2\x80\xA6,\"current\":\xE2\x80\xA6,\"message\":\xE2\x80\xA6} (null si vide).\n"
    "Ces deux formats \xC3\xA9" "crivent les nombres sans unit\xC3\xA9, avec le point d\xC3\xA9" "cimal.\n"
    "--batch lit des lignes sur l'entr\xC3\xA9" "e standard, chacune une forme et ses textes\n"
    "s\xC3\xA9par\xC3\xA9s par des tabulations, et \xC3\xA9" "crit pour chacune : surface, TAB, courant,\n"
    "TAB, message (vide sans \xC3\xA9" "chec). Les lignes vides et celles qui commencent\n"
    "par \"#\" sont saut\xC3\xA9" "es (une ligne vide en sortie, null en JSON). Une ligne de plus\n"
    "de 1 Mio (1 048 576 octets) est inutilisable ; une marque d'ordre des octets\n"
    "UTF-8 en t\xC3\xAAte de l'entr\xC3\xA9" "e est ignor\xC3\xA9" "e.\n"
    "Entr\xC3\xA9" "e et sortie sont en UTF-8 ; les caract\xC3\xA8res de contr\xC3\xB4le repris d'une\n"
    "entr\xC3\xA9" "e s'\xC3\xA9" "crivent \\x00, \\x0A\xE2\x80\xA6\n"
    "Codes de sortie : 0 succ\xC3\xA8s ; 1 un calcul en \xC3\xA9" "chec (avec --batch : au moins\n"
    "une ligne) ; 2 arguments ou ligne inutilisables (l'emporte sur 1), lecture\n"
    "ou \xC3\xA9" "criture impossible, ou m\xC3\xA9moire insuffisante.\n"
    "\n"
    "Computes a part's surface in cm\xC2\xB2 and the electrolysis current in mA (10 mA per\n"
    "whole cm\xC2\xB2), like the calculators of the Anodisation window.\n"
    "SHAPE and its fields, in this order (dimensions in centimetres):\n"
    "  cylindre         radius, height (cylinder)\n"
    "  parallelepipede  height, length, width (rectangular box)\n"
    "  sphere           radius\n"
    "  pyramide         face height (apex to the middle of an edge), base edge\n"
    "                   (square pyramid)\n"
    "A missing field is empty and reads as 0. The decimal separator is \".\".\n"
    "A malformed or negative field is refused with a message; a zero cylinder\n"
    "radius or box height stops the calculation and changes nothing.\n"
    "The current's exponent form (\"1.256E16 mA\") uses the locale's decimal mark.\n"
    "Prints two lines: the surface caption, then the current caption, exactly as\n"
    "the window shows them (spaces included). A failure's message goes to stderr.\n"
    "--format tsv prints one line: surface in cm\xC2\xB2, TAB, current in mA, TAB,\n"
    "message; --format json one object {\"surface\":\xE2\x80\xA6,\"current\":\xE2\x80\xA6,\"message\":\xE2\x80\xA6}\n"
    "(null when empty). Both print numbers without units, with a decimal point.\n"
    "--batch reads lines from stdin, each a shape and its texts separated by TAB\n"
    "characters, and prints for each: surface, TAB, current, TAB, message (empty\n"
    "when none). Blank lines and lines starting with \"#\" are skipped (an empty\n"
    "output line, null in JSON). A line over 1 MiB (1,048,576 bytes) is unusable;\n"
    "a UTF-8 byte-order mark at the start of the input is ignored.\n"
    "Input and output are UTF-8; control characters echoed from the input are\n"
    "written \\x00, \\x0A...\n"
    "Exit codes: 0 success; 1 a calculation failed (with --batch: any line);\n"
    "2 unusable arguments or line (wins over 1), input that could not be read,\n"
    "output that could not be written, or memory exhausted.\n";

constexpr std::string_view kReadFailure =
    "anodisation-calc: lecture impossible sur l'entr\xC3\xA9" "e standard / cannot read standard input\n";

constexpr std::string_view kOutOfMemory =
    "anodisation-calc: m\xC3\xA9moire insuffisante / out of memory\n";

constexpr std::string_view kUsageHint =
    "Essayez / try: anodisation-calc --help\n";

// Puts the decimal mark back when the plain formats have borrowed it.
class DecimalMarkScope {
 public:
  explicit DecimalMarkScope(char mark) : saved_(LocaleDecimalMark()) { SetLocaleDecimalMark(mark); }
  ~DecimalMarkScope() { SetLocaleDecimalMark(saved_); }
  DecimalMarkScope(const DecimalMarkScope&) = delete;
  DecimalMarkScope& operator=(const DecimalMarkScope&) = delete;

 private:
  char saved_;
};

// A field in Windows-1252. Nearly every field is plain ASCII, the same
// bytes in both encodings, and is taken as it is.
std::string FieldText(std::string_view utf8) {
  const bool ascii =
      std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? std::string(utf8) : Utf8ToCp1252(utf8);
}

// `texts` are UTF-8; a failure's message lands in the result.
CalcResult Run(const CalculatorInfo& calculator, std::span<const std::string_view> texts, bool& failed) {
  ShapeInputs inputs;
  for (std::size_t i = 0; i < texts.size(); ++i) inputs.texts[i] = FieldText(texts[i]);
  ShapeResult captions;
  CalcResult result;
  failed = false;
  try {
    RunCalculator(calculator.shape, inputs, captions.Receivers());
  } catch (const Exception& failure) {
    failed = true;
    result.message = MessageForDisplay(failure.Message());
  }
  result.surface = std::move(captions.surface);
  result.current = std::move(captions.current);
  return result;
}

// An echoed argument, in Windows-1252 and cut short. Only its first bytes
// are converted: a 100 MB shape name costs no 100 MB copy.
std::string Echo(std::string_view utf8) { return CutForEcho(Utf8ToCp1252(utf8.substr(0, 4 * 33))); }

// Why a shape and its texts cannot run, in French and English
// (Windows-1252); empty when they can.
std::string Unusable(const CalculatorInfo* calculator, std::string_view name, bool too_many) {
  if (calculator == nullptr) return "forme inconnue \xAB " + Echo(name) + " \xBB / unknown shape";
  if (too_many) {
    return "trop de textes pour " + std::string(calculator->command_name) + " (" +
           std::to_string(calculator->fields.size()) + " au plus) / too many texts";
  }
  return {};
}

// One batch line split at its TABs: the shape name, then no more texts than
// the shape has fields. Splitting stops there, so a line of millions of TABs
// costs no more than the line itself.
struct SplitLine {
  std::string_view name;
  const CalculatorInfo* calculator = nullptr;
  std::array<std::string_view, kMaxFields> text_storage;  // no allocation per line
  std::size_t text_count = 0;
  bool too_many = false;

  std::span<const std::string_view> texts() const { return {text_storage.data(), text_count}; }
};

SplitLine Split(std::string_view line) {
  SplitLine split;
  std::size_t tab = line.find('\t');
  split.name = line.substr(0, tab);
  split.calculator = CalculatorByCommandName(split.name);
  if (split.calculator == nullptr) return split;
  while (tab != std::string_view::npos) {
    if (split.text_count == split.calculator->fields.size()) {
      split.too_many = true;
      return split;
    }
    const std::size_t start = tab + 1;
    tab = line.find('\t', start);
    split.text_storage[split.text_count++] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
  }
  return split;
}

// Blank lines (spaces and TABs at most) and comments are skipped.
bool Skipped(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#';
}

// A line that cannot run keeps its output line, so that the results stay
// aligned with the input, and is noted on stderr.
void WriteUnusable(CalcOutput& output, ResultFormat format, std::size_t number, const std::string& problem) {
  output.Out(FormatUnusable(format, problem));
  output.Err("anodisation-calc: ligne / line " + std::to_string(number) + ": " + VisibleUtf8(problem) + '\n');
}

int RunBatch(std::istream& in, CalcOutput& output, ResultFormat format) {
  int status = kExitOk;
  BatchInput input(*in.rdbuf());
  std::string_view line;
  for (std::size_t number = 1; output.OutWritable(); ++number) {
    // Answer the lines read so far before waiting for more.
    if (!input.LineReady()) output.Flush();
    const BatchInput::Status read = input.Next(line);
    if (read == BatchInput::Status::kEnd) break;
    if (read == BatchInput::Status::kReadFailed) {
      output.Err(kReadFailure);
      return kExitUsage;
    }
    if (read == BatchInput::Status::kTooLong) {
      WriteUnusable(output, format, number,
                    "ligne de plus de " + std::to_string(kBatchLineLimit) + " octets / line longer than " +
                        std::to_string(kBatchLineLimit) + " bytes");
      status = kExitUsage;
      continue;
    }
    if (Skipped(line)) {
      output.Out(FormatSkipped(format));
      continue;
    }
    const SplitLine split = Split(line);
    const std::string problem = Unusable(split.calculator, split.name, split.too_many);
    if (!problem.empty()) {
      WriteUnusable(output, format, number, problem);
      status = kExitUsage;
      continue;
    }
    bool failed = false;
    output.Out(FormatResult(format, Run(*split.calculator, split.texts(), failed), true));
    if (failed && status == kExitOk) status = kExitFailure;
  }
  return status;
}

int UsageError(CalcOutput& output, const std::string& problem) {
  output.Err("anodisation-calc: " + VisibleUtf8(problem) + '\n');
  output.Err(kUsageHint);
  return kExitUsage;
}

int RunOnce(std::span<const std::string> args, std::istream& in, CalcOutput& output) {
  ResultFormat format = ResultFormat::kCaptions;
  bool batch = false;
  std::size_t first = 0;
  for (; first < args.size(); ++first) {
    const std::string& option = args[first];
    if (option == "--help" || option == "-h") {
      output.Out(kHelp);
      return kExitOk;
    }
    if (option == "--version") {
      output.Out("anodisation-calc " ANOD_VERSION "\n");
      return kExitOk;
    }
    if (option == "--batch") {
      batch = true;
    } else if (option == "--format" || option.starts_with("--format=")) {
      const bool separate = option == "--format";
      if (separate && ++first == args.size()) return UsageError(output, "--format sans valeur / without a value");
      const std::string_view name = separate ? std::string_view(args[first]) : std::string_view(option).substr(9);
      const std::optional<ResultFormat> named = ResultFormatByName(name);
      if (!named) return UsageError(output, "format inconnu / unknown format: " + Echo(name));
      format = *named;
    } else if (option == "--") {
      ++first;
      break;
    } else if (option.size() > 1 && option[0] == '-') {
      return UsageError(output, "option inconnue / unknown option: " + Echo(option));
    } else {
      break;
    }
  }
  // Scripts read the plain formats' numbers with "." whatever the locale.
  const DecimalMarkScope mark(format == ResultFormat::kCaptions ? LocaleDecimalMark() : '.');
  if (batch) {
    if (first < args.size()) return UsageError(output, "--batch ne prend pas d'argument / takes no argument");
    return RunBatch(in, output, format);
  }
  if (args.size() <= first) return UsageError(output, "forme manquante / missing shape");

  const std::string_view name = args[first];
  const std::vector<std::string_view> texts(args.begin() + static_cast<std::ptrdiff_t>(first) + 1, args.end());
  const CalculatorInfo* calculator = CalculatorByCommandName(name);
  const std::string problem =
      Unusable(calculator, name, calculator != nullptr && texts.size() > calculator->fields.size());
  if (!problem.empty()) return UsageError(output, problem);

  bool failed = false;
  const CalcResult result = Run(*calculator, texts, failed);
  output.Out(FormatResult(format, result, false));
  if (failed && format == ResultFormat::kCaptions) output.Err(VisibleUtf8(result.message) + '\n');
  return failed ? kExitFailure : kExitOk;
}

}  // namespace

int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
  CalcOutput output(out, err);
  int status = kExitOk;
  try {
    const bool plan = !args.empty() && args.front() == "plan";
    status = plan ? RunPlanCommand(args.subspan(1), in, output) : RunOnce(args, in, output);
  } catch (const std::bad_alloc&) {
    // The lines already answered stay written; the message needs no memory.
    output.Err(kOutOfMemory);
    status = kExitUsage;
  }
  return output.Finish() ? status : kExitUsage;
}

}  // namespace anod
