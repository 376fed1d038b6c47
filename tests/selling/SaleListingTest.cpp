#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selling/SaleListing.h"
#include "selling/SellingFixture.h"

namespace deedwell {
namespace {

using Strings = std::vector<std::string>;

class SaleListingTest : public testing::SellingTest {};

TEST_F(SaleListingTest, ShowsEveryFigureOfTheHome) {
    AddHome("11", "11  North Ocean", 150000, 100000);
    OwnedHome& home = AddHome("22", "2817  West Lake Parkway", 200000, 149999.5,
                              {UnitState::Rented, UnitState::Unrented, UnitState::Unrented});
    home.category = 7;
    home.stage = 3;
    game.state.Cash = 2500.5;

    const SaleView view = ShowHomeForSale(game, 1);

    EXPECT_TRUE(view.hasHome);
    EXPECT_EQ(view.row, 1u);
    EXPECT_EQ(view.CashBar, "$2,501");
    EXPECT_EQ(view.address, "2817  West Lake Parkway");
    EXPECT_EQ(view.HomeValue, "$200,000");
    EXPECT_EQ(view.mPAyment, "$725");
    EXPECT_EQ(view.Label7, "$150,000");
    EXPECT_EQ(view.Label8, "8% / 30 Years");
    EXPECT_EQ(view.ConditionBar, "Average");
    EXPECT_FALSE(view.saleSign);
    EXPECT_EQ(view.List1,
              (Strings{"Unit 1:  RENTED For $650", "Unit 2:  UNRENTED", "Unit 3:  UNRENTED"}));
    EXPECT_EQ(view.Label5, "$650 of out $1,950");
    EXPECT_EQ(view.housePicture, (t.dir.Path() / "realestate" / "7" / "3.jpg").string());
    // The window's 1-based number, and the picture's category and stage.
    EXPECT_EQ(game.state.CurrentUnitRow, 2);
    EXPECT_EQ(game.state.WorkHouseCat, 7);
    EXPECT_EQ(game.state.WorkHouseStage, 3);
}

TEST_F(SaleListingTest, OwnUnitCountsTowardsPossibleRentOnly) {
    // Rents with cents: the running total drops its cents before each unit.
    AddHome("22", "22  East Lake Drive", 200000, 150000,
            {UnitState::Rented, UnitState::Living, UnitState::Rented})
        .rent = 650.75;
    const SaleView view = ShowHomeForSale(game, 0);
    EXPECT_EQ(view.List1,
              (Strings{"Unit 1:  RENTED For $651", "Unit 2:  LIVING", "Unit 3:  RENTED For $651"}));
    EXPECT_EQ(view.Label5, "$1,301 of out $1,950");
}

TEST_F(SaleListingTest, ConditionWordsAndPicturesOnlyFromValuesInRange) {
    struct Case {
        double condition, category, stage;
        std::string word;
        bool picture;
    };
    const std::vector<Case> cases = {
        {1, 1, 1, "Bad", true},        {2, 8, 3, "Average", true},    {3, 4, 2, "Excellent", true},
        {4, 9, 2, "4", false},         {0, 0, 2, "0", false},         {2.5, 2.5, 2, "2.5", false},
        {3, 3, 4, "Excellent", false}, {3, 3, 0, "Excellent", false},
    };
    OwnedHome& home = AddHome("11", "11  North Ocean", 150000, 100000);
    for (const Case& c : cases) {
        home.condition = c.condition;
        home.category = c.category;
        home.stage = c.stage;
        const SaleView view = ShowHomeForSale(game, 0);
        EXPECT_EQ(view.ConditionBar, c.word) << c.condition;
        EXPECT_EQ(!view.housePicture.empty(), c.picture) << c.category << "/" << c.stage;
    }
}

TEST_F(SaleListingTest, RowsOutsideTheLedgerShowNoneAndChangeNothing) {
    game.state.CurrentUnitRow = 5;
    game.state.WorkHouseCat = 4;
    for (int row : {0, -1}) {
        const SaleView view = ShowHomeForSale(game, row);
        EXPECT_FALSE(view.hasHome);
        EXPECT_EQ(view.CashBar, "$0.00");
        EXPECT_EQ(view.address, "Address");
        EXPECT_EQ(view.HomeValue, "0");
        EXPECT_TRUE(view.List1.empty());
    }
    AddHome("11", "11  North Ocean", 150000, 100000);
    // A window left over from before a sale still points at row 1.
    EXPECT_FALSE(ShowHomeForSale(game, 1).hasHome);
    EXPECT_EQ(game.state.CurrentUnitRow, 5);
    EXPECT_EQ(game.state.WorkHouseCat, 4);
}

TEST_F(SaleListingTest, MarketButtonsMarkTheHomeAndRefreshTheIndicator) {
    AddThreeHomes();
    EXPECT_TRUE(PutHouseUpForSale(game, 1));
    EXPECT_TRUE(game.ledger.Row(1).forSale);
    EXPECT_TRUE(ShowHomeForSale(game, 1).saleSign);
    EXPECT_EQ(game.screen.Offers, OffersIndicator::NoOffers);

    EXPECT_TRUE(PutHouseUpForSale(game, 1));  // already on the market: stays
    EXPECT_TRUE(game.ledger.Row(1).forSale);

    game.ledger.Row(1).offerWaiting = true;
    EXPECT_TRUE(TakeHouseOffMarket(game, 1));
    EXPECT_FALSE(game.ledger.Row(1).forSale);
    EXPECT_FALSE(ShowHomeForSale(game, 1).saleSign);
    // The offer that already came stays, but nothing is on the market.
    EXPECT_TRUE(game.ledger.Row(1).offerWaiting);
    EXPECT_EQ(game.screen.Offers, OffersIndicator::None);

    EXPECT_TRUE(TakeHouseOffMarket(game, 1));  // already off: stays off
    EXPECT_FALSE(game.ledger.Row(1).forSale);
    EXPECT_FALSE(game.ledger.Row(0).forSale);
    EXPECT_FALSE(game.ledger.Row(2).forSale);
    EXPECT_EQ(t.screens.Count("RefreshOffersIndicator"), 4);
}

TEST_F(SaleListingTest, MarketButtonsWithoutAHomeOnlyRefreshTheIndicator) {
    EXPECT_FALSE(PutHouseUpForSale(game, 0));
    EXPECT_FALSE(TakeHouseOffMarket(game, 0));
    AddHome("11", "11  North Ocean", 150000, 100000);
    EXPECT_FALSE(PutHouseUpForSale(game, 1));  // a stale row
    EXPECT_FALSE(PutHouseUpForSale(game, -1));
    EXPECT_FALSE(game.ledger.Row(0).forSale);
    EXPECT_EQ(game.screen.Offers, OffersIndicator::None);
    EXPECT_EQ(t.screens.Count("RefreshOffersIndicator"), 4);
}

}  // namespace
}  // namespace deedwell
