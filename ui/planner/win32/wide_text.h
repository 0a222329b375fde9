// The planner's texts at the edge of Windows: the model speaks UTF-8, the
// window's controls UTF-16.
//
//   Widen("Épaisseur visée (µm)")  -> L"Épaisseur visée (µm)"
//   Narrow(L"1,5")                  -> "1,5"
//   WindowsLines("a\nb")            -> L"a\r\nb"   (as a multiline EDIT and the
//                                                   clipboard want them)
// An ill-formed sequence becomes U+FFFD either way.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace anod::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
std::wstring WindowsLines(std::string_view utf8);

// A window's text, as UTF-8.
std::string WindowTextUtf8(HWND window);

}  // namespace anod::win32
