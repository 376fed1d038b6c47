#include <gtest/gtest.h>

#include "state/GameState.h"

namespace deedwell {
namespace {

TEST(GameStateTest, DefaultsAreSetAndRentDemandKept) {
    GameState state;
    EXPECT_FALSE(state.HouseCatCount.has_value());
    InitDefaults(state);
    EXPECT_EQ(state.HouseCatCount, 8);
    EXPECT_EQ(state.HouseStageCount, 3);
    EXPECT_EQ(state.MarketSize, 80);
    EXPECT_EQ(state.GameTitle, "Tarnwick Game");
    EXPECT_EQ(state.UtilityRate, 0.5);
    EXPECT_EQ(state.RentDemand, 6);
    EXPECT_EQ(state.RenterOdds, 24);
    EXPECT_EQ(state.RepairCostRate, 0.5);
    EXPECT_EQ(state.ImprovementCostRate, 0.3);
    EXPECT_EQ(state.TurnoverMonths, 12);
    EXPECT_EQ(state.GoalSettled, "False");

    state.RentDemand = 2;
    state.GoalSettled = "True";
    InitDefaults(state);
    EXPECT_EQ(state.RentDemand, 2);
    EXPECT_EQ(state.GoalSettled, "False");
}

TEST(GameStateTest, EmptyStaysApartFromZero) {
    GameState state;
    InitDefaults(state);
    EXPECT_FALSE(state.AppreciationYears.has_value());
    EXPECT_FALSE(state.YearsPlayed.has_value());
    EXPECT_FALSE(state.Cash.has_value());
    EXPECT_EQ(CashOf(state), 0);
    EXPECT_EQ(state.HasHome, "");
    state.AppreciationYears = 0;
    EXPECT_TRUE(state.AppreciationYears.has_value());
}

}  // namespace
}  // namespace deedwell
