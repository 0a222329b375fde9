// The failure map: an exception reported by the processor or the system,
// identified by its exception code of the home platform, to the failure
// object of the right class with its French message (Windows-1252, no final
// period).
//
//   C0000091          -> EOverflow   "Débordement en virgule flottante"
//   C0000090, C000008F, C0000092
//                     -> EInvalidOp  "Opération en virgule flottante incorrecte"
//   C000008E          -> EZeroDivide "Division par zéro en virgule flottante"
//   C0000093, C000008D
//                     -> EUnderflow  "Débordement inférieur flottant"
//   C0000005 at code 0x401A2C in module "calc", reading 0x10
//                     -> EAccessViolation "Violation d'accès à l'adresse
//                        0000000000401A2C dans le module 'calc'. Lecture de
//                        l'adresse 0000000000000010"
//   C0000025          -> EExternalException "Exception externe C0000025"
//
// Addresses are written as 16 upper-case hexadecimal digits; the module is
// the file name (without directories) of the loaded object holding the code
// address, looked up with the dynamic loader, and the short form without
// "dans le module" is used when no loaded object holds it.
#pragma once

#include <cstdint>
#include <memory>

#include "core/failures.h"

namespace anod {

inline constexpr std::uint32_t kFloatInvalidOperation = 0xC0000090;
inline constexpr std::uint32_t kFloatDenormalOperand = 0xC000008D;
inline constexpr std::uint32_t kFloatDivideByZero = 0xC000008E;
inline constexpr std::uint32_t kFloatInexactResult = 0xC000008F;
inline constexpr std::uint32_t kFloatOverflow = 0xC0000091;
inline constexpr std::uint32_t kFloatStackCheck = 0xC0000092;
inline constexpr std::uint32_t kFloatUnderflow = 0xC0000093;
inline constexpr std::uint32_t kIntegerDivideByZero = 0xC0000094;
inline constexpr std::uint32_t kIntegerOverflow = 0xC0000095;
inline constexpr std::uint32_t kPrivilegedInstruction = 0xC0000096;
inline constexpr std::uint32_t kArrayBoundsExceeded = 0xC000008C;
inline constexpr std::uint32_t kAccessViolation = 0xC0000005;
inline constexpr std::uint32_t kStackOverflow = 0xC00000FD;
inline constexpr std::uint32_t kControlCExit = 0xC000013A;

// A new failure object for `record`.
std::unique_ptr<EExternal> MapProcessorFailure(const ExceptionRecord& record);

// Throws the failure MapProcessorFailure gives, as its own class, so that
// `catch (const EOverflow&)` sees it.
[[noreturn]] void ThrowProcessorFailure(const ExceptionRecord& record);

// The exception code for floating-point status flags: the first set among
// invalid, denormal, zero divide, overflow, underflow, inexact (the order in
// which the processor reports them). 0 when none is set.
//   FloatStatusCode(0x08) -> C0000091; FloatStatusCode(0x28) -> C0000091
std::uint32_t FloatStatusCode(std::uint16_t status);

}  // namespace anod
