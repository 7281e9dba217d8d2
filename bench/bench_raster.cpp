// Rasterizer benchmarks: the heaviest backdrop repaint and the not-xor beam of the raster
// scan animation.
#include <benchmark/benchmark.h>

#include "ui/raster/Raster.h"

namespace {

using namespace ui::raster;

// Colour ramp of the backdrops for step i = 1 .. 255: R = 256 - i, G = 255 - i, B = i - 1.
uint32_t ramp(int i) {
    return 0xFF000000u | (static_cast<uint32_t>(256 - i) << 16) | (static_cast<uint32_t>(255 - i) << 8) |
           static_cast<uint32_t>(i - 1);
}

// A full 1024 x 768 repaint with the disc backdrop: 255 rings of pen width 10.
void BM_DiscBackdrop1024x768(benchmark::State& state) {
    Bitmap bmp(1024, 768);
    Target t(bmp);
    const Brush clear{0xFFFFFFFFu, false};
    for (auto _ : state) {
        fillRect(t, Rect{0, 0, 1024, 768}, 0xFF0000FFu, PenMode::Copy);
        for (int i = 1; i <= 255; ++i) {
            const Pen pen{ramp(i), 10, PenStyle::Solid, PenMode::Copy};
            ellipse(t, pen, clear, 486 - 4 * i, 333 - 4 * i, 486 + 4 * i, 333 + 4 * i);
        }
        benchmark::DoNotOptimize(bmp.pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DiscBackdrop1024x768)->Unit(benchmark::kMillisecond);

// Drawing and erasing the beam: five width-3 lines in not-xor sharing an end point, twice.
void BM_BeamToggleNotXor(benchmark::State& state) {
    Bitmap bmp(1024, 768, 0xFFFFFFBBu);
    Target t(bmp, 5, 5, Rect{5, 5, 1013, 690});
    const Pen pen{0xFFFF0000u, 3, PenStyle::Solid, PenMode::NotXor};
    const Brush brush{0xFFFF0000u, true};
    const int lines[5][4] = {
        {231, 486, 218, 532}, {231, 486, 231, 115}, {428, 390, 218, 532}, {435, 396, 218, 532}, {441, 403, 218, 532}};
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass)
            for (const auto& l : lines) line(t, pen, brush, l[0], l[1], l[2], l[3]);
        benchmark::DoNotOptimize(bmp.pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BeamToggleNotXor)->Unit(benchmark::kMicrosecond);

}  // namespace
