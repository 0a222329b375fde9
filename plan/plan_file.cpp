#include "plan/plan_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

#include "plan/plan_report.h"
#include "plan/plan_shapes.h"
#include "plan/plan_texts.h"
#include "plan/plan_units.h"
#include "plan/user_file.h"

namespace anod {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kDepthLimit = 64;

// Why the text is not a plan; thrown only inside this file, caught by ParsePlan.
struct Refusal {
  std::string message;
};

std::string Quoted(std::string_view text) { return "\xC2\xAB " + std::string(text) + " \xC2\xBB"; }

// 1-based line and column (in characters) of the byte at `offset`.
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view text, std::size_t offset) {
  std::size_t line = 1, column = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\n') {
      ++line;
      column = 1;
    } else if ((byte & 0xC0) != 0x80) {
      ++column;
    }
  }
  return {line, column};
}

// Builds the document through the library's own builder, refusing nesting
// deeper than kDepthLimit (the writer and the destructor recurse) and
// keeping where a syntax error was found.
class DepthLimitedBuilder {
 public:
  using number_integer_t = Json::number_integer_t;
  using number_unsigned_t = Json::number_unsigned_t;
  using number_float_t = Json::number_float_t;
  using string_t = Json::string_t;
  using binary_t = Json::binary_t;

  explicit DepthLimitedBuilder(Json& result) : dom_(result, false) {}

  bool null() { return dom_.null(); }
  bool boolean(bool value) { return dom_.boolean(value); }
  bool number_integer(number_integer_t value) { return dom_.number_integer(value); }
  bool number_unsigned(number_unsigned_t value) { return dom_.number_unsigned(value); }
  bool number_float(number_float_t value, const string_t& text) { return dom_.number_float(value, text); }
  bool string(string_t& value) { return dom_.string(value); }
  bool binary(binary_t& value) { return dom_.binary(value); }
  bool start_object(std::size_t elements) { return Deeper() && dom_.start_object(elements); }
  bool key(string_t& value) { return dom_.key(value); }
  bool end_object() {
    --depth_;
    return dom_.end_object();
  }
  bool start_array(std::size_t elements) { return Deeper() && dom_.start_array(elements); }
  bool end_array() {
    --depth_;
    return dom_.end_array();
  }
  bool parse_error(std::size_t position, const std::string& last_token, const nlohmann::detail::exception& error) {
    // The position is past the offending character; past the whole number
    // for one out of range, whose text is then the last token.
    error_id = error.id;
    error_token = error_id == 406 ? last_token : "";
    error_offset = position - std::min(position, error_id == 406 ? last_token.size() : 1);
    error_text = error.what();
    return false;
  }

  bool too_deep = false;
  std::size_t error_offset = 0;
  std::string error_token;
  int error_id = 0;
  std::string error_text;

 private:
  bool Deeper() {
    too_deep = ++depth_ > kDepthLimit;
    return !too_deep;
  }
  nlohmann::detail::json_sax_dom_parser<Json> dom_;
  int depth_ = 0;
};

std::string SyntaxMessage(std::string_view text, const DepthLimitedBuilder& builder) {
  const auto [line, column] = LineAndColumn(text, builder.error_offset);
  std::string what;
  if (builder.error_id == 406) {
    what = "nombre hors limites";
  } else if (builder.error_text.find("end of input") != std::string::npos) {
    what = "le texte s'arr\xC3\xAAte avant la fin du plan";
  } else if (builder.error_text.find("UTF-8") != std::string::npos) {
    what = "octet qui n'est pas de l'UTF-8";
  } else if (builder.error_text.find("control character") != std::string::npos) {
    what = "caract\xC3\xA8re de contr\xC3\xB4le dans un texte";
  } else {
    what = "syntaxe incorrecte";
  }
  std::string message = "JSON mal form\xC3\xA9 \xC3\xA0 la ligne " + std::to_string(line) + ", colonne " +
                        std::to_string(column) + " : " + what;
  if (!builder.error_token.empty()) message += " (" + Quoted(EchoText(builder.error_token)) + ")";
  return message;
}

const char* TypeName(const Json& value) {
  switch (value.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::boolean: return "un bool\xC3\xA9" "en";
    case Json::value_t::string: return "un texte";
    case Json::value_t::array: return "une liste";
    case Json::value_t::object: return "un objet";
    default: return "un nombre";
  }
}

[[noreturn]] void Refuse(const std::string& where, const std::string& what) { throw Refusal{where + " : " + what}; }

// One object of the file: its known members are taken one by one, the
// others kept as they are.
class Members {
 public:
  Members(const Json& object, std::string where) : object_(object), where_(std::move(where)) {
    if (!object.is_object()) Refuse(where_, std::string("un objet est attendu, pas ") + TypeName(object));
  }

