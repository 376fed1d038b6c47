#pragma once
// The game's music output, played with SDL2_mixer.
//
// One SdlPlayback opens the audio device when it is made and closes it when
// it goes. Without a sound device (or without SDL) it still exists: every
// load then fails with the library's own text, which the player window shows
// in its status line, and the game goes on in silence.
//
// MIDI files are played by the library's built-in Timidity with the system's
// freepats rather than by FluidSynth, which would report no length and could
// not seek. Only one file is loaded at a time, and only one SdlPlayback should
// exist, since the library's music channel is global.

#include <memory>
#include <string>

#include "music/Playback.h"

namespace deedwell::audio {

class SdlPlayback : public Playback {
  public:
    SdlPlayback();
    ~SdlPlayback() override;
    SdlPlayback(const SdlPlayback&) = delete;
    SdlPlayback& operator=(const SdlPlayback&) = delete;

    // False when the audio device could not be opened; OpenFailure() says why.
    bool Opened() const;
    const std::string& OpenFailure() const;

    PlaybackResult Load(const std::string& path) override;
    PlaybackResult Run() override;
    void Pause() override;
    void Stop() override;
    int State() const override;
    double Length() const override;
    double Position() const override;
    void SetPosition(double seconds) override;
    void SetVolume(int centibels) override;
    void Release() override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The library's music volume (0 to 128) for a volume in hundredths of a
// decibel: 0 gives 128, -2000 gives 13; anything above -10000 stays audible
// (at least 1), -10000 and below is silence.
int MixVolume(int centibels);

}  // namespace deedwell::audio
