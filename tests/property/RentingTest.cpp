#include <gtest/gtest.h>

#include "property/PropertyFixture.h"
#include "property/Renting.h"

namespace deedwell {
namespace {

using testing::TestGame;
using testing::WriteRental;

class RentingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitDefaults(t.game.state);
        t.game.state.Cash = 5000;
        t.game.state.HasHome = "NO";
        WriteRental(t, "1", {{"RENT", "650"}, {"SF", "1000"}, {"ADDRESS", "12 Elm Street"}});
        WriteRental(t, "2", {{"RENT", "650"}, {"SF", "1235"}, {"ADDRESS", "7 Birch Lane"}});
    }

    std::string Picture(int number) const {
        return (t.records.Root() / "renthouses" / (std::to_string(number) + ".jpg")).string();
    }

    TestGame t;
    GameState& s = t.game.state;
};

TEST_F(RentingTest, ShowsTheRentalsFigures) {
    ASSERT_EQ(OpenRentWindow(t.game), 2);
    const RentalView view = ShowRental(t.game, 0);
    EXPECT_TRUE(view.canRent);
    EXPECT_EQ(view.picture, Picture(1));
    EXPECT_EQ(view.HouseAddress, "12 Elm Street");
    EXPECT_EQ(view.l1, "650");
    EXPECT_EQ(view.Label5, "650");
    EXPECT_EQ(view.Label6, "650");
    EXPECT_EQ(view.SF, "Square Footage: ");
    EXPECT_EQ(view.Label1, "1000sf");
    EXPECT_EQ(view.Utils, "Utilities: ");
    EXPECT_EQ(view.Label2, "$500");
    EXPECT_EQ(view.Monthly, "Total Per Month: ");
    EXPECT_EQ(view.Label8, "$1150");
    EXPECT_EQ(view.Label7, "$1000");
    EXPECT_EQ(view.Label10, "$2300");
    EXPECT_EQ(HomeCashBarText(t.game), "$5,000");

    const RentalView odd = ShowRental(t.game, 1);
    EXPECT_EQ(odd.Label2, "$617.5");
    EXPECT_EQ(odd.Label8, "$1268");  // 1267.5 in whole dollars
}

TEST_F(RentingTest, RentingSetsTheLivingFigures) {
    ASSERT_TRUE(RentMe(t.game, 0));
    EXPECT_EQ(CashOf(s), 2700);
    EXPECT_EQ(s.LivingCost, 1150);
    EXPECT_EQ(s.HomeRent, 650);
    EXPECT_EQ(s.HomeUtilities, 500);
    EXPECT_EQ(s.HomeSquareFeet, 1000);
    EXPECT_EQ(s.HomeAddress, "12 Elm Street");
    EXPECT_EQ(s.HomePicture, Picture(1));
    EXPECT_EQ(s.HasHome, "YES");
    EXPECT_TRUE(s.HintRentedShown);
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"Congratulations on your new home!"});
    // The first rent of a run also brings its hint.
    EXPECT_EQ(t.screens.requests,
              (std::vector<std::string>{"RefreshHomeInformation", "RefreshAll", "ShowHint"}));
    ASSERT_EQ(t.screens.hints.size(), 1u);
    EXPECT_EQ(t.screens.hints[0].title, "You have now rented your first house!");
}

TEST_F(RentingTest, CashMustBeAboveTheCostToMoveIn) {
    s.Cash = 2300;
    EXPECT_FALSE(RentMe(t.game, 0));
    EXPECT_EQ(t.dialogs.Texts(),
              std::vector<std::string>{
                  "You do not have enough cash to rent and move into this home at this time."});
    EXPECT_EQ(CashOf(s), 2300);
    EXPECT_EQ(s.HasHome, "NO");
    EXPECT_EQ(s.LivingCost, 0);
    EXPECT_FALSE(s.HintRentedShown);
    EXPECT_TRUE(t.screens.requests.empty());

    s.Cash = 2301;
    EXPECT_TRUE(RentMe(t.game, 0));
    EXPECT_EQ(CashOf(s), 1);
}

