// How long the market takes to make and to read: the loading screen builds
// 81 houses at every start, and every screen that shows a listing reads it.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchGame.h"
#include "market/Generator.h"
#include "market/Listings.h"

namespace {

using namespace deedwell;
using bench::BenchGame;

// The whole market, 0 to 80, every listing written (the loading screen writes
// one in eight; this is the worst case).
void BM_GenerateAndWriteMarket(benchmark::State& state) {
    BenchGame bench("market");
    for (auto _ : state) {
        for (int n = 0; n <= 80; ++n) {
            const ListingValues values = BuildVars(bench.game);
            benchmark::DoNotOptimize(
                bench.records.WriteListingFile(std::to_string(n), ListingContent(values)));
        }
    }
    state.SetItemsProcessed(state.iterations() * 81);
}
BENCHMARK(BM_GenerateAndWriteMarket)->Unit(benchmark::kMillisecond);

// The generator alone, without the disk.
void BM_BuildVars(benchmark::State& state) {
    BenchGame bench("market");
    for (auto _ : state) benchmark::DoNotOptimize(BuildVars(bench.game));
}
BENCHMARK(BM_BuildVars);

// One key of one listing, as the screens read it.
void BM_ReadListingValue(benchmark::State& state) {
    BenchGame bench("market");
    bench.records.WriteListingFile("40", ListingContent(BuildVars(bench.game)));
    for (auto _ : state) benchmark::DoNotOptimize(bench.records.ReadListingValue("NVALUE", "40"));
}
BENCHMARK(BM_ReadListingValue);

// A whole listing read and checked in one pass, as a buyer takes it.
void BM_ReadListing(benchmark::State& state) {
    BenchGame bench("market");
    bench.records.WriteListingFile("40", ListingContent(BuildVars(bench.game)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadListing(bench.records, "40"));
}
BENCHMARK(BM_ReadListing);

}  // namespace

BENCHMARK_MAIN();
