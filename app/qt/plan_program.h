// The planner alone, as `anodisation --plan [FILE]` and a file manager's
// double click on a plan run it: the application object with its failure
// report, Qt's texts in French, the session's end, then the Plan de bain
// window on a new plan or on FILE (a file that cannot be read says why in a
// box, and the window starts on a new plan), and the loop until it closes.
#pragma once

#include <filesystem>
#include <optional>

namespace anod {

int RunPlanner(int argc, char** argv, const std::optional<std::filesystem::path>& file);

}  // namespace anod
