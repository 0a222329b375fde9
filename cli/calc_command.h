// The command-line calculator, as a function over its arguments and streams
// so that tests can run it in-process. Texts on the streams are UTF-8; the
// calculators work in Windows-1252 in between.
//
//   anodisation-calc cylindre 3 10
//     stdout " 244.92 Cm² \n2450 mA \n", exit 0
//   anodisation-calc sphere 1e400
//     stdout "                 Cm² \n0 mA\n",
//     stderr "Débordement en virgule flottante.\n", exit 1
//   anodisation-calc cylindre 0 10        (the radius guard stops it)
//     stdout "                 Cm² \n0 mA\n", exit 0
//   printf 'sphere\t2\ncylindre\t1,5\t1\n' | anodisation-calc --batch
//     stdout " 50.24 Cm² \t500 mA \t\n                 Cm² \t0 mA\tValeur
//            incorrecte pour « Rayon » (CYLINDRE) : « 1,5 ».\n", exit 0
//   anodisation-calc cube 1               usage on stderr, exit 2
//
// The decimal mark of the current's exponent form is LocaleDecimalMark(),
// which the program's entry point reads from the locale first.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace anod {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the calculation failed
inline constexpr int kExitUsage = 2;    // bad arguments or an unusable line

// `args` excludes the program name.
int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace anod
