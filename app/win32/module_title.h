// The application title on Windows, from the executable's full path in the
// ANSI code page (GetModuleFileNameA, at most 255 characters kept): what
// follows the last "\", cut at the first ".", every character after the
// first lower-cased by the system (CharLowerBuffA).
//
//   "C:\Outils\OUTIL.DE.CALCUL.EXE"  -> "Outil"
//   "C:\Outils\outil.exe"            -> "outil"
//   "C:\Outils\mon.outil.exe"        -> "mon"
//   "C:\Program Files\Anodisation\anodisation.exe" -> "anodisation"
//
// The path is taken as the ANSI text it already is: converting it again
// from the OEM code page would turn an accented name into other characters
// ("\xC9tude.exe", Étude, would read as "+tude").
#pragma once

#include <string>
#include <string_view>

namespace anod {

std::string TitleFromModulePath(std::string_view path);

}  // namespace anod
