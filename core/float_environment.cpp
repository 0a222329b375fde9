#include "core/float_environment.h"

#include "core/extended.h"

namespace anod {
namespace detail {
std::uint16_t unmasked_events = static_cast<std::uint16_t>(~kInitialControlWord & kFloatEventMask);
}  // namespace detail

namespace {

std::uint16_t default_word = kInitialControlWord;
std::uint16_t word_in_force = kInitialControlWord;

// The word the hardware runs with: the precision and rounding of the word in
// force, every exception masked (failures come from status tests).
std::uint16_t HardwareWord(std::uint16_t word) { return word | kFloatEventMask; }

#if ANOD_X87_EXTENDED
std::uint16_t ReadHardwareWord() {
  std::uint16_t word;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}
void WriteHardwareWord(std::uint16_t word) { asm volatile("fldcw %0" : : "m"(word)); }
void ResetHardware() { asm volatile("fninit"); }
#else
// The software type's word and flags stand for the unit's.
std::uint16_t ReadHardwareWord() { return soft_float.control; }
void WriteHardwareWord(std::uint16_t word) { soft_float.control = word; }
void ResetHardware() { soft_float = SoftFloatState{}; }
#endif

}  // namespace

std::uint16_t DefaultControlWord() { return default_word; }
void SetDefaultControlWord(std::uint16_t word) { default_word = word; }
std::uint16_t ControlWordInForce() { return word_in_force; }

void LoadControlWord(std::uint16_t word) {
  word_in_force = word;
  detail::unmasked_events = static_cast<std::uint16_t>(~word & kFloatEventMask);
  WriteHardwareWord(HardwareWord(word));
}

void ResetFloatingPointUnit() {
  ResetHardware();
  LoadControlWord(default_word);
}

std::uint16_t FailingEvents(std::uint16_t status) {
  return static_cast<std::uint16_t>(status & detail::unmasked_events);
}

void EnterFloatingPointSection() {
  const std::uint16_t wanted = HardwareWord(word_in_force);
  // Bits 6, 7 and 13 to 15 are reserved; compare the meaningful ones.
  if ((ReadHardwareWord() & 0x1F3F) != (wanted & 0x1F3F)) WriteHardwareWord(wanted);
  ClearFloatStatus();
}

}  // namespace anod
