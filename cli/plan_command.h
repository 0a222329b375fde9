// anodisation-calc plan: a bath plan (plan/) from a file or standard input,
// printed with its run sheet.
//
//   anodisation-calc plan exemple.anodplan
//     the rows and their areas, the total 1155.16 cm², 17327 mA (17.33 A),
//     31.2 min for 15 µm, the supply check and the four steps, exit 0
//   anodisation-calc plan --format json --density 2A/dm2 - < exemple.anodplan
//     one JSON object: "current_ma":23103, ...
//   a plan with a refused row                 the others shown, exit 1
//   a file that is not a plan, a bad option  message on stderr, exit 2
//
// Options: --format text|tsv|json; --density VALUE[UNIT] (UNIT mA/cm2,
// A/dm2 or A/ft2, else the plan's own), --thickness µM, --supply A,
// --minutes MIN (the thickness reached in that time), their values with ","
// or "." (plan/plan_number.h). Numbers are written with "." whatever the
// locale; echoed texts are valid UTF-8 with control characters escaped.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/calc_output.h"

namespace anod {

// `args` follow the word "plan". Returns the exit code (cli/calc_command.h).
int RunPlanCommand(std::span<const std::string> args, std::istream& in, CalcOutput& output);

}  // namespace anod
