// The hot path of every adjustment tick: ArrangeShape without reload.
// Target: well under 20 microseconds for a 2,000-point shape and 500 icons.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/shape_engine.h"
#include "engine/shape_file.h"

namespace {

using namespace orbilux;

// Counts what reaches the desktop without doing anything with it.
class NullDesktop : public DesktopPort {
public:
    explicit NullDesktop(int32_t count) : count_(count) {}
    int32_t DesktopItemCount() override { return count_; }
    void ApplyIconTargets(const IconTargets& targets) override { applied += targets.size(); }
    std::size_t applied = 0;

private:
    int32_t count_;
};

void Put(std::ofstream& out, int32_t a, int32_t b) {
    for (const int32_t v : {a, b}) {
        const auto u = static_cast<uint32_t>(v);
        const char bytes[4] = {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
        out.write(bytes, 4);
    }
}

// A circle of 2,000 points as two half-circle paths, a centre fixed point
// and a few overflow points.
std::filesystem::path WriteBenchShape(int points) {
    const auto file = std::filesystem::temp_directory_path() / "orbilux-bench-circle.shp";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < points; ++i) {
        const double a = 2 * 3.14159265358979 * i / points;
        Put(out, int32_t(250 + 240 * std::cos(a)), int32_t(250 + 240 * std::sin(a)));
        if (i == points / 2 - 1 || i == points - 1) Put(out, MarkEndPath, 0);
    }
    Put(out, MarkFixed, 0);
    Put(out, 250, 250);
    Put(out, MarkOverflow, 0);
    for (int i = 0; i < 6; ++i) Put(out, 200 + 20 * i, 250);
    return file;
}

void BM_ArrangeShapeWithoutReload(benchmark::State& state) {
    const auto file = WriteBenchShape(2000);
    NullDesktop desktop(int32_t(state.range(0)));
    ShapeEngine engine(desktop);
    int32_t gap = 0;
    engine.ArrangeShape(file, 1536, 832, gap, 1920, 985, 0, 0, true, true);
    for (auto _ : state) {
        int32_t g = gap;
        engine.ArrangeShape(file, 1536, 832, g, 1920, 985, 0, 0, false, true);
        benchmark::DoNotOptimize(desktop.applied);
    }
    state.counters["gap"] = gap;
    state.counters["targets/call"] = double(desktop.applied) / double(state.iterations() + 1);
    std::filesystem::remove(file);
}
BENCHMARK(BM_ArrangeShapeWithoutReload)->Arg(500)->Unit(benchmark::kMicrosecond);

void BM_LoadShapeFile(benchmark::State& state) {
    const auto file = WriteBenchShape(2000);
    for (auto _ : state) benchmark::DoNotOptimize(LoadShapeFile(file));
    std::filesystem::remove(file);
}
BENCHMARK(BM_LoadShapeFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
