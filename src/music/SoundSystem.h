#pragma once
// The main screen's side of the background music: its music timer and its
// "Mute Game Music" box.
//
// The timer first ticks 100 ms after the main screen loads and starts the
// music 5 seconds later; from then on it ticks every 30 seconds and, every
// 13th tick (6 min 30 s), starts the music again after the same wait. A
// restart replays "RealEstate.mp3" from the beginning whether it plays or has
// ended; music that was muted (paused) simply resumes, though the box stays
// ticked.
//
// The 5-second wait must not block: other windows keep working meanwhile
// (a month being computed must never be interleaved with another). So a tick
// only says that the wait is due; the main screen runs AfterWait from a
// single-shot timer when it ends. Ticks during the wait do nothing, so a
// start is never doubled.

#include "music/MusicPlayer.h"
#include "state/Game.h"

namespace deedwell {

inline constexpr int kMusicFirstIntervalMs = 100;
inline constexpr int kMusicIntervalMs = 30000;
inline constexpr int kMusicWaitMs = 5000;
inline constexpr const char* kMusicFile = "RealEstate.mp3";

class SoundSystem {
public:
    SoundSystem(Game& game, MusicPlayer& player) : game_(game), player_(player) {}

    // The timer's interval: 100 ms until the first start, then 30 s.
    int IntervalMs() const { return interval_; }
    bool Waiting() const { return waiting_; }

    // One tick of the timer. True when the music is due: the caller starts
    // the kMusicWaitMs wait and calls AfterWait when it ends.
    bool Tick();

    // The end of the wait: the timer slows to 30 s, the player is pointed at
    // RealEstate.mp3 in the program directory and plays, and the count of
    // ticks starts again. The caller then hides the player strip.
    void AfterWait();

private:
    Game& game_;
    MusicPlayer& player_;
    int interval_ = kMusicFirstIntervalMs;
    bool waiting_ = false;
};

// "Mute Game Music" clicked: ticked pauses the music; unticked plays it, which
// resumes paused music. Ticking it after the music has ended starts it.
void MuteGameMusic(MusicPlayer& player, bool checked);

}  // namespace deedwell
