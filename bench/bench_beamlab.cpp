// The electron-beam lab: electrons per second of the Monte Carlo simulation (iron at 20 kV),
// a whole 60 s EDX spectrum, and one timer tick of each window with its painting (the budget
// of a tick is 8 ms).
#include <benchmark/benchmark.h>

#include "app/Program.h"
#include "chapters/labs/FormLabEDX.h"
#include "chapters/labs/FormLabMC.h"
#include "physics/EdxAcquisition.h"
#include "physics/ElectronMC.h"
#include "physics/Samples.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

void BM_ElectronsIron20kV(benchmark::State& state) {
    physics::McSettings m;
    m.specimen = physics::scatteringSpecimens()[5];  // Eisen
    m.energyKeV = 20;
    m.electrons = 2000;
    long electrons = 0;
    for (auto _ : state) {
        physics::ElectronSimulation sim(m);
        sim.run(1L << 40);
        electrons += sim.electrons();
        benchmark::DoNotOptimize(sim.eta());
    }
    state.counters["electrons_per_s"] = benchmark::Counter(double(electrons), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ElectronsIron20kV)->Unit(benchmark::kMillisecond);

void BM_EdxSpectrum60s(benchmark::State& state) {
    physics::EdxSettings s;
    s.material = physics::edxSpecimens()[2].bulk;  // X5CrNi18-10
    for (auto _ : state) {
        physics::EdxAcquisition a(s, 60, 1);
        while (!a.finished()) a.advance(60.0 / 200);
        benchmark::DoNotOptimize(a.totalCounts());
    }
}
BENCHMARK(BM_EdxSpectrum60s)->Unit(benchmark::kMillisecond);

struct Lab {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    app::Program program{app};
    Lab() { program.start(); }
};

void BM_LabMCTick(benchmark::State& state) {
    Lab lab;
    auto* w = static_cast<chapters::TFormLabMC*>(lab.app.findForm("TFormLabMC"));
    w->Show();
    w->EditElektronen.setText("1000000");
    w->ButtonStartClick();
    lab.app.flush();
    for (auto _ : state) {
        w->TimerRechnenTimer();
        lab.app.flush();
    }
}
BENCHMARK(BM_LabMCTick)->Unit(benchmark::kMillisecond);

void BM_LabEDXTick(benchmark::State& state) {
    Lab lab;
    auto* w = static_cast<chapters::TFormLabEDX*>(lab.app.findForm("TFormLabEDX"));
    w->Show();
    w->ButtonStartClick();
    lab.app.flush();
    for (auto _ : state) {
        if (w->Acquisition->finished()) {
            state.PauseTiming();
            w->ButtonNeuClick();
            w->ButtonStartClick();
            lab.app.flush();
            state.ResumeTiming();
        }
        w->TimerMessenTimer();
        lab.app.flush();
    }
}
BENCHMARK(BM_LabEDXTick)->Unit(benchmark::kMillisecond);

}  // namespace
