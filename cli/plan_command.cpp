#include "cli/plan_command.h"

#include <nlohmann/json.hpp>

#include <istream>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/calc_command.h"
#include "plan/load_summary.h"
#include "plan/plan_file.h"
#include "plan/plan_number.h"
#include "plan/plan_report.h"
#include "plan/plan_shapes.h"
#include "plan/plan_texts.h"
#include "plan/plan_units.h"
#include "plan/run_sheet.h"

namespace anod {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kPlanHelp =
    "Utilisation / usage:\n"
    "  anodisation-calc plan [OPTIONS] FICHIER|-\n"
    "\n"
    "Calcule un plan de bain (.anodplan, JSON) : la surface de chaque ligne et de\n"
    "toute la charge avec le montage, le courant, le temps pour l'\xC3\xA9paisseur vis\xC3\xA9" "e\n"
    "(r\xC3\xA8gle de 312 : minutes = 3,12 \xC3\x97 \xC2\xB5m \xC3\xB7 A/dm\xC2\xB2), la v\xC3\xA9rification de l'alimentation\n"
    "et la fiche de bain (d\xC3\xA9graissage, \xC3\xA9lectrolyse, coloration, fixation).\n"
    "\"-\" lit le plan sur l'entr\xC3\xA9" "e standard.\n"
    "Formes (cl\xC3\xA9 du fichier) et dimensions, dans cet ordre, dans l'unit\xC3\xA9 du plan :\n"
    "  cylindre         rayon, hauteur\n"
    "  parallelepipede  hauteur, longueur, largeur\n"
    "  sphere           rayon\n"
    "  pyramide         hauteur d'une face, longueur de la base\n"
    "  tube             rayon ext\xC3\xA9rieur, rayon int\xC3\xA9rieur, longueur\n"
    "  plaque           longueur, largeur, \xC3\xA9paisseur\n"
    "  hexagone         sur plats, longueur (barre hexagonale)\n"
    "  tronc_cone       grand rayon, petit rayon, hauteur\n"
    "  trou             rayon, profondeur (trou d\xC3\xA9" "bouchant)\n"
    "  trou_borgne      rayon, profondeur\n"
    "  surface          surface en cm\xC2\xB2\n"
    "Un trou est une ligne \xC3\xA0 part dont la surface (paroi ajout\xC3\xA9" "e, ouvertures\n"
    "retir\xC3\xA9" "es) s'ajoute \xC3\xA0 la charge ; sa quantit\xC3\xA9 est le nombre de trous.\n"
    "Les formes de la fen\xC3\xAAtre donnent ses surfaces (\xCF\x80 = 3,14) ; le courant est la\n"
    "surface totale \xC3\x97 la densit\xC3\xA9, arrondi au mA.\n"
    "Options :\n"
    "  --format text|tsv|json   texte (d\xC3\xA9" "faut), lignes cl\xC3\xA9 TAB valeur, ou un objet JSON\n"
    "  --density VALEUR[UNIT\xC3\x89]  densit\xC3\xA9 de courant (mA/cm2, A/dm2 ou A/ft2 ;\n"
    "                           sans unit\xC3\xA9, celle du plan)\n"
    "  --thickness \xC2\xB5M          \xC3\xA9paisseur vis\xC3\xA9" "e en \xC2\xB5m\n"
    "  --supply A               courant maximal de l'alimentation en A\n"
    "  --minutes MIN            l'\xC3\xA9paisseur atteinte en MIN minutes\n"
    "Les valeurs acceptent \",\" ou \".\" ; les r\xC3\xA9sultats s'\xC3\xA9" "crivent avec \".\".\n"
    "Exemple : tube 2, 1.5, 10 \xC3\x97 4 ; plaque 10 \xC3\x97 5 \xC3\x97 0.2 \xC3\x97 2 ; montage 20 cm\xC2\xB2 ;\n"
    "1,5 A/dm\xC2\xB2 ; 15 \xC2\xB5m ; alimentation 10 A -> 1155.16 cm\xC2\xB2, 17327 mA (17.33 A), 31.2 min ;\n"
    "l'alimentation ne suffit pas : 8.66 mA/cm\xC2\xB2, 15 \xC2\xB5m en 54.1 min.\n"
    "Codes de sortie : 0 succ\xC3\xA8s ; 1 une ligne refus\xC3\xA9" "e (les autres sont affich\xC3\xA9" "es)\n"
    "ou pas de courant ; 2 fichier ou option inutilisable, ou \xC3\xA9" "criture impossible.\n"
    "\n"
    "Computes a bath plan (.anodplan, JSON): the area of each row and of the\n"
    "whole load with the rack, the current, the time for the thickness aimed at\n"
    "(rule of 312: minutes = 3.12 x um / A/dm2), the supply check and the run\n"
    "sheet. \"-\" reads the plan from standard input. Shapes and dimensions are\n"
    "listed above (file keys, in the plan's length unit). A hole is a row of its\n"
    "own whose area (wall added, openings removed) adds to the load; its\n"
    "quantity is the number of holes. The window's shapes give the window's\n"
    "surfaces (pi = 3.14); the current is the total area x the density, rounded\n"
    "to the mA.\n"
    "Options: --format text|tsv|json; --density VALUE[UNIT] (mA/cm2, A/dm2 or\n"
    "A/ft2; without a unit, the plan's); --thickness UM; --supply A; --minutes\n"
    "MIN (the thickness reached in MIN minutes). Values take \",\" or \".\";\n"
    "results are written with \".\".\n"
    "Exit codes: 0 success; 1 a refused row (the others are shown) or no\n"
    "current; 2 unusable file or option, or output that could not be written.\n";

enum class PlanFormat { kText, kTsv, kJson };

struct Overrides {
  std::optional<Density> density;
  std::optional<double> thickness_um;
  std::optional<double> supply_a;
  std::optional<double> time_min;
  bool density_has_unit = false;
};

int Usage(CalcOutput& output, const std::string& problem) {
  output.Err("anodisation-calc plan: " + problem + "\nEssayez / try: anodisation-calc plan --help\n");
  return kExitUsage;
}

// "1,5A/dm2", "1.5 A/dm2" or "15".
std::optional<Density> ReadDensity(std::string_view text, bool& has_unit) {
  Density density;
  has_unit = false;
  for (const DensityUnitInfo& unit : DensityUnits()) {
    if (text.ends_with(unit.key)) {
      text.remove_suffix(std::string_view(unit.key).size());
      density.unit = unit.unit;
      has_unit = true;
      break;
    }
  }
  const std::optional<double> value = ReadPlanNumber(text);
  if (!value) return std::nullopt;
  density.value = *value;
  return density;
}

void Apply(const Overrides& overrides, Plan& plan) {
  if (overrides.density) {
    const DensityUnit unit = overrides.density_has_unit ? overrides.density->unit : plan.density.unit;
    plan.density.value = overrides.density->value;
    plan.density.unit = unit;
  }
  if (overrides.thickness_um) plan.thickness_um = *overrides.thickness_um;
  if (overrides.supply_a) plan.supply_a = *overrides.supply_a;
  if (overrides.time_min) plan.time_min = *overrides.time_min;
}

std::string Area(double cm2) { return ShownDecimals(cm2, 2); }
std::string Amps(double milliamps) { return ShownDecimals(milliamps / 1000, 2); }

// "rayon extérieur 2, rayon intérieur 1.5, longueur 10"
std::string Dimensions(const PlanRow& row) {
  const PlanShapeInfo& info = PlanShapeFor(row.shape);
  std::string text;
  for (std::size_t i = 0; i < row.dimensions.size() && i < info.fields.size(); ++i) {
    text += (i == 0 ? "" : ", ") + std::string(info.fields[i].name) + " " + ShortestNumber(row.dimensions[i]);
  }
  return text;
}

std::string FormatText(const Plan& plan, const PlanReport& report) {
  std::string out = "Plan de bain (dimensions en " + std::string(LengthUnitFor(plan.length_unit).key) + ")\n";
  for (std::size_t i = 0; i < plan.rows.size(); ++i) {
    const PlanRow& row = plan.rows[i];
    out += "  " + std::to_string(i + 1) + ". " + PlanShapeFor(row.shape).name;
    if (!row.label.empty()) out += " \xC2\xAB " + VisibleLabel(row.label) + " \xC2\xBB";
    out += " \xC3\x97" + std::to_string(row.quantity) + " : " + Dimensions(row) + "\n";
    const RowReport& result = report.rows[i];
    if (!result.problem.empty()) {
      out += "     refus\xC3\xA9" "e\n";
    } else {
      out += "     " + Area(result.part_cm2) + " cm\xC2\xB2 l'unit\xC3\xA9, " + Area(result.total_cm2) + " cm\xC2\xB2 pour " +
             std::to_string(row.quantity) + "\n";
    }
  }
  out += "  Montage et contacts : " + Area(plan.rack_cm2) + " cm\xC2\xB2\n";
  const DensityUnitInfo& unit = DensityUnitFor(plan.density.unit);
  out += "Densit\xC3\xA9 de courant : " + ShortestNumber(plan.density.value) + " " + unit.shown + "\n";
  const LoadSummary summary = SummarizeLoad(plan, report);
  if (!summary.problem.empty()) {
    out += summary.problem + "\n";
  } else {
    for (const std::string* line :
         {&summary.area, &summary.current, &summary.time, &summary.thickness_at_time, &summary.supply}) {
      if (!line->empty()) out += *line + "\n";
    }
    for (const std::string& advice : summary.supply_advice) out += "  " + advice + "\n";
  }
  out += "\nFiche de bain\n";
  int step = 1;
  for (const std::string& line : RunSheet(plan, report)) out += "  " + std::to_string(step++) + ". " + line + "\n";
  return out;
}

// One result for the scripts' formats: a number as shown ("106.00"), a
// text, or a literal (true, false, null).
struct Field {
  enum Kind { kNumber, kText, kLiteral };
  std::string key;
  std::string value;
  Kind kind = kNumber;
};
using Fields = std::vector<Field>;

Field Null(std::string key) { return {std::move(key), "null", Field::kLiteral}; }
Field Maybe(std::string key, bool present, std::string number) {
  return present ? Field{std::move(key), std::move(number)} : Null(std::move(key));
}

// The results in order: the rows, then the load; TSV and JSON write the same.
std::pair<std::vector<Fields>, Fields> Results(const Plan& plan, const PlanReport& report) {
  std::vector<Fields> rows;
  for (std::size_t i = 0; i < plan.rows.size(); ++i) {
    const RowReport& result = report.rows[i];
    const bool ok = result.problem.empty();
    rows.push_back({{"shape", PlanShapeFor(plan.rows[i].shape).key, Field::kText},
                    {"label", plan.rows[i].label, Field::kText},
                    {"quantity", std::to_string(plan.rows[i].quantity)},
                    Maybe("area_cm2", ok, Area(result.part_cm2)),
                    Maybe("total_cm2", ok, Area(result.total_cm2)),
                    ok ? Null("message") : Field{"message", result.problem, Field::kText}});
  }
  const bool current = report.HasCurrent();
  const std::optional<SupplyCheck>& supply = report.supply;
  Fields load{
      {"rack_cm2", Area(plan.rack_cm2)},
      Maybe("area_cm2", current, Area(report.area_cm2)),
      Maybe("density_ma_cm2", current, Area(report.density_ma_cm2)),
      Maybe("current_ma", current, ShownDecimals(report.current_ma, 0)),
      Maybe("current_a", current, Amps(report.current_ma)),
      {"thickness_um", ShortestNumber(plan.thickness_um)},
      Maybe("minutes", current, ShownDecimals(report.minutes, 1)),
      Maybe("supply_a", plan.supply_a.has_value(), ShortestNumber(plan.supply_a.value_or(0))),
      current && supply ? Field{"supply_ok", supply->sufficient ? "true" : "false", Field::kLiteral}
                        : Null("supply_ok"),
  };
  if (current && supply && !supply->sufficient) {
    load.push_back({"supply_density_ma_cm2", Area(supply->density_ma_cm2)});
    load.push_back({"supply_minutes", ShownDecimals(supply->minutes, 1)});
    load.push_back({"supply_area_cm2", Area(supply->area_cm2)});
  }
  load.push_back(Maybe("time_min", plan.time_min.has_value(), ShortestNumber(plan.time_min.value_or(0))));
  load.push_back(Maybe("thickness_at_time_um", report.thickness_at_time_um.has_value(),
                       ShownDecimals(report.thickness_at_time_um.value_or(0), 1)));
  const std::string& problem = report.settings_problem.empty() ? report.load_problem : report.settings_problem;
  load.push_back(problem.empty() ? Null("message") : Field{"message", problem, Field::kText});
  return {rows, load};
}

// A JSON string with every control character escaped: the writer escapes
// U+0000-U+001F itself, DEL and U+0080-U+009F are escaped here, so a label
// reads back whole yet never reaches a terminal raw ("a\x7F" -> "a\u007f").
std::string JsonText(const std::string& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const std::string dumped = Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
  std::string out;
  out.reserve(dumped.size());
  for (std::size_t i = 0; i < dumped.size(); ++i) {
    const auto byte = static_cast<unsigned char>(dumped[i]);
    const bool c1 = byte == 0xC2 && i + 1 < dumped.size() && static_cast<unsigned char>(dumped[i + 1]) < 0xA0;
    if (byte != 0x7F && !c1) {
      out += dumped[i];
      continue;
    }
    const unsigned code = c1 ? static_cast<unsigned char>(dumped[++i]) : byte;
    out += "\\u00";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
  }
  return out;
}

// A number beyond the fixed writer's range ("+Inf") is no JSON number: null.
std::string JsonValue(const Field& field) {
  if (field.kind == Field::kText) return JsonText(field.value);
  const std::size_t digit = field.value.starts_with('-') ? 1 : 0;
  const bool number = field.value.size() > digit && field.value[digit] >= '0' && field.value[digit] <= '9';
  return field.kind == Field::kNumber && !number ? "null" : field.value;
}

std::string JsonObject(const Fields& fields) {
  std::string out = "{";
  for (const Field& field : fields) out += (out.size() > 1 ? "," : "") + JsonText(field.key) + ":" + JsonValue(field);
  return out + "}";
}

std::string FormatJson(const Plan& plan, const PlanReport& report) {
  const auto [rows, load] = Results(plan, report);
  std::string out = "{\"rows\":[";
  for (std::size_t i = 0; i < rows.size(); ++i) out += (i == 0 ? "" : ",") + JsonObject(rows[i]);
  const std::string object = JsonObject(load);
  out += "]," + object.substr(1, object.size() - 2) + ",\"run_sheet\":[";
  const auto sheet = RunSheet(plan, report);
  for (std::size_t i = 0; i < sheet.size(); ++i) out += (i == 0 ? "" : ",") + JsonText(sheet[i]);
  return out + "]}\n";
}

// Key TAB value lines; a row is "row", its number and its values; null is empty.
std::string FormatTsv(const Plan& plan, const PlanReport& report) {
  const auto value = [](const Field& field) {
    return field.kind == Field::kText ? VisibleLabel(field.value) : field.value == "null" ? "" : field.value;
  };
  const auto [rows, load] = Results(plan, report);
  std::string out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out += "row\t" + std::to_string(i + 1);
    for (const Field& field : rows[i]) out += "\t" + value(field);
    out += "\n";
  }
  for (const Field& field : load) out += field.key + "\t" + value(field) + "\n";
  int step = 1;
  for (const std::string& line : RunSheet(plan, report)) out += "step\t" + std::to_string(step++) + "\t" + line + "\n";
  return out;
}

