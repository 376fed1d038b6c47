#include "audio/SdlPlayback.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace deedwell::audio {

namespace {

// A sound font that is never there: with none to load, the library leaves
// MIDI to its built-in Timidity, which knows a file's length and can seek.
constexpr const char* kNoSoundFont = "/nonexistent/deedwell/no-soundfont.sf2";
constexpr const char* kNothingLoaded = "No music file is loaded";

std::string LibraryError() {
    const char* text = Mix_GetError();
    return text && *text ? text : "Unknown audio error";
}

}  // namespace

struct SdlPlayback::Impl {
    bool sdlUp = false;
    bool opened = false;
    std::string openFailure;
    Mix_Music* music = nullptr;
    // The library reports "paused" for a halted channel too, so the state
    // is kept here: paused by us, and started (run and neither stopped nor
    // reloaded since). Started but no longer playing means it ran to its end.
    bool paused = false;
    bool started = false;
    int volume = 0;

    bool Ended() const { return music && started && !paused && !Mix_PlayingMusic(); }

    void Drop() {
        if (!music) return;
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        music = nullptr;
        paused = false;
        started = false;
    }
};

SdlPlayback::SdlPlayback() : impl_(std::make_unique<Impl>()) {
    // Qt owns the process's signals; SDL must not take SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        impl_->openFailure = LibraryError();
        return;
    }
    impl_->sdlUp = true;
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
    Mix_SetSoundFonts(kNoSoundFont);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048) != 0) {
        impl_->openFailure = LibraryError();
        return;
    }
    impl_->opened = true;
    Mix_VolumeMusic(MixVolume(impl_->volume));
}

SdlPlayback::~SdlPlayback() {
    impl_->Drop();
    if (impl_->opened) Mix_CloseAudio();
    if (impl_->sdlUp) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlPlayback::Opened() const {
    return impl_->opened;
}

const std::string& SdlPlayback::OpenFailure() const {
    return impl_->openFailure;
}

PlaybackResult SdlPlayback::Load(const std::string& path) {
    impl_->Drop();
    if (!impl_->opened) return {false, impl_->openFailure};
    impl_->music = Mix_LoadMUS(path.c_str());
    if (!impl_->music) return {false, LibraryError()};
    Mix_VolumeMusic(MixVolume(impl_->volume));
    return {};
}

PlaybackResult SdlPlayback::Run() {
    if (!impl_->music) return {false, impl_->opened ? kNothingLoaded : impl_->openFailure};
    if (impl_->paused) {
        Mix_ResumeMusic();
        impl_->paused = false;
        return {};
    }
    if (State() == kRunning) return {};
    if (Mix_PlayMusic(impl_->music, 0) != 0) {
        impl_->started = false;
        return {false, LibraryError()};
    }
    // A halted channel may still count as paused inside the library.
    Mix_ResumeMusic();
    impl_->started = true;
    return {};
}

void SdlPlayback::Pause() {
    if (State() != kRunning) return;
    Mix_PauseMusic();
    impl_->paused = true;
}

void SdlPlayback::Stop() {
    if (!impl_->music) return;
    Mix_HaltMusic();
    impl_->paused = false;
    impl_->started = false;
}

int SdlPlayback::State() const {
    if (!impl_->music || !impl_->started) return kStopped;
    if (impl_->paused) return kPaused;
    return Mix_PlayingMusic() ? kRunning : kStopped;
}

double SdlPlayback::Length() const {
    if (!impl_->music) return 0;
    return std::max(Mix_MusicDuration(impl_->music), 0.0);
}

double SdlPlayback::Position() const {
    if (!impl_->music || !impl_->started) return 0;
    if (impl_->Ended()) return Length();
    return std::max(Mix_GetMusicPosition(impl_->music), 0.0);
}

void SdlPlayback::SetPosition(double seconds) {
    // Only a file that is running or paused has a position to move.
    if (!impl_->music || !impl_->started || impl_->Ended()) return;
    Mix_SetMusicPosition(std::clamp(seconds, 0.0, Length()));
}

void SdlPlayback::SetVolume(int centibels) {
    impl_->volume = centibels;
    if (impl_->opened) Mix_VolumeMusic(MixVolume(centibels));
}

void SdlPlayback::Release() {
    impl_->Drop();
}

int MixVolume(int centibels) {
    if (centibels <= -10000) return 0;
    const double volume = std::round(MIX_MAX_VOLUME * std::pow(10.0, centibels / 2000.0));
    return std::clamp(static_cast<int>(volume), 1, MIX_MAX_VOLUME);
}

}  // namespace deedwell::audio
