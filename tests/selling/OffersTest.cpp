#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "selling/Offers.h"
#include "selling/SaleListing.h"
#include "selling/SellingFixture.h"
#include "simulation/MonthAdvance.h"

namespace deedwell {
namespace {

using Draws = std::vector<std::int64_t>;
using Strings = std::vector<std::string>;

class OffersTest : public testing::SellingTest {};

TEST_F(OffersTest, MonthlyDrawOnlyForHomesOnTheMarket) {
    AddThreeHomes();
    game.ledger.Row(0).forSale = true;
    game.ledger.Row(2).forSale = true;
    game.ledger.Row(2).Major(13) = true;  // the roof: buyers are scarcer

    t.random.Push(Draws{6, 19});
    DrawPurchaseOffers(game);
    EXPECT_EQ(t.random.asked, (Draws{12, 20}));
    EXPECT_EQ(CountOffers(game), 0);

    t.random.Push(Draws{7, 7});
    DrawPurchaseOffers(game);
    EXPECT_TRUE(game.ledger.Row(0).offerWaiting);
    EXPECT_FALSE(game.ledger.Row(1).offerWaiting);
    EXPECT_TRUE(game.ledger.Row(2).offerWaiting);

    // A pending offer stays pending whatever the next draw.
    t.random.Push(Draws{1, 1});
    DrawPurchaseOffers(game);
    EXPECT_EQ(CountOffers(game), 2);
    EXPECT_EQ(t.random.Remaining(), 0u);
}

TEST_F(OffersTest, IndicatorFollowsMarketAndOffers) {
    struct Case {
        bool forSale0, offer0, forSale1, offer1;
        OffersIndicator expected;
    };
    const std::vector<Case> cases = {
        {false, false, false, false, OffersIndicator::None},
        {true, false, false, false, OffersIndicator::NoOffers},
        {true, true, false, false, OffersIndicator::OfferWaiting},
        // An offer for a home taken off the market still counts while another is on it.
        {true, false, false, true, OffersIndicator::OfferWaiting},
        {false, true, false, false, OffersIndicator::None},
    };
    AddHome("11", "11  North Ocean", 150000, 100000);
    AddHome("22", "22  East Lake Drive", 200000, 150000);
    for (const Case& c : cases) {
        game.ledger.Row(0).forSale = c.forSale0;
        game.ledger.Row(0).offerWaiting = c.offer0;
        game.ledger.Row(1).forSale = c.forSale1;
        game.ledger.Row(1).offerWaiting = c.offer1;
        CheckForOffers(game);
        EXPECT_EQ(game.screen.Offers, c.expected);
    }
    EXPECT_EQ(t.screens.Count("RefreshOffersIndicator"), static_cast<int>(cases.size()));
}

// Appraised at 200,000: every draw from 86 % to 105 % against three
// neighbourhood values, and the draws each one asks for.
TEST_F(OffersTest, PriceIsHeldDownNearTheNeighbourhoodValue) {
    OwnedHome& home = AddHome("11", "11  North Ocean", 200000, 100000);
    for (std::int64_t d = 1; d <= 20; ++d) {
        home.neighbourhood = 250000;
        t.random.Push(d);
        EXPECT_EQ(DrawOfferPrice(game, 0), 172000 + 2000 * (d - 1)) << d;
        EXPECT_EQ(t.random.Remaining(), 0u);
    }
    struct Case {
        double neighbourhood;
        Draws draws;
        double price;
    };
    const std::vector<Case> cases = {
        {180000, {5}, 180000},       // 90 % is not above 180,000
        {180000, {6, 1}, 181800},    // 91 % is: 1 % above the neighbourhood
        {180000, {20, 10}, 198000},  // 105 %: at most 10 % above
        {123456, {20, 1}, 124690.56},
        {123456.9, {20, 2}, 125925.12},  // the neighbourhood value's fraction is dropped
    };
    for (const Case& c : cases) {
        home.neighbourhood = c.neighbourhood;
        t.random.asked.clear();
        t.random.Push(c.draws);
        EXPECT_DOUBLE_EQ(DrawOfferPrice(game, 0), c.price) << c.neighbourhood;
        EXPECT_EQ(t.random.asked.size(), c.draws.size());
        EXPECT_EQ(t.random.asked[0], 20);
        if (c.draws.size() > 1) {
            EXPECT_EQ(t.random.asked[1], 10);
        }
    }
}

TEST_F(OffersTest, OpeningUsesUpTheFirstPendingOffer) {
    AddThreeHomes();
    game.ledger.Row(0).offerWaiting = true;
    game.ledger.Row(1).forSale = true;
    game.ledger.Row(2).offerWaiting = true;
    game.state.Cash = 2500;
    EXPECT_EQ(OffersButtonText(game), "You have 2 purchase offers.  Click to view offers.");

    t.random.Push(1);  // 86 % of 150,000
    const auto first = OpenNextOffer(game);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->row, 0u);
    EXPECT_FALSE(game.ledger.Row(0).offerWaiting);
    EXPECT_TRUE(game.ledger.Row(2).offerWaiting);
    EXPECT_EQ(OffersButtonText(game), "You have 1 purchase offers.  Click to view offers.");
    EXPECT_EQ(t.screens.requests, (Strings{"RefreshRealtorCount", "RefreshOffersIndicator"}));
    EXPECT_EQ(game.screen.Offers, OffersIndicator::OfferWaiting);

