// The window program's two information options, answered before anything of
// the window exists (no display is needed):
//   anodisation --version  -> "anodisation 1.1.0\n" on `out`, exit code 0
//   anodisation --help     -> the options in French and English, exit code 0
//   anodisation -iconic    -> nothing printed, no exit code: the program goes on
// The first of the two found wins. Every other argument is left to the
// start-up, which reads the show requests and ignores the rest.
// Output that cannot be written is no success:
//   anodisation --help > /dev/full -> "anodisation : écriture impossible sur la
//                                     sortie standard / cannot write to
//                                     standard output\n" on `err`, exit code 2
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace anod {

std::optional<int> AnswerInformationOption(std::span<const std::string_view> arguments, std::ostream& out,
                                           std::ostream& err);

}  // namespace anod
