// Paint cost of the main window's colored button: one whole paint request
// (fill, frame, measuring, caption) into an off-screen image, per state, and
// the caption measuring alone, which runs on every paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>
#include <cstdlib>

#include "platform/qt/qt_canvas.h"
#include "widgets/vivid_button.h"
#include "widgets/vivid_paint.h"

namespace anod {
namespace {

void SetUpMainButton(TVividButton& b) {
  b.SetButtonStyle(ubsExplorerColored);
  b.SetColor(clBlack);
  b.SetFont(FontSpec{"MS Sans Serif", -19, true, false, false, false, clLime});
  b.ButtonLayout().SetSpacing(1);
  b.SetCaption("Calculer la surface");
  b.resize(226, 24);
}

// state.range(0): 0 normal, 1 hot, 2 pressed and active, 3 disabled.
void BM_DrawItemMainButton(benchmark::State& state) {
  QWidget form;
  TVividButton button(&form);
  SetUpMainButton(button);
  const int which = static_cast<int>(state.range(0));
  if (which == 1 || which == 2) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
  }
  button.SetIsActive(which == 2);
  button.SetEnabled(which != 3);
  ImageCanvas image(226, 24);
  for (auto _ : state) {
    button.DrawItem(image.canvas(), which == 2, which == 2);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawItemMainButton)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_MeasureMainCaption(benchmark::State& state) {
  ImageCanvas image(10, 10);
  image.canvas().SetFont(FontSpec{"MS Sans Serif", -19, true});
  TVividFxCaption fx;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MeasureEffectText(image.canvas(), "Calculer la surface", 220, fx, {}));
  }
}
BENCHMARK(BM_MeasureMainCaption)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace anod

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
