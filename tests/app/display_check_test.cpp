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
  const char* chosen = "";  // what the program asks Qt for
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
  const PlatformProbes probes{
      [](const std::string& platform) { return platform == "xcb" || platform == "offscreen" || platform == "wayland"; },
      [](const std::string& display) { return display == ":0"; },
      [](const std::string& wayland) { return wayland == "wayland-0"; }};
  const PlatformCheck check = CheckPlatform(row.arguments, environment, probes);
  EXPECT_EQ(check.problem.substr(0, check.problem.find('\n')), row.first_line);
  EXPECT_EQ(check.chosen, row.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, PlatformProblemTest,
    testing::Values(
        CheckCase{"x_server_answers", {"anodisation"}, {{"DISPLAY", ":0"}}, ""},
        CheckCase{"DISPLAY_unset", {"anodisation"}, {}, "Anodisation : aucun écran (DISPLAY n'est pas défini)."},
        CheckCase{"DISPLAY_99_silent", {"anodisation"}, {{"DISPLAY", ":99"}},
                  "Anodisation : l'écran DISPLAY=:99 ne répond pas."},
        // Installed here: the "wayland" plugin; the socket "wayland-0" answers.
        CheckCase{"wayland_answers", {"anodisation"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, "", "wayland"},
        CheckCase{"wayland_silent_x_server_answers", {"anodisation"},
                  {{"WAYLAND_DISPLAY", "wayland-9"}, {"DISPLAY", ":0"}}, "", "xcb"},
        CheckCase{"wayland_silent_DISPLAY_unset", {"anodisation"}, {{"WAYLAND_DISPLAY", "wayland-9"}},
                  "Anodisation : aucun écran (Wayland « wayland-9 » ne répond pas ; DISPLAY n'est pas défini).", "xcb"},
        CheckCase{"wayland_asked_for", {"anodisation"}, {{"WAYLAND_DISPLAY", "wayland-9"}, {"QT_QPA_PLATFORM", "wayland"}},
                  ""},
        CheckCase{"offscreen_with_options", {"anodisation"}, {{"QT_QPA_PLATFORM", "Offscreen:configfile=x"}}, ""},
        CheckCase{"unknown_platform", {"anodisation"}, {{"QT_QPA_PLATFORM", "nosuch;xcb"}},
                  "Anodisation : plate-forme graphique « nosuch » introuvable."},
        CheckCase{"argument_before_environment", {"anodisation", "-platform", "offscreen"},
                  {{"QT_QPA_PLATFORM", "nosuch"}}, ""},
        CheckCase{"argument_without_value_ignored", {"anodisation", "-platform"}, {{"DISPLAY", ":0"}}, ""}),
    testing::PrintToStringParamName());

}  // namespace
}  // namespace anod
