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
//   printf 'sphere\t2\ncylindre\tx\t1\n' | anodisation-calc --batch
//     stdout " 50.24 Cm² \t500 mA \t\n                 Cm² \t0 mA\tValeur
//            incorrecte pour « Rayon » (CYLINDRE) : « x ».\n", exit 1
//   printf '# mm\n\ncube\t1\n' | anodisation-calc --batch
//     stdout "\n\n\t\tforme inconnue « cube » / unknown shape\n", exit 2
//   anodisation-calc --format json cylindre 3 10
//     stdout "{\"surface\":244.92,\"current\":2450,\"message\":null}\n"
//   anodisation-calc cube 1               usage on stderr, exit 2
//   anodisation-calc sphere 2 > /dev/full message on stderr, exit 2
//   anodisation-calc plan FILE            a bath plan (cli/plan_command.h)
//
// Exit codes: kExitFailure when the run (with --batch: any line) failed;
// kExitUsage for unusable arguments, an unusable batch line (it wins over
// kExitFailure; a line over kBatchLineLimit bytes is one, batch_input.h),
// input that could not be read, output that could not be written
// (calc_output.h), or memory exhausted; the lines answered before stay
// written and the message goes to stderr.
// Everything echoed from the input is valid UTF-8 with control characters
// escaped (visible_text.h); the formats are in result_format.h.
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
inline constexpr int kExitUsage = 2;    // bad arguments, an unusable line, a failed read or write, no memory

// `args` excludes the program name.
int RunCalcCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace anod
