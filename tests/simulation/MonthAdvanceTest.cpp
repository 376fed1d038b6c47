#include <gtest/gtest.h>

#include <filesystem>

#include "simulation/MonthAdvance.h"
#include "simulation/MonthFixture.h"
#include "simulation/Wealth.h"

namespace deedwell {
namespace {

using testing::AddLoanHome;
using testing::StartRentingLife;
using testing::TestGame;

class MonthAdvanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.clock.year = 2026;
        StartRentingLife(t.game, 2026);
    }

    void Press(int times) {
        for (int i = 0; i < times; ++i) ASSERT_TRUE(NextMonth(t.game));
    }

    TestGame t;
    GameState& s = t.game.state;
};

TEST_F(MonthAdvanceTest, FirstPressIsFebruaryAndRunsTheWholeMonth) {
    Press(1);
    EXPECT_EQ(s.CurrentMonth, 2);
    EXPECT_EQ(DisplayMonth(t.game), "February 2026");
    EXPECT_EQ(CashOf(s), 2500);
    EXPECT_EQ(s.CashAtMonthStart, 2000);
    EXPECT_EQ(t.game.screen.CF, "$500");
    EXPECT_EQ(t.screens.Count("DisplayMonth"), 1);
    EXPECT_EQ(t.screens.Count("RefreshAll"), 1);
    EXPECT_EQ(t.screens.Count("ScheduleSecondGeneration"), 1);
    EXPECT_FALSE(t.random.asked.empty());  // the market turned over
    EXPECT_FALSE(s.YearRolled);
}

TEST_F(MonthAdvanceTest, TwelfthPressStartsTheNextYear) {
    // The player's own unit: no tenant can raise a repair request before the new year.
    AddLoanHome(t.game, 100000, 8, 733.76, {UnitState::Living}).value = 150000;
    Press(11);
    EXPECT_EQ(DisplayMonth(t.game), "December 2026");
    EXPECT_TRUE(t.game.alerts.empty());
    EXPECT_EQ(t.game.screen.YearChart.size(), 1u);

    Press(1);
    EXPECT_EQ(DisplayMonth(t.game), "January 2027");
    EXPECT_EQ(s.YearsPlayed, 2);
    EXPECT_EQ(s.PlayerAge, "31");
    EXPECT_TRUE(s.YearRolled);
    EXPECT_FALSE(t.game.alerts.empty());  // the year's tax bill
    EXPECT_EQ(s.AppreciationYears, 1);    // homes appreciated
    EXPECT_GT(t.game.ledger.Row(0).value, 150000);
    ASSERT_EQ(t.game.screen.YearChart.size(), 2u);
    EXPECT_EQ(t.game.screen.YearChart[0].label, "NONE");
    EXPECT_EQ(t.game.screen.YearChart[0].value, 5);
    // YearsPlayed 2 + the clock's year: a game begun in 2026 first charts 2028.
    EXPECT_EQ(t.game.screen.YearChart[1].label, "2028");
}

TEST_F(MonthAdvanceTest, YearChartPointIsTheNetWorthBeforeTheAppreciation) {
    AddLoanHome(t.game, 100000, 8, 733.76).value = 150000;
    s.CurrentMonth = 12;
    s.Cash = 1000;
    s.CashAtMonthStart = 1000;
    AddMonth(t.game);
    // The chart is drawn before the homes appreciate and before the month's cash.
    EXPECT_EQ(t.game.screen.YearChart.back().value, 1 + 1000 + 50000);
}

TEST_F(MonthAdvanceTest, AgeThatIsNotANumberSkipsTheAppreciation) {
    s.PlayerAge = "abc";
    s.CurrentMonth = 12;
    Press(1);
    EXPECT_EQ(DisplayMonth(t.game), "January 2027");
    EXPECT_EQ(s.YearsPlayed, 2);
    EXPECT_TRUE(s.YearRolled);
    EXPECT_EQ(t.game.screen.YearChart.size(), 2u);
    EXPECT_EQ(s.PlayerAge, "abc");
    EXPECT_FALSE(s.AppreciationYears.has_value());
    EXPECT_EQ(CashOf(s), 2500);  // the rest of the month still runs
}

TEST_F(MonthAdvanceTest, HomelessPressOnlyNotesTheCash) {
    s.HasHome = "NO";
    s.Cash = 1234.5;
    s.CashAtMonthStart = 0;
    EXPECT_TRUE(NextMonth(t.game));
    EXPECT_EQ(s.CashAtMonthStart, 1234.5);
    EXPECT_EQ(CashOf(s), 1234.5);
    EXPECT_EQ(s.CurrentMonth, 1);
    EXPECT_EQ(t.dialogs.Texts(),
              std::vector<std::string>{"You are homeless.  Please find yourself a home first."});
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    // Only the goal charts are refreshed.
    EXPECT_EQ(t.screens.requests,
              (std::vector<std::string>{"ShowHomeWindow", "RefreshGoalCharts"}));
    EXPECT_TRUE(t.random.asked.empty());
    EXPECT_TRUE(t.game.screen.CF.empty());
}

