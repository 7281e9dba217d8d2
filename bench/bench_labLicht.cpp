// The virtual light microscope: a whole new field of 1024 x 768 pixels rendered from the
// specimen model (each objective; nothing cached), and panning the window's field by a few
// pixels as a drag does (the tiles that come into view rendered, the field painted).
#include <benchmark/benchmark.h>

#include <vector>

#include "app/Program.h"
#include "chapters/labs/FormLabLicht.h"
#include "specimen/Microscope.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

void BM_LabLichtNewField1024x768(benchmark::State& state) {
    const specimen::Specimen s(specimen::Material::CarbonSteel, 0.45);
    const specimen::Viewing v = specimen::viewingFor(specimen::kObjectives[state.range(0)], 0);
    std::vector<uint32_t> pixels(1024 * 768);
    double x = 1000;
    for (auto _ : state) {
        s.render(x, 2000, 1024, 768, v, pixels.data(), 1024);
        x += 1024 * v.umPerPx;  // the next field along, never seen before
    }
    benchmark::DoNotOptimize(pixels.data());
}
BENCHMARK(BM_LabLichtNewField1024x768)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_LabLichtNewFieldMaterials(benchmark::State& state) {
    const specimen::Specimen s(static_cast<specimen::Material>(state.range(0)), 0.45);
    const specimen::Viewing v = specimen::viewingFor(specimen::kObjectives[1], 0);
    std::vector<uint32_t> pixels(1024 * 768);
    double x = 1000;
    for (auto _ : state) {
        s.render(x, 2000, 1024, 768, v, pixels.data(), 1024);
        x += 1024 * v.umPerPx;
    }
    benchmark::DoNotOptimize(pixels.data());
}
BENCHMARK(BM_LabLichtNewFieldMaterials)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

struct Lab {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    app::Program program{app};
    chapters::TFormLabLicht* lab = nullptr;
    Lab() {
        program.start();
        lab = static_cast<chapters::TFormLabLicht*>(app.findForm("TFormLabLicht"));
        lab->Show();
        app.flush();
    }
};

// One step of a drag: the stage moves by 8 pixels, the new strip is rendered, the field painted.
void BM_LabLichtPan8px(benchmark::State& state) {
    Lab w;
    w.lab->ComboBoxObjektiv.setItemIndex(static_cast<int>(state.range(0)));
    w.app.flush();
    const double step = 8 * w.lab->umPerPx();
    double x = w.lab->StageXUm;
    for (auto _ : state) {
        x += step;
        if (x > 9000) x = 1000;
        w.lab->moveStageTo(x, w.lab->StageYUm);
        w.app.flush();
    }
}
BENCHMARK(BM_LabLichtPan8px)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
