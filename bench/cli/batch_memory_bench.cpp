// The batch calculator's peak heap on one huge line, as a multiple of the
// line's length ("peak_per_byte"): a script's stray 50 MB line must cost a
// small multiple of itself, not one allocation per TAB.
//
//   cli_bench --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/calc_command.h"

namespace {

std::size_t g_live = 0;
std::size_t g_peak = 0;

// The program's stdout, which keeps nothing.
class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void RunLine(benchmark::State& state, const std::string& line) {
  const std::vector<std::string> args{"--batch"};
  double peak = 0;
  for (auto _ : state) {
    std::istringstream in(line);
    Discard discard;
    std::ostream out(&discard), err(&discard);
    g_peak = g_live;
    const std::size_t before = g_live;
    benchmark::DoNotOptimize(anod::RunCalcCommand(args, in, out, err));
    peak = static_cast<double>(g_peak - before);
  }
  state.counters["line_MB"] = static_cast<double>(line.size()) / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_per_byte"] = peak / static_cast<double>(line.size());
}

constexpr std::size_t kLength = 50'000'000;

void BM_Tabs(benchmark::State& state) { RunLine(state, "sphere" + std::string(kLength, '\t') + "\n"); }
void BM_LongField(benchmark::State& state) { RunLine(state, "sphere\t" + std::string(kLength, '1') + "x\n"); }
void BM_LongShapeName(benchmark::State& state) { RunLine(state, std::string(kLength, 's') + "\t1\n"); }
void BM_ControlCharacters(benchmark::State& state) {
  RunLine(state, "sphere\t" + std::string(kLength, '\x01') + "\n");
}
BENCHMARK(BM_Tabs)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LongField)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LongShapeName)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ControlCharacters)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

// Every allocation of the process is counted; the size sits in front of the
// block so that delete can subtract it.
void* operator new(std::size_t size) {
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (block == nullptr) throw std::bad_alloc();
  *block = size;
  g_live += size;
  if (g_live > g_peak) g_peak = g_live;
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
// GCC sees the free() of a block that operator new returned and warns of a
// mismatch; here it is the replacement's own pair, so the warning is wrong.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(p) - sizeof(std::max_align_t));
  g_live -= *block;
  std::free(block);
}
#pragma GCC diagnostic pop
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

BENCHMARK_MAIN();
