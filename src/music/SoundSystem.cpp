#include "music/SoundSystem.h"

namespace deedwell {

namespace {
constexpr double kTicksBetweenStarts = 13;
}

bool SoundSystem::Tick() {
    if (waiting_) return false;
    auto& musicState = game_.state.MusicState;
    if (musicState) {
        *musicState += 1;
        if (*musicState != kTicksBetweenStarts) return false;
    }
    waiting_ = true;
    return true;
}

void SoundSystem::AfterWait() {
    waiting_ = false;
    interval_ = kMusicIntervalMs;
    player_.SetFileText((game_.records.Root() / kMusicFile).string());
    player_.Play();
    game_.state.MusicState = 0;
}

void MuteGameMusic(MusicPlayer& player, bool checked) {
    if (checked) {
        player.PausePlay();
    } else {
        player.Play();
    }
}

}  // namespace deedwell