    t.random.Push(20);  // 105 % of 120,000, below the neighbourhood value
    const auto second = OpenNextOffer(game);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->row, 2u);
    EXPECT_EQ(second->price, 126000);
    EXPECT_EQ(game.state.CurrentUnitRow, 3);
    EXPECT_EQ(game.screen.Offers, OffersIndicator::NoOffers);

    // Nothing left: no draw, only the indicator.
    t.random.asked.clear();
    t.screens.requests.clear();
    EXPECT_FALSE(OpenNextOffer(game));
    EXPECT_TRUE(t.random.asked.empty());
    EXPECT_EQ(t.screens.requests, Strings{"RefreshOffersIndicator"});
}

TEST_F(OffersTest, OfferWindowShowsTheOfferAndTheHome) {
    OwnedHome& home = AddHome("22", "2817  West Lake Parkway", 200000, 150000);
    home.neighbourhood = 123456;
    home.offerWaiting = true;
    home.category = 5;
    home.stage = 1;
    game.state.Cash = 1234.5;

    t.random.Push(Draws{20, 1});
    const auto view = OpenNextOffer(game);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->listing, "22");
    EXPECT_EQ(view->PendingOFfer, "124690.56");
    EXPECT_EQ(view->OfferLabel, "$124,691");
    EXPECT_EQ(view->Label3, "$123,456");
    EXPECT_EQ(view->HomeValue, "$200,000");
    EXPECT_EQ(view->Label7, "$150,000");
    EXPECT_EQ(view->PotentialCash, "-$25,309");
    EXPECT_EQ(view->CashBar, "$1,235");
    EXPECT_EQ(view->address, "2817  West Lake Parkway");
    EXPECT_EQ(view->housePicture, (t.dir.Path() / "realestate" / "5" / "1.jpg").string());
    EXPECT_EQ(game.state.WorkHouseCat, 5);
    EXPECT_EQ(game.state.WorkHouseStage, 1);
    EXPECT_EQ(game.state.CurrentUnitRow, 1);

    // A small neighbourhood value pads to four digits; a small profit too.
    home.neighbourhood = 500;
    home.offerWaiting = true;
    home.principal = 455;
    t.random.Push(Draws{1, 1});
    const auto small = OpenNextOffer(game);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Label3, "$0,500");
    EXPECT_EQ(small->PendingOFfer, "505");
    EXPECT_EQ(small->PotentialCash, "$050");
}

TEST_F(OffersTest, AcceptSellsTheOfferedHomeAtTheOfferPrice) {
    AddThreeHomes();
    game.ledger.Row(1).forSale = true;
    game.ledger.Row(1).offerWaiting = true;
    t.random.Push(1);  // 86 % of 200,000 = 172,000
    const auto view = OpenNextOffer(game);
    ASSERT_TRUE(view);

    EXPECT_TRUE(AcceptOffer(game, *view));
    EXPECT_EQ(CashOf(game.state), 2000 + 172000 - 150000);
    EXPECT_EQ(Listings(), (Strings{"11", "33"}));
    EXPECT_EQ(t.dialogs.Last(), "Your house on 22  East Lake Drive has sold!");
    EXPECT_EQ(t.screens.Count("CloseRowWindows"), 1);
    EXPECT_EQ(game.screen.Offers, OffersIndicator::None);
    EXPECT_EQ(t.screens.requests.back(), "RefreshOffersIndicator");
}

