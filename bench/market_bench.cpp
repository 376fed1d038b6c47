// How long the market takes to make and to read: the loading screen builds
// 81 houses at every start, and every screen that shows a listing reads it.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "market/Generator.h"
#include "market/Listings.h"
#include "market/RandomInt.h"
#include "records/RecordFiles.h"
#include "state/Game.h"

namespace {

using namespace deedwell;
namespace fs = std::filesystem;

class QuietClock : public Clock {
  public:
    int Year() const override { return 2026; }
    double SecondsSinceMidnight() const override { return 0; }
};

class QuietDialogs : public Dialogs {
  public:
    void ShowMessage(const std::string&) override {}
    void ShowPlain(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

// A game over a program directory of its own, removed afterwards.
struct BenchGame {
    BenchGame()
        : root(fs::temp_directory_path() / ("deedwell-market-bench-" + std::to_string(::getpid()))),
          records((fs::create_directories(root / "realestate"), root)),
          random(20261211),
          game(records, random, clock, dialogs, screens) {
        InitDefaults(game.state);
    }
    ~BenchGame() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    fs::path root;
    RecordStore records;
    SystemRandom random;
    QuietClock clock;
    QuietDialogs dialogs;
    Screens screens;
    Game game;
};

// The whole market, 0 to 80, every listing written (the loading screen writes
// one in eight; this is the worst case).
void BM_GenerateAndWriteMarket(benchmark::State& state) {
    BenchGame bench;
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
    BenchGame bench;
    for (auto _ : state) benchmark::DoNotOptimize(BuildVars(bench.game));
}
BENCHMARK(BM_BuildVars);

// One key of one listing, as the screens read it.
void BM_ReadListingValue(benchmark::State& state) {
    BenchGame bench;
    bench.records.WriteListingFile("40", ListingContent(BuildVars(bench.game)));
    for (auto _ : state) benchmark::DoNotOptimize(bench.records.ReadListingValue("NVALUE", "40"));
}
BENCHMARK(BM_ReadListingValue);

// A whole listing read and checked in one pass, as a buyer takes it.
void BM_ReadListing(benchmark::State& state) {
    BenchGame bench;
    bench.records.WriteListingFile("40", ListingContent(BuildVars(bench.game)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadListing(bench.records, "40"));
}
BENCHMARK(BM_ReadListing);

}  // namespace

BENCHMARK_MAIN();
