#include "music/MusicPlayer.h"

#include <gtest/gtest.h>

#include <fstream>

#include "music/FakePlayback.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

using testing::FakePlayback;

class MusicPlayerTest : public ::testing::Test {
protected:
    FakePlayback out;
    MusicPlayer player{out};
    const PlayerView& view() const { return player.View(); }

    void PlayFile(const std::string& file = "song.mp3") {
        player.SetFileText(file);
        player.Play();
    }
};

TEST_F(MusicPlayerTest, FileNameEnablesTheButtonsOnlyForPlayableEndings) {
    EXPECT_FALSE(view().buttonsEnabled);
    EXPECT_EQ(view().chkLoop, LoopBox::Grey);

    player.SetFileText("/music/Tune.MID");
    EXPECT_TRUE(view().buttonsEnabled);
    EXPECT_EQ(view().chkLoop, LoopBox::Checked);

    // Another ending leaves the buttons and the box as they were.
    player.SetLoop(LoopBox::Unchecked);
    player.SetFileText("/music/notes.txt");
    EXPECT_TRUE(view().buttonsEnabled);
    EXPECT_EQ(view().chkLoop, LoopBox::Unchecked);
    EXPECT_EQ(view().txtFile, "/music/notes.txt");

    player.SetFileText("");
    EXPECT_FALSE(view().buttonsEnabled);
    EXPECT_EQ(view().chkLoop, LoopBox::Grey);
}

TEST_F(MusicPlayerTest, BrowseTakesAChosenFileAndIgnoresCancel) {
    player.SetFileText("old.wav");
    player.Browse("");
    EXPECT_EQ(view().txtFile, "old.wav");
    EXPECT_EQ(player.TakeFocus(), "");

    player.Browse("/home/p/new.mp3");
    EXPECT_EQ(view().txtFile, "/home/p/new.mp3");
    EXPECT_EQ(player.TakeFocus(), "cmdPlay");
    EXPECT_EQ(player.TakeFocus(), "") << "asking clears the request";
}

TEST_F(MusicPlayerTest, PlayStartsWithTheSliderVolumeAndLocksTheFileField) {
    player.SliderClicked(5);
    PlayFile();
    ASSERT_EQ(out.volumes, std::vector<int>{-1000});
    EXPECT_EQ(out.State(), Playback::kRunning);
    EXPECT_EQ(view().lblStatus, "Playing...");
    EXPECT_FALSE(view().fileEnabled);
    EXPECT_TRUE(player.PlayTimerOn());
    EXPECT_EQ(view().caption, "Launching Game Music..");
    EXPECT_EQ(player.TakeFocus(), "VolSlider");
}

TEST_F(MusicPlayerTest, PlayWhileRunningStartsAgainButResumesWhenPaused) {
    PlayFile();
    out.Advance(40);
    player.Play();
    EXPECT_EQ(out.loads.size(), 2u);
    EXPECT_EQ(out.Position(), 0);

    out.Advance(30);
    player.PausePlay();
    EXPECT_EQ(view().lblStatus, "Paused");
    player.Play();
    EXPECT_EQ(out.loads.size(), 2u) << "a paused file is resumed, not reloaded";
    EXPECT_EQ(out.Position(), 30);
    EXPECT_EQ(view().lblStatus, "Playing...");
}

TEST_F(MusicPlayerTest, StopClearsTheDisplays) {
    PlayFile();
    out.Advance(3);
    player.Tick();
    ASSERT_FALSE(view().lblTimer.empty());
    ASSERT_FALSE(view().txtInfo.empty());

    player.StopPlay();
    EXPECT_EQ(out.State(), Playback::kStopped);
    EXPECT_EQ(view().lblStatus, "Stopped");
    EXPECT_EQ(view().lblTimer, "");
    EXPECT_EQ(view().txtInfo, "");
    EXPECT_FALSE(view().progressVisible);
    EXPECT_EQ(view().icon, 0);
    EXPECT_EQ(view().caption, "Deedwell");
    EXPECT_TRUE(view().fileEnabled);
    EXPECT_FALSE(player.PlayTimerOn());
}

TEST_F(MusicPlayerTest, FileThatCannotPlayLeavesItsFailureInTheStatus) {
    out.missing.insert("gone.mp3");
    PlayFile("gone.mp3");
    EXPECT_EQ(view().lblStatus, "Cannot open gone.mp3");
    EXPECT_TRUE(view().fileEnabled);
    EXPECT_FALSE(player.PlayTimerOn());
    EXPECT_FALSE(player.Playing());

    out.missing.clear();
    player.Play();
    EXPECT_EQ(view().lblStatus, "Playing...");
    EXPECT_EQ(out.loads.size(), 2u);
}

