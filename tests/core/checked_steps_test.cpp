// The checked steps must fail at the step that overflows or is invalid, and
// leave their destination unwritten, also when the optimiser is free to move
// or drop the arithmetic: this file is always compiled at -O2.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "core/extended.h"
#include "core/failures.h"
#include "core/float_environment.h"
#include "tests/core/opaque.h"

#ifndef __OPTIMIZE__
#error "checked_steps_test.cpp must be compiled with optimisation"
#endif

namespace anod {
namespace {

using test::Opaque;

constexpr Extended kHuge = 1e4000L;
constexpr Extended kInf = kExtendedInfinity;

enum class Expect { kOverflow, kInvalid, kZeroDivide, kNone };

struct StepRow {
  const char* name;
  Extended (*step)(Extended, Extended);
  Extended a;
  Extended b;
  Expect expect;
};
void PrintTo(const StepRow& row, std::ostream* os) { *os << row.name; }

class CheckedStep : public testing::TestWithParam<StepRow> {
 protected:
  void SetUp() override {
    ResetFloatingPointUnit();
    EnterFloatingPointSection();
  }
};

// The result is stored into a double that the test then inspects: a step
// that fails must leave it as it was.
TEST_P(CheckedStep, FailsAtTheStepAndLeavesTheDestination) {
  const StepRow& row = GetParam();
  double destination = -1;
  bool overflow = false, invalid = false, zero_divide = false;
  try {
    destination = StoreDouble(row.step(Opaque(row.a), Opaque(row.b)));
  } catch (const EOverflow&) {
    overflow = true;
  } catch (const EInvalidOp&) {
    invalid = true;
  } catch (const EZeroDivide&) {
    zero_divide = true;
  }
  EXPECT_EQ(overflow, row.expect == Expect::kOverflow);
  EXPECT_EQ(invalid, row.expect == Expect::kInvalid);
  EXPECT_EQ(zero_divide, row.expect == Expect::kZeroDivide);
  if (row.expect != Expect::kNone) {
    EXPECT_EQ(destination, -1);
  }
}

// The same steps with their result discarded: they must still fail.
TEST_P(CheckedStep, FailsEvenWhenTheResultIsUnused) {
  const StepRow& row = GetParam();
  bool failed = false;
  try {
    row.step(Opaque(row.a), Opaque(row.b));
  } catch (const EMathError&) {
    failed = true;
  }
  EXPECT_EQ(failed, row.expect != Expect::kNone);
}

Extended MulStep(Extended a, Extended b) { return Mul(a, b); }
Extended AddStep(Extended a, Extended b) { return Add(a, b); }
Extended SubStep(Extended a, Extended b) { return Sub(a, b); }
Extended DivStep(Extended a, Extended b) { return Div(a, b); }
// A step of two operations, as the calculators write them.
Extended MulMulStep(Extended a, Extended b) { return Mul(Mul(a, b), 2); }

INSTANTIATE_TEST_SUITE_P(
    Steps, CheckedStep,
    testing::Values(
        StepRow{"mul_huge_by_huge", MulStep, kHuge, kHuge, Expect::kOverflow},
        StepRow{"mul_infinity_by_zero", MulStep, kInf, 0, Expect::kInvalid},
        // Infinities pass silently, also into a double.
        StepRow{"mul_infinity_by_2", MulStep, kInf, 2, Expect::kNone},
        StepRow{"add_infinity_minus_infinity", AddStep, kInf, -kInf, Expect::kInvalid},
        StepRow{"sub_infinity_infinity", SubStep, kInf, kInf, Expect::kInvalid},
        StepRow{"div_1_by_0", DivStep, 1, 0, Expect::kZeroDivide},
        StepRow{"div_0_by_0", DivStep, 0, 0, Expect::kInvalid},
        StepRow{"mulmul_1e2466_twice", MulMulStep, 1e2466L, 1e2466L, Expect::kOverflow},
        StepRow{"mul_tiny_by_tiny", MulStep, 1e-4000L, 1e-4000L, Expect::kNone},
        StepRow{"mul_2_by_3", MulStep, 2, 3, Expect::kNone}), testing::PrintToStringParamName());

struct StoreRow {
  const char* name;
  Extended value;
  bool overflows;
  double stored;  // when it does not
};
void PrintTo(const StoreRow& row, std::ostream* os) { *os << row.name; }

class StoreIntoDouble : public testing::TestWithParam<StoreRow> {
 protected:
  void SetUp() override { ResetFloatingPointUnit(); }
};

TEST_P(StoreIntoDouble, OverflowsOnlyForFiniteValuesBeyondTheRange) {
  const StoreRow& row = GetParam();
  EnterFloatingPointSection();
  double destination = -1;
  bool overflow = false;
  try {
    destination = StoreDouble(Opaque(row.value));
  } catch (const EOverflow&) {
    overflow = true;
  }
  EXPECT_EQ(overflow, row.overflows);
  EXPECT_EQ(destination, row.overflows ? -1 : row.stored);
}

TEST_P(StoreIntoDouble, OverflowsEvenWhenTheResultIsUnused) {
  const StoreRow& row = GetParam();
  EnterFloatingPointSection();
  bool overflow = false;
  try {
    StoreDouble(Opaque(row.value));
  } catch (const EOverflow&) {
    overflow = true;
  }
  EXPECT_EQ(overflow, row.overflows);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoreIntoDouble,
    testing::Values(StoreRow{"1e400", 1e400L, true, 0}, StoreRow{"minus_1e400", -1e400L, true, 0},
                    StoreRow{"1e200_squared", 1e200L * 1e200L, true, 0},
                    StoreRow{"largest_double_plus_a_bit", 0x1.fffffffffffff7p1023L, false, 0x1.fffffffffffffp1023},
                    StoreRow{"halfway_above_largest_double", 0x1.fffffffffffff8p1023L, true, 0},
                    StoreRow{"infinity", kInf, false, std::numeric_limits<double>::infinity()},
                    StoreRow{"1e_minus_400", 1e-400L, false, 0},
                    StoreRow{"1e_minus_310", 1e-310L, false, 1e-310},
                    StoreRow{"one_third", 1.0L / 3, false, 1.0 / 3}), testing::PrintToStringParamName());

// Inlined into a caller that throws the value away, a failing step still
// fails, and the step after it does not run.
TEST(CheckedSteps, NoLaterStepRuns) {
  ResetFloatingPointUnit();
  EnterFloatingPointSection();
  int later_steps = 0;
  try {
    Mul(Opaque(kHuge), Opaque(kHuge));
    ++later_steps;
    Add(Opaque(1), Opaque(2));
  } catch (const EOverflow& failure) {
    EXPECT_EQ(failure.Message(), "D\xE9" "bordement en virgule flottante");
    EXPECT_EQ(failure.Record().code, 0xC0000091u);
  }
  EXPECT_EQ(later_steps, 0);
}

TEST(CheckedSteps, WholeNumbersRoundTiesToEven) {
  ResetFloatingPointUnit();
  EnterFloatingPointSection();
  EXPECT_EQ(RoundToWhole(Opaque(2.5L)), 2);
  EXPECT_EQ(RoundToWhole(Opaque(3.5L)), 4);
  EXPECT_EQ(RoundToWhole(Opaque(-2.5L)), -2);
  EXPECT_THROW(StoreInt64(Opaque(0x1p63L)), EInvalidOp);
  EXPECT_EQ(StoreInt64(Opaque(-0x1p63L)), std::numeric_limits<std::int64_t>::min());
}

}  // namespace
}  // namespace anod
