// The software extended type against the x87 unit, on the same operands and
// the same control word: results must be the same bits and raise the same
// status flags. A table of hard cases (ties at each precision, the overflow
// and underflow thresholds of both formats, the largest and smallest values,
// infinities, NaNs, signed zeros, the 64-bit integer limits, the encodings
// the x87 treats specially) is run whole under every control word; then a
// seeded random sweep, ANOD_SWEEP_PAIRS operand pairs per operation (20000
// by default; the `long` test runs millions).
#include "core/soft_extended.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace anod {
namespace {

struct Bits {
  std::uint16_t se;
  std::uint64_t sig;
};

long double ToX87(Bits b) {
  long double v = 0;
  std::memcpy(&v, &b.sig, 8);
  std::memcpy(reinterpret_cast<char*>(&v) + 8, &b.se, 2);
  return v;
}
Bits FromX87(long double v) {
  Bits b;
  std::memcpy(&b.sig, &v, 8);
  std::memcpy(&b.se, reinterpret_cast<const char*>(&v) + 8, 2);
  return b;
}

// One outcome: up to ten result bytes as two words, and the six flags.
struct Outcome {
  std::uint64_t low = 0;
  std::uint16_t high = 0;
  std::uint16_t flags = 0;
  bool operator==(const Outcome&) const = default;
};

// Runs `op` on the x87 unit under `control` (every event masked, as the
// core runs it) and collects the flags it raised.
template <class Op>
Outcome OnX87(std::uint16_t control, Op op) {
  const std::uint16_t word = control | 0x3F;
  asm volatile("fldcw %0\n\tfnclex" : : "m"(word));
  Outcome out = op();
  std::uint16_t status;
  asm volatile("fnstsw %0" : "=am"(status));
  out.flags = status & 0x3F;
  const std::uint16_t standard = 0x037F;
  asm volatile("fldcw %0" : : "m"(standard));
  return out;
}
template <class Op>
Outcome InSoftware(std::uint16_t control, Op op) {
  soft_float = {control, 0};
  Outcome out = op();
  out.flags = soft_float.status & 0x3F;
  return out;
}

Outcome Of(long double v) { const Bits b = FromX87(v); return {b.sig, b.se, 0}; }
Outcome Of(SoftExtended v) { return {v.Significand(), v.SignExponent(), 0}; }
Outcome Of(std::uint64_t v) { return {v, 0, 0}; }

// Each operation on both sides. Operands go through volatile memory so that
// nothing is folded at compile time.
using Runner = Outcome (*)(std::uint16_t control, Bits a, Bits b, bool software);
template <class X87, class Soft>
Outcome Run(std::uint16_t control, Bits a, Bits b, bool software, X87 x87, Soft soft) {
  if (software) {
    const SoftExtended sa = SoftExtended::FromBits(a.se, a.sig), sb = SoftExtended::FromBits(b.se, b.sig);
    return InSoftware(control, [&] { return soft(sa, sb); });
  }
  volatile long double va = ToX87(a), vb = ToX87(b);
  return OnX87(control, [&] { return x87(va, vb); });
}
#define ANOD_OPERATION(name, x87_body, soft_body)                                                      \
  {name, [](std::uint16_t c, Bits a, Bits b, bool s) {                                                  \
     return Run(                                                                                        \
         c, a, b, s, [&](volatile long double& x, [[maybe_unused]] volatile long double& y) { return x87_body; }, \
         [&](SoftExtended x, [[maybe_unused]] SoftExtended y) { return soft_body; });                           \
   }}

long double X87RoundToIntegral(long double x) {
  asm volatile("frndint" : "+t"(x));
  return x;
}
std::uint64_t X87ToInt64(long double x) {
  std::int64_t r;
  asm volatile("fistpll %0" : "=m"(r) : "t"(x) : "st");
  return static_cast<std::uint64_t>(r);
}
double X87FromBitsDouble(std::uint64_t bits) {
  volatile double d = std::bit_cast<double>(bits);
  return d;
}

const struct {
  const char* name;
  Runner run;
} kOperations[] = {
    ANOD_OPERATION("add", Of(x + y), Of(x + y)),
    ANOD_OPERATION("sub", Of(x - y), Of(x - y)),
    ANOD_OPERATION("mul", Of(x * y), Of(x * y)),
    ANOD_OPERATION("div", Of(x / y), Of(x / y)),
    ANOD_OPERATION("to_double", Of(std::bit_cast<std::uint64_t>(static_cast<double>(x))),
                   Of(std::bit_cast<std::uint64_t>(static_cast<double>(x)))),
    ANOD_OPERATION("round_to_integral", Of(X87RoundToIntegral(x)), Of(RoundToIntegral(x))),
    ANOD_OPERATION("to_int64", Of(X87ToInt64(x)), Of(static_cast<std::uint64_t>(ToInt64(x)))),
    // The significand of the first operand read as a double.
    ANOD_OPERATION("from_double", Of(static_cast<long double>(X87FromBitsDouble(FromX87(x).sig))),
                   Of(SoftExtended(X87FromBitsDouble(x.Significand())))),
    ANOD_OPERATION("from_int64", Of(static_cast<long double>(static_cast<std::int64_t>(FromX87(x).sig))),
                   Of(SoftExtended(static_cast<std::int64_t>(x.Significand())))),
    ANOD_OPERATION("equal", Of(std::uint64_t{x == y}), Of(std::uint64_t{x == y})),
    ANOD_OPERATION("less", Of(std::uint64_t{x < y}), Of(std::uint64_t{x < y})),
    ANOD_OPERATION("less_equal", Of(std::uint64_t{x <= y}), Of(std::uint64_t{x <= y})),
    ANOD_OPERATION("greater", Of(std::uint64_t{x > y}), Of(std::uint64_t{x > y})),
};
#undef ANOD_OPERATION

// Precision 24, reserved, 53, 64 bits, each under the four rounding modes.
std::vector<std::uint16_t> ControlWords() {
  std::vector<std::uint16_t> words;
  for (unsigned pc = 0; pc < 4; ++pc)
    for (unsigned rc = 0; rc < 4; ++rc) words.push_back(static_cast<std::uint16_t>(0x107F | pc << 8 | rc << 10));
  return words;
}

constexpr std::uint64_t kOne = 1ULL << 63;
const std::vector<Bits> kHardCases = {
    {0x0000, 0}, {0x8000, 0},                                          // signed zeros
    {0x0000, 1}, {0x8000, 1}, {0x0000, kOne - 1},                      // denormals: smallest, largest
    {0x0000, kOne}, {0x0000, kOne | 1},                                // pseudo-denormals
    {0x0001, kOne}, {0x8001, kOne}, {0x0001, ~0ULL},                   // smallest normals
    {0x7FFE, ~0ULL}, {0xFFFE, ~0ULL}, {0x7FFE, kOne},                  // largest
    {0x7FFF, kOne}, {0xFFFF, kOne},                                    // infinities
    {0x7FFF, 0xC000000000000000}, {0xFFFF, 0xC000000000000000},        // quiet NaNs, the indefinite
    {0x7FFF, 0xC000000000000123}, {0x7FFF, 0xA000000000000000},        // a quiet NaN, a signaling NaN
    {0x7FFF, 0x8000000000000001}, {0x7FFF, 0}, {0x7FFF, 0x4000000000000000},  // signaling, pseudo-infinity, pseudo-NaN
    {0x3FFF, 0}, {0x4000, 0x4000000000000000},                         // unnormals
    {0x3FFF, kOne}, {0xBFFF, kOne}, {0x3FFF, kOne | 1}, {0x3FFF, ~0ULL},  // 1, -1, 1 + ulp, 2 - ulp
    {0x3FBF, kOne}, {0x3FBF, kOne | 1}, {0x3FC0, kOne},                // ties and near ties at 64 bits (2^-64)
    {0x3FCA, kOne}, {0x3FCB, kOne}, {0x3FE7, kOne},                    // at 53 bits and 24 bits
    {0x3FFF, kOne | 1ULL << 10}, {0x3FFF, kOne | 1ULL << 39},          // halfway cases for 53 and 24 bits
    {0x3FFF, kOne | 3ULL << 10}, {0x3FFF, kOne | 0x8000000001ULL},
    {0x3FFE, kOne}, {0x4000, 0xA000000000000000}, {0xC000, 0xA000000000000000},  // 0.5, 2.5, -2.5
    {0x3FFF, 0xC000000000000000}, {0xBFFE, 0xC000000000000000},        // 1.5, -0.75
    {0x403D, kOne}, {0xC03D, kOne}, {0x403D, ~0ULL}, {0x403E, kOne},   // 2^62, -2^62, 2^63 - 1, 2^63 (int64 limits)
    {0xC03E, kOne}, {0xC03E, kOne | 1}, {0x403C, ~0ULL},               // -2^63, beyond it, a whole below 2^62
    {0x43FE, 0xFFFFFFFFFFFFF800}, {0x43FE, 0xFFFFFFFFFFFFFC00},        // the largest double, its halfway above
    {0x43FF, kOne}, {0x3C01, kOne}, {0x3C00, kOne}, {0x3BCD, kOne},    // 2^1024, the smallest double normal, below
    {0x3BCC, kOne}, {0x3BCC, kOne | 1}, {0x3C00, ~0ULL},               // half the smallest double denormal
    {0x5FFF, kOne}, {0x2000, kOne}, {0x7FFD, kOne}, {0x0002, kOne},    // products near the extended limits
    {0x3FFF, 0x8000000100000000}, {0x4005, 0xC800000000000000},        // (1 + 2^-32), 100
};

Bits RandomOperand(std::mt19937_64& random, const Bits* near) {
  Bits b;
  const unsigned kind = static_cast<unsigned>(random() % 16);
  // Sparse significands give exact products, quotients and sums, so ties.
  std::uint64_t sig = random();
  if (kind < 6) sig = kOne | 1ULL << (random() % 64) | 1ULL << (random() % 64) | (random() % 4 == 0 ? random() & 0xFF : 0);
  if (random() % 64 != 0) sig |= kOne;
  unsigned exp = static_cast<unsigned>(random() & 0x7FFF);
  switch (kind % 4) {
    case 0: exp = 16383 + static_cast<unsigned>(random() % 140) - 70; break;
    case 1: exp = static_cast<unsigned>(random() % 2 ? random() % 70 : 0x7FFF - random() % 70); break;
    case 2:  // near the double's range
      exp = 16383 + (random() % 2 ? 1023u : -1022u) + static_cast<unsigned>(random() % 120) - 60;
      break;
    default: break;
  }
  if (near != nullptr && random() % 2) exp = (near->se & 0x7FFF) + static_cast<unsigned>(random() % 140) - 70;
  if (random() % 256 == 0) exp = random() % 2 ? 0x7FFF : 0;
  b.se = static_cast<std::uint16_t>((exp & 0x7FFF) | (random() % 2 ? 0x8000 : 0));
  b.sig = sig;
  return b;
}

std::string Describe(const char* op, std::uint16_t control, Bits a, Bits b, const Outcome& x87,
                     const Outcome& soft) {
  char text[256];
  std::snprintf(text, sizeof text,
                "%s cw=%04X a=%04X:%016llX b=%04X:%016llX x87=%04X:%016llX/%02X soft=%04X:%016llX/%02X", op,
                control, a.se, static_cast<unsigned long long>(a.sig), b.se, static_cast<unsigned long long>(b.sig),
                x87.high, static_cast<unsigned long long>(x87.low), x87.flags, soft.high,
                static_cast<unsigned long long>(soft.low), soft.flags);
  return text;
}

// Compares one operation on one pair; reports the first few differences.
void Compare(const char* op, Runner run, std::uint16_t control, Bits a, Bits b, long& differences) {
  const Outcome x87 = run(control, a, b, false);
  const Outcome soft = run(control, a, b, true);
  if (x87 == soft) return;
  if (++differences <= 5) ADD_FAILURE() << Describe(op, control, a, b, x87, soft);
}

TEST(SoftExtended, HardCasesMatchTheX87UnderEveryControlWord) {
  for (const auto& operation : kOperations) {
    long differences = 0, pairs = 0;
    for (std::uint16_t control : ControlWords())
      for (const Bits& a : kHardCases)
        for (const Bits& b : kHardCases) {
          Compare(operation.name, operation.run, control, a, b, differences);
          ++pairs;
        }
    std::printf("hard cases %-18s %ld pairs, %ld differences\n", operation.name, pairs, differences);
    EXPECT_EQ(differences, 0) << operation.name;
  }
}

TEST(SoftExtended, RandomSweepMatchesTheX87) {
  const char* env = std::getenv("ANOD_SWEEP_PAIRS");
  const long pairs = env != nullptr ? std::atol(env) : 20000;
  const std::vector<std::uint16_t> words = ControlWords();
  for (const auto& operation : kOperations) {
    std::mt19937_64 random(20261209);
    long differences = 0;
    for (long i = 0; i < pairs; ++i) {
      const Bits a = RandomOperand(random, nullptr);
      const Bits b = RandomOperand(random, &a);
      Compare(operation.name, operation.run, words[random() % words.size()], a, b, differences);
    }
    std::printf("random sweep %-18s %ld pairs, %ld differences\n", operation.name, pairs, differences);
    EXPECT_EQ(differences, 0) << operation.name;
  }
}

}  // namespace
}  // namespace anod