  std::string Where(std::string_view key) const {
    return (where_.empty() ? "" : where_ + ", ") + Quoted(key);
  }

  const Json* Find(std::string_view key) const {
    const auto found = object_.find(key);
    return found == object_.end() ? nullptr : &*found;
  }
  const Json& Required(std::string_view key) const {
    const Json* value = Find(key);
    if (value == nullptr) Refuse(Where(key), "champ manquant");
    return *value;
  }

  double Number(std::string_view key) const { return NumberValue(Required(key), Where(key)); }
  std::optional<double> OptionalNumber(std::string_view key) const {
    const Json* value = Find(key);
    if (value == nullptr || value->is_null()) return std::nullopt;
    return NumberValue(*value, Where(key));
  }
  std::string Text(std::string_view key) const {
    const Json& value = Required(key);
    if (!value.is_string()) Refuse(Where(key), std::string("un texte est attendu, pas ") + TypeName(value));
    return value.get<std::string>();
  }

  // Members other than `known`, as JSON text.
  UnknownMembers Unknown(std::initializer_list<std::string_view> known) const {
    UnknownMembers unknown;
    for (const auto& [key, value] : object_.items()) {
      bool is_known = false;
      for (const std::string_view name : known) is_known = is_known || key == name;
      if (!is_known) unknown.emplace_back(key, value.dump());
    }
    return unknown;
  }

  static double NumberValue(const Json& value, const std::string& where) {
    if (!value.is_number()) Refuse(where, std::string("un nombre est attendu, pas ") + TypeName(value));
    return value.get<double>();
  }

 private:
  const Json& object_;
  std::string where_;
};

std::int64_t Quantity(const Json& value, const std::string& where) {
  if (value.is_number_integer() && !value.is_number_unsigned()) return value.get<std::int64_t>();
  if (value.is_number()) {
    // 4.0 as a script may write it; 2^63 and beyond do not fit.
    const double number = value.get<double>();
    if (number == std::floor(number) && std::abs(number) < 0x1p63) return static_cast<std::int64_t>(number);
  }
  Refuse(where, std::string("un nombre entier est attendu, pas ") +
                    (value.is_number() ? Quoted(value.dump()) : std::string(TypeName(value))));
}

PlanRow ReadRow(const Json& value, std::size_t index) {
  const Members row(value, "ligne " + std::to_string(index + 1));
  PlanRow plan_row;
  const std::string key = row.Text("shape");
  const PlanShapeInfo* shape = PlanShapeByKey(key);
  if (shape == nullptr) Refuse(row.Where("shape"), "forme inconnue " + Quoted(EchoText(key)));
  plan_row.shape = shape->shape;
  plan_row.quantity = Quantity(row.Required("quantity"), row.Where("quantity"));
  const Json& dimensions = row.Required("dimensions");
  const std::string where = row.Where("dimensions");
  if (!dimensions.is_array() || dimensions.size() != shape->fields.size()) {
    std::string names;
    for (const PlanField& field : shape->fields) names += (names.empty() ? "" : ", ") + std::string(field.name);
    Refuse(where, std::to_string(shape->fields.size()) + " nombre" + (shape->fields.size() > 1 ? "s" : "") +
                      " attendu" + (shape->fields.size() > 1 ? "s" : "") + " pour " + shape->name + " (" + names +
                      ")");
  }
  for (std::size_t i = 0; i < dimensions.size(); ++i) {
    plan_row.dimensions.push_back(Members::NumberValue(dimensions[i], where + " " + std::to_string(i + 1)));
  }
  if (const Json* label = row.Find("label"); label != nullptr && !label->is_null()) {
    if (!label->is_string()) Refuse(row.Where("label"), std::string("un texte est attendu, pas ") + TypeName(*label));
    plan_row.label = label->get<std::string>();
  }
  plan_row.unknown = row.Unknown({"shape", "quantity", "dimensions", "label"});
  return plan_row;
}

