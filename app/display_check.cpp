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

PlatformCheck CheckPlatform(std::span<const std::string_view> arguments, const EnvironmentLookup& environment,
                            const PlatformProbes& probes) {
  std::string platform = ChosenPlatform(arguments, environment);
  PlatformCheck check;
  // Why Wayland, left to choose, cannot open; empty when it can.
  std::string wayland_fr, wayland_en;
  if (platform.empty()) {
    const std::string wayland = environment("WAYLAND_DISPLAY");
    if (!probes.plugin_exists("wayland")) {
      wayland_fr = "Wayland \xC2\xAB " + wayland + " \xC2\xBB : module Qt absent ; ";
      wayland_en = "Wayland \"" + wayland + "\": no Qt plugin; ";
    } else if (!probes.wayland_answers(wayland)) {
      wayland_fr = "Wayland \xC2\xAB " + wayland + " \xC2\xBB ne r\xC3\xA9pond pas ; ";
      wayland_en = "Wayland \"" + wayland + "\" is not answering; ";
    } else {
      check.chosen = "wayland";
      return check;
    }
    platform = check.chosen = "xcb";
  }
  if (!probes.plugin_exists(platform)) {
    check.problem = "Anodisation : plate-forme graphique \xC2\xAB " + platform + " \xC2\xBB introuvable.\n" +
                    "Anodisation: graphical platform \"" + platform + "\" not found.\n";
    return check;
  }
  if (platform != "xcb") return check;
  const std::string display = environment("DISPLAY");
  if (display.empty()) {
    check.problem = "Anodisation : aucun \xC3\xA9" "cran (" + wayland_fr + "DISPLAY n'est pas d\xC3\xA9" "fini).\n" +
                    "Anodisation: no display (" + wayland_en + "DISPLAY is not set).\n";
  } else if (!probes.display_answers(display)) {
    check.problem = "Anodisation : l'\xC3\xA9" "cran DISPLAY=" + display + " ne r\xC3\xA9pond pas.\n" +
                    "Anodisation: display DISPLAY=" + display + " is not answering.\n";
  }
  return check;
}

}  // namespace anod
