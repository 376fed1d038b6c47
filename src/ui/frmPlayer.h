#pragma once
// The game music: the player that lives for the whole run (GameMusic) and
// its window (frmPlayer).
//
// GameMusic is the player without a face: it owns the player's logic over
// the music output and its 1000 ms playTimer, and says when anything the
// window shows has changed. The application makes one and keeps it to the
// end; closing it stops the music. The main screen's music timer drives it
// directly, so restarting the music never needs the window.
//
// frmPlayer is the window over it. In the game only its strip shows, the
// line that promises to vanish, from the end of the splash until the first
// music start hides it; the complete little player (file, browse, play,
// pause, rewind, forward, stop, loop, volume, time, progress, tag line)
// sits in the same window, folded away.

#include <QIcon>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "music/MusicPlayer.h"

namespace Ui {
class frmPlayer;
}

namespace deedwell::ui {

class WindowRegistry;

class GameMusic : public QObject {
    Q_OBJECT

  public:
    explicit GameMusic(Playback& playback, QObject* parent = nullptr);
    ~GameMusic() override;

    MusicPlayer& player() { return player_; }
    const PlayerView& View() const { return player_.View(); }

    // After the player was driven directly (the main screen's music timer
    // and mute box): runs or stops playTimer to match and tells the window.
    void Sync();

    // The window's events, each followed by Sync.
    void SetFileText(const QString& text);
    void Browse(const QString& chosen);
    void SetLoop(LoopBox state);
    void Play();
    void PausePlay();
    void StopPlay();
    void Forward();
    void Rewind();
    void SliderChanged(int value);
    void SliderClicked(int value);

    // One tick of playTimer (also callable directly).
    void PlayTimerTick();

    QTimer* playTimer() { return playTimer_; }

  signals:
    // Something the window shows has changed.
    void Changed();

  private:
    MusicPlayer player_;
    QTimer* playTimer_;
};

class frmPlayer : public QWidget {
    Q_OBJECT

  public:
    // Needs the registry's GameMusic.
    explicit frmPlayer(WindowRegistry& registry);
    ~frmPlayer() override;

    // Unfolds (or folds away again) the complete player under the strip.
    void ShowControls(bool shown);

    // Redraws every control from the player.
    void Redraw();

    // cmdBrowse: asks for a file with the title "Browse For MP3 Files" and
    // the MP3, wave and MIDI filter.
    void BrowseClick();

    // The file dialog, replaceable so that a test can answer it; "" means
    // cancelled. Arguments: parent, title, filter.
    std::function<QString(QWidget*, const QString&, const QString&)> chooseFile;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Connect();
    void TakeFocus();
    void ShowSliderText();

    GameMusic& music_;
    std::unique_ptr<Ui::frmPlayer> ui_;
    QIcon icons_[2];
};

}  // namespace deedwell::ui
