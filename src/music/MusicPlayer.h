#pragma once
// The game's little music player, without its window.
//
// The player window (a strip the game hides once the music starts) is a
// complete small media player: a file field with a browse button, play,
// pause, stop, 5-second rewind and forward, a loop box, a volume slider, the
// elapsed time, a progress bar and the title and artist from an MP3 file's
// ID3v1 tag. MusicPlayer holds all of that as plain state over a Playback;
// the window forwards its events here, runs its 1000 ms playTimer while
// PlayTimerOn() says so, and redraws from View().
//
// Failures never show a message box: a file that cannot be played leaves its
// failure text in the status line and the player stopped.

#include <string>

#include "music/Playback.h"

namespace deedwell {

// The loop box: grey until a playable file name is set.
enum class LoopBox { Grey, Unchecked, Checked };

// Everything the player window shows.
struct PlayerView {
    std::string txtFile;
    bool fileEnabled = true;      // txtFile and cmdBrowse
    bool buttonsEnabled = false;  // cmdPlay, cmdPause, cmdStop, cmdRew, cmdFF
    LoopBox chkLoop = LoopBox::Grey;
    int VolSlider = 0;            // 0 (loudest) to 20
    std::string sliderText;       // shown while the slider moves
    std::string lblTimer;         // elapsed time, "01:15"
    std::string lblStatus;        // "Playing...", "Paused", "Stopped" or a failure
    bool progressVisible = false;  // picProgBack and picProg
    double progress = 0;          // the bar's share of the frame, 0 to 1
    std::string txtInfo;          // "Title by Artist"
    int icon = 0;                 // the window icon, ImgIco(0) or ImgIco(1)
    std::string caption;          // window caption
};

inline constexpr const char* kPlayerCaption = "Launching Game Music..";
inline constexpr const char* kApplicationTitle = "Deedwell";
inline constexpr int kPlayTimerMs = 1000;
inline constexpr int kSliderMax = 20;
inline constexpr const char* kBrowseTitle = "Browse For MP3 Files";
inline constexpr const char* kBrowseFilter =
    "MP3 Files (*.mp3);;Wave Files (*.wav);;Midi Files (*.mid)";

class MusicPlayer {
public:
    explicit MusicPlayer(Playback& playback);

    const PlayerView& View() const { return view_; }
    bool PlayTimerOn() const { return playTimer_; }
    bool Playing() const { return playing_; }

    // The control that should take the keyboard focus after the last event
    // ("cmdPlay", "VolSlider"), or ""; asking clears it.
    std::string TakeFocus();

    // txtFile changed, by typing or from code: an empty field disables the
    // buttons and greys the loop box; a name ending in .mp3, .wav or .mid
    // enables them and ticks the box; any other name changes nothing else.
    void SetFileText(const std::string& text);

    // The browse dialog's answer; "" (cancelled) changes nothing.
    void Browse(const std::string& chosen);

    // The player clicked the loop box.
    void SetLoop(LoopBox state) { view_.chkLoop = state; }

    // Resumes a paused file; otherwise starts txtFile afresh from the
    // beginning, replacing whatever played.
    void Play();
    // Pauses running music; resumes (or starts) music in any other state.
    void PausePlay();
    void StopPlay();
    void Forward();  // 5 seconds on, at most to the end
    void Rewind();   // 5 seconds back, at least to the start

    // The slider moved or scrolled: its text, then the volume.
    void SliderChanged(int value);
    // The slider was clicked or pressed: its text only.
    void SliderClicked(int value);

    // playTimer, every 1000 ms while on: notices the end of the file (and
    // loops when the box is ticked), else shows the time, flips the icon and,
    // for an MP3, the progress.
    void Tick();

    // The window closes: stop and let go of the file.
    void Unload();

private:
    void StartPlay();
    void AdjustVolume();
    void SetSliderText();
    void GetMP3Tags();
    void ShowTime(double seconds);

    Playback& playback_;
    PlayerView view_;
    bool graph_ = false;  // a file was prepared (or tried) since the last unload
    bool playing_ = false;
    bool playTimer_ = false;
    int iconCounter_ = 0;
    std::string focus_;
};

// Elapsed time as the timer label shows it: hours only when there are any,
// "01:15" for 75 seconds, "01:02:05" for 3725.
std::string ToTimeValues(long long seconds);

// The volume of a slider value in hundredths of a decibel: 0 gives 0 (full),
// 20 gives -4000.
int SliderVolume(int value);

// The slider's text: "Volume %75" for the value 5.
std::string SliderText(int value);

// The title and artist line of an MP3 file from its ID3v1 tag, given the
// file's bytes (or at least its last 128): "Title by Artist" in UTF-8, cut to
// its first 42 characters and "..." when longer than 45. Without a tag (or
// with fewer than 128 bytes) it reads "Unknown by Unknown".
std::string ReadId3v1(const std::string& bytes);

}  // namespace deedwell
