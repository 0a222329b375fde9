// Start-up cost of the window program against a bare Qt window program,
// side by side in one run: wall time from process start to the end of the
// first complete paint (the probe quits right after it), and the peak
// resident memory of the process, and its page faults per run: on a virtual
// machine the first touch of a page can be dear (about 10 us on the machine
// this was written on, where the 551 pages of the eight decoded pictures took
// 5.6 ms), so they explain much of the wall time beyond the instructions.
//
//   app_startup_bench [--benchmark_repetitions=N]
//
// Both programs run on the same Qt platform: the caller's display when
// there is one, else the offscreen platform with one 1280 x 1024 screen
// (offscreen_screen.json), on which the window shows whole and all eight
// pictures are painted (its default 800 x 600 screen shows six).
//
// The instructions to the first paint are counted with callgrind on an X
// display of that size (Xvfb -screen 0 1280x1024x24), the probe alone, the
// whole process:
//   DISPLAY=:N valgrind --tool=callgrind build/bench/app/app_first_paint
// (the "Collected" line of the parent process; the forked child it also
// reports is the D-Bus library trying to start a session bus, with no
// session bus there).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct RunCost {
  double seconds = 0;
  long peak_kib = 0;
  long minor_faults = 0;  // pages touched for the first time, each a trip into the kernel
  bool ok = false;
};

RunCost RunOnce(const std::string& program) {
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return {};
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return {};
  const auto end = std::chrono::steady_clock::now();
  return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss, usage.ru_minflt,
          WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void StartUp(benchmark::State& state, const std::string& program) {
  long peak = 0;
  long faults = 0;
  for (auto _ : state) {
    const RunCost cost = RunOnce(program);
    if (!cost.ok) {
      state.SkipWithError((program + " failed").c_str());
      return;
    }
    state.SetIterationTime(cost.seconds);
    peak = std::max(peak, cost.peak_kib);
    faults += cost.minor_faults;
  }
  state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
  state.counters["page_faults"] = static_cast<double>(faults) / static_cast<double>(state.iterations());
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
      std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" ANOD_OFFSCREEN_SCREEN, 1);
  }
  const std::string dir = ANOD_BENCH_DIR;
  benchmark::RegisterBenchmark("StartUp/bare_qt_window", StartUp, dir + "/app_bare_window")
      ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
  benchmark::RegisterBenchmark("StartUp/anodisation", StartUp, dir + "/app_first_paint")
      ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
