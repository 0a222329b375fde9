#include "app/display_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace anod {
namespace {

struct CheckCase {
  const char* name;
  std::vector<std::string_view> arguments;
  std::map<std::string, std::string> environment;
  const char* first_line;  // "" when the platform can open
  friend void PrintTo(const CheckCase& row, std::ostream* os) { *os << row.name; }
};

class PlatformProblemTest : public testing::TestWithParam<CheckCase> {};

// Installed here: the xcb and offscreen plugins; the X server ":0" answers.
TEST_P(PlatformProblemTest, SaysWhyInFrenchFirst) {
  const CheckCase& row = GetParam();
  const EnvironmentLookup environment = [&row](const char* name) {
    const auto found = row.environment.find(name);
    return found != row.environment.end() ? found->second : std::string();
  };
  const PlatformProbes probes{[](const std::string& platform) { return platform == "xcb" || platform == "offscreen"; },
                              [](const std::string& display) { return display == ":0"; }};
  const std::string problem = PlatformProblem(row.arguments, environment, probes);
  EXPECT_EQ(problem.substr(0, problem.find('\n')), row.first_line);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, PlatformProblemTest,
    testing::Values(
        CheckCase{"x_server_answers", {"anodisation"}, {{"DISPLAY", ":0"}}, ""},
        CheckCase{"DISPLAY_unset", {"anodisation"}, {}, "Anodisation : aucun écran (DISPLAY n'est pas défini)."},
        CheckCase{"DISPLAY_99_silent", {"anodisation"}, {{"DISPLAY", ":99"}},
                  "Anodisation : l'écran DISPLAY=:99 ne répond pas."},
        CheckCase{"wayland_left_to_choose", {"anodisation"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, ""},
        CheckCase{"offscreen_with_options", {"anodisation"}, {{"QT_QPA_PLATFORM", "Offscreen:configfile=x"}}, ""},
        CheckCase{"unknown_platform", {"anodisation"}, {{"QT_QPA_PLATFORM", "nosuch;xcb"}},
                  "Anodisation : plate-forme graphique « nosuch » introuvable."},
        CheckCase{"argument_before_environment", {"anodisation", "-platform", "offscreen"},
                  {{"QT_QPA_PLATFORM", "nosuch"}}, ""},
        CheckCase{"argument_without_value_ignored", {"anodisation", "-platform"}, {{"DISPLAY", ":0"}}, ""}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

}  // namespace
}  // namespace anod