// The plan's text: the file's bytes, or standard input's up to the limit.
PlanReading ReadPlan(const std::string& name, std::istream& in) {
  if (name != "-") {
    const std::string_view utf8 = name;
    return LoadPlanFile(std::filesystem::path(std::u8string(utf8.begin(), utf8.end())));
  }
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kPlanFileLimit) return {std::nullopt, "entr\xC3\xA9" "e standard : plan trop grand"};
  }
  PlanReading reading = ParsePlan(text);
  if (!reading.plan) reading.problem = "entr\xC3\xA9" "e standard : " + reading.problem;
  return reading;
}

}  // namespace

int RunPlanCommand(std::span<const std::string> args, std::istream& in, CalcOutput& output) {
  PlanFormat format = PlanFormat::kText;
  Overrides overrides;
  std::optional<std::string> file;
  bool options_end = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_end || arg == "-" || arg.empty() || arg[0] != '-') {
      if (file) return Usage(output, "un seul fichier / one file only");
      file = arg;
      continue;
    }
    if (arg == "--") {
      options_end = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      output.Out(kPlanHelp);
      return kExitOk;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (name != "--format" && name != "--density" && name != "--thickness" && name != "--supply" &&
        name != "--minutes") {
      return Usage(output, "option inconnue / unknown option: " + EchoText(arg));
    }
    if (equals == std::string::npos && i + 1 == args.size()) {
      return Usage(output, name + " sans valeur / without a value");
    }
    const std::string value = equals == std::string::npos ? args[++i] : arg.substr(equals + 1);
    const std::string bad = NotANumberMessage(name, value) + " / not a number";
    if (name == "--format") {
      if (value == "text") {
        format = PlanFormat::kText;
      } else if (value == "tsv") {
        format = PlanFormat::kTsv;
      } else if (value == "json") {
        format = PlanFormat::kJson;
      } else {
        return Usage(output, "format inconnu / unknown format: " + EchoText(value));
      }
    } else if (name == "--density") {
      overrides.density = ReadDensity(value, overrides.density_has_unit);
      if (!overrides.density) return Usage(output, bad);
    } else {
      const std::optional<double> number = ReadPlanNumber(value);
      if (!number) return Usage(output, bad);
      (name == "--thickness" ? overrides.thickness_um : name == "--supply" ? overrides.supply_a : overrides.time_min) =
          number;
    }
  }
  if (!file) return Usage(output, "fichier manquant / missing file");

  PlanReading reading = ReadPlan(*file, in);
  if (!reading.plan) {
    output.Err("anodisation-calc: " + reading.problem + "\n");
    return kExitUsage;
  }
  Plan& plan = *reading.plan;
  Apply(overrides, plan);
  const PlanReport report = EvaluatePlan(plan);
  if (!report.settings_problem.empty()) {
    output.Err("anodisation-calc: " + report.settings_problem + "\n");
    return kExitUsage;
  }
  if (format == PlanFormat::kText) {
    output.Out(FormatText(plan, report));
    for (const RowReport& row : report.rows) {
      if (!row.problem.empty()) output.Err(row.problem + "\n");
    }
  } else {
    output.Out(format == PlanFormat::kJson ? FormatJson(plan, report) : FormatTsv(plan, report));
  }
  return report.HasCurrent() ? kExitOk : kExitFailure;
}

}  // namespace anod
