// Whether the window program opens the Plan de bain window alone, and on
// which file (the arguments after the program's name):
//   anodisation --plan                 -> the planner on a new plan
//   anodisation --plan bain.anodplan   -> the planner on that file
//   anodisation bain.anodplan          -> the same: a file manager passes
//                                         the plan it opens alone
//   anodisation --maximized            -> nothing: the main window
// After --plan the next argument is the file whatever its name, unless it
// is an option; alone, only a name ending in ".anodplan" is a plan (the
// toolkit's own options take values such as "-platform xcb").
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace anod {

struct PlanRequest {
  std::optional<std::string> file;  // as the command line gave it
};

std::optional<PlanRequest> PlanRequestFromArguments(std::span<const std::string_view> arguments);

}  // namespace anod
