#pragma once
// A Playback with a clock the test moves by hand. Every file loads with
// `length` seconds unless its path is listed in `missing` (or is empty).

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "music/Playback.h"

namespace deedwell::testing {

class FakePlayback : public Playback {
public:
    double length = 200;
    std::set<std::string> missing;
    // At the end of the file: true stops and reads the position as 0 (an
    // output that forgets the position); false keeps running at the end.
    bool forgetsAtEnd = false;

    // What was done to it.
    std::vector<std::string> loads;
    int runs = 0;
    int releases = 0;
    std::vector<int> volumes;
    std::vector<double> seeks;

    PlaybackResult Load(const std::string& path) override {
        loads.push_back(path);
        state_ = kStopped;
        position_ = 0;
        loaded_ = !path.empty() && !missing.count(path);
        if (!loaded_) return {false, "Cannot open " + path};
        return {};
    }
    PlaybackResult Run() override {
        if (!loaded_) return {false, "Nothing to play"};
        ++runs;
        if (state_ == kStopped) position_ = 0;
        state_ = kRunning;
        return {};
    }
    void Pause() override {
        if (state_ == kRunning) state_ = kPaused;
    }
    void Stop() override { state_ = kStopped; }
    int State() const override { return state_; }
    double Length() const override { return loaded_ ? length : 0; }
    double Position() const override { return position_; }
    void SetPosition(double seconds) override {
        seeks.push_back(seconds);
        position_ = seconds;
    }
    void SetVolume(int centibels) override { volumes.push_back(centibels); }
    void Release() override {
        ++releases;
        loaded_ = false;
        state_ = kStopped;
    }

    // Lets `seconds` of music play (only while running).
    void Advance(double seconds) {
        if (state_ != kRunning) return;
        position_ = std::min(position_ + seconds, length);
        if (position_ >= length && forgetsAtEnd) {
            state_ = kStopped;
            position_ = 0;
        }
    }

private:
    bool loaded_ = false;
    int state_ = kStopped;
    double position_ = 0;
};

}  // namespace deedwell::testing
