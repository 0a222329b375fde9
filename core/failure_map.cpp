#include "core/failure_map.h"

#include <array>
#include <cstdio>
#include <exception>
#include <string>

#include "core/module_name.h"

namespace anod {
namespace {

enum class Kind {
  kInvalidOp,
  kZeroDivide,
  kOverflow,
  kUnderflow,
  kDivByZero,
  kRangeError,
  kIntOverflow,
  kPrivilege,
  kControlC,
  kStackOverflow,
};

struct MapRow {
  std::uint32_t code;
  std::uint16_t float_event;  // the x87 status bit of the same event; 0 for none
  Kind kind;
  const char* message;
};

// One table for the codes of the home platform and the floating-point
// status flags that stand for them. Rows of floating-point events are in the
// order the processor reports them.
constexpr std::array<MapRow, 12> kMap = {{
    {0xC0000090, 0x01, Kind::kInvalidOp, "Op\xE9ration en virgule flottante incorrecte"},
    {0xC000008D, 0x02, Kind::kUnderflow, "D\xE9" "bordement inf\xE9rieur flottant"},
    {0xC000008E, 0x04, Kind::kZeroDivide, "Division par z\xE9ro en virgule flottante"},
    {0xC0000091, 0x08, Kind::kOverflow, "D\xE9" "bordement en virgule flottante"},
    {0xC0000093, 0x10, Kind::kUnderflow, "D\xE9" "bordement inf\xE9rieur flottant"},
    {0xC000008F, 0x20, Kind::kInvalidOp, "Op\xE9ration en virgule flottante incorrecte"},
    {0xC0000092, 0, Kind::kInvalidOp, "Op\xE9ration en virgule flottante incorrecte"},
    {0xC0000094, 0, Kind::kDivByZero, "Division par z\xE9ro"},
    {0xC000008C, 0, Kind::kRangeError, "Erreur de v\xE9rification d'\xE9tendue"},
    {0xC0000095, 0, Kind::kIntOverflow, "D\xE9" "bordement d'entier"},
    {0xC0000096, 0, Kind::kPrivilege, "Instruction privil\xE9gi\xE9" "e"},
    {0xC000013A, 0, Kind::kControlC, "Frappe de Contr\xF4le-C"},
}};

constexpr const char* kStackOverflowMessage = "D\xE9" "bordement de pile";

std::string Hex(std::uintptr_t value, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits, static_cast<unsigned long long>(value));
  return buffer;
}

std::string Address(std::uintptr_t value) { return Hex(value, 2 * sizeof(void*)); }

std::string AccessViolationMessage(const ExceptionRecord& record) {
  const std::string module = ModuleFileName(record.code_address);
  std::string text = "Violation d'acc\xE8s \xE0 l'adresse " + Address(record.code_address);
  if (!module.empty()) text += " dans le module '" + module + "'";
  text += record.write_access ? ". Ecriture" : ". Lecture";
  text += " de l'adresse " + Address(record.data_address);
  return text;
}

std::unique_ptr<EExternal> Make(Kind kind, std::string message, const ExceptionRecord& record) {
  switch (kind) {
    case Kind::kInvalidOp: return std::make_unique<EInvalidOp>(std::move(message), record);
    case Kind::kZeroDivide: return std::make_unique<EZeroDivide>(std::move(message), record);
    case Kind::kOverflow: return std::make_unique<EOverflow>(std::move(message), record);
    case Kind::kUnderflow: return std::make_unique<EUnderflow>(std::move(message), record);
    case Kind::kDivByZero: return std::make_unique<EDivByZero>(std::move(message), record);
    case Kind::kRangeError: return std::make_unique<ERangeError>(std::move(message), record);
    case Kind::kIntOverflow: return std::make_unique<EIntOverflow>(std::move(message), record);
    case Kind::kPrivilege: return std::make_unique<EPrivilege>(std::move(message), record);
    case Kind::kControlC: return std::make_unique<EControlC>(std::move(message), record);
    case Kind::kStackOverflow: return std::make_unique<EStackOverflow>(std::move(message), record);
  }
  return std::make_unique<EExternalException>(std::move(message), record);
}

}  // namespace

std::unique_ptr<EExternal> MapProcessorFailure(const ExceptionRecord& record) {
  if (record.code == kAccessViolation) {
    return std::make_unique<EAccessViolation>(AccessViolationMessage(record), record);
  }
  if (record.code == kStackOverflow) {
    return Make(Kind::kStackOverflow, kStackOverflowMessage, record);
  }
  for (const MapRow& row : kMap) {
    if (row.code == record.code) return Make(row.kind, row.message, record);
  }
  return std::make_unique<EExternalException>("Exception externe " + Hex(record.code, 1), record);
}

void ThrowProcessorFailure(const ExceptionRecord& record) {
  MapProcessorFailure(record)->Raise();
  std::terminate();  // Raise always throws
}

std::uint32_t FloatStatusCode(std::uint16_t status) {
  for (const MapRow& row : kMap) {
    if ((row.float_event & status) != 0) return row.code;
  }
  return 0;
}

}  // namespace anod
