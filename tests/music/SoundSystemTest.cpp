#include "music/SoundSystem.h"

#include <gtest/gtest.h>

#include "music/FakePlayback.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

class SoundSystemTest : public ::testing::Test {
protected:
    testing::TestGame t;
    testing::FakePlayback out;
    MusicPlayer player{out};
    SoundSystem timer{t.game, player};

    std::string MusicPath() const { return (t.dir.Path() / "RealEstate.mp3").string(); }

    // Runs `count` ticks; returns how many asked for the wait.
    int Ticks(int count) {
        int due = 0;
        for (int i = 0; i < count; ++i) due += timer.Tick() ? 1 : 0;
        return due;
    }
};

TEST_F(SoundSystemTest, StartsOnceAfterTheFirstTickThenEveryThirteenth) {
    EXPECT_EQ(timer.IntervalMs(), 100);
    ASSERT_TRUE(timer.Tick());
    // The timer still ticks every 100 ms during the wait; none may count.
    EXPECT_EQ(Ticks(60), 0);
    EXPECT_FALSE(t.game.state.MusicState.has_value());
    EXPECT_TRUE(out.loads.empty()) << "nothing plays before the wait ends";

    timer.AfterWait();
    EXPECT_EQ(timer.IntervalMs(), 30000);
    EXPECT_EQ(t.game.state.MusicState, 0);
    ASSERT_EQ(out.loads, std::vector<std::string>{MusicPath()});
    EXPECT_EQ(player.View().lblStatus, "Playing...");

    EXPECT_EQ(Ticks(12), 0);
    EXPECT_EQ(t.game.state.MusicState, 12);
    EXPECT_TRUE(timer.Tick());
    EXPECT_EQ(t.game.state.MusicState, 13);
    EXPECT_FALSE(timer.Tick()) << "no second start while waiting";
    timer.AfterWait();
    EXPECT_EQ(t.game.state.MusicState, 0);
    EXPECT_EQ(out.loads.size(), 2u);
}

TEST_F(SoundSystemTest, RestartPlaysFromTheStartButResumesMutedMusic) {
    timer.Tick();
    timer.AfterWait();
    out.Advance(100);
    Ticks(13);
    timer.AfterWait();
    EXPECT_EQ(out.Position(), 0) << "playing music starts again";

    out.Advance(50);
    MuteGameMusic(player, true);
    ASSERT_EQ(player.View().lblStatus, "Paused");
    Ticks(13);
    timer.AfterWait();
    // The box stays ticked, yet the music plays on from where it was.
    EXPECT_EQ(out.State(), Playback::kRunning);
    EXPECT_EQ(out.Position(), 50);
    EXPECT_EQ(out.loads.size(), 2u);
}

TEST_F(SoundSystemTest, MuteAndUnmute) {
    timer.Tick();
    timer.AfterWait();
    out.Advance(20);
    MuteGameMusic(player, true);
    EXPECT_EQ(out.State(), Playback::kPaused);
    MuteGameMusic(player, false);
    EXPECT_EQ(out.State(), Playback::kRunning);
    EXPECT_EQ(out.Position(), 20);
    EXPECT_EQ(player.View().lblStatus, "Playing...");
}

TEST_F(SoundSystemTest, MissingMusicIsQuietAndTriedAgainAtEachRestart) {
    out.missing.insert(MusicPath());
    timer.Tick();
    timer.AfterWait();
    EXPECT_EQ(player.View().lblStatus, "Cannot open " + MusicPath());
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.game.state.MusicState, 0);

    Ticks(13);
    timer.AfterWait();
    EXPECT_EQ(out.loads.size(), 2u);
}

}  // namespace
}  // namespace deedwell
