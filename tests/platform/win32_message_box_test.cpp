// The stop box on Win32, found by its title from a second thread while the
// first waits in it, read, and answered with OK.
#include "platform/message_box.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace anod {
namespace {

struct SeenBox {
  std::string text;
  bool stop_icon = false;
  bool owner_window_disabled = false;
};

// A static control of the box showing the system's stop icon.
BOOL CALLBACK ShowsStopIcon(HWND child, LPARAM found) {
  const bool icon_static = (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
  if (icon_static && reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == LoadIconA(nullptr, IDI_HAND)) {
    *reinterpret_cast<bool*>(found) = true;
  }
  return TRUE;
}

// Waits for the box titled `title`, notes what it shows, presses OK.
SeenBox AnswerBox(const char* title, HWND other_window) {
  SeenBox seen;
  HWND box = nullptr;
  for (int waited = 0; box == nullptr && waited < 10000; waited += 20) {
    box = FindWindowA("#32770", title);
    if (box == nullptr) Sleep(20);
  }
  if (box == nullptr) return seen;
  char text[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's static text
  seen.text = text;
  EnumChildWindows(box, ShowsStopIcon, reinterpret_cast<LPARAM>(&seen.stop_icon));
  seen.owner_window_disabled = IsWindowEnabled(other_window) == FALSE;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return seen;
}

TEST(Win32StopBox, ShowsTextUnderItsTitleAndBlocksTheOtherWindows) {
  const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  SeenBox seen;
  std::thread answerer([&] { seen = AnswerBox("anodisation", other); });
  ShowStopMessageBox("anodisation", "D\xE9" "bordement en virgule flottante.");
  answerer.join();
  EXPECT_EQ(seen.text, "D\xE9" "bordement en virgule flottante.");
  EXPECT_TRUE(seen.stop_icon);
  EXPECT_TRUE(seen.owner_window_disabled);
  EXPECT_TRUE(IsWindowEnabled(other)) << "left disabled after the box";
  DestroyWindow(other);
}

}  // namespace
}  // namespace anod
