// One tick of the SE detector's sweep with every electron in flight.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "app/Program.h"
#include "chapters/rem/FormREMSE.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

void BM_SweepTickAllEmitters(benchmark::State& state) {
    ui::Application app(1024, 768);
    ui::headless::HeadlessBackend backend(app);
    app::Program program(app);
    program.start();
    auto& se = *static_cast<chapters::TFormREMSE*>(app.findForm("TFormREMSE"));
    se.Show();
    app.flush();
    for (auto _ : state) {
        // Late in the backward pass every forward and backward emitter is active.
        se.beamX = se.X(500) + 4;
        se.beamBackX = se.X(330);
        std::fill(se.flightX.begin(), se.flightX.end(), -40);
        std::fill(se.flightY.begin(), se.flightY.end(), -60);
        se.TimerLichtTimer();
    }
}
BENCHMARK(BM_SweepTickAllEmitters)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
