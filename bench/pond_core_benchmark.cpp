// One animation tick of the pond done with the gametes and pictures directly:
// the cost of the simulation and the drawing alone, without Qt or the window.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "framework/extent.h"
#include "framework/numbers.h"
#include "framework/picture.h"
#include "gametes/gamete.h"
#include "gametes/pond_frame.h"

namespace ulvarin {
namespace {

constexpr int kGametes = 100;

template <typename Gamete>
std::vector<std::unique_ptr<Gamete>> Pool(const Extent& pond) {
    std::vector<std::unique_ptr<Gamete>> pool(kGametes + 1);
    for (int i = 1; i <= kGametes; ++i) {
        pool[i] = std::make_unique<Gamete>();
        pool[i]->Construct(&pond, i <= kGametes / 2 ? "A" : "a");
    }
    return pool;
}

void BM_PondTickPure(benchmark::State& state) {
    const FixedExtent pond(160, 120);
    auto eggs = Pool<Egg>(pond);
    auto sperm = Pool<Sperm>(pond);
    Picture frame(pond.Width(), pond.Height(), 16);
    frame.Graphics().SetUseOldRenderer(true);
    // The canvas's own surface starts transparent, as on screen.
    Picture canvas(pond.Width(), pond.Height(), 32, 0u);
    for (auto _ : state) {
        SwimAll(eggs, pond);
        SwimAll(sperm, pond);
        frame.Graphics().SetForeColor(CMY(100, 100, 100));
        frame.Graphics().FillRect(0, 0, frame.Width(), frame.Height());
        DrawAll(eggs, frame.Graphics());
        DrawAll(sperm, frame.Graphics());
        canvas.Graphics().DrawPicture(frame, 0, 0);
        benchmark::DoNotOptimize(canvas.Bits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PondTickPure)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ulvarin

BENCHMARK_MAIN();
