// The music player window and the main screen's music, the hint window with
// the hint timers that open it, and the two goal windows.

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>

#include "UiFixture.h"
#include "audio/SdlPlayback.h"
#include "hints/Hints.h"
#include "music/FakePlayback.h"
#include "music/SoundSystem.h"
#include "simulation/Goals.h"
#include "ui/GameScreen.h"
#include "ui/NoGoal.h"
#include "ui/OurHome.h"
#include "ui/ShowHint.h"
#include "ui/Splash.h"
#include "ui/YESGOAL.h"
#include "ui/frmPlayer.h"

namespace deedwell::testing {
namespace {

namespace fs = std::filesystem;
using ui::frmPlayer;
using ui::GameMusic;
using ui::GameScreen;
using ui::NoGoal;
using ui::ShowHint;
using ui::YESGOAL;

// The music outlives the windows, as in the game: the base made first goes last.
struct MusicParts {
    FakePlayback playback;
    GameMusic music{playback};
};

struct MusicGame : MusicParts, UiGame {
    MusicGame() { registry.music = &music; }

    frmPlayer* OpenPlayer() {
        frmPlayer* player = registry.ShowUnlessShowing<frmPlayer>();
        player->ShowControls(true);
        return player;
    }
    // An MP3 file in the program directory, with an ID3v1 tag when asked.
    std::string Mp3(const std::string& name, const std::string& title = "",
                    const std::string& artist = "") {
        const fs::path path = shell.dir.Path() / name;
        std::string bytes(400, 'x');
        if (!title.empty()) {
            std::string tag(128, '\0');
            tag.replace(0, 3, "TAG");
            tag.replace(3, title.size(), title);
            tag.replace(33, artist.size(), artist);
            bytes += tag;
        }
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

void TypeFile(frmPlayer* player, const QString& text) {
    auto* field = Control<QLineEdit>(player, "txtFile");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

bool ButtonsEnabled(frmPlayer* player) {
    bool all = true;
    for (const char* name : {"cmdPlay", "cmdPause", "cmdStop", "cmdRew", "cmdFF"}) {
        all = all && Control<QPushButton>(player, name)->isEnabled();
    }
    return all;
}

// ---- The player window ----

TEST(MusicPlayer, OpensWithItsControlsAndNothingToPlay) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    EXPECT_EQ(player->windowTitle().toStdString(), "Launching Game Music..");
    EXPECT_EQ(TextOf(player, "Label1"),
              "(This will vanish in less then 30 seconds, launching game music..)");
    EXPECT_EQ(TextOf(player, "lblTitle"), "Game Music Player");
    EXPECT_EQ(TextOf(player, "lblAbout"), "Built-in music player");
    const std::pair<const char*, const char*> tips[] = {
        {"txtFile", "Enter file path"}, {"cmdBrowse", "Browse for files to play"},
        {"cmdPlay", "Start playing"},   {"cmdPause", "Pause playing"},
        {"cmdRew", "5 Seconds Back"},   {"cmdFF", "5 Seconds Fast Forward"},
        {"cmdStop", "Stop playing"},    {"chkLoop", "Click to loop playback"}};
    for (auto [name, tip] : tips) {
        EXPECT_EQ(Control<QWidget>(player, name)->toolTip().toStdString(), tip) << name;
    }
    EXPECT_EQ(Control<QPushButton>(player, "cmdBrowse")->text().toStdString(), "&Browse");
    for (const char* name : {"cmdPlay", "cmdPause", "cmdStop", "cmdRew", "cmdFF"}) {
        EXPECT_FALSE(Control<QPushButton>(player, name)->isEnabled()) << name;
    }
    EXPECT_EQ(Control<QCheckBox>(player, "chkLoop")->checkState(), Qt::PartiallyChecked);
    auto* slider = Control<QSlider>(player, "VolSlider");
    EXPECT_EQ(slider->orientation(), Qt::Vertical);
    EXPECT_EQ(slider->maximum(), 20);
    EXPECT_EQ(slider->pageStep(), 5);
    EXPECT_TRUE(slider->invertedAppearance());  // 0, the loudest, at the top
    EXPECT_FALSE(Control<QWidget>(player, "picProgBack")->isVisibleTo(player));
    EXPECT_FALSE(g.music.playTimer()->isActive());
}

TEST(MusicPlayer, TheFileNameDecidesTheButtonsAndTheLoopBox) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    auto* loop = Control<QCheckBox>(player, "chkLoop");

    TypeFile(player, "tune.MID");
    EXPECT_TRUE(ButtonsEnabled(player));
    EXPECT_EQ(loop->checkState(), Qt::Checked);

    // A click unticks it, a second click ticks it again; grey never comes back.
    QTest::mouseClick(loop, Qt::LeftButton);
    EXPECT_EQ(loop->checkState(), Qt::Unchecked);
    EXPECT_EQ(g.music.View().chkLoop, LoopBox::Unchecked);

    // Any other ending changes nothing.
    QTest::keyClicks(Control<QLineEdit>(player, "txtFile"), ".txt");
    EXPECT_TRUE(ButtonsEnabled(player));
    EXPECT_EQ(loop->checkState(), Qt::Unchecked);

    TypeFile(player, "");
    for (const char* name : {"cmdPlay", "cmdPause", "cmdStop", "cmdRew", "cmdFF"}) {
        EXPECT_FALSE(Control<QPushButton>(player, name)->isEnabled()) << name;
    }
    EXPECT_EQ(loop->checkState(), Qt::PartiallyChecked);
}

TEST(MusicPlayer, BrowseAsksForMusicFilesAndACancelChangesNothing) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    QString askedTitle;
    QString askedFilter;
    QString answer = "/music/theme.wav";
    player->chooseFile = [&](QWidget*, const QString& title, const QString& filter) {
        askedTitle = title;
        askedFilter = filter;
        return answer;
    };
    Click(player, "cmdBrowse");
    EXPECT_EQ(askedTitle.toStdString(), "Browse For MP3 Files");
    EXPECT_EQ(askedFilter.toStdString(),
              "MP3 Files (*.mp3);;Wave Files (*.wav);;Midi Files (*.mid)");
    EXPECT_EQ(Control<QLineEdit>(player, "txtFile")->text().toStdString(), "/music/theme.wav");
    EXPECT_TRUE(ButtonsEnabled(player));

