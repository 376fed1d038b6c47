// Start-up: splash, loading window, add-on chooser, and what closing each of
// them early does.

#include <QCloseEvent>
#include <QListWidget>
#include <QTimer>

#include "UiFixture.h"
#include "ui/Addons.h"
#include "ui/GameGen.h"
#include "ui/GameScreen.h"
#include "ui/NewGame.h"
#include "ui/Splash.h"

namespace deedwell::testing {
namespace {

using ui::Addons;
using ui::GameGen;
using ui::GameScreen;
using ui::NewGame;
using ui::Splash;

TEST(LoadingLoop, PausesOnlyAfterFiftyFiftyFiveAndSoOnToEighty) {
    std::vector<int> pausedAfter;
    for (int i = 0; i <= 80; ++i) {
        if (ui::PausesAfterListing(i)) pausedAfter.push_back(i);
    }
    EXPECT_EQ(pausedAfter, (std::vector<int>{50, 55, 60, 65, 70, 75, 80}));
}

TEST(StartUp, SplashHandsOverToTheLoadingWindow) {
    UiGame g;
    Splash* splash = g.registry.ShowUnlessShowing<Splash>();
    EXPECT_EQ(TextOf(splash, "Label1"), "Version 1.31");
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);

    splash->Timer1Tick();
    EXPECT_FALSE(g.registry.IsShowing<Splash>());
    GameGen* loading = g.registry.Find<GameGen>();
    ASSERT_NE(loading, nullptr);
    EXPECT_EQ(loading->windowTitle().toStdString(), "Loading...");
    EXPECT_EQ(TextOf(loading, "Status"), "Loading..");
}

TEST(StartUp, LoadingShowsItsProgressAtEachPauseThenOpensTheNewGameOnce) {
    UiGame g;
    GameGen* loading = g.registry.ShowUnlessShowing<GameGen>();
    std::vector<std::string> seenAtPauses;
    g.registry.pause = [&](double seconds) {
        g.pauses.push_back(seconds);
        seenAtPauses.push_back(TextOf(loading, "Status"));
    };

    loading->Timer1Tick();

    // The window repaints only while it pauses, so these are what the player sees.
    EXPECT_EQ(seenAtPauses,
              (std::vector<std::string>{
                  "Building virtual real estate 49 ...", "Building virtual real estate 54 ...",
                  "Building virtual real estate 59 ...", "Building virtual real estate 64 ...",
                  "Building virtual real estate 69 ...", "Building virtual real estate 74 ...",
                  "Building virtual real estate 79 ...", "Launching trainer.."}));
    EXPECT_EQ(g.pauses, std::vector<double>(8, 0.1));
    EXPECT_EQ(g.game.state.MarketBuilt, "TRUE");
    EXPECT_TRUE(g.registry.IsShowing<NewGame>());
    EXPECT_FALSE(g.registry.IsShowing<GameGen>());
    // Every listing number drew a house: 81 houses' worth of draws were asked.
    EXPECT_GT(g.shell.random.asked.size(), 81u);
}

TEST(StartUp, LoadingWindowCannotBeClosedWhileItGenerates) {
    UiGame g;
    GameGen* loading = g.registry.ShowUnlessShowing<GameGen>();
    bool stillShowingAfterClose = false;
    g.registry.pause = [&](double) {
        if (g.pauses.empty()) {
            loading->close();
            stillShowingAfterClose = loading->isVisible();
        }
        g.pauses.push_back(0.1);
    };

    loading->Timer1Tick();

    EXPECT_TRUE(stillShowingAfterClose);
    EXPECT_EQ(g.pauses.size(), 8u);  // the generation ran to its end
    EXPECT_TRUE(g.registry.IsShowing<NewGame>());
    EXPECT_EQ(g.endRequests, 0);
}

TEST(StartUp, ALoadingWindowOfASecondRunDoesNotShowTheNewGameAgain) {
    UiGame g;
    g.game.state.MarketBuilt = "TRUE";
    g.registry.ShowUnlessShowing<GameGen>()->Timer1Tick();
    EXPECT_FALSE(g.registry.IsShowing<NewGame>());
}

TEST(StartUp, TheQuietSecondGenerationRunsOncePerRun) {
    UiGame g;
    g.game.state.MarketBuilt = "TRUE";
    g.registry.ScheduleSecondGeneration();
    g.registry.ScheduleSecondGeneration();
    EXPECT_EQ(g.registry.SecondGenerationsRun(), 0);  // half a second later, not at once

    const auto drawsBefore = g.shell.random.asked.size();
    QTRY_COMPARE(g.registry.SecondGenerationsRun(), 1);
    EXPECT_GT(g.shell.random.asked.size(), drawsBefore + 81);
    g.registry.ScheduleSecondGeneration();
    QTest::qWait(700);
    EXPECT_EQ(g.registry.SecondGenerationsRun(), 1);
    EXPECT_FALSE(g.registry.IsShowing<NewGame>());
    EXPECT_TRUE(g.pauses.empty());
}

TEST(AddOnChooser, ShowsTheStandardGameAndTwoInertAddOns) {
    UiGame g;
    Addons* addons = g.registry.ShowUnlessShowing<Addons>();
    EXPECT_EQ(addons->windowTitle().toStdString(), "Choose Installed Add-Ons");
    EXPECT_EQ(TextOf(addons, "Label1"), "Play Standard Game");
    EXPECT_EQ(TextOf(addons, "Label2"),
              "This option will play the standard version of Tarnwick without add-on concepts "
              "or non-historical market trends.");
    for (const char* name : {"Label3", "Label4", "Label5", "Label6"}) {
        EXPECT_FALSE(TextOf(addons, name).empty()) << name;
    }
    // Clicking the panels does nothing.
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
        QTest::mouseClick(Control<QWidget>(addons, name), Qt::LeftButton);
    }
    EXPECT_TRUE(g.registry.IsShowing<Addons>());
    EXPECT_FALSE(g.registry.IsShowing<GameScreen>());

    QTest::mouseClick(Control<QWidget>(addons, "Label7"), Qt::LeftButton);
    EXPECT_TRUE(g.registry.IsShowing<GameScreen>());
    EXPECT_FALSE(g.registry.IsShowing<Addons>());
    EXPECT_EQ(g.endRequests, 0);
}

TEST(EarlyClose, ClosingTheNewGameOrTheChooserBeforeTheMainScreenEndsTheProgram) {
    {
        UiGame g;
        g.registry.ShowUnlessShowing<NewGame>()->close();
        EXPECT_EQ(g.endRequests, 1);
    }
    {
        UiGame g;
        g.registry.ShowUnlessShowing<Addons>()->close();
        EXPECT_EQ(g.endRequests, 1);
    }
}

TEST(EarlyClose, TheMainScreenAsksBeforeEndingTheProgram) {
    UiGame g;
    GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();

    g.shell.dialogs.answers = {false};
    screen->close();
    EXPECT_TRUE(g.registry.IsShowing<GameScreen>());
    EXPECT_EQ(g.endRequests, 0);
    ASSERT_EQ(g.shell.dialogs.shown.size(), 1u);
    EXPECT_EQ(g.shell.dialogs.shown[0].kind, "question");
    EXPECT_EQ(g.shell.dialogs.shown[0].title, "Tarnwick Game");
    EXPECT_EQ(g.shell.dialogs.shown[0].text, "Are you sure you want to exit?");

    g.shell.dialogs.answers = {true};
    screen->close();
    EXPECT_EQ(g.endRequests, 1);
}

}  // namespace
}  // namespace deedwell::testing