TEST_F(MusicPlayerTest, ControlsWithoutAFileDoNothing) {
    player.Forward();
    player.Rewind();
    player.PausePlay();
    player.StopPlay();
    player.SliderChanged(10);
    EXPECT_TRUE(out.seeks.empty());
    EXPECT_TRUE(out.volumes.empty());
    EXPECT_EQ(out.runs, 0);
    EXPECT_EQ(view().lblStatus, "");
    EXPECT_EQ(view().sliderText, "Volume %50");
}

TEST_F(MusicPlayerTest, ForwardAndRewindStopAtTheEnds) {
    out.length = 100;
    PlayFile();
    const struct {
        double from;
        bool forward;
        double to;
    } cases[] = {{50, true, 55}, {97, true, 100}, {100, true, 100},
                 {50, false, 45}, {3, false, 0},  {0, false, 0}};
    for (const auto& c : cases) {
        out.SetPosition(c.from);
        c.forward ? player.Forward() : player.Rewind();
        EXPECT_EQ(out.Position(), c.to) << c.from << (c.forward ? " forward" : " rewind");
    }
}

TEST_F(MusicPlayerTest, SliderMapsToHundredthsOfADecibel) {
    PlayFile();
    const struct {
        int value;
        int volume;
        const char* text;
    } cases[] = {{0, 0, "Volume %100"}, {5, -1000, "Volume %75"}, {20, -4000, "Volume %0"}};
    for (const auto& c : cases) {
        player.SliderChanged(c.value);
        EXPECT_EQ(out.volumes.back(), c.volume) << c.value;
        EXPECT_EQ(view().sliderText, c.text);
    }
    const auto sent = out.volumes.size();
    player.SliderClicked(10);
    EXPECT_EQ(view().sliderText, "Volume %50");
    EXPECT_EQ(out.volumes.size(), sent) << "a click only shows the text";
}

TEST(ToTimeValues, HoursOnlyWhenThereAreAny) {
    const struct {
        long long seconds;
        const char* text;
    } cases[] = {{0, "00:00"},       {9, "00:09"},       {75, "01:15"},
                 {3599, "59:59"},    {3600, "01:00:00"}, {3725, "01:02:05"},
                 {36000, "10:00:00"}};
    for (const auto& c : cases) EXPECT_EQ(ToTimeValues(c.seconds), c.text) << c.seconds;
}

TEST_F(MusicPlayerTest, TickShowsRoundedTimeProgressAndAlternatingIcons) {
    out.length = 300;
    PlayFile();
    std::vector<int> icons;
    out.Advance(74.49);
    player.Tick();
    EXPECT_EQ(view().lblTimer, "01:14");
    icons.push_back(view().icon);
    out.Advance(0.01);  // 74.5 rounds half away from zero
    player.Tick();
    EXPECT_EQ(view().lblTimer, "01:15");
    EXPECT_TRUE(view().progressVisible);
    EXPECT_DOUBLE_EQ(view().progress, 75.0 / 300);
    icons.push_back(view().icon);
    player.Tick();
    icons.push_back(view().icon);
    EXPECT_EQ(icons, (std::vector<int>{0, 1, 0}));
}

TEST_F(MusicPlayerTest, ProgressBarOnlyForMp3) {
    PlayFile("tune.wav");
    out.Advance(10);
    player.Tick();
    EXPECT_EQ(view().lblTimer, "00:10");
    EXPECT_FALSE(view().progressVisible);
    EXPECT_EQ(view().txtInfo, "") << "only MP3 files have a tag line";
}

TEST_F(MusicPlayerTest, TickAfterTheTimerStoppedDoesNothing) {
    PlayFile();
    player.StopPlay();
    player.Tick();
    EXPECT_EQ(out.loads.size(), 1u) << "Stop must not turn into a loop restart";
    EXPECT_EQ(view().lblStatus, "Stopped");
}

// The end of the file, whether the output keeps running at the end or stops
// and forgets its position.
class MusicPlayerEndTest : public MusicPlayerTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MusicPlayerEndTest, EndOfFileLoopsOnlyWhenTheBoxIsChecked) {
    out.forgetsAtEnd = GetParam();
    out.length = 60;
    PlayFile();
    out.Advance(60);
    player.Tick();
    EXPECT_EQ(out.loads.size(), 2u);
    EXPECT_EQ(out.State(), Playback::kRunning);
    EXPECT_EQ(out.Position(), 0);
    EXPECT_TRUE(player.PlayTimerOn());

    player.SetLoop(LoopBox::Unchecked);
    out.Advance(60);
    player.Tick();
    EXPECT_EQ(out.loads.size(), 2u);
    EXPECT_EQ(view().lblStatus, "Stopped");
    EXPECT_FALSE(player.Playing());
    EXPECT_FALSE(player.PlayTimerOn());

    // Grey counts as unchecked.
    PlayFile("tune.mp3");
    player.SetLoop(LoopBox::Grey);
    out.Advance(60);
    player.Tick();
    EXPECT_EQ(view().lblStatus, "Stopped");
}

