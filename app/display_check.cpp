#include "app/display_check.h"

namespace anod {

std::string ChosenPlatform(std::span<const std::string_view> arguments, const EnvironmentLookup& environment) {
  std::string name;
  for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "-platform" || arguments[i] == "--platform") name = arguments[i + 1];
  }
  if (name.empty()) name = environment("QT_QPA_PLATFORM");
  if (name.empty()) return environment("WAYLAND_DISPLAY").empty() ? "xcb" : "";
  name = name.substr(0, name.find(';'));
  name = name.substr(0, name.find(':'));
  for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return name;
}

std::string PlatformProblem(std::span<const std::string_view> arguments, const EnvironmentLookup& environment,
                            const PlatformProbes& probes) {
  const std::string platform = ChosenPlatform(arguments, environment);
  if (platform.empty()) return {};
  if (!probes.plugin_exists(platform)) {
    return "Anodisation : plate-forme graphique \xC2\xAB " + platform + " \xC2\xBB introuvable.\n" +
           "Anodisation: graphical platform \"" + platform + "\" not found.\n";
  }
  if (platform != "xcb") return {};
  const std::string display = environment("DISPLAY");
  if (display.empty()) {
    return "Anodisation : aucun \xC3\xA9" "cran (DISPLAY n'est pas d\xC3\xA9" "fini).\n"
           "Anodisation: no display (DISPLAY is not set).\n";
  }
  if (!probes.display_answers(display)) {
    return "Anodisation : l'\xC3\xA9" "cran DISPLAY=" + display + " ne r\xC3\xA9pond pas.\n" +
           "Anodisation: display DISPLAY=" + display + " is not answering.\n";
  }
  return {};
}

}  // namespace anod
