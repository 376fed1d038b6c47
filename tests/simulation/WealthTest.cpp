#include <gtest/gtest.h>

#include "simulation/MonthFixture.h"
#include "simulation/Wealth.h"

namespace deedwell {
namespace {

using testing::AddLoanHome;
using testing::TestGame;

struct WealthCase {
    double cash;
    std::vector<std::pair<double, double>> homes;  // appraised value, principal owed
    double number;
    const char* text;
};

TEST(WealthTest, NetWorthIsOneMoreThanCashPlusEquity) {
    const WealthCase cases[] = {
        {2000, {}, 2001, "$2,001"},
        {2000, {{150000, 100000}}, 52001, "$52,001"},
        {5000, {{150000, 120000}}, 35001, "$35,001"},
        {99999.5, {{250000, 100001}}, 250000, "$250,000"},  // 249999.5 rounds up
        {249998.6, {}, 250000, "$250,000"},                 // 249999.6
        {-1, {}, 1, "$1"},                                  // a sum of exactly 0 counts as 1
        {-5001, {}, -5000, "-$5,000"},
        {-10000, {{100000, 120000.5}}, -30000, "-$30,000"},  // -29999.5, away from zero
        {-0.7, {}, 0, "$"},                                  // 0.3 rounds to nothing
        {100, {{312350, 0}, {50000, 50000}}, 312451, "$312,451"},
    };
    for (const auto& c : cases) {
        TestGame t;
        t.game.state.Cash = c.cash;
        for (const auto& [value, owed] : c.homes) AddLoanHome(t.game, owed, 8, 0).value = value;
        EXPECT_EQ(NetWorth(t.game), c.number) << c.text;
        EXPECT_EQ(CalcWealth(t.game), c.text);
    }
}

TEST(WealthTest, UnitsCountEveryUnitButOnlyTenantsAsRented) {
    TestGame t;
    EXPECT_EQ(DisplayUnits(t.game).units, 0);
    AddLoanHome(t.game, 1, 8, 0, {UnitState::Living, UnitState::Rented});
    AddLoanHome(t.game, 1, 8, 0, {UnitState::Rented, UnitState::Unrented, UnitState::Rented});
    const UnitCounts counts = DisplayUnits(t.game);
    EXPECT_EQ(counts.units, 5);
    EXPECT_EQ(counts.rented, 3);
}

TEST(WealthTest, MainScreenTexts) {
    TestGame t;
    GameState& s = t.game.state;
    const std::pair<double, const char*> cash[] = {
        {2000, "$2,000"}, {0, "$"}, {-1234.5, "-$1,235"}, {1234567, "$1,234,567"}};
    for (const auto& [value, text] : cash) {
        s.Cash = value;
        EXPECT_EQ(CashBarText(t.game), text);
    }

    // Right after a new game: homeless, nothing owned.
    s.Cash = 2000;
    s.PlayerName = "Robin";
    s.PlayerAge = "30";
    s.CurrentMonth = 1;
    s.CurrentYear = 2026;
    MainScreenView view = ShowMainScreen(t.game);
    EXPECT_EQ(view.CashBar, "$2,000");
    EXPECT_EQ(view.CurrentDateDisplay, "January 2026");
    EXPECT_EQ(view.UnitCount, "0");
    EXPECT_EQ(view.RentedUnits, "0");
    EXPECT_EQ(view.PlayerName, "Robin");
    EXPECT_EQ(view.PlayerAge, "30");
    EXPECT_EQ(view.NetWorth, "$2,001");
    EXPECT_EQ(view.RentCollected, "$");
    EXPECT_TRUE(view.homeless);

    s.RentCollected = 2100;
    s.HomePicture = "renthouses/1.jpg";
    view = ShowMainScreen(t.game);
    EXPECT_EQ(view.RentCollected, "$2,100");
    EXPECT_FALSE(view.homeless);
    EXPECT_EQ(view.HomePicture, "renthouses/1.jpg");
}

}  // namespace
}  // namespace deedwell
