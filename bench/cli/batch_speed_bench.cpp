// The batch calculator's throughput on typical lines (a shape and two or
// three dimensions with up to three decimals), in process, output thrown
// away: "lines_per_s". The whole program into a pipe is timed by
// batch_pipe_time.sh beside this file.
//
//   cli_speed_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/calc_command.h"

namespace {

class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::string TypicalLines(std::size_t count) {
  static constexpr const char* kShapes[] = {"cylindre", "parallelepipede", "sphere", "pyramide"};
  static constexpr int kFields[] = {2, 3, 1, 2};
  std::mt19937 random(16);
  std::uniform_int_distribution<int> shape(0, 3), whole(0, 199), decimals(0, 3), digit(0, 9);
  std::string lines;
  for (std::size_t i = 0; i < count; ++i) {
    const int s = shape(random);
    lines += kShapes[s];
    for (int f = 0; f < kFields[s]; ++f) {
      lines += '\t' + std::to_string(whole(random));
      if (const int places = decimals(random); places > 0) {
        lines += '.';
        for (int p = 0; p < places; ++p) lines += static_cast<char>('0' + digit(random));
      }
    }
    lines += '\n';
  }
  return lines;
}

void BM_TypicalLines(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const std::string lines = TypicalLines(count);
  const std::vector<std::string> args{"--batch"};
  for (auto _ : state) {
    std::istringstream in(lines);
    Discard discard;
    std::ostream out(&discard), err(&discard);
    benchmark::DoNotOptimize(anod::RunCalcCommand(args, in, out, err));
  }
  state.counters["lines_per_s"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TypicalLines)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
