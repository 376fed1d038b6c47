#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "simulation/Goals.h"
#include "simulation/MonthAdvance.h"
#include "simulation/MonthFixture.h"

namespace deedwell {
namespace {

using testing::StartRentingLife;
using testing::TestGame;
using Strings = std::vector<std::string>;

class GoalsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.clock.year = 2026;
        StartRentingLife(t.game, 2026);
        s.NetWorthGoal = "1000000";
        s.GoalYears = 25;
    }

    // Which goal windows were asked for, in order: "won" or "lost".
    Strings Windows() const {
        Strings shown;
        for (const auto& w : t.screens.goalWindows) shown.push_back(w.won ? "won" : "lost");
        return shown;
    }

    void Press(int times) {
        for (int i = 0; i < times; ++i) ASSERT_TRUE(NextMonth(t.game));
    }

    TestGame t;
    GameState& s = t.game.state;
};

TEST_F(GoalsTest, GoalTestShowsTheWindowsThatHold) {
    struct Case {
        double yearsPlayed, goalYears, cash;  // no homes: net worth is 1 + cash
        std::string goal, settled;
        Strings windows;
    };
    const std::vector<Case> cases = {
        {1, 25, 249998.6, "250000", "False", {"won"}},  // $250,000 as shown: reached
        {1, 25, 249999, "250000", "False", {"won"}},    // exactly the goal
        {1, 25, 249997.4, "250000", "False", {}},
        {5, 5, 0, "1000000", "False", {"lost"}},
        {5, 5, 999999, "1000000", "False", {"lost", "won"}},  // losing first
        {5, 5, 999999, "1000000", "True", {}},                // settled before: no more tests
        {1, 25, 999999, "", "False", {}},  // a goal that is not a number wins nothing
        {1, 25, 999999, "abc", "False", {}},
    };
    for (const Case& c : cases) {
        t.screens.goalWindows.clear();
        s.YearsPlayed = c.yearsPlayed;
        s.GoalYears = c.goalYears;
        s.Cash = c.cash;
        s.NetWorthGoal = c.goal;
        s.GoalSettled = c.settled;
        GoalNotice(t.game);
        EXPECT_EQ(Windows(), c.windows) << c.cash << " / " << c.goal;
        EXPECT_EQ(s.GoalSettled, c.windows.empty() ? c.settled : "True");
        for (const auto& w : t.screens.goalWindows) {
            EXPECT_EQ(w.text, w.won ? WinningText(t.game) : "");
        }
    }
}

TEST_F(GoalsTest, AfterTheFirstGoalWindowNothingMoreIsTested) {
    s.Cash = 999999;
    GoalNotice(t.game);
    EXPECT_EQ(Windows(), Strings{"won"});
    // The player plays on; the years run out later, and the goal still holds.
    s.YearsPlayed = 25;
    GoalNotice(t.game);
    s.Cash = 0;
    GoalNotice(t.game);
    EXPECT_EQ(Windows(), Strings{"won"});
}

TEST_F(GoalsTest, WinningTextNamesTheNetWorthAndItsBuyingPower) {
    s.Cash = 99999;  // net worth $100,000
    s.YearsPlayed = 1;
    EXPECT_NEAR(CalcInflationWorth(t.game, 1), 94284.1, 1e-6);
    EXPECT_NEAR(CalcInflationWorth(t.game, 0), 97100, 1e-6);
    EXPECT_EQ(WinningText(t.game),
              "You win!  But remember that inflation devalues your money over time.  Your current "
              "networth of $100,000 has the same buying power as $94,284 during the year 2026.  "
              "Just because you have increased your wealth does not mean you have greater "
              "purchasing power.\"");

    // The clock's year, not the game's; the deflation runs over YearsPlayed.
    t.clock.year = 2031;
    s.CurrentYear = 2029;
    s.Cash = 312449;
    s.YearsPlayed = 3;
    EXPECT_EQ(WinningText(t.game),
              "You win!  But remember that inflation devalues your money over time.  Your current "
              "networth of $312,450 has the same buying power as $277,752 during the year 2031.  "
              "Just because you have increased your wealth does not mean you have greater "
              "purchasing power.\"");
}

