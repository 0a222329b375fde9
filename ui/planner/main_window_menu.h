// The two commands the main window offers besides its 72 controls, the same
// in both toolkits: on Windows appended to the window's system menu, on
// Linux in a menu opened by a right click on the window's background (not
// on an edit box) or by the menu key (Shift+F10).
//
//   "Plan de bain…"             opens the planner, which can add the part
//                               the window calculated last
//   "À propos d'Anodisation…"   a box with the version, what the program
//                               does and its licence
#pragma once

#include <span>
#include <string>

namespace anod {

enum class MainWindowCommand { kPlan, kAbout };

struct MainWindowMenuItem {
  MainWindowCommand command;
  const char* caption;  // UTF-8
};

std::span<const MainWindowMenuItem> MainWindowMenu();

// The about box's caption ("À propos d'Anodisation") and text (UTF-8,
// lines ended by "\n"), the version the build's.
const char* AboutCaption();
std::string AboutText();

}  // namespace anod
