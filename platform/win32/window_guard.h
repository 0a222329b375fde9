// The catch at the top of each of our window procedures.
//
// A C++ exception must not unwind through user32's frames: the 32-bit
// mingw build cannot unwind through them at all, and the 64-bit system
// swallows or aborts on it. So each window procedure of ours runs its work
// in GuardWindowProc, which hands whatever the work throws to the window
// failure sink and returns normally. The program installs its failure
// report as the sink; without one, the failure's message is shown in a stop
// box captioned "Erreur d'application" and the procedure returns.
//
//   LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
//     return GuardWindowProc(w, 0, [&] { return Work(w, m, wp, lp); });
//   }
#pragma once

#include <windows.h>

#include <exception>
#include <utility>

namespace anod {

using WindowFailureSink = void (*)(HWND window, std::exception_ptr thrown);

// nullptr puts the stop box back.
void SetWindowFailureSink(WindowFailureSink sink);

void PassOnWindowFailure(HWND window, std::exception_ptr thrown);

// `work`'s answer, or `on_failure` when it threw.
template <typename Work>
LRESULT GuardWindowProc(HWND window, LRESULT on_failure, Work&& work) {
  try {
    return std::forward<Work>(work)();
  } catch (...) {
    PassOnWindowFailure(window, std::current_exception());
    return on_failure;
  }
}

}  // namespace anod