    answer.clear();
    Click(player, "cmdBrowse");
    EXPECT_EQ(Control<QLineEdit>(player, "txtFile")->text().toStdString(), "/music/theme.wav");
}

TEST(MusicPlayer, PlaysPausesAndStopsThroughItsButtons) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    const std::string file = g.Mp3("song.mp3", "Song", "Band");
    TypeFile(player, QString::fromStdString(file));

    Click(player, "cmdPlay");
    EXPECT_EQ(TextOf(player, "lblStatus"), "Playing...");
    EXPECT_EQ(Control<QLineEdit>(player, "txtInfo")->text().toStdString(), "Song by Band");
    EXPECT_FALSE(Control<QLineEdit>(player, "txtFile")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(player, "cmdBrowse")->isEnabled());
    EXPECT_TRUE(g.music.playTimer()->isActive());

    g.playback.Advance(75);
    g.music.PlayTimerTick();
    EXPECT_EQ(TextOf(player, "lblTimer"), "01:15");
    EXPECT_TRUE(Control<QWidget>(player, "picProgBack")->isVisibleTo(player));
    EXPECT_EQ(Control<QProgressBar>(player, "picProg")->value(), 375);  // 75 of 200 s

    Click(player, "cmdPause");
    EXPECT_EQ(TextOf(player, "lblStatus"), "Paused");
    Click(player, "cmdPlay");  // resumes where it stopped, without loading again
    EXPECT_EQ(TextOf(player, "lblStatus"), "Playing...");
    EXPECT_EQ(g.playback.loads.size(), 1u);
    EXPECT_DOUBLE_EQ(g.playback.Position(), 75);

