// The stop box on Win32: MessageBoxA with MB_OK | MB_ICONSTOP, the texts in
// the ANSI code page as they are.
#include "platform/message_box.h"

#include <windows.h>

#include <string>
#include <vector>

namespace anod {
namespace {

// The program's other windows are disabled while the box shows; the box
// itself disables only its owner.
BOOL CALLBACK CollectEnabled(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void ShowStopMessageBox(std::string_view caption, std::string_view text) {
  const HWND active = GetActiveWindow();
  const HWND focus = GetFocus();
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) {
    if (w != active) EnableWindow(w, FALSE);
  }
  MessageBoxA(active, std::string(text).c_str(), std::string(caption).c_str(), MB_OK | MB_ICONSTOP);
  for (HWND w : disabled) {
    if (w != active && IsWindow(w)) EnableWindow(w, TRUE);
  }
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
}

}  // namespace anod
