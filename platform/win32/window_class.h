// The window classes of the program's own windows (the main window "TForm1",
// a panel "TPanel"): registered the first time one is created, with the
// arrow cursor. The class only names DefWindowProcA: each window gets its
// procedure once it exists, so that the procedure can reach its object.
#pragma once

#include <windows.h>

namespace anod {

inline void RegisterOwnWindowClass(const char* name, UINT style) {
  WNDCLASSA c{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &c) != 0) return;
  c.style = style;
  c.lpfnWndProc = DefWindowProcA;
  c.hInstance = GetModuleHandleA(nullptr);
  c.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
  c.lpszClassName = name;
  RegisterClassA(&c);
}

}  // namespace anod
