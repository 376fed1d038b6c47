#pragma once
// Fakes for the ports and a small fixture that bundles them into a Game.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "state/Game.h"

namespace deedwell::testing {

// Draws come from a script first; once it runs out they come from a fixed-seed
// generator, so tests that do not care stay deterministic. A scripted value
// outside 1..n is a test mistake and fails the test.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<std::int64_t> script) { Push(std::move(script)); }

    void Push(std::vector<std::int64_t> values);
    void Push(std::int64_t value) { script_.push_back(value); }
    void Clear() { script_.clear(); }
    std::size_t Remaining() const { return script_.size(); }

    std::int64_t Draw(std::int64_t n) override;

    // Every n asked for, in order.
    std::vector<std::int64_t> asked;

private:
    std::deque<std::int64_t> script_;
    std::mt19937_64 fallback_{20261211};
};

class FixedClock : public Clock {
public:
    int year = 2026;
    double seconds = 36000;
    int Year() const override { return year; }
    double SecondsSinceMidnight() const override { return seconds; }
};

class RecordingDialogs : public Dialogs {
public:
    struct Entry {
        std::string kind;  // "message", "plain" or "question"
        std::string title;
        std::string text;
    };
    std::vector<Entry> shown;
    std::deque<bool> answers;  // for questions; an empty script answers Yes

    void ShowMessage(const std::string& text) override;
    void ShowPlain(const std::string& text) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;

    // The texts of every box shown, in order.
    std::vector<std::string> Texts() const;
    std::string Last() const { return shown.empty() ? std::string() : shown.back().text; }
};

class RecordingScreens : public Screens {
public:
    std::vector<std::string> requests;
    void RefreshAll() override { requests.push_back("RefreshAll"); }
    void ShowHomeWindow() override { requests.push_back("ShowHomeWindow"); }
    void RefreshHomeInformation() override { requests.push_back("RefreshHomeInformation"); }
    void ScheduleSecondGeneration() override { requests.push_back("ScheduleSecondGeneration"); }
    void DisplayMonth() override { requests.push_back("DisplayMonth"); }
    void RefreshListingBrowser() override { requests.push_back("RefreshListingBrowser"); }
    void CloseHomeWindow() override { requests.push_back("CloseHomeWindow"); }
    void CloseBanker() override { requests.push_back("CloseBanker"); }
    void ReloadBanker() override { requests.push_back("ReloadBanker"); }
    struct Hint {
        std::string title;
        std::string text;
    };
    std::vector<Hint> hints;  // every hint presented, in order
    void ShowHint(const std::string& title, const std::string& text) override {
        requests.push_back("ShowHint");
        hints.push_back({title, text});
    }
    void CloseRowWindows() override { requests.push_back("CloseRowWindows"); }
    void RefreshOffersIndicator() override { requests.push_back("RefreshOffersIndicator"); }
    void RefreshRealtorCount() override { requests.push_back("RefreshRealtorCount"); }
    void RefreshGoalCharts() override { requests.push_back("RefreshGoalCharts"); }
    struct GoalWindow {
        bool won = false;
        std::string text;
    };
    std::vector<GoalWindow> goalWindows;  // every goal window asked for, in order
    void ShowGoalWindow(bool won, const std::string& text) override {
        requests.push_back("ShowGoalWindow");
        goalWindows.push_back({won, text});
    }
    void RefreshPortfolio() override { requests.push_back("RefreshPortfolio"); }
    // How many times a request was made.
    int Count(const std::string& request) const;
};

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A whole game on fakes, with an empty program directory that has the
// realestate/ and renthouses/ folders.
struct TestGame {
    TestGame();
    TempDir dir;
    RecordStore records;
    ScriptedRandom random;
    FixedClock clock;
    RecordingDialogs dialogs;
    RecordingScreens screens;
    Game game;

    // Copies the shipped listing and rental records into the program directory.
    void CopyShippedRecords();
};

}  // namespace deedwell::testing