TEST_F(RentingTest, RentingAgainChargesAgainAndKeepsAnOwnedUnit) {
    testing::AddOwnedHome(t.game, "5", {UnitState::Living});
    ASSERT_TRUE(RentMe(t.game, 0));
    ASSERT_TRUE(RentMe(t.game, 1));
    EXPECT_EQ(CashOf(s), 5000 - 2300 - 2300);
    EXPECT_EQ(s.HomeUtilities, 617.5);
    EXPECT_EQ(s.LivingCost, 1267.5);
    EXPECT_EQ(s.HomeAddress, "7 Birch Lane");
    EXPECT_EQ(s.HomePicture, Picture(2));
    EXPECT_EQ(t.game.ledger.Row(0).units[0], UnitState::Living);
}

TEST_F(RentingTest, PicturesFollowPositionsNotNames) {
    TestGame other;
    InitDefaults(other.game.state);
    WriteRental(other, "9", {{"RENT", "500"}, {"SF", "800"}, {"ADDRESS", "Nine"}});
    WriteRental(other, "10", {{"RENT", "900"}, {"SF", "1400"}, {"ADDRESS", "Ten"}});
    const RentalView first = ShowRental(other.game, 0);  // "10" sorts first
    EXPECT_EQ(first.HouseAddress, "Ten");
    EXPECT_EQ(first.picture, (other.records.Root() / "renthouses" / "1.jpg").string());
    EXPECT_EQ(ShowRental(other.game, 1).picture,
              (other.records.Root() / "renthouses" / "2.jpg").string());
}

TEST(RentingRecordsTest, OnlyARealRentCanBeRented) {
    struct Case {
        const char* what;
        testing::Keys keys;
        bool rentable;
    };
    const Case cases[] = {
        {"valid", {{"RENT", "650"}, {"SF", "1000"}, {"ADDRESS", "A"}}, true},
        {"no floor area is fine", {{"RENT", "650"}, {"SF", "0"}}, true},
        {"RENT missing", {{"SF", "1000"}, {"ADDRESS", "A"}}, false},
        {"RENT not a number", {{"RENT", "abc"}, {"SF", "1000"}}, false},
        {"RENT zero", {{"RENT", "0"}, {"SF", "1000"}}, false},
        {"SF missing", {{"RENT", "650"}}, false},
        {"SF negative", {{"RENT", "650"}, {"SF", "-5"}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestGame t;
        InitDefaults(t.game.state);
        t.game.state.Cash = 100000;
        WriteRental(t, "1", c.keys);
        EXPECT_EQ(ShowRental(t.game, 0).canRent, c.rentable);
        EXPECT_EQ(RentMe(t.game, 0), c.rentable);
        EXPECT_EQ(CashOf(t.game.state) < 100000, c.rentable);
        EXPECT_EQ(t.game.state.LivingCost > 0, c.rentable);
    }
}

TEST(RentingRecordsTest, NoRentalsAvailable) {
    TestGame t;
    InitDefaults(t.game.state);
    t.game.state.Cash = 100000;
    EXPECT_EQ(OpenRentWindow(t.game), 0);
    const RentalView view = ShowRental(t.game, 0);
    EXPECT_EQ(view.HouseAddress, "No rentals available");
    EXPECT_FALSE(view.canRent);
    EXPECT_FALSE(RentMe(t.game, 0));
    EXPECT_EQ(CashOf(t.game.state), 100000);
    EXPECT_EQ(t.game.state.LivingCost, 0);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST(RentingRecordsTest, OpeningSetsAMissingUtilityRate) {
    TestGame t;
    EXPECT_FALSE(t.game.state.UtilityRate.has_value());
    OpenRentWindow(t.game);
    EXPECT_EQ(t.game.state.UtilityRate, 0.5);
    t.game.state.UtilityRate = 0.25;
    OpenRentWindow(t.game);
    EXPECT_EQ(t.game.state.UtilityRate, 0.25);
}

}  // namespace
}  // namespace deedwell
