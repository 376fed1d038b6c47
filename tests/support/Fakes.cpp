#include "support/Fakes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <unistd.h>

namespace deedwell::testing {

void ScriptedRandom::Push(std::vector<std::int64_t> values) {
    for (auto v : values) script_.push_back(v);
}

std::int64_t ScriptedRandom::Draw(std::int64_t n) {
    asked.push_back(n);
    if (n < 1) n = 1;
    if (!script_.empty()) {
        std::int64_t v = script_.front();
        script_.pop_front();
        EXPECT_TRUE(v >= 1 && v <= n) << "scripted draw " << v << " is outside 1.." << n;
        return v;
    }
    return std::uniform_int_distribution<std::int64_t>(1, n)(fallback_);
}

void RecordingDialogs::ShowMessage(const std::string& text) {
    shown.push_back({"message", "Tarnwick Game", text});
}

void RecordingDialogs::ShowPlain(const std::string& text) {
    shown.push_back({"plain", "Deedwell", text});
}

bool RecordingDialogs::AskYesNo(const std::string& title, const std::string& text) {
    shown.push_back({"question", title, text});
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> RecordingDialogs::Texts() const {
    std::vector<std::string> texts;
    for (const auto& e : shown) texts.push_back(e.text);
    return texts;
}

int RecordingScreens::Count(const std::string& request) const {
    int n = 0;
    for (const auto& r : requests) n += r == request ? 1 : 0;
    return n;
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("deedwell-test-" + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" +
             std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

TestGame::TestGame() : records(dir.Path()), game(records, random, clock, dialogs, screens) {
    std::filesystem::create_directories(dir.Path() / "realestate");
    std::filesystem::create_directories(dir.Path() / "renthouses");
}

void TestGame::CopyShippedRecords() {
    namespace fs = std::filesystem;
    const fs::path source = DEEDWELL_SOURCE_DATA;
    for (const char* folder : {"realestate", "renthouses"}) {
        for (const auto& entry : fs::directory_iterator(source / folder)) {
            if (entry.is_regular_file() && entry.path().extension() == ".var") {
                fs::copy_file(entry.path(), dir.Path() / folder / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
            }
        }
    }
}

}  // namespace deedwell::testing
