#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "market/MarketFixture.h"
#include "selling/CloseSale.h"
#include "selling/SaleListing.h"
#include "selling/SellingFixture.h"

namespace deedwell {
namespace {

using Draws = std::vector<std::int64_t>;
using Strings = std::vector<std::string>;

class CloseSaleTest : public testing::SellingTest {
  protected:
    std::string ListingFile(const std::string& n) {
        std::string content;
        ReadWholeFile(t.records.ListingPath(n), content);
        return content;
    }
};

TEST_F(CloseSaleTest, PriceLessTheLoanGoesToCash) {
    struct Case {
        double price, principal, cash;
    };
    const std::vector<Case> cases = {
        {180000, 150000, 2000 + 30000},
        {140000, 150000, 2000 - 10000},  // a loss comes out of Cash
        {124690.56, 100000, 2000 + 24690.56},
    };
    for (const Case& c : cases) {
        game.state.Cash = 2000;
        AddHome("22", "22  East Lake Drive", 200000, c.principal);
        ASSERT_TRUE(CloseSale(game, 0, c.price));
        EXPECT_DOUBLE_EQ(CashOf(game.state), c.cash) << c.price;
        EXPECT_TRUE(game.ledger.Empty());
    }
    // Nothing left: the sale window shows "NONE".
    EXPECT_FALSE(ShowHomeForSale(game, 0).hasHome);
}

TEST_F(CloseSaleTest, SellingTheFirstOfThreeMovesTheOthersUp) {
    AddThreeHomes();
    game.ledger.Row(2).units = {UnitState::Rented, UnitState::Living};
    game.ledger.Row(2).offerWaiting = true;
    game.ledger.Row(2).waitPeriod = 3;
    ASSERT_TRUE(CloseSale(game, 0, 150000));
    EXPECT_EQ(Listings(), (Strings{"22", "33"}));
    EXPECT_EQ(game.ledger.Row(0).units,
              (std::vector<UnitState>{UnitState::Rented, UnitState::Unrented}));
    EXPECT_EQ(game.ledger.Row(0).principal, 150000);
    EXPECT_EQ(game.ledger.Row(1).units,
              (std::vector<UnitState>{UnitState::Rented, UnitState::Living}));
    EXPECT_TRUE(game.ledger.Row(1).offerWaiting);
    EXPECT_EQ(game.ledger.Row(1).waitPeriod, 3);

    // Selling the last row moves nothing.
    ASSERT_TRUE(CloseSale(game, 1, 90000));
    EXPECT_EQ(Listings(), Strings{"22"});
    EXPECT_EQ(game.ledger.Row(0).units,
              (std::vector<UnitState>{UnitState::Rented, UnitState::Unrented}));
}

// The screens see the sale in this order: the main screen refreshed with the
// new cash before the message, then the market, then the row windows closed.
class OrderScreens : public testing::RecordingScreens {
  public:
    explicit OrderScreens(const testing::TestGame& t) : t_(t) {}
    void RefreshAll() override {
        RecordingScreens::RefreshAll();
        messagesAtRefresh = t_.dialogs.shown.size();
        cashAtRefresh = CashOf(watched->state);
        rowsAtRefresh = watched->ledger.Count();
    }
    void CloseRowWindows() override {
        RecordingScreens::CloseRowWindows();
        messagesAtClose = t_.dialogs.shown.size();
        drawsAtClose = t_.random.asked.size();
    }
    const Game* watched = nullptr;
    std::size_t messagesAtRefresh = 99, messagesAtClose = 99, drawsAtClose = 0, rowsAtRefresh = 99;
    double cashAtRefresh = 0;

  private:
    const testing::TestGame& t_;
};

TEST_F(CloseSaleTest, StepsRunInTheirOrder) {
    OrderScreens screens(t);
    Game sale(t.records, t.random, t.clock, t.dialogs, screens);
    screens.watched = &sale;
    AddHome("22", "2817  West Lake Parkway", 200000, 150000);
    sale.state = game.state;
    sale.ledger = game.ledger;

    ASSERT_TRUE(CloseSale(sale, 0, 180000));
    EXPECT_EQ(CashOf(sale.state), 32000);
    EXPECT_EQ(screens.requests,
              (Strings{"RefreshAll", "ScheduleSecondGeneration", "CloseRowWindows"}));
    EXPECT_EQ(screens.cashAtRefresh, 32000);
    EXPECT_EQ(screens.rowsAtRefresh, 0u);
    EXPECT_EQ(screens.messagesAtRefresh, 0u);
    EXPECT_EQ(screens.messagesAtClose, 1u);
    EXPECT_GT(screens.drawsAtClose, 0u);  // the new house was drawn before
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "plain");
    EXPECT_EQ(t.dialogs.shown[0].title, "Deedwell");
    EXPECT_EQ(t.dialogs.shown[0].text, "Your house on 2817  West Lake Parkway has sold!");
}

TEST_F(CloseSaleTest, SoldListingReturnsOrIsReplacedByTheDraw) {
    AddHome("22", "22  East Lake Drive", 200000, 150000);
    const std::string before = ListingFile("22");

    Draws keep = testing::HouseScript(1, 1, 1);
    keep.push_back(1);
    t.random.Push(keep);
    ASSERT_TRUE(CloseSale(game, 0, 180000));
    EXPECT_EQ(t.random.Remaining(), 0u);
    EXPECT_EQ(t.random.asked.back(), 8);
    EXPECT_EQ(ListingFile("22"), before);  // back on the market as it was

    AddHome("22", "22  East Lake Drive", 200000, 150000);
    Draws replace = testing::HouseScript(1, 1, 1);
    replace.push_back(3);
    t.random.Push(replace);
    ASSERT_TRUE(CloseSale(game, 0, 180000));
    EXPECT_EQ(t.random.Remaining(), 0u);
    EXPECT_EQ(t.records.ReadListingValue("ADDRESS", "22"), "1234  West Ocean Drive");
    EXPECT_EQ(t.records.ReadListingValue("ENDHERE", "22"), "FINISHED");
}

TEST_F(CloseSaleTest, SellingTheHomeLivedInKeepsTheLivingCost) {
    AddHome("22", "22  East Lake Drive", 200000, 150000, {UnitState::Living, UnitState::Rented});
    GameState& s = game.state;
    s.HasHome = "YES";
    s.LivingCost = 1150;
    s.HomeRent = 700;
    s.HomeUtilities = 450;
    s.HomeAddress = "22  East Lake Drive";
    s.HomePicture = "realestate/3/2.jpg";
    ASSERT_TRUE(CloseSale(game, 0, 200000));
    EXPECT_EQ(s.HasHome, "YES");
    EXPECT_EQ(s.LivingCost, 1150);
    EXPECT_EQ(s.HomeRent, 700);
    EXPECT_EQ(s.HomeAddress, "22  East Lake Drive");
    EXPECT_EQ(s.HomePicture, "realestate/3/2.jpg");
}

TEST_F(CloseSaleTest, RowNotInTheLedgerSellsNothing) {
    AddHome("22", "22  East Lake Drive", 200000, 150000);
    EXPECT_FALSE(CloseSale(game, 1, 180000));
    EXPECT_EQ(Listings(), Strings{"22"});
    EXPECT_EQ(CashOf(game.state), 2000);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(t.screens.requests.empty());
    EXPECT_TRUE(t.random.asked.empty());
}

}  // namespace
}  // namespace deedwell
