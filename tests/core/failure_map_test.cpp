#include "core/failure_map.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <typeinfo>

namespace anod {
namespace {

struct MapRow {
  const char* name;
  std::uint32_t code;
  const char* class_name;
  std::string message;
};
void PrintTo(const MapRow& row, std::ostream* os) { *os << row.name; }

class FailureMap : public testing::TestWithParam<MapRow> {};

TEST_P(FailureMap, GivesClassAndMessage) {
  const MapRow& row = GetParam();
  ExceptionRecord record;
  record.code = row.code;
  const std::unique_ptr<EExternal> failure = MapProcessorFailure(record);
  ASSERT_NE(failure, nullptr);
  EXPECT_STREQ(failure->ClassName(), row.class_name);
  EXPECT_EQ(failure->Message(), row.message);
  EXPECT_EQ(failure->Record().code, row.code);
  EXPECT_EQ(failure->HelpContext(), 0);
}

TEST_P(FailureMap, ThrowsAsItsOwnClass) {
  const MapRow& row = GetParam();
  ExceptionRecord record;
  record.code = row.code;
  bool thrown = false;
  try {
    ThrowProcessorFailure(record);
  } catch (const Exception& failure) {
    thrown = true;
    EXPECT_STREQ(failure.ClassName(), row.class_name);
    const std::unique_ptr<EExternal> mapped = MapProcessorFailure(record);
    const EExternal& expected = *mapped;
    EXPECT_EQ(typeid(failure), typeid(expected));
    EXPECT_EQ(failure.Message(), row.message);
  }
  EXPECT_TRUE(thrown);
}

const std::string kInvalidOp = "Op\xE9ration en virgule flottante incorrecte";
const std::string kUnderflow = "D\xE9" "bordement inf\xE9rieur flottant";

INSTANTIATE_TEST_SUITE_P(
    Codes, FailureMap,
    testing::Values(
        MapRow{"C0000090_invalid", 0xC0000090, "EInvalidOp", kInvalidOp},
        MapRow{"C000008F_inexact", 0xC000008F, "EInvalidOp", kInvalidOp},
        MapRow{"C0000092_stack_check", 0xC0000092, "EInvalidOp", kInvalidOp},
        MapRow{"C000008E_divide_by_zero", 0xC000008E, "EZeroDivide", "Division par z\xE9ro en virgule flottante"},
        MapRow{"C0000091_overflow", 0xC0000091, "EOverflow", "D\xE9" "bordement en virgule flottante"},
        MapRow{"C0000093_underflow", 0xC0000093, "EUnderflow", kUnderflow},
        MapRow{"C000008D_denormal", 0xC000008D, "EUnderflow", kUnderflow},
        MapRow{"C0000094_int_divide", 0xC0000094, "EDivByZero", "Division par z\xE9ro"},
        MapRow{"C000008C_bounds", 0xC000008C, "ERangeError", "Erreur de v\xE9rification d'\xE9tendue"},
        MapRow{"C0000095_int_overflow", 0xC0000095, "EIntOverflow", "D\xE9" "bordement d'entier"},
        MapRow{"C0000096_privileged", 0xC0000096, "EPrivilege", "Instruction privil\xE9gi\xE9" "e"},
        MapRow{"C000013A_control_c", 0xC000013A, "EControlC", "Frappe de Contr\xF4le-C"},
        MapRow{"C00000FD_stack_overflow", 0xC00000FD, "EStackOverflow", "D\xE9" "bordement de pile"},
        MapRow{"C0000025_other", 0xC0000025, "EExternalException", "Exception externe C0000025"},
        MapRow{"code_1_other", 0x1, "EExternalException", "Exception externe 1"}), testing::PrintToStringParamName());

TEST(FailureMap, MathFailuresShareTheirBase) {
  ExceptionRecord record;
  record.code = kFloatOverflow;
  EXPECT_NE(dynamic_cast<EMathError*>(MapProcessorFailure(record).get()), nullptr);
  record.code = kIntegerOverflow;
  EXPECT_NE(dynamic_cast<EIntError*>(MapProcessorFailure(record).get()), nullptr);
}

// Addresses take one digit for each four bits of a pointer: 16 on 64-bit
// programs, 8 on 32-bit ones.
std::string PointerDigits(const std::string& hex) {
  return std::string(2 * sizeof(void*) - hex.size(), '0') + hex;
}

TEST(FailureMap, AccessViolationOutsideAnyModule) {
  ExceptionRecord record;
  record.code = kAccessViolation;
  record.code_address = 0x10;
  record.write_access = true;
  record.data_address = 0x1234ABCD;
  const auto failure = MapProcessorFailure(record);
  EXPECT_STREQ(failure->ClassName(), "EAccessViolation");
  EXPECT_EQ(failure->Message(),
            "Violation d'acc\xE8s \xE0 l'adresse " + PointerDigits("10") + ". Ecriture de l'adresse " +
                PointerDigits("1234ABCD"));
}

TEST(FailureMap, AccessViolationInsideAModuleNamesIt) {
  ExceptionRecord record;
  record.code = kAccessViolation;
  record.code_address = reinterpret_cast<std::uintptr_t>(&MapProcessorFailure);
  record.data_address = 0;
  const std::string message = MapProcessorFailure(record)->Message();
  // The code lies in this test program; Windows names files with their extension.
#ifdef _WIN32
  const std::string module = "core_tests.exe";
#else
  const std::string module = "core_tests";
#endif
  EXPECT_NE(message.find(" dans le module '" + module + "'. Lecture de l'adresse " + PointerDigits("0")),
            std::string::npos)
      << message;
}

struct StatusRow {
  const char* name;
  std::uint16_t status;
  std::uint32_t code;
};
void PrintTo(const StatusRow& row, std::ostream* os) { *os << row.name; }

class StatusCodes : public testing::TestWithParam<StatusRow> {};

TEST_P(StatusCodes, PickTheFirstEvent) { EXPECT_EQ(FloatStatusCode(GetParam().status), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(
    Flags, StatusCodes,
    testing::Values(StatusRow{"none", 0, 0}, StatusRow{"invalid", 0x01, kFloatInvalidOperation},
                    StatusRow{"denormal", 0x02, kFloatDenormalOperand},
                    StatusRow{"zero_divide", 0x04, kFloatDivideByZero},
                    StatusRow{"overflow", 0x08, kFloatOverflow},
                    StatusRow{"overflow_inexact", 0x28, kFloatOverflow},
                    StatusRow{"underflow", 0x10, kFloatUnderflow}, StatusRow{"inexact", 0x20, kFloatInexactResult},
                    StatusRow{"invalid_and_overflow", 0x09, kFloatInvalidOperation},
                    StatusRow{"other_bits_only", 0x3800, 0}), testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
