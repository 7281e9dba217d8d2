// Start-up, one raster-scan tick, one tick of the cutting disc and its feed, a paint full
// of text.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/Program.h"
#include "chapters/lm/FormPTrennen.h"
#include "chapters/rem/FormREMRaster.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

void BM_StartupToFirstTitlePaint(benchmark::State& state) {
    for (auto _ : state) {
        auto app = std::make_unique<ui::Application>(1024, 768);
        auto backend = std::make_unique<ui::headless::HeadlessBackend>(*app);
        auto program = std::make_unique<app::Program>(*app);
        program->start();
        app->flush();
        benchmark::DoNotOptimize(app->forms().size());
        // Tearing down is not part of the start-up.
        state.PauseTiming();
        program.reset();
        backend.reset();
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstTitlePaint)->Unit(benchmark::kMillisecond);

void BM_RasterScanTick(benchmark::State& state) {
    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    app::Program program(app);
    program.start();
    auto& raster = *static_cast<chapters::TFormREMRaster*>(app.findForm("TFormREMRaster"));
    raster.Show();
    raster.NeuStarten1Click();
    app.flush();
    for (auto _ : state) {
        // One tick of the scan and the repaint of the strip it moved.
        backend.advance(50);
    }
}
BENCHMARK(BM_RasterScanTick)->Unit(benchmark::kMicrosecond);

void BM_CuttingTick(benchmark::State& state) {
    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    app::Program program(app);
    program.start();
    auto& cut = *static_cast<chapters::TFormPTrennen*>(app.findForm("TFormPTrennen"));
    cut.Show();
    cut.StartClick();
    app.flush();
    for (auto _ : state) {
        // Both timers tick: the disc turns and the bar moves (the 16th tick draws the cut).
        backend.advance(50);
        if (!cut.TimerVor.enabled()) {
            state.PauseTiming();
            cut.NZClick();
            cut.StartClick();
            app.flush();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_CuttingTick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

class TextForm : public ui::Form {
public:
    explicit TextForm(ui::Application& app) : ui::Form(app, "TextForm", "Text") {}
    void FormPaint() override {
        canvas.font.height = 24;
        canvas.brush.style = ui::BrushStyle::Clear;
        for (int i = 0; i < 30; ++i)
            canvas.TextOut(10, 10 + 24 * i, "Rasterelektronenmikroskopie: Vergrößerung bis 100000-fach");
    }
};

void BM_PaintThirtyLinesOfText(benchmark::State& state) {
    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    TextForm f(app);
    app.create(f);
    f.setBounds(0, 0, 1024, 768);
    f.Show();
    app.flush();
    for (auto _ : state) f.Repaint();
}
BENCHMARK(BM_PaintThirtyLinesOfText)->Unit(benchmark::kMicrosecond);

}  // namespace