    Click(player, "cmdStop");
    EXPECT_EQ(TextOf(player, "lblStatus"), "Stopped");
    EXPECT_EQ(TextOf(player, "lblTimer"), "");
    EXPECT_EQ(Control<QLineEdit>(player, "txtInfo")->text().toStdString(), "");
    EXPECT_FALSE(Control<QWidget>(player, "picProgBack")->isVisibleTo(player));
    EXPECT_TRUE(Control<QLineEdit>(player, "txtFile")->isEnabled());
    EXPECT_EQ(player->windowTitle().toStdString(), "Deedwell");
    EXPECT_FALSE(g.music.playTimer()->isActive());
}

TEST(MusicPlayer, SkipsFiveSecondsWithinTheFile) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    TypeFile(player, QString::fromStdString(g.Mp3("skip.mp3")));
    Click(player, "cmdPlay");
    g.playback.SetPosition(197);
    Click(player, "cmdFF");
    EXPECT_DOUBLE_EQ(g.playback.Position(), 200);
    g.playback.SetPosition(3);
    Click(player, "cmdRew");
    EXPECT_DOUBLE_EQ(g.playback.Position(), 0);
}

TEST(MusicPlayer, TheEndOfTheFileStopsOrLoops) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    TypeFile(player, QString::fromStdString(g.Mp3("end.mp3")));  // the loop box is ticked
    Click(player, "cmdPlay");
    g.playback.Advance(200);
    g.music.PlayTimerTick();
    EXPECT_EQ(g.playback.loads.size(), 2u);  // started again at once
    EXPECT_EQ(TextOf(player, "lblStatus"), "Playing...");
    EXPECT_TRUE(g.music.playTimer()->isActive());

    QTest::mouseClick(Control<QCheckBox>(player, "chkLoop"), Qt::LeftButton);
    g.playback.Advance(200);
    g.music.PlayTimerTick();
    EXPECT_EQ(g.playback.loads.size(), 2u);
    EXPECT_EQ(TextOf(player, "lblStatus"), "Stopped");
    EXPECT_FALSE(g.music.playTimer()->isActive());
}

TEST(MusicPlayer, AFileThatCannotPlayLeavesItsFailureInTheStatus) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    const std::string missing = (g.shell.dir.Path() / "gone.mp3").string();
    g.playback.missing.insert(missing);
    TypeFile(player, QString::fromStdString(missing));
    Click(player, "cmdPlay");
    EXPECT_EQ(TextOf(player, "lblStatus"), "Cannot open " + missing);
    EXPECT_TRUE(Control<QLineEdit>(player, "txtFile")->isEnabled());
    EXPECT_TRUE(g.shell.dialogs.shown.empty());  // no message box
}

TEST(MusicPlayer, TheSliderSetsTheVolumeAndShowsItsText) {
    MusicGame g;
    frmPlayer* player = g.OpenPlayer();
    TypeFile(player, QString::fromStdString(g.Mp3("loud.mp3")));
    Click(player, "cmdPlay");
    auto* slider = Control<QSlider>(player, "VolSlider");
    const std::pair<int, int> cases[] = {{5, -1000}, {20, -4000}, {0, 0}};
    for (auto [value, centibels] : cases) {
        slider->setValue(value);
        EXPECT_EQ(g.playback.volumes.back(), centibels) << value;
    }
    slider->setValue(5);
    EXPECT_EQ(slider->toolTip().toStdString(), "Volume %75");
    // The volume is kept for the next file.
    TypeFile(player, QString::fromStdString(g.Mp3("next.mp3")));
    Click(player, "cmdPlay");
    EXPECT_EQ(g.playback.volumes.back(), -1000);
}

TEST(MusicPlayer, TheSplashShowsTheStrip) {
    MusicGame g;
    g.registry.ShowUnlessShowing<ui::Splash>()->Timer1Tick();
    frmPlayer* strip = g.registry.Find<frmPlayer>();
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(Control<QLabel>(strip, "Label1")->isVisible());
    EXPECT_FALSE(Control<QWidget>(strip, "PlayerPanel")->isVisible());
}

// ---- The main screen's music ----

struct MainScreenMusic : MusicGame {
    MainScreenMusic() {
        game.state.Cash = 2000;
        strip = registry.ShowUnlessShowing<frmPlayer>();
        screen = registry.ShowUnlessShowing<GameScreen>();
        soundTimer = screen->findChild<QTimer*>("SoundSystem");
        wait = screen->findChild<QTimer*>("MusicWait");
        // The five seconds are a timer like any other; tests need not sit them out.
        if (wait) wait->setInterval(1);
    }
    // One tick of the music timer, then the wait to its end if one began.
    void TickAndWait() {
        screen->SoundSystemTick();
        if (wait->isActive()) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !wait->isActive(); }));
        }
    }
    frmPlayer* strip;
    GameScreen* screen;
    QTimer* soundTimer;
    QTimer* wait;
};

