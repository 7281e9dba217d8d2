// Wall time of a whole new microscope field of 1024 x 768 pixels, for every objective on the
// carbon steel and every specimen at 10x: the best of several fields never seen before.
// Built for the browser's engine too (the web build's target metallo_field_bench, run with
// node), where the parts of a field are rendered one after the other.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "specimen/Microscope.h"
#include "specimen/Specimen.h"

namespace {

double bestFieldMs(specimen::Material material, int objective, int fields) {
    const specimen::Specimen s(material, 0.45);
    const specimen::Viewing v = specimen::viewingFor(specimen::kObjectives[objective], 0);
    std::vector<uint32_t> pixels(1024 * 768);
    double x = 1000, best = 1e9;
    for (int k = 0; k < fields; ++k) {
        const auto t0 = std::chrono::steady_clock::now();
        s.render(x, 2000, 1024, 768, v, pixels.data(), 1024);
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        x += 1024 * v.umPerPx;  // the next field along
    }
    return best;
}

}  // namespace

int main() {
    constexpr int kFields = 7;
    const char* specimens[] = {"Unlegierter Stahl", "CrNi-Stahl", "Lamellengraphit", "Kugelgraphit", "Vergütungsstahl"};
    for (int o = 0; o < specimen::kObjectiveCount; ++o)
        std::printf("%s %3dx: %6.1f ms\n", specimens[0], specimen::kObjectives[o].magnification,
                    bestFieldMs(specimen::Material::CarbonSteel, o, kFields));
    for (int m = 1; m < 5; ++m)
        std::printf("%s  10x: %6.1f ms\n", specimens[m], bestFieldMs(static_cast<specimen::Material>(m), 1, kFields));
}
