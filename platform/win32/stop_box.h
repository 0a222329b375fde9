// The stop box on Win32: MessageBoxA with MB_OK | MB_ICONSTOP (10
// hexadecimal) and the texts in the ANSI code page as they are. Every other
// visible, enabled top-level window of the thread is disabled while it
// shows (the box itself disables only its owner); afterwards they are
// enabled again.
//
//   ShowStopBox(app_window, "anodisation", "Débordement en virgule flottante.", 0)
//   ShowStopBox(nullptr, "Erreur d'application", text, MB_TASKMODAL)
#pragma once

#include <windows.h>

#include <string_view>

namespace anod {

void ShowStopBox(HWND owner, std::string_view caption, std::string_view text, UINT extra_flags);

}  // namespace anod
