// Our conversions beside the C library's counterparts, on the same inputs in
// one run: ReadDecimal / strtold, FormatFixed / "%.2Lf", FormatGeneral /
// "%.15Lg", and one calculator run.
#include <benchmark/benchmark.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/calculators.h"
#include "core/decimal_reader.h"
#include "core/fixed_writer.h"
#include "core/float_environment.h"
#include "core/general_writer.h"

namespace {

// Field texts as people type them.
const std::array<const char*, 8> kTexts = {"3", "10", "244.92", "0.5", "12.5", "1.5e3", "1234567.891", "0.001"};
// Surfaces and currents as the calculators write them.
const std::array<long double, 8> kSurfaces = {244.92, 12.56, 52.0, 2.5, 0.125, 1234.5, 98765.4321, 1e12};
const std::array<long double, 8> kCurrents = {2450, 130, 520, 20, 0, 12350, 987650, 2450000000000000000.0L};

void BM_ReadDecimal(benchmark::State& state) {
  anod::ResetFloatingPointUnit();
  for (auto _ : state) {
    for (const char* text : kTexts) benchmark::DoNotOptimize(anod::ReadDecimal(text));
  }
  state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_ReadDecimal);

void BM_strtold(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* text : kTexts) benchmark::DoNotOptimize(std::strtold(text, nullptr));
  }
  state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_strtold);

// Writes every value of `values` with `write`, once per iteration.
template <typename Write>
void WriteAll(benchmark::State& state, const std::array<long double, 8>& values, Write write) {
  anod::ResetFloatingPointUnit();
  for (auto _ : state) {
    for (long double x : values) benchmark::DoNotOptimize(write(x));
  }
  state.SetItemsProcessed(state.iterations() * values.size());
}

// Into a std::string, as our writers give their text.
std::string Printf(const char* format, long double x) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, x);
  return std::string(buffer, static_cast<std::size_t>(n));
}

void BM_FormatFixed(benchmark::State& state) {
  WriteAll(state, kSurfaces, [](long double x) { return anod::FormatFixed(x, 3, 2); });
}
BENCHMARK(BM_FormatFixed);

void BM_snprintf_2Lf(benchmark::State& state) {
  WriteAll(state, kSurfaces, [](long double x) { return Printf("%.2Lf", x); });
}
BENCHMARK(BM_snprintf_2Lf);

void BM_FormatGeneral(benchmark::State& state) {
  WriteAll(state, kCurrents, [](long double x) { return anod::FormatGeneral(x); });
}
BENCHMARK(BM_FormatGeneral);

void BM_snprintf_15Lg(benchmark::State& state) {
  WriteAll(state, kCurrents, [](long double x) { return Printf("%.15Lg", x); });
}
BENCHMARK(BM_snprintf_15Lg);

void BM_Cylinder_3_10(benchmark::State& state) {
  anod::ResetFloatingPointUnit();
  const anod::ShapeInputs inputs{{"3", "10", ""}};
  anod::ShapeResult result;
  const anod::CaptionReceivers receivers = result.Receivers();
  for (auto _ : state) {
    anod::btn1Click(inputs, receivers);
    benchmark::DoNotOptimize(result.current.data());
  }
}
BENCHMARK(BM_Cylinder_3_10);

}  // namespace

BENCHMARK_MAIN();
