// Whether the window program can open its platform, checked before the
// application object exists. Qt, when it cannot open one, aborts the
// process (a core dump, exit 134) after an English hint about reinstalling
// the application; the program instead says why in one French and one
// English line and exits with 1.
//
//   DISPLAY unset, no Wayland       -> "Anodisation : aucun écran (DISPLAY n'est pas défini).\n"
//                                      "Anodisation: no display (DISPLAY is not set).\n"
//   DISPLAY=:99 with no X server    -> "... l'écran DISPLAY=:99 ne répond pas ...\n..."
//   QT_QPA_PLATFORM=nosuch          -> "... plate-forme graphique « nosuch » introuvable ...\n..."
//   a running X server, offscreen   -> "" (nothing to say)
//
// The platform is the one asked for: "-platform NAME" among the arguments,
// else QT_QPA_PLATFORM (its first choice, options dropped), else X11 ("xcb")
// unless WAYLAND_DISPLAY is set. In a Wayland session where nothing was
// asked, the program chooses itself, so that Qt never tries one that cannot
// open: Wayland when its plugin is installed and its socket answers, else
// X11, else it says why neither can open:
//   WAYLAND_DISPLAY=wayland-0, no Wayland plugin, DISPLAY unset
//     -> "Anodisation : aucun écran (Wayland « wayland-0 » : module Qt absent ;
//         DISPLAY n'est pas défini).\n..."
// The X11 display is tried; other platforms are only checked to exist.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace anod {

// The value of an environment variable, empty when unset.
using EnvironmentLookup = std::function<std::string(const char* name)>;

// What only the toolkit can answer (app/qt/display_probe.h).
struct PlatformProbes {
  std::function<bool(const std::string& platform)> plugin_exists;
  std::function<bool(const std::string& display)> display_answers;
  std::function<bool(const std::string& wayland_display)> wayland_answers;
};

struct PlatformCheck {
  // UTF-8, two lines each ending in "\n"; empty when the platform can open.
  std::string problem;
  // The platform the program asks Qt for (QT_QPA_PLATFORM) in a Wayland
  // session where nothing was asked; empty otherwise.
  std::string chosen;
};

// Lower case, without its ":options"; empty when Wayland is left to choose.
//   {"anodisation", "-platform", "Offscreen:fontengine=x"} -> "offscreen"
//   {"anodisation"}, QT_QPA_PLATFORM="wayland;xcb"         -> "wayland"
std::string ChosenPlatform(std::span<const std::string_view> arguments, const EnvironmentLookup& environment);

PlatformCheck CheckPlatform(std::span<const std::string_view> arguments, const EnvironmentLookup& environment,
                            const PlatformProbes& probes);

}  // namespace anod
