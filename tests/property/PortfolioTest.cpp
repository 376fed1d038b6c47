#include <gtest/gtest.h>

#include "property/Portfolio.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

using testing::TestGame;

struct PortfolioTest : ::testing::Test {
    TestGame t;
    Game& game = t.game;

    void SetUp() override {
        InitDefaults(game.state);
        game.state.Cash = 2500.5;
    }

    OwnedHome& Own(const std::string& listing, const std::string& address,
                   std::vector<UnitState> units, double rent) {
        t.records.WriteListingFile(listing, "|||ADDRESS|||" + address + "\r\n|||UNITS|||" +
                                                std::to_string(units.size()) + "\r\n");
        OwnedHome home;
        home.listing = listing;
        home.payment = 641.95;
        home.principal = 88529;
        home.rate = 8;
        home.term = 30;
        home.purchaseValue = 106090;
        home.value = 150000;
        home.category = 4;
        home.stage = 2;
        home.neighbourhood = 500;
        home.condition = 2;
        home.rent = rent;
        home.units = std::move(units);
        return game.ledger.Append(std::move(home));
    }
};

TEST_F(PortfolioTest, NoHomesShowsNoneAndTheCashOnly) {
    EXPECT_EQ(LoadHomes(game), 0u);
    const PortfolioView view = ShowHome(game, 0);
    EXPECT_FALSE(view.hasHome);
    EXPECT_TRUE(view.noneShown);
    EXPECT_EQ(view.CashBar, "$2,501");
    EXPECT_EQ(view.caption, "Tarnwick Game");
    EXPECT_TRUE(view.address.empty());
    EXPECT_TRUE(view.units.empty());
    EXPECT_FALSE(MakeImprovement(game, 0));
    EXPECT_EQ(game.state.CurrentHouseNo, "");
}

TEST_F(PortfolioTest, ShowsEveryFigureOfTheHome) {
    Own("17", "12  Lake Drive", {UnitState::Rented, UnitState::Living, UnitState::Rented}, 650);
    ASSERT_EQ(LoadHomes(game), 1u);
    const PortfolioView view = ShowHome(game, 0);
    ASSERT_TRUE(view.hasHome);
    EXPECT_FALSE(view.noneShown);
    EXPECT_EQ(view.address, "12  Lake Drive");
    EXPECT_EQ(view.HomeValue, "$150,000");
    EXPECT_EQ(view.mPAyment, "$642");
    EXPECT_EQ(view.Label7, "$88,529");
    EXPECT_EQ(view.Label8, "8% / 30 Years");
    EXPECT_EQ(view.ConditionBar, "Average");
    EXPECT_EQ(view.Label12, "$0,500");
    EXPECT_EQ(view.picture, (t.dir.Path() / "realestate" / "4" / "2.jpg").string());
    EXPECT_EQ(view.units, (std::vector<std::string>{"Unit 1:  RENTED For $650", "Unit 2:  LIVING",
                                                    "Unit 3:  RENTED For $650"}));
    EXPECT_EQ(view.Label5, "$1,300 of out $1,950");
}

TEST_F(PortfolioTest, RentWithCentsKeepsTheLastCentsInWhatIsCollected) {
    Own("3", "1 Main", {UnitState::Rented, UnitState::Rented}, 650.75);
    const PortfolioView view = ShowHome(game, 0);
    EXPECT_EQ(view.units,
              (std::vector<std::string>{"Unit 1:  RENTED For $651", "Unit 2:  RENTED For $651"}));
    EXPECT_EQ(view.Label5, "$1,301 of out $1,300");
}

TEST_F(PortfolioTest, NothingRentedShowsZeroCollected) {
    Own("3", "1 Main", {UnitState::Unrented}, 700);
    EXPECT_EQ(ShowHome(game, 0).units, std::vector<std::string>{"Unit 1:  UNRENTED"});
    EXPECT_EQ(ShowHome(game, 0).Label5, "$0 of out $700");
}

TEST_F(PortfolioTest, ScrollingRedrawsEachHomeInFull) {
    Own("3", "1 Main", {UnitState::Rented}, 700);
    OwnedHome& second = Own("9", "2 Oak", {UnitState::Unrented, UnitState::Unrented}, 500);
    second.condition = 1;
    second.principal = 0;
    second.payment = 0;
    ASSERT_EQ(LoadHomes(game), 2u);

    const PortfolioView last = ShowHome(game, 1);
    EXPECT_EQ(last.address, "2 Oak");
    EXPECT_EQ(last.ConditionBar, "Bad");
    EXPECT_EQ(last.Label7, "$");
    EXPECT_EQ(last.mPAyment, "$");
    EXPECT_EQ(last.units.size(), 2u);
    EXPECT_EQ(last.Label5, "$0 of out $1,000");

    const PortfolioView first = ShowHome(game, 0);
    EXPECT_EQ(first.address, "1 Main");
    EXPECT_EQ(first.units, std::vector<std::string>{"Unit 1:  RENTED For $700"});
    EXPECT_EQ(first.Label5, "$700 of out $700");

    const PortfolioView beyond = ShowHome(game, 2);
    EXPECT_FALSE(beyond.hasHome);
    EXPECT_FALSE(beyond.noneShown);
}

TEST_F(PortfolioTest, PictureOnlyFromWholeNumbersInRange) {
    OwnedHome& home = Own("3", "1 Main", {UnitState::Unrented}, 700);
    for (auto [category, stage] : {std::pair{9.0, 2.0}, {0.0, 2.0}, {4.0, 4.0}, {4.0, 1.5}}) {
        home.category = category;
        home.stage = stage;
        EXPECT_EQ(ShowHome(game, 0).picture, "") << category << "/" << stage;
    }
}

TEST(ConditionText, NamesTheThreeConditions) {
    EXPECT_EQ(ConditionText(1), "Bad");
    EXPECT_EQ(ConditionText(2), "Average");
    EXPECT_EQ(ConditionText(3), "Excellent");
    EXPECT_EQ(ConditionText(4), "4");
}

TEST_F(PortfolioTest, MakeImprovementHandsOnTheHomeNumber) {
    Own("3", "1 Main", {UnitState::Unrented}, 700);
    Own("9", "2 Oak", {UnitState::Unrented}, 700);
    EXPECT_TRUE(MakeImprovement(game, 1));
    EXPECT_EQ(game.state.CurrentHouseNo, "2");
    EXPECT_FALSE(MakeImprovement(game, 2));
    EXPECT_EQ(game.state.CurrentHouseNo, "2");
}

}  // namespace
}  // namespace deedwell