TEST_F(GoalsTest, ChartsShowTheShareOfTheGoalAndTheYearsUsed) {
    s.Cash = 93749;  // net worth 93,750
    s.NetWorthGoal = "250000";
    s.YearsPlayed = 3;
    RefreshGoals(t.game);
    EXPECT_EQ(t.game.screen.GoalChart, (std::array<double, 2>{37.5, 100}));
    EXPECT_EQ(t.game.screen.PlanChart, (std::array<double, 2>{2, 25}));
    EXPECT_EQ(t.screens.Count("RefreshGoalCharts"), 1);

    s.Cash = 499999;  // beyond the goal: above 100
    RefreshGoals(t.game);
    EXPECT_EQ(t.game.screen.GoalChart[0], 200);
    EXPECT_FALSE(s.YearRolled);

    s.YearRolled = true;  // from the first new year on, the charts stay
    s.Cash = 0;
    RefreshGoals(t.game);
    EXPECT_EQ(t.game.screen.GoalChart[0], 200);
    EXPECT_EQ(t.screens.Count("RefreshGoalCharts"), 2);
}

TEST_F(GoalsTest, GoalThatCannotBeDividedByFreezesTheCharts) {
    for (const char* goal : {"", "0", "0.4", "abc"}) {
        s.YearRolled = false;
        s.NetWorthGoal = goal;
        t.game.screen.GoalChart = {12.5, 100};
        t.game.screen.PlanChart = {0, 25};
        t.screens.requests.clear();
        RefreshGoals(t.game);
        EXPECT_TRUE(s.YearRolled) << goal;
        EXPECT_EQ(t.game.screen.GoalChart, (std::array<double, 2>{12.5, 100})) << goal;
        EXPECT_EQ(t.game.screen.PlanChart, (std::array<double, 2>{0, 25})) << goal;
        EXPECT_EQ(t.screens.Count("RefreshGoalCharts"), 0);
    }
}

TEST_F(GoalsTest, FiveYearPlanEndsAtThe48thMonth) {
    s.GoalYears = 5;
    Press(11);
    const auto goalChart = t.game.screen.GoalChart;
    EXPECT_EQ(t.game.screen.PlanChart, (std::array<double, 2>{0, 5}));
    Press(36);
    EXPECT_TRUE(t.screens.goalWindows.empty());
    EXPECT_EQ(s.YearsPlayed, 4);

    Press(1);  // the 48th month starts the fifth year
    EXPECT_EQ(Windows(), Strings{"lost"});
    EXPECT_EQ(s.GoalSettled, "True");
    // The charts stopped at the first new year and never moved again.
    EXPECT_TRUE(s.YearRolled);
    EXPECT_EQ(t.game.screen.GoalChart, goalChart);
    EXPECT_EQ(t.game.screen.PlanChart, (std::array<double, 2>{0, 5}));

    Press(13);
    EXPECT_EQ(Windows(), Strings{"lost"});
}

TEST_F(GoalsTest, OneYearPlanReachedInTheFirstMonthShowsBothWindows) {
    s.GoalYears = 1;
    s.NetWorthGoal = "2000";
    s.Cash = 5000;
    Press(1);
    EXPECT_EQ(Windows(), (Strings{"lost", "won"}));
}

TEST_F(GoalsTest, HomelessPressStillRefreshesTheCharts) {
    s.HasHome = "NO";
    Press(1);
    EXPECT_DOUBLE_EQ(t.game.screen.GoalChart[0], 0.2001);
    EXPECT_EQ(t.game.screen.PlanChart, (std::array<double, 2>{0, 25}));
    EXPECT_EQ(t.screens.requests, (Strings{"ShowHomeWindow", "RefreshGoalCharts"}));
    EXPECT_TRUE(t.screens.goalWindows.empty());
}

}  // namespace
}  // namespace deedwell
