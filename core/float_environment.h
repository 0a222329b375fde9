// The floating-point environment every calculation runs in.
//
// The environment is described by a 16-bit x87 control word. Its six low bits
// are exception masks: a cleared mask makes that event a failure. The
// default word 1332 hexadecimal leaves invalid operation, division by zero and
// overflow unmasked (failures) and masks denormal operands, underflow and
// inexact results (silent); precision control is 64-bit significand and
// rounding is to nearest, ties to even.
//
// The hardware (the x87 unit, or the software type's word and flags where
// that stands in for it) always runs with every exception masked: failures are
// found by testing the status flags after each arithmetic step (see
// core/extended.h), never by traps, so no signal handler is involved. The
// precision and rounding fields of the word in force are loaded into the
// hardware as they are.
//
//   ResetFloatingPointUnit();          // fninit, then DefaultControlWord() in force
//   ControlWordInForce()      -> 0x1332
//   LoadControlWord(0x133F);           // every event silent from now on
//   FailingEvents(0x0008)     -> 0x0008 (overflow is a failure under 0x1332)
//   FailingEvents(0x0020)     -> 0      (inexact is masked)
#pragma once

#include <cstdint>

namespace anod {

// The x87 status and mask bits of the six floating-point events.
enum FloatEvent : std::uint16_t {
  kEventInvalid = 0x01,
  kEventDenormal = 0x02,
  kEventZeroDivide = 0x04,
  kEventOverflow = 0x08,
  kEventUnderflow = 0x10,
  kEventInexact = 0x20,
};
inline constexpr std::uint16_t kFloatEventMask = 0x3F;

inline constexpr std::uint16_t kInitialControlWord = 0x1332;

// The word start-up loads and every caught processor failure re-loads.
// Starts at 1332 hexadecimal; start-up and window creation may change it.
std::uint16_t DefaultControlWord();
void SetDefaultControlWord(std::uint16_t word);

// The word currently in force (the masks the checked steps obey).
std::uint16_t ControlWordInForce();

// Puts `word` in force: its masks decide which events fail from now on, and
// its precision and rounding fields go to the hardware. Clears no status.
void LoadControlWord(std::uint16_t word);

// Resets the floating-point unit (clears its status and stack) and loads
// DefaultControlWord(). Start-up calls it before any window exists; the error
// reporting calls it after every caught processor failure.
void ResetFloatingPointUnit();

// The events among `status` that the word in force makes failures.
std::uint16_t FailingEvents(std::uint16_t status);

// Makes sure the hardware runs with the word in force (cheap when it does)
// and clears the sticky status flags. Every public operation of the core
// starts with it, so a caller that changed the hardware word (a library, a
// test) cannot change the digits.
void EnterFloatingPointSection();

}  // namespace anod
