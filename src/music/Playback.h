#pragma once
// The music output as the player sees it: one loaded file at a time, which can
// run, pause and stop, with a length, a position that can be read and set, and
// a volume. The application implements it with the audio library; tests use a
// fake with a clock they move by hand.

#include <string>

namespace deedwell {

// The result of an operation that can fail: on failure, a text for the
// player window's status line (the audio library's own message).
struct PlaybackResult {
    bool ok = true;
    std::string failure;
};

class Playback {
public:
    // What State() reports.
    static constexpr int kStopped = 0;
    static constexpr int kPaused = 1;
    static constexpr int kRunning = 2;

    virtual ~Playback() = default;

    // Drops whatever was loaded (stopping it) and prepares the MP3, wave or
    // MIDI file at `path`. A missing or unplayable file fails, and leaves
    // nothing loaded.
    virtual PlaybackResult Load(const std::string& path) = 0;

    // Paused: resumes where it stopped. Stopped: starts at the beginning.
    // Running: nothing. Fails when nothing is loaded or the output refuses.
    virtual PlaybackResult Run() = 0;

    // Running: pauses, keeping the position. Otherwise nothing.
    virtual void Pause() = 0;

    virtual void Stop() = 0;

    // kStopped, kPaused or kRunning. A file that has played to its end and
    // was not started again reports kStopped.
    virtual int State() const = 0;

    // The loaded file's length in seconds; 0 with nothing loaded.
    virtual double Length() const = 0;

    // The position in seconds. Once the file has played to its end it reads
    // as the length, so the player can tell the end from the beginning.
    virtual double Position() const = 0;

    // Seeks to `seconds`, between 0 and the length.
    virtual void SetPosition(double seconds) = 0;

    // Hundredths of a decibel: 0 is full volume, -4000 the quietest the
    // player's slider gives. Kept across loads.
    virtual void SetVolume(int centibels) = 0;

    // Stops and drops the loaded file (the player is closing).
    virtual void Release() = 0;
};

}  // namespace deedwell
