#include "music/MusicPlayer.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "common/Numbers.h"

namespace deedwell {
namespace {

constexpr std::size_t kTagSize = 128;
constexpr double kSkipSeconds = 5;

std::string LowerTail(const std::string& text, std::size_t count) {
    std::string tail = text.size() >= count ? text.substr(text.size() - count) : text;
    for (char& c : tail) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return tail;
}

bool IsPlayableName(const std::string& name) {
    const std::string tail = LowerTail(name, 4);
    return tail == ".mp3" || tail == ".wav" || tail == ".mid";
}

// Trims spaces at both ends, then drops every NUL, in that order: a field
// padded with spaces and then NULs keeps its spaces.
std::string TagField(const std::string& tag, std::size_t from, std::size_t count) {
    std::string field = tag.substr(from, count);
    const auto first = field.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    field = field.substr(first, field.find_last_not_of(' ') - first + 1);
    field.erase(std::remove(field.begin(), field.end(), '\0'), field.end());
    return field;
}

std::string Latin1ToUtf8(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char c : latin1) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// The last 128 bytes of a file, or "" when it is shorter or cannot be read.
std::string ReadTagBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return "";
    const std::streamoff size = in.tellg();
    if (size < static_cast<std::streamoff>(kTagSize)) return "";
    std::string bytes(kTagSize, '\0');
    in.seekg(size - static_cast<std::streamoff>(kTagSize));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(kTagSize))) return "";
    return bytes;
}

}  // namespace

std::string ToTimeValues(long long seconds) {
    if (seconds < 0) seconds = 0;
    const long long h = seconds / 3600;
    const long long m = (seconds / 60) % 60;
    const long long s = seconds % 60;
    std::string text;
    if (h > 0) text = Format(static_cast<double>(h), "00:");
    return text + Format(static_cast<double>(m), "00:") + Format(static_cast<double>(s), "00");
}

int SliderVolume(int value) { return value * -200; }

std::string SliderText(int value) { return "Volume %" + NumberText(100 - 5 * value); }

std::string ReadId3v1(const std::string& bytes) {
    // Built in Latin-1, one byte a character, so the cut counts characters.
    std::string line = "Unknown by Unknown";
    if (bytes.size() >= kTagSize) {
        const std::string tag = bytes.substr(bytes.size() - kTagSize);
        if (LowerTail(tag.substr(0, 3), 3) == "tag") {
            line = TagField(tag, 3, 30) + " by " + TagField(tag, 33, 30);
            if (line.size() > 45) line = line.substr(0, 42) + "...";
        }
    }
    return Latin1ToUtf8(line);
}

MusicPlayer::MusicPlayer(Playback& playback) : playback_(playback) {}

std::string MusicPlayer::TakeFocus() {
    std::string focus;
    focus.swap(focus_);
    return focus;
}

void MusicPlayer::SetFileText(const std::string& text) {
    view_.txtFile = text;
    if (text.empty()) {
        view_.buttonsEnabled = false;
        view_.chkLoop = LoopBox::Grey;
    } else if (IsPlayableName(text)) {
        view_.buttonsEnabled = true;
        view_.chkLoop = LoopBox::Checked;
    }
}

void MusicPlayer::Browse(const std::string& chosen) {
    if (chosen.empty()) return;
    SetFileText(chosen);
    focus_ = "cmdPlay";
}

void MusicPlayer::Play() {
    if (graph_ && playback_.State() == Playback::kPaused) {
        PausePlay();
    } else {
        StartPlay();
    }
}

void MusicPlayer::StartPlay() {
    graph_ = true;
    PlaybackResult result = playback_.Load(view_.txtFile);
    if (result.ok) {
        AdjustVolume();
        result = playback_.Run();
    }
    if (!result.ok) {
        StopPlay();
        view_.fileEnabled = true;
        view_.lblStatus = result.failure;
        return;
    }
    playing_ = true;
    playTimer_ = true;
    view_.lblStatus = "Playing...";
    view_.fileEnabled = false;
    focus_ = "VolSlider";
    iconCounter_ = 0;
    GetMP3Tags();
    view_.caption = kPlayerCaption;
}

void MusicPlayer::PausePlay() {
    if (!graph_) return;
    if (playback_.State() == Playback::kRunning) {
        playback_.Pause();
        view_.lblStatus = "Paused";
        return;
    }
    // Stopped or paused alike: a file that has ended starts again.
    const PlaybackResult result = playback_.Run();
    view_.lblStatus = result.ok ? "Playing..." : result.failure;
}

void MusicPlayer::StopPlay() {
    if (!graph_) return;
    playTimer_ = false;
    playback_.Stop();
    view_.lblStatus = "Stopped";
    view_.lblTimer.clear();
    view_.fileEnabled = true;
    view_.progressVisible = false;
    view_.icon = 0;
    view_.txtInfo.clear();
    view_.caption = kApplicationTitle;
}

void MusicPlayer::Forward() {
    if (!graph_) return;
    playback_.SetPosition(std::min(playback_.Position() + kSkipSeconds, playback_.Length()));
}

void MusicPlayer::Rewind() {
    if (!graph_) return;
    playback_.SetPosition(std::max(playback_.Position() - kSkipSeconds, 0.0));
}

void MusicPlayer::SliderChanged(int value) {
    view_.VolSlider = std::clamp(value, 0, kSliderMax);
    SetSliderText();
    AdjustVolume();
}

void MusicPlayer::SliderClicked(int value) {
    view_.VolSlider = std::clamp(value, 0, kSliderMax);
    SetSliderText();
}

void MusicPlayer::AdjustVolume() {
    if (!graph_) return;
    playback_.SetVolume(SliderVolume(view_.VolSlider));
    SetSliderText();
}

void MusicPlayer::SetSliderText() { view_.sliderText = SliderText(view_.VolSlider); }

void MusicPlayer::Tick() {
    // A tick already on its way when the timer went off counts for nothing.
    if (!playTimer_ || !playing_) return;
    const double position = playback_.Position();
    // A file that stopped by itself has ended too, wherever its position
    // reads, so looping never hangs on an output that resets it.
    if (position >= playback_.Length() || playback_.State() == Playback::kStopped) {
        StopPlay();
        playing_ = false;
        playTimer_ = false;
        if (view_.chkLoop == LoopBox::Checked) Play();
        return;
    }
    const long long seconds = std::lround(position);
    view_.lblTimer = ToTimeValues(seconds);
    if (iconCounter_ > 1) iconCounter_ = 0;
    view_.icon = iconCounter_;
    ++iconCounter_;
    if (LowerTail(view_.txtFile, 3) == "mp3") ShowTime(static_cast<double>(seconds));
}

void MusicPlayer::ShowTime(double seconds) {
    view_.progressVisible = true;
    const double length = playback_.Length();
    view_.progress = length > 0 ? std::clamp(seconds / length, 0.0, 1.0) : 0.0;
}

void MusicPlayer::GetMP3Tags() {
    if (LowerTail(view_.txtFile, 4) != ".mp3") {
        view_.txtInfo.clear();
        return;
    }
    view_.txtInfo = ReadId3v1(ReadTagBytes(view_.txtFile));
}

void MusicPlayer::Unload() {
    StopPlay();
    if (graph_) playback_.Release();
    graph_ = false;
}

}  // namespace deedwell
