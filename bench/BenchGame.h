#pragma once
// A game for the benchmarks: silent ports and a program directory of its own,
// removed afterwards. The market draws from the real generator.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "market/RandomInt.h"
#include "records/RecordFiles.h"
#include "state/Game.h"

namespace deedwell::bench {

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

struct BenchGame {
    // `name` tells the temporary folders of two benchmarks apart.
    explicit BenchGame(const std::string& name)
        : root(std::filesystem::temp_directory_path() /
               ("deedwell-" + name + "-bench-" + std::to_string(::getpid()))),
          records((std::filesystem::create_directories(root / "realestate"), root)),
          random(20261211),
          game(records, random, clock, dialogs, screens) {
        InitDefaults(game.state);
    }
    ~BenchGame() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    std::filesystem::path root;
    RecordStore records;
    SystemRandom random;
    QuietClock clock;
    QuietDialogs dialogs;
    Screens screens;
    Game game;
};

}  // namespace deedwell::bench