TEST_F(MonthAdvanceTest, FiveNewYearsFillTheChartAndDropNone) {
    auto& chart = t.game.screen.YearChart;
    for (int year = 1; year <= 4; ++year) {
        s.YearsPlayed = 1 + year;
        s.Cash = 1000 * year;
        ASSERT_TRUE(UpdateYearChart(t.game));
    }
    ASSERT_EQ(chart.size(), 5u);
    EXPECT_EQ(chart[0].label, "NONE");
    EXPECT_EQ(chart[4].label, "2031");
    EXPECT_EQ(chart[4].value, 4001);

    s.YearsPlayed = 6;
    s.Cash = 5000;
    ASSERT_TRUE(UpdateYearChart(t.game));
    ASSERT_EQ(chart.size(), 5u);
    const char* labels[] = {"2028", "2029", "2030", "2031", "2032"};
    const double values[] = {1001, 2001, 3001, 4001, 5001};
    for (std::size_t r = 0; r < 5; ++r) {
        EXPECT_EQ(chart[r].label, labels[r]) << r;
        EXPECT_EQ(chart[r].value, values[r]) << r;
    }
}

TEST_F(MonthAdvanceTest, FullChartIsRelabelledFromItsLastLabel) {
    auto& chart = t.game.screen.YearChart;
    chart = {{"2030", 1}, {"2031", 2}, {"2032", 3}, {"2033", 4}, {"2034", 5}};
    s.YearsPlayed = 12;
    s.Cash = 99;
    t.clock.year = 2030;
    ASSERT_TRUE(UpdateYearChart(t.game));
    std::vector<std::string> labels;
    std::vector<double> values;
    for (const auto& row : chart) {
        labels.push_back(row.label);
        values.push_back(row.value);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"2031", "2032", "2033", "2034", "2042"}));
    EXPECT_EQ(values, (std::vector<double>{2, 3, 4, 5, 100}));

    // A full chart whose last label is not a year cannot be shifted.
    chart.back().label = "NONE";
    const auto before = labels;
    EXPECT_FALSE(UpdateYearChart(t.game));
    EXPECT_EQ(chart[0].label, before[0]);
}

TEST_F(MonthAdvanceTest, WaitsCountDownToZeroAndStay) {
    AddLoanHome(t.game, 1000, 8, 10).waitPeriod = 1;
    AddLoanHome(t.game, 1000, 8, 10).waitPeriod = 6;
    RollWaitPeriod(t.game);
    EXPECT_EQ(t.game.ledger.Row(0).waitPeriod, 0);
    EXPECT_EQ(t.game.ledger.Row(1).waitPeriod, 5);
    RollWaitPeriod(t.game);
    EXPECT_EQ(t.game.ledger.Row(0).waitPeriod, 0);
    EXPECT_EQ(t.game.ledger.Row(1).waitPeriod, 4);
}

TEST(MonthNameTest, EnglishNamesAndTheYearAloneOutsideTheCalendar) {
    TestGame t;
    t.game.state.CurrentYear = 2027;
    const std::pair<double, const char*> cases[] = {
        {1, "January 2027"}, {9, "September 2027"}, {12, "December 2027"},
        {0, "2027"},         {13, "2027"},          {2.5, "2027"},
    };
    for (const auto& [month, text] : cases) {
        t.game.state.CurrentMonth = month;
        EXPECT_EQ(DisplayMonth(t.game), text) << month;
    }
}

// The main screen sees the month's new cash; the calendar is redrawn before
// the money moves.
class CashAtRefresh : public Screens {
  public:
    Game* game = nullptr;
    double atDisplayMonth = -1, atRefreshAll = -1;
    void DisplayMonth() override { atDisplayMonth = CashOf(game->state); }
    void RefreshAll() override { atRefreshAll = CashOf(game->state); }
};

TEST_F(MonthAdvanceTest, StepsRunInTheirOrder) {
    CashAtRefresh screens;
    Game game(t.records, t.random, t.clock, t.dialogs, screens);
    screens.game = &game;
    StartRentingLife(game, 2026);
    ASSERT_TRUE(NextMonth(game));
    EXPECT_EQ(screens.atDisplayMonth, 2000);
    EXPECT_EQ(screens.atRefreshAll, 2500);
}

// A message box of the month lets the player reach "NEXT MONTH" again.
class PressAgainDialogs : public testing::RecordingDialogs {
  public:
    Game* game = nullptr;
    std::vector<bool> nested;
    void ShowPlain(const std::string& text) override {
        RecordingDialogs::ShowPlain(text);
        nested.push_back(NextMonth(*game));
    }
};

TEST_F(MonthAdvanceTest, PressDuringAMonthIsIgnored) {
    PressAgainDialogs dialogs;
    Game game(t.records, t.random, t.clock, dialogs, t.screens);
    dialogs.game = &game;
    StartRentingLife(game, 2026);
    AddLoanHome(game, 500, 8, 733.76).rent = 0;  // paid off this month: a message box

    ASSERT_TRUE(NextMonth(game));
    EXPECT_EQ(dialogs.nested, std::vector<bool>{false});
    EXPECT_EQ(game.state.CurrentMonth, 2);
    EXPECT_EQ(CashOf(game.state), 2500);
    EXPECT_FALSE(game.monthInProgress);

    ASSERT_TRUE(NextMonth(game));  // and the next press runs again
    EXPECT_EQ(game.state.CurrentMonth, 3);
}

}  // namespace
}  // namespace deedwell
