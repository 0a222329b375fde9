#include "core/float_environment.h"

#include <gtest/gtest.h>

#include "core/extended.h"
#include "core/failures.h"
#include "tests/core/opaque.h"

namespace anod {
namespace {

using test::Opaque;

// The word the arithmetic runs with: the x87 unit's, or the software type's.
#if ANOD_X87_EXTENDED
std::uint16_t HardwareControlWord() {
  std::uint16_t word;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}
void SetHardwareControlWord(std::uint16_t word) { asm volatile("fldcw %0" : : "m"(word)); }
#else
std::uint16_t HardwareControlWord() { return soft_float.control; }
void SetHardwareControlWord(std::uint16_t word) { soft_float.control = word; }
#endif

class FloatEnvironment : public testing::Test {
 protected:
  void TearDown() override {
    SetDefaultControlWord(kInitialControlWord);
    ResetFloatingPointUnit();
  }
};

TEST_F(FloatEnvironment, StartsWith1332) {
  EXPECT_EQ(DefaultControlWord(), 0x1332);
  ResetFloatingPointUnit();
  EXPECT_EQ(ControlWordInForce(), 0x1332);
}

TEST_F(FloatEnvironment, TheHardwareMasksEverythingAndKeepsPrecisionAndRounding) {
  ResetFloatingPointUnit();
  // 64-bit significand (bits 8-9 = 11), to nearest (bits 10-11 = 00), all
  // six events masked: failures come from status tests, not traps.
  EXPECT_EQ(HardwareControlWord() & 0x0F3F, 0x033F);
}

TEST_F(FloatEnvironment, FailingEventsFollowTheMasks) {
  ResetFloatingPointUnit();
  EXPECT_EQ(FailingEvents(kEventOverflow), kEventOverflow);
  EXPECT_EQ(FailingEvents(kEventInvalid), kEventInvalid);
  EXPECT_EQ(FailingEvents(kEventZeroDivide), kEventZeroDivide);
  EXPECT_EQ(FailingEvents(kEventUnderflow | kEventInexact | kEventDenormal), 0);
  LoadControlWord(0x133F);
  EXPECT_EQ(FailingEvents(kEventOverflow | kEventInvalid), 0);
}

TEST_F(FloatEnvironment, MaskedOverflowGivesInfinity) {
  LoadControlWord(0x133F);
  EnterFloatingPointSection();
  EXPECT_EQ(Mul(Opaque(1e4000L), Opaque(1e4000L)), kExtendedInfinity);
}

TEST_F(FloatEnvironment, UnmaskedUnderflowFails) {
  LoadControlWord(0x1322);  // underflow unmasked
  EnterFloatingPointSection();
  try {
    Mul(Opaque(1e-4000L), Opaque(1e-4000L));
    FAIL() << "no failure";
  } catch (const EUnderflow& failure) {
    EXPECT_EQ(failure.Message(), "D\xE9" "bordement inf\xE9rieur flottant");
  }
}

TEST_F(FloatEnvironment, ResetLoadsTheDefaultWord) {
  SetDefaultControlWord(0x133F);
  ResetFloatingPointUnit();
  EXPECT_EQ(ControlWordInForce(), 0x133F);
  EnterFloatingPointSection();
  EXPECT_NO_THROW(Div(Opaque(1), Opaque(0)));
}

TEST_F(FloatEnvironment, SectionRestoresPrecisionChangedBehindItsBack) {
  ResetFloatingPointUnit();
  SetHardwareControlWord(0x027F);  // 53-bit precision, as some libraries set it
  EnterFloatingPointSection();
  // 1 + 2^-60 exists only with a 64-bit significand.
  EXPECT_NE(Add(Opaque(1), Opaque(0x1p-60L)), 1);
  EXPECT_EQ(HardwareControlWord() & 0x0300, 0x0300);
}

TEST_F(FloatEnvironment, RoundingFollowsTheWordInForce) {
  LoadControlWord(0x1732);  // rounding down
  EnterFloatingPointSection();
  EXPECT_EQ(RoundToWhole(Opaque(-2.5L)), -3);
  EXPECT_EQ(RoundToWhole(Opaque(2.5L)), 2);
  ResetFloatingPointUnit();
  EnterFloatingPointSection();
  EXPECT_EQ(RoundToWhole(Opaque(-2.5L)), -2);
}

TEST_F(FloatEnvironment, AFailureLeavesTheFlagsClear) {
  ResetFloatingPointUnit();
  EnterFloatingPointSection();
  EXPECT_THROW(Mul(Opaque(1e4000L), Opaque(1e4000L)), EOverflow);
  // The next step, with no new section, does not fail on the old flag.
  EXPECT_NO_THROW(Mul(Opaque(2), Opaque(3)));
}

}  // namespace
}  // namespace anod