TEST(MainScreenMusic, StartsAfterTheWaitThenEveryThirteenTicks) {
    MainScreenMusic g;
    ASSERT_NE(g.soundTimer, nullptr);
    ASSERT_NE(g.wait, nullptr);
    EXPECT_EQ(g.soundTimer->interval(), kMusicFirstIntervalMs);
    EXPECT_TRUE(g.soundTimer->isActive());

    g.screen->SoundSystemTick();
    EXPECT_TRUE(g.wait->isActive());
    g.screen->SoundSystemTick();  // a tick during the wait starts nothing more
    EXPECT_EQ(g.playback.runs, 0);
    // The wait holds nothing up: no pause with its own event loop.
    EXPECT_TRUE(g.pauses.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !g.wait->isActive(); }));

    const std::string file = (g.shell.dir.Path() / "RealEstate.mp3").string();
    ASSERT_EQ(g.playback.loads, std::vector<std::string>{file});
    EXPECT_EQ(g.playback.State(), Playback::kRunning);
    EXPECT_EQ(g.game.state.MusicState, 0);
    EXPECT_EQ(g.soundTimer->interval(), kMusicIntervalMs);
    EXPECT_FALSE(g.strip->isVisible());  // the first start hides the strip
    EXPECT_EQ(g.music.View().lblStatus, "Playing...");

    g.playback.Advance(60);
    for (int tick = 1; tick <= 12; ++tick) g.TickAndWait();
    EXPECT_EQ(g.playback.loads.size(), 1u);
    g.TickAndWait();  // the 13th: from the beginning again
    EXPECT_EQ(g.playback.loads.size(), 2u);
    EXPECT_DOUBLE_EQ(g.playback.Position(), 0);
    EXPECT_EQ(g.game.state.MusicState, 0);
    EXPECT_FALSE(g.registry.IsShowing<frmPlayer>());  // a restart never shows the strip
}

TEST(MainScreenMusic, MuteGameMusicPausesAndTheRestartResumes) {
    MainScreenMusic g;
    g.TickAndWait();
    auto* mute = Control<QCheckBox>(g.screen, "Check1");
    ASSERT_TRUE(mute->isEnabled());

    QTest::mouseClick(mute, Qt::LeftButton);
    EXPECT_EQ(g.playback.State(), Playback::kPaused);
    EXPECT_EQ(g.music.View().lblStatus, "Paused");
    QTest::mouseClick(mute, Qt::LeftButton);
    EXPECT_EQ(g.playback.State(), Playback::kRunning);

    // Muted at the next restart: the music resumes where it was, the box
    // stays ticked.
    QTest::mouseClick(mute, Qt::LeftButton);
    g.playback.Advance(0);
    for (int tick = 1; tick <= 13; ++tick) g.TickAndWait();
    EXPECT_EQ(g.playback.State(), Playback::kRunning);
    EXPECT_EQ(g.playback.loads.size(), 1u);
    EXPECT_TRUE(mute->isChecked());
}

TEST(MainScreenMusic, AMissingMusicFileIsTriedAgainQuietly) {
    MainScreenMusic g;
    const std::string file = (g.shell.dir.Path() / "RealEstate.mp3").string();
    g.playback.missing.insert(file);
    g.TickAndWait();
    EXPECT_EQ(g.music.View().lblStatus, "Cannot open " + file);
    for (int tick = 1; tick <= 13; ++tick) g.TickAndWait();
    EXPECT_EQ(g.playback.loads.size(), 2u);
    EXPECT_TRUE(g.shell.dialogs.shown.empty());
}

// ---- The real music output ----

TEST(SdlPlayback, MapsCentibelsToTheLibraryVolume) {
    const std::pair<int, int> cases[] = {{0, 128},   {-1000, 40}, {-2000, 13},
                                         {-4000, 1}, {-9999, 1},  {-10000, 0}};
    for (auto [centibels, volume] : cases) {
        EXPECT_EQ(audio::MixVolume(centibels), volume) << centibels;
    }
}

