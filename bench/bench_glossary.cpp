// The glossary as a user meets it: one typed letter (search, list refilled, repainted),
// one step down the list (a term's definition laid out and painted), and the whole
// window's paint.
#include <benchmark/benchmark.h>

#include "app/Program.h"
#include "study/FormGlossar.h"
#include "ui/Application.h"
#include "ui/headless/Headless.h"

namespace {

struct Glossary {
    ui::Application app{1024, 768};
    ui::headless::HeadlessBackend backend{app};
    app::Program program{app};
    study::TFormGlossar* g = nullptr;
    Glossary() {
        program.start();
        g = static_cast<study::TFormGlossar*>(app.findForm("TFormGlossar"));
        g->Show();
        app.flush();
    }
};

void BM_GlossaryTypeALetter(benchmark::State& state) {
    Glossary w;
    bool second = false;
    for (auto _ : state) {
        // "e" and back: 150 terms searched twice, the list refilled and painted twice.
        w.app.textInput(*w.g, "e");
        w.app.keyDown(*w.g, ui::vk::Back);
        second = !second;
    }
    benchmark::DoNotOptimize(second);
}
BENCHMARK(BM_GlossaryTypeALetter)->Unit(benchmark::kMicrosecond);

void BM_GlossaryNextTerm(benchmark::State& state) {
    Glossary w;
    w.g->ListBoxBegriffe.setFocus();
    for (auto _ : state) {
        w.app.keyDown(*w.g, ui::vk::Down);
        if (w.g->ListBoxBegriffe.itemIndex() + 1 >= static_cast<int>(w.g->Shown.size())) w.app.keyDown(*w.g, ui::vk::Home);
    }
}
BENCHMARK(BM_GlossaryNextTerm)->Unit(benchmark::kMicrosecond);

void BM_GlossaryRepaint(benchmark::State& state) {
    Glossary w;
    w.g->showTerm("Rückstreuelektronen");
    for (auto _ : state) w.g->Repaint();
}
BENCHMARK(BM_GlossaryRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
