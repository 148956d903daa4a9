// How the operations scale with the size of a project. The figures that
// matter are ratios: the cost of one call at 100,000 items against the cost
// at 1,000 items (about 1 for anything that should not scan the project), and
// the cost of a bulk operation per item.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstring>
#include <string>

#include "api/media_item.h"
#include "host/entry.h"
#include "host/reaper_api.h"
#include "sim/reaper_sim.h"
#include "sim/reaper_sim_helpers.h"

namespace {

std::string tone_file() {
    static const std::string path = [] {
        char dir[] = "/tmp/ko_bench_XXXXXX";
        std::string p = std::string(mkdtemp(dir)) + "/tone.wav";
        sim_write_tone(p.c_str(), "wav", 44100, 2, 1.0, 440.0, 0.5);
        return p;
    }();
    return path;
}

// A project of `items` items with takes, spread over 10 tracks.
void build(int items) {
    static bool bound = REAPERAPI_LoadAPI(&sim_get_func) == 0;
    (void)bound;
    sim_reset(1);
    MediaTrack* tracks[10];
    for (MediaTrack*& track : tracks) track = ko_sim_helpers::add_track();
    const std::string file = tone_file();
    for (int i = 0; i < items; ++i) ko_sim_helpers::add_item(tracks[i % 10], i * 1.5, 1.0, file.c_str());
    CountMediaItems(nullptr);  // settle the project's order before timing
}

void GetByIndex(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    build(n);
    int i = 0;
    for (auto _ : state) {
        double start = 0;
        ko_api::mediaItem::GetMediaStartTimeSeconds(nullptr, (i = (i + 7919) % n), &start);
        benchmark::DoNotOptimize(start);
    }
    state.SetComplexityN(n);
}
BENCHMARK(GetByIndex)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::o1);

void VolumeByTrack(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    build(n);
    int i = 0;
    for (auto _ : state) {
        ko_api::mediaItem::SetTrackMediaAddVolume(nullptr, i % 10, (i / 10) % (n / 10), 0.0);
        ++i;
    }
    state.SetComplexityN(n);
}
BENCHMARK(VolumeByTrack)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::o1);

void TypeCount(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    build(n);
    for (auto _ : state) {
        int all = 0, typed = 0;
        ko_api::mediaItem::GetMediaTypeCount(nullptr, "wav", &all, &typed);
        benchmark::DoNotOptimize(typed);
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(TypeCount)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

void DeleteAll(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        build(n);
        state.ResumeTiming();
        ko_api::mediaItem::DeleteAllMedia(nullptr);
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(DeleteAll)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

void SelectAll(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    build(n);
    bool on = true;
    for (auto _ : state) {
        ko_api::mediaItem::SetAllMediaSelected(nullptr, on);
        on = !on;
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(SelectAll)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