INSTANTIATE_TEST_SUITE_P(Outputs, MusicPlayerEndTest, ::testing::Bool());

TEST_F(MusicPlayerTest, PausingMusicThatHasEndedStartsIt) {
    out.length = 30;
    PlayFile();
    player.SetLoop(LoopBox::Unchecked);
    out.Advance(30);
    player.Tick();
    ASSERT_EQ(view().lblStatus, "Stopped");

    player.PausePlay();
    EXPECT_EQ(out.State(), Playback::kRunning);
    EXPECT_EQ(view().lblStatus, "Playing...");
}

TEST_F(MusicPlayerTest, UnloadStopsAndLetsGo) {
    PlayFile();
    player.Unload();
    EXPECT_EQ(out.State(), Playback::kStopped);
    EXPECT_EQ(out.releases, 1);
    player.Forward();
    EXPECT_TRUE(out.seeks.empty()) << "no file after unloading";
}

// --- The ID3v1 tag -------------------------------------------------------

std::string Field(const std::string& text, char pad = '\0') {
    std::string field = text.substr(0, 30);
    field.resize(30, pad);
    return field;
}

std::string Tag(const std::string& head, const std::string& title, const std::string& artist) {
    std::string tag = head + title + artist;
    tag.resize(128, '\0');
    return tag;
}

TEST(ReadId3v1, ReadsTitleAndArtist) {
    const std::string t30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
    const struct {
        const char* name;
        std::string bytes;
        std::string line;
    } cases[] = {
        {"NUL padded", Tag("TAG", Field("Song"), Field("Band")), "Song by Band"},
        {"space padded", Tag("TAG", Field("  Song", ' '), Field("Band", ' ')), "Song by Band"},
        {"lower-case marker", Tag("tag", Field("Song"), Field("Band")), "Song by Band"},
        {"mixed-case marker", Tag("TaG", Field("Song"), Field("Band")), "Song by Band"},
        // Blanks are trimmed before the NULs go, so blanks before NULs stay.
        {"blanks then NULs", Tag("TAG", Field("Song  "), Field("Band")), "Song   by Band"},
        {"empty fields", Tag("TAG", Field(""), Field("")), " by "},
        {"no marker", Tag("ID3", Field("Song"), Field("Band")), "Unknown by Unknown"},
        {"too short", std::string("TAG") + "Song", "Unknown by Unknown"},
        {"nothing", "", "Unknown by Unknown"},
        {"tag after audio", std::string(500, 'x') + Tag("TAG", Field("Song"), Field("Band")),
         "Song by Band"},
        {"Latin-1 to UTF-8", Tag("TAG", Field("Caf\xE9"), Field("Band")), "Caf\xC3\xA9 by Band"},
        // 20 + 4 + 21 = 45 characters are kept; 46 are cut to 42 and "...".
        {"45 characters", Tag("TAG", Field(t30.substr(0, 20)), Field(t30.substr(0, 21))),
         t30.substr(0, 20) + " by " + t30.substr(0, 21)},
        {"46 characters", Tag("TAG", Field(t30.substr(0, 20)), Field(t30.substr(0, 22))),
         t30.substr(0, 20) + " by " + t30.substr(0, 18) + "..."},
        {"cut counts characters", Tag("TAG", Field(std::string(30, '\xE9')), Field("Band")),
         [] {
             std::string s;
             for (int i = 0; i < 30; ++i) s += "\xC3\xA9";
             return s + " by Band";  // 38 characters: no cut
         }()},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadId3v1(c.bytes), c.line) << c.name;
}

TEST(ReadId3v1, AnyBytesGiveALineOfAtMost45Characters) {
    // Not a fuzzer, but every byte value in every field position.
    for (int b = 0; b < 256; ++b) {
        const std::string bytes = "TAG" + std::string(125, static_cast<char>(b));
        const std::string line = ReadId3v1(bytes);
        std::size_t characters = 0;
        for (unsigned char c : line) characters += (c & 0xC0) != 0x80 ? 1 : 0;
        EXPECT_LE(characters, 45u) << b;
        EXPECT_EQ(line.find('\0'), std::string::npos) << b;
    }
}

TEST_F(MusicPlayerTest, PlayingAnMp3ShowsItsTagLine) {
    testing::TempDir dir;
    const auto path = (dir.Path() / "tune.mp3").string();
    {
        std::ofstream file(path, std::ios::binary);
        file << std::string(1000, 'a') << Tag("TAG", Field("Song"), Field("Band"));
    }
    PlayFile(path);
    EXPECT_EQ(view().txtInfo, "Song by Band");

    PlayFile((dir.Path() / "missing.mp3").string());
    EXPECT_EQ(view().txtInfo, "Unknown by Unknown") << "an unreadable file has no tag";
}

}  // namespace
}  // namespace deedwell