TEST(SdlPlayback, PlaysTheGameMusicThroughThePlayerWindow) {
    // A silent output with a working clock; made once, as in the game.
    qputenv("SDL_AUDIODRIVER", "dummy");
    audio::SdlPlayback playback;
    ASSERT_TRUE(playback.Opened()) << playback.OpenFailure();
    UiGame g;
    GameMusic music(playback);
    g.registry.music = &music;
    frmPlayer* player = g.registry.ShowUnlessShowing<frmPlayer>();

    const std::string missing = (g.shell.dir.Path() / "none.mp3").string();
    music.SetFileText(QString::fromStdString(missing));
    music.Play();
    EXPECT_NE(TextOf(player, "lblStatus"), "Playing...");
    EXPECT_NE(TextOf(player, "lblStatus"), "");

    music.SetFileText(
        QString::fromStdString(std::string(DEEDWELL_SOURCE_DATA) + "/RealEstate.mp3"));
    music.Play();
    EXPECT_EQ(TextOf(player, "lblStatus"), "Playing...");
    EXPECT_GT(playback.Length(), 30);
    EXPECT_EQ(playback.State(), Playback::kRunning);
    EXPECT_TRUE(QTest::qWaitFor([&] { return playback.Position() > 0; }, 5000));

    music.PausePlay();
    EXPECT_EQ(playback.State(), Playback::kPaused);
    EXPECT_EQ(TextOf(player, "lblStatus"), "Paused");
    const double pausedAt = playback.Position();
    music.Forward();
    EXPECT_NEAR(playback.Position(), pausedAt + 5, 0.1);

    music.Play();
    EXPECT_EQ(playback.State(), Playback::kRunning);
    music.StopPlay();
    EXPECT_EQ(playback.State(), Playback::kStopped);
    EXPECT_EQ(TextOf(player, "lblStatus"), "Stopped");

    player->close();
    g.Settle();
    g.registry.music = nullptr;
}

// ---- The hint window ----

struct HintGame : UiGame {
    std::string StoredOption() { return shell.records.ReadRecordValue("NoShow", "Options"); }
};

TEST(HintWindow, ShowsTheHintKeptOnTopWithAmpersandsSingled) {
    HintGame g;
    g.game.screens.ShowHint("View && Improve Your Home", "Cash && Properties");
    ShowHint* hint = g.registry.Find<ShowHint>();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->windowTitle().toStdString(), "Training Guide");
    EXPECT_TRUE(hint->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(TextOf(hint, "HintTitle"), "View & Improve Your Home");
    EXPECT_TRUE(Control<QLabel>(hint, "HintTitle")->font().bold());
    EXPECT_EQ(TextOf(hint, "HintMessage"), "Cash & Properties");
    EXPECT_EQ(Control<QCheckBox>(hint, "Check1")->text().toStdString(),
              "Do not show these hints in the future.");
    EXPECT_EQ(Control<QPushButton>(hint, "Command1")->text().toStdString(), "Exit / Close");

    // An open window takes the next hint; there is still one window.
    g.game.screens.ShowHint("Second", "Next text");
    EXPECT_EQ(g.registry.Find<ShowHint>(), hint);
    EXPECT_EQ(TextOf(hint, "HintTitle"), "Second");
    EXPECT_EQ(TextOf(hint, "HintMessage"), "Next text");

    Click(hint, "Command1");
    EXPECT_FALSE(g.registry.IsShowing<ShowHint>());
}

TEST(HintWindow, TheBoxStoresTheOptionAndStartsUncheckedAtEveryOpening) {
    HintGame g;
    g.game.screens.ShowHint("A", "a");
    ShowHint* hint = g.registry.Find<ShowHint>();
    auto* box = Control<QCheckBox>(hint, "Check1");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(g.StoredOption(), "1");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(g.StoredOption(), "0");
    QTest::mouseClick(box, Qt::LeftButton);
    Click(hint, "Command1");
    g.Settle();

    // Switched off: the next hint of the chain opens nothing.
    PresentHint(g.game, "B", "b");
    EXPECT_FALSE(g.registry.IsShowing<ShowHint>());

    SetHintsOff(g.game, false);
    PresentHint(g.game, "C", "c");
    ShowHint* again = g.registry.Find<ShowHint>();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(Control<QCheckBox>(again, "Check1")->isChecked());
}