Plan ReadPlan(const Json& document) {
  if (!document.is_object()) throw Refusal{"Ce fichier n'est pas un plan Anodisation : un objet JSON est attendu"};
  const Members top(document, "");
  const Json* format = top.Find("format");
  if (format == nullptr || !format->is_string() || format->get<std::string>() != kPlanFormat) {
    throw Refusal{"Ce fichier n'est pas un plan Anodisation (\xC2\xAB format \xC2\xBB doit valoir " +
                  Quoted(kPlanFormat) + ")"};
  }
  const Json& version = top.Required("version");
  if (!version.is_number_integer() || version.get<std::int64_t>() < 1) {
    Refuse(top.Where("version"), "version inconnue " + Quoted(EchoText(version.dump())));
  }
  if (version.get<std::int64_t>() > kPlanVersion) {
    throw Refusal{"Plan de version " + version.dump() +
                  ", \xC3\xA9" "crit par une version plus r\xC3\xA9" "cente d'Anodisation : celle-ci lit la version " +
                  std::to_string(kPlanVersion)};
  }
  Plan plan;
  const std::string unit = top.Text("length_unit");
  const std::optional<LengthUnit> length_unit = LengthUnitByKey(unit);
  if (!length_unit) Refuse(top.Where("length_unit"), "unit\xC3\xA9 inconnue " + Quoted(EchoText(unit)) + " (mm, cm ou in)");
  plan.length_unit = *length_unit;
  plan.rack_cm2 = top.Number("rack_cm2");
  const Members density(top.Required("density"), top.Where("density"));
  plan.density.value = density.Number("value");
  const std::string density_key = density.Text("unit");
  const std::optional<DensityUnit> density_unit = DensityUnitByKey(density_key);
  if (!density_unit) {
    Refuse(density.Where("unit"), "unit\xC3\xA9 inconnue " + Quoted(EchoText(density_key)) + " (mA/cm2, A/dm2 ou A/ft2)");
  }
  plan.density.unit = *density_unit;
  plan.density.unknown = density.Unknown({"value", "unit"});
  plan.thickness_um = top.Number("thickness_um");
  plan.supply_a = top.OptionalNumber("supply_a");
  plan.time_min = top.OptionalNumber("time_min");
  const Json& rows = top.Required("rows");
  if (!rows.is_array()) Refuse(top.Where("rows"), std::string("une liste est attendue, pas ") + TypeName(rows));
  for (std::size_t i = 0; i < rows.size(); ++i) plan.rows.push_back(ReadRow(rows[i], i));
  plan.unknown = top.Unknown({"format", "version", "length_unit", "rack_cm2", "density", "thickness_um", "supply_a",
                              "time_min", "rows"});
  if (const std::string problem = SettingsProblem(plan); !problem.empty()) throw Refusal{problem};
  return plan;
}

Json OptionalNumber(const std::optional<double>& value) { return value ? Json(*value) : Json(nullptr); }

void AddUnknown(Json& object, const UnknownMembers& unknown) {
  for (const auto& [key, text] : unknown) object[key] = Json::parse(text);
}

}  // namespace

PlanReading ParsePlan(std::string_view text) {
  Json document;
  DepthLimitedBuilder builder(document);
  if (!Json::sax_parse(text, &builder)) {
    if (builder.too_deep) return {std::nullopt, "JSON trop imbriqu\xC3\xA9 (plus de 64 niveaux)"};
    return {std::nullopt, SyntaxMessage(text, builder)};
  }
  try {
    return {ReadPlan(document), {}};
  } catch (const Refusal& refusal) {
    return {std::nullopt, refusal.message};
  }
}

std::string PlanToJson(const Plan& plan) {
  Json document;
  document["format"] = kPlanFormat;
  document["version"] = kPlanVersion;
  document["length_unit"] = LengthUnitFor(plan.length_unit).key;
  document["rack_cm2"] = plan.rack_cm2;
  Json density;
  density["value"] = plan.density.value;
  density["unit"] = DensityUnitFor(plan.density.unit).key;
  AddUnknown(density, plan.density.unknown);
  document["density"] = std::move(density);
  document["thickness_um"] = plan.thickness_um;
  document["supply_a"] = OptionalNumber(plan.supply_a);
  document["time_min"] = OptionalNumber(plan.time_min);
  Json rows = Json::array();
  for (const PlanRow& row : plan.rows) {
    Json object;
    object["shape"] = PlanShapeFor(row.shape).key;
    object["quantity"] = row.quantity;
    object["dimensions"] = row.dimensions;
    object["label"] = row.label;
    AddUnknown(object, row.unknown);
    rows.push_back(std::move(object));
  }
  document["rows"] = std::move(rows);
  AddUnknown(document, plan.unknown);
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

PlanReading LoadPlanFile(const std::filesystem::path& path) {
  UserFileReading file = ReadUserFile(path, kPlanFileLimit);
  if (!file.problem.empty()) return {std::nullopt, file.problem};
  PlanReading reading = ParsePlan(file.bytes);
  if (!reading.plan) reading.problem = Quoted(PathText(path)) + " : " + reading.problem;
  return reading;
}

std::string SavePlanFile(const std::filesystem::path& path, const Plan& plan) {
  return ReplaceUserFile(path, PlanToJson(plan));
}

}  // namespace anod
