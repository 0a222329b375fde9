// Start-up to first paint of a window program, measured from outside: the
// time from CreateProcess until the program's loop first waits for input
// (WaitForInputIdle), which comes after its first window has been shown
// and painted; then its windows are closed. Each program runs `runs` times;
// the median and the quartiles are printed, in milliseconds.
//
//   win32_startup_bench.exe 15 anodisation.exe win32_bare_window.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK CloseWindow(HWND window, LPARAM) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

// Milliseconds to the first idle, or a negative value when it failed.
double OneRun(const std::string& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + program + "\"";
  LARGE_INTEGER frequency, start, idle;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  const DWORD waited = WaitForInputIdle(process.hProcess, 30000);
  QueryPerformanceCounter(&idle);
  EnumThreadWindows(process.dwThreadId, CloseWindow, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (waited != 0) return -1;
  return 1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: win32_startup_bench RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  for (int p = 2; p < argc; ++p) {
    std::vector<double> times;
    OneRun(argv[p]);  // warms the file cache and Wine's loader
    for (int i = 0; i < runs; ++i) {
      const double t = OneRun(argv[p]);
      if (t >= 0) times.push_back(t);
    }
    if (times.empty()) {
      std::printf("%s: did not start\n", argv[p]);
      continue;
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) { return times[static_cast<std::size_t>(q * (times.size() - 1))]; };
    std::printf("%s: first idle after %.1f ms (median of %zu; quartiles %.1f-%.1f)\n", argv[p], at(0.5),
                times.size(), at(0.25), at(0.75));
  }
  return 0;
}