TEST(HintWindow, TheWelcomeHintComesHalfASecondAfterTheMainScreen) {
    HintGame g;
    g.game.state.Cash = 2000;
    g.registry.ShowUnlessShowing<GameScreen>();
    EXPECT_FALSE(g.registry.IsShowing<ShowHint>());  // not at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.registry.IsShowing<ShowHint>(); }, 3000));
    ShowHint* hint = g.registry.Find<ShowHint>();
    EXPECT_EQ(TextOf(hint, "HintTitle"), "Welcome to the Deedwell!");
    EXPECT_EQ(TextOf(hint, "HintMessage"), std::string(HintOfStep(1).text));
    EXPECT_TRUE(g.game.state.HintWelcomeShown);
}

TEST(HintWindow, TheHomeWindowsTimerBringsItsHintAfterTheBankers) {
    HintGame g;
    g.game.state.Cash = 2000;
    g.game.state.HintBankerShown = true;
    g.registry.ShowUnlessShowing<ui::OurHome>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return g.registry.IsShowing<ShowHint>(); }, 3000));
    EXPECT_EQ(TextOf(g.registry.Find<ShowHint>(), "HintTitle"), "Moving into your own home!");
    EXPECT_EQ(g.game.state.MonthsInOwnHome, 0);
}

// ---- The goal windows ----

struct GoalGame : UiGame {
    GoalGame() {
        game.state.Cash = 99999;  // a net worth of $100,000
        game.state.NetWorthGoal = "100000";
        game.state.GoalYears = 5;
        game.state.YearsPlayed = 1;
        game.state.GoalSettled = "False";
    }
};

TEST(GoalWindows, TheWinningWindowTellsTheInflationLesson) {
    GoalGame g;
    GoalNotice(g.game);
    YESGOAL* won = g.registry.Find<YESGOAL>();
    ASSERT_NE(won, nullptr);
    EXPECT_FALSE(g.registry.IsShowing<NoGoal>());
    EXPECT_EQ(won->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_TRUE(won->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(TextOf(won, "NetStatus"),
              "You win!  But remember that inflation devalues your money over time.  Your "
              "current networth of $100,000 has the same buying power as $94,284 during the "
              "year 2026.  Just because you have increased your wealth does not mean you have "
              "greater purchasing power.\"");
    EXPECT_EQ(Control<QPushButton>(won, "Command1")->text().toStdString(),
              "Great Job! Continue Playing? ");
    EXPECT_EQ(Control<QPushButton>(won, "Command2")->text().toStdString(),
              "I'm Done Learning For Now!  Exit");
}

TEST(GoalWindows, BothShowWhenTheGoalIsReachedAsTheYearsRunOut) {
    GoalGame g;
    g.game.state.YearsPlayed = 5;
    GoalNotice(g.game);
    NoGoal* lost = g.registry.Find<NoGoal>();
    ASSERT_NE(lost, nullptr);
    EXPECT_TRUE(g.registry.IsShowing<YESGOAL>());
    EXPECT_EQ(lost->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_TRUE(lost->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Control<QPushButton>(lost, "Command1")->text().toStdString(),
              "Terrible News!  Continue Playing? ");
    EXPECT_EQ(Control<QPushButton>(lost, "Command2")->text().toStdString(),
              "I'm Done Learning For Now.  Exit");
}

TEST(GoalWindows, ContinueClosesAndExitEndsTheProgramWithoutAQuestion) {
    for (bool won : {true, false}) {
        SCOPED_TRACE(won ? "YESGOAL" : "NoGoal");
        GoalGame g;
        g.registry.ShowUnlessShowing<GameScreen>();
        g.game.screens.ShowGoalWindow(won, "text");
        auto find = [&]() -> QWidget* {
            return won ? static_cast<QWidget*>(g.registry.Find<YESGOAL>())
                       : static_cast<QWidget*>(g.registry.Find<NoGoal>());
        };
        Click(find(), "Command1");
        EXPECT_EQ(find(), nullptr);
        EXPECT_EQ(g.endRequests, 0);
        EXPECT_TRUE(g.registry.IsShowing<GameScreen>());
        g.Settle();

        g.game.screens.ShowGoalWindow(won, "text");
        Click(find(), "Command2");
        EXPECT_EQ(g.endRequests, 1);
        EXPECT_TRUE(g.shell.dialogs.shown.empty());  // no "Are you sure" on the way out
    }
}

}  // namespace
}  // namespace deedwell::testing
