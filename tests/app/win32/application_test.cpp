// The application object on Win32: the title rule on module paths, and a
// failure thrown inside a window procedure reaching the shared report,
// which shows it in a box captioned with the title.
#include "app/win32/application.h"

#include <gtest/gtest.h>

#include "tests/support/win32/box_answerer.h"
#include "core/failures.h"
#include "platform/win32/window_guard.h"
#include "app/win32/module_title.h"

namespace anod {
namespace {

struct TitleRow {
  const char* path;
  const char* title;
};

TEST(Win32ModuleTitle, FromPath) {
  const TitleRow rows[] = {
      {"C:\\Outils\\OUTIL.DE.CALCUL.EXE", "Outil"},
      {"C:\\Outils\\outil.exe", "outil"},
      {"C:\\Outils\\mon.outil.exe", "mon"},
      {"C:\\Program Files\\Anodisation\\anodisation.exe", "anodisation"},
      {"C:\\Outils\\\xC9TUDE.EXE", "\xC9tude"},
      {"C:\\Outils\\.cache", ""},
  };
  for (const TitleRow& row : rows) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(TitleFromModulePath(row.path), row.title);
  }
}

LRESULT CALLBACK Failing(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return GuardWindowProc(window, 0, [&]() -> LRESULT {
    if (message == WM_APP) throw EOverflow("D\xE9" "bordement en virgule flottante");
    return DefWindowProcA(window, message, wparam, lparam);
  });
}

TEST(Win32Application, FailureInAWindowProcedureShowsTheTitledBox) {
  TApplication app("C:\\Outils\\OUTIL.DE.CALCUL.EXE");
  EXPECT_EQ(app.Title(), "Outil");
  WNDCLASSA c{};
  c.lpfnWndProc = Failing;
  c.hInstance = GetModuleHandleA(nullptr);
  c.lpszClassName = "anodFailingWindow";
  RegisterClassA(&c);
  const HWND window = CreateWindowExA(0, "anodFailingWindow", "w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  testing_support::BoxAnswerer answerer("Outil");
  EXPECT_EQ(SendMessageA(window, WM_APP, 0, 0), 0);
  answerer.Join();
  EXPECT_TRUE(answerer.Seen());
  EXPECT_EQ(answerer.Text(), "D\xE9" "bordement en virgule flottante.");
  EXPECT_TRUE(IsWindowEnabled(window));
  DestroyWindow(window);
}

}  // namespace
}  // namespace anod
