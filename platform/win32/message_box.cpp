#include "platform/message_box.h"

#include <string>
#include <vector>

#include "platform/win32/stop_box.h"

namespace anod {
namespace {

BOOL CALLBACK CollectEnabled(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void ShowStopBox(HWND owner, std::string_view caption, std::string_view text, UINT extra_flags) {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) {
    if (w != owner) EnableWindow(w, FALSE);
  }
  MessageBoxA(owner, std::string(text).c_str(), std::string(caption).c_str(), MB_OK | MB_ICONSTOP | extra_flags);
  for (HWND w : disabled) {
    if (w != owner && IsWindow(w)) EnableWindow(w, TRUE);
  }
}

// Owned by the active window; the active window and the focus come back
// afterwards.
void ShowStopMessageBox(std::string_view caption, std::string_view text) {
  const HWND active = GetActiveWindow();
  const HWND focus = GetFocus();
  ShowStopBox(active, caption, text, 0);
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
}

}  // namespace anod
