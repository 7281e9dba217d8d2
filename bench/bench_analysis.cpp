// The heaviest paint of the microanalysis chapter: the radial background of the EDX
// signal path, 250 rings of pen width 8 over the whole figure.
#include <benchmark/benchmark.h>

#include "chapters/analysis/FormEDXWeg.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

void BM_EDXWegFigurePaint(benchmark::State& state) {
    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    chapters::TFormEDXWeg f(app);
    app.create(f);
    f.Show();
    app.flush();
    for (auto _ : state) {
        // The whole figure as "&Neu Zeichnen" draws it: the rings and the static drawing.
        f.PaintBoxHauptPaint();
        benchmark::DoNotOptimize(f.buffer().pixels.data());
    }
}
BENCHMARK(BM_EDXWegFigurePaint)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