// Selling row 0 of three moves the others up; an offer that was pending for
// the last home is opened at its new row and sells that home.
TEST_F(OffersTest, LaterOfferFollowsItsHomeUpAfterASale) {
    AddThreeHomes();
    for (auto& home : game.ledger.Rows()) home.forSale = true;
    game.ledger.Row(0).offerWaiting = true;
    game.ledger.Row(2).offerWaiting = true;

    t.random.Push(20);  // 105 % of 150,000 = 157,500
    const auto first = OpenNextOffer(game);
    ASSERT_TRUE(first);
    ASSERT_TRUE(AcceptOffer(game, *first));
    EXPECT_EQ(Listings(), (Strings{"22", "33"}));
    EXPECT_EQ(game.ledger.Row(0).units,
              (std::vector<UnitState>{UnitState::Rented, UnitState::Unrented}));
    EXPECT_EQ(game.ledger.Row(0).principal, 150000);
    EXPECT_TRUE(game.ledger.Row(1).offerWaiting);

    t.random.Push(1);  // 86 % of 120,000 = 103,200
    const auto second = OpenNextOffer(game);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->row, 1u);
    EXPECT_EQ(second->listing, "33");
    EXPECT_EQ(second->address, "33  West Desert Court");
    ASSERT_TRUE(AcceptOffer(game, *second));
    EXPECT_EQ(Listings(), Strings{"22"});
    EXPECT_EQ(CashOf(game.state), 2000 + (157500 - 100000) + (103200 - 90000));
}

// The offer window is open for one home; a fourth home is bought, put on the
// market and draws an offer, which opens in the same window. The home sold is
// the one whose offer was drawn.
TEST_F(OffersTest, OfferWindowKeepsTheRowOfTheOfferItShows) {
    AddThreeHomes();
    game.ledger.Row(1).forSale = true;
    game.ledger.Row(1).offerWaiting = true;
    t.random.Push(1);
    const auto shown = OpenNextOffer(game);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->row, 1u);

    AddHome("44", "44  South Landers", 300000, 250000);
    EXPECT_TRUE(PutHouseUpForSale(game, 3));
    t.random.Push(Draws{1, 7});  // no offer for row 1, an offer for row 3
    DrawPurchaseOffers(game);
    // 90 % of 300,000 is above the neighbourhood value of 250,000: held
    // down to 4 % above it.
    t.random.Push(Draws{5, 4});
    const auto replaced = OpenNextOffer(game);
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->row, 3u);
    EXPECT_EQ(replaced->price, 260000);

    ASSERT_TRUE(AcceptOffer(game, *replaced));
    EXPECT_EQ(Listings(), (Strings{"11", "22", "33"}));
    EXPECT_EQ(CashOf(game.state), 2000 + 260000 - 250000);
}

TEST_F(OffersTest, AcceptWithAStaleRowSellsNothing) {
    AddThreeHomes();
    game.ledger.Row(2).offerWaiting = true;
    t.random.Push(1);
    const auto view = OpenNextOffer(game);
    ASSERT_TRUE(view);

    game.ledger.Remove(0);  // the rows have moved: row 2 is gone
    OfferView gone = *view;
    EXPECT_FALSE(AcceptOffer(game, gone));
    EXPECT_FALSE(ShowOfferHome(game, gone));

    OfferView moved = *view;
    moved.row = 1;  // in range, but another home now sits there
    moved.listing = "33";
    game.ledger.Row(1).listing = "34";
    EXPECT_FALSE(AcceptOffer(game, moved));

    EXPECT_EQ(Listings(), (Strings{"22", "34"}));
    EXPECT_EQ(CashOf(game.state), 2000);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.screens.Count("CloseRowWindows"), 0);
}

TEST_F(OffersTest, MonthPipelineDrawsOffersAndUpdatesTheIndicator) {
    game.state.HasHome = "YES";
    game.state.MonthlyIncome = "1500";
    game.state.CurrentMonth = 1;
    game.state.CurrentYear = 2026;
    game.state.NetWorthGoal = "1000000";
    game.state.GoalYears = 25;
    AddHome("11", "11  North Ocean", 150000, 100000, {UnitState::Living});
    game.ledger.Row(0).forSale = true;

    // The player's own unit draws nothing, so the offer draw comes first.
    t.random.Push(7);
    ASSERT_TRUE(NextMonth(game));
    EXPECT_EQ(t.random.asked.front(), 12);
    EXPECT_TRUE(game.ledger.Row(0).offerWaiting);
    EXPECT_EQ(game.screen.Offers, OffersIndicator::OfferWaiting);
}

}  // namespace
}  // namespace deedwell
