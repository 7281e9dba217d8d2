// The beam-matter interaction page at 1024 x 768: its paint (255 rings of width 12 and the
// atom) and one tick of each run.
#include <benchmark/benchmark.h>

#include "app/Program.h"
#include "chapters/rem/FormREMEW.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

struct Page {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    app::Program program{app};
    chapters::TFormREMEW* f = nullptr;
    Page() {
        program.start();
        f = static_cast<chapters::TFormREMEW*>(app.findForm("TFormREMEW"));
        f->Show();
        app.flush();
    }
};

void BM_REMEWPaint(benchmark::State& state) {
    Page p;
    for (auto _ : state) p.f->Repaint();
}
BENCHMARK(BM_REMEWPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One tick of a run; the run starts again before it ends, outside the timing.
void BM_REMEWTick(benchmark::State& state) {
    Page p;
    const int run = static_cast<int>(state.range(0));
    auto start = [&] {
        p.f->NeuZeichnen1Click();
        if (run == 2) p.f->BSE1Click();
        if (run == 3) p.f->SE1Click();
        if (run == 4) p.f->RQ1Click();
    };
    start();
    int n = 0;
    for (auto _ : state) {
        if (run == 2) p.f->Timer2Timer();
        if (run == 3) p.f->Timer3Timer();
        if (run == 4) p.f->Timer4Timer();
        if (++n == 15) {
            state.PauseTiming();
            start();
            n = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_REMEWTick)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
