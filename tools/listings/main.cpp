// deedwell_listings: writes the first market, the listings 0 to 80 that ship
// in data/realestate/, so the listing browser has a house at every position
// from the very first start.
//
//   deedwell_listings <program-dir> [seed]
//
// The houses come from the game's own generator in its first year, with a
// fixed seed so the committed files can be made again byte for byte. Unlike
// the loading screen, which writes one house in eight, every listing is
// written.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "market/Generator.h"
#include "market/Listings.h"
#include "market/RandomInt.h"
#include "state/Game.h"

namespace {

using namespace deedwell;

// The generator asks nothing of the clock, the dialogs or the windows.
class NoClock : public Clock {
  public:
    int Year() const override { return 2026; }
    double SecondsSinceMidnight() const override { return 0; }
};

class NoDialogs : public Dialogs {
  public:
    void ShowMessage(const std::string&) override {}
    void ShowPlain(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

constexpr std::uint64_t kShippedSeed = 19870417;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <program-dir> [seed]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::uint64_t seed = kShippedSeed;
    if (argc == 3) {
        const std::string text = argv[2];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
        if (error != std::errc() || end != text.data() + text.size()) {
            std::fprintf(stderr, "not a seed: %s\n", argv[2]);
            return 2;
        }
    }

    std::error_code ec;
    std::filesystem::create_directories(root / "realestate", ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s: %s\n", (root / "realestate").c_str(),
                     ec.message().c_str());
        return 1;
    }

    RecordStore records(root);
    SystemRandom random(seed);
    NoClock clock;
    NoDialogs dialogs;
    Screens screens;
    Game game(records, random, clock, dialogs, screens);
    InitDefaults(game.state);
    game.state.YearsPlayed = 1;

    const int last = static_cast<int>(game.state.MarketSize.value_or(80));
    for (int n = 0; n <= last; ++n) {
        const ListingValues values = BuildVars(game);
        if (!records.WriteListingFile(std::to_string(n), ListingContent(values))) {
            std::fprintf(stderr, "cannot write listing %d\n", n);
            return 1;
        }
    }
    std::printf("wrote listings 0 to %d under %s\n", last, (root / "realestate").c_str());
    return 0;
}
