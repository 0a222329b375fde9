// The push buttons' window rules on Win32: what a parent window passes on to
// its colored buttons, the focus rule over a window's push buttons, and the
// process-wide services the buttons use on this platform.
#pragma once

#include <windows.h>

namespace anod {

// For a parent's window procedure: WM_DRAWITEM from a colored button paints
// it; WM_COMMAND with BN_CLICKED from one is its click. True when the
// message was a colored button's, with `result` the answer to give.
bool HandleButtonNotification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// Every push button of `window` (standard or colored) is told that `focus`
// now has the keyboard focus: colored buttons through the model's IsActive,
// standard ones by their default-button style (the platform's dark frame).
void ApplyFocusRule(HWND window, HWND focus);

// Marks a standard push button as the window's Default button.
void SetDefaultPushButton(HWND button, bool on);

// Once per process: the thread timers for repeated clicks and the desktop's
// theme library. Every colored button calls it.
void InstallWin32ButtonServices();

}  // namespace anod
