#include "core/power_of_ten.h"

namespace anod {

// Each entry is the extended value nearest to its power of ten (ties to
// even), written as its 64-bit significand and binary exponent (not as a
// long double literal, which is a double or a quad on some targets).
constinit const std::array<Extended, 32> TenPowersLow = {
    ExtendedFromParts(0x8000000000000000, -63),  // 1e0
    ExtendedFromParts(0xA000000000000000, -60),  // 1e1
    ExtendedFromParts(0xC800000000000000, -57),  // 1e2
    ExtendedFromParts(0xFA00000000000000, -54),  // 1e3
    ExtendedFromParts(0x9C40000000000000, -50),  // 1e4
    ExtendedFromParts(0xC350000000000000, -47),  // 1e5
    ExtendedFromParts(0xF424000000000000, -44),  // 1e6
    ExtendedFromParts(0x9896800000000000, -40),  // 1e7
    ExtendedFromParts(0xBEBC200000000000, -37),  // 1e8
    ExtendedFromParts(0xEE6B280000000000, -34),  // 1e9
    ExtendedFromParts(0x9502F90000000000, -30),  // 1e10
    ExtendedFromParts(0xBA43B74000000000, -27),  // 1e11
    ExtendedFromParts(0xE8D4A51000000000, -24),  // 1e12
    ExtendedFromParts(0x9184E72A00000000, -20),  // 1e13
    ExtendedFromParts(0xB5E620F480000000, -17),  // 1e14
    ExtendedFromParts(0xE35FA931A0000000, -14),  // 1e15
    ExtendedFromParts(0x8E1BC9BF04000000, -10),  // 1e16
    ExtendedFromParts(0xB1A2BC2EC5000000, -7),  // 1e17
    ExtendedFromParts(0xDE0B6B3A76400000, -4),  // 1e18
    ExtendedFromParts(0x8AC7230489E80000, 0),  // 1e19
    ExtendedFromParts(0xAD78EBC5AC620000, 3),  // 1e20
    ExtendedFromParts(0xD8D726B7177A8000, 6),  // 1e21
    ExtendedFromParts(0x878678326EAC9000, 10),  // 1e22
    ExtendedFromParts(0xA968163F0A57B400, 13),  // 1e23
    ExtendedFromParts(0xD3C21BCECCEDA100, 16),  // 1e24
    ExtendedFromParts(0x84595161401484A0, 20),  // 1e25
    ExtendedFromParts(0xA56FA5B99019A5C8, 23),  // 1e26
    ExtendedFromParts(0xCECB8F27F4200F3A, 26),  // 1e27
    ExtendedFromParts(0x813F3978F8940984, 30),  // 1e28
    ExtendedFromParts(0xA18F07D736B90BE5, 33),  // 1e29
    ExtendedFromParts(0xC9F2C9CD04674EDF, 36),  // 1e30
    ExtendedFromParts(0xFC6F7C4045812296, 39),  // 1e31
};

constinit const std::array<Extended, 16> TenPowersMid = {
    ExtendedFromParts(0x8000000000000000, -63),  // 1e0
    ExtendedFromParts(0x9DC5ADA82B70B59E, 43),  // 1e32
    ExtendedFromParts(0xC2781F49FFCFA6D5, 149),  // 1e64
    ExtendedFromParts(0xEFB3AB16C59B14A3, 255),  // 1e96
    ExtendedFromParts(0x93BA47C980E98CE0, 362),  // 1e128
    ExtendedFromParts(0xB616A12B7FE617AA, 468),  // 1e160
    ExtendedFromParts(0xE070F78D3927556B, 574),  // 1e192
    ExtendedFromParts(0x8A5296FFE33CC930, 681),  // 1e224
    ExtendedFromParts(0xAA7EEBFB9DF9DE8E, 787),  // 1e256
    ExtendedFromParts(0xD226FC195C6A2F8C, 893),  // 1e288
    ExtendedFromParts(0x81842F29F2CCE376, 1000),  // 1e320
    ExtendedFromParts(0x9FA42700DB900AD2, 1106),  // 1e352
    ExtendedFromParts(0xC4C5E310AEF8AA17, 1212),  // 1e384
    ExtendedFromParts(0xF28A9C07E9B09C59, 1318),  // 1e416
    ExtendedFromParts(0x957A4AE1EBF7F3D4, 1425),  // 1e448
    ExtendedFromParts(0xB83ED8DC0795A262, 1531),  // 1e480
};

constinit const std::array<Extended, 10> TenPowersHigh = {
    ExtendedFromParts(0x8000000000000000, -63),  // 1e0
    ExtendedFromParts(0xE319A0AEA60E91C7, 1637),  // 1e512
    ExtendedFromParts(0xC976758681750C17, 3338),  // 1e1024
    ExtendedFromParts(0xB2B8353B3993A7E4, 5039),  // 1e1536
    ExtendedFromParts(0x9E8B3B5DC53D5DE5, 6740),  // 1e2048
    ExtendedFromParts(0x8CA554C020A1F0A6, 8441),  // 1e2560
    ExtendedFromParts(0xF9895D25D88B5A8B, 10141),  // 1e3072
    ExtendedFromParts(0xDD5DC8A2BF27F3F8, 11842),  // 1e3584
    ExtendedFromParts(0xC46052028A20979B, 13543),  // 1e4096
    ExtendedFromParts(0xAE3511626ED559F0, 15244),  // 1e4608
};

Extended ScaleByPowerOfTen(Extended x, int n) {
  if (n == 0) return x;
  if (n >= 5120) return kExtendedInfinity;
  if (n <= -5120) return 0.0L;
  const bool divide = n < 0;
  const int m = divide ? -n : n;
  auto apply = [&](Extended factor) { x = divide ? Div(x, factor) : Mul(x, factor); };
  // The entry 10^0 would multiply by one: exact, and skipped.
  if (m % 32 != 0) apply(TenPowersLow[m % 32]);
  if ((m / 32) % 16 != 0) apply(TenPowersMid[(m / 32) % 16]);
  if (m / 512 != 0) apply(TenPowersHigh[m / 512]);
  return x;
}

}  // namespace anod
