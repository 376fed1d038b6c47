#include <gtest/gtest.h>

#include "property/Improvements.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

using testing::TestGame;

struct ImprovementsTest : ::testing::Test {
    TestGame t;
    Game& game = t.game;

    void SetUp() override {
        InitDefaults(game.state);
        game.state.Cash = 200000;
        AddHome("21", "7  Birch Lane");
    }

    OwnedHome& AddHome(const std::string& listing, const std::string& address) {
        t.records.WriteListingFile(listing, "|||ADDRESS|||" + address + "\r\n");
        OwnedHome home;
        home.listing = listing;
        home.payment = 724.71;
        home.principal = 98000;
        home.rate = 8;
        home.term = 30;
        home.purchaseValue = 100000;
        home.value = 150000;
        home.kitchen = 1;
        home.bathroom = 2;
        home.category = 5;
        home.stage = 1;
        home.neighbourhood = 123456;
        home.needsRepair = {false, false, true, false, false, false, false, true};  // roof, carpet
        home.condition = 1;
        home.rent = 700;
        home.units = {UnitState::Rented, UnitState::Unrented, UnitState::Rented};
        return game.ledger.Append(std::move(home));
    }

    OwnedHome& Home(std::size_t row = 0) { return game.ledger.Row(row); }
    double Cash() const { return CashOf(game.state); }
};

TEST_F(ImprovementsTest, PricesComeFromTheValueAtPurchase) {
    const ImprovementPrices prices = PricesFor(game, 0);
    EXPECT_DOUBLE_EQ(prices.repairs, 50000);
    EXPECT_DOUBLE_EQ(prices.improvement, 30000);
    EXPECT_DOUBLE_EQ(prices.kitchen, 10000);
    EXPECT_DOUBLE_EQ(prices.bath, 7000);
    const std::array<double, 7> major{3000, 7500, 9000, 4500, 6000, 4500, 3000};
    for (std::size_t k = 0; k < major.size(); ++k)
        EXPECT_NEAR(prices.major[k], major[k], 1e-9) << k;

    const ImproveView view = ShowImprovements(game, 0);
    EXPECT_EQ(view.Command1, "Required Repairs  $50000");
    EXPECT_EQ(view.Command2, "Improvements $30000");
    EXPECT_EQ(view.KitchenCost, "$10,000");
    EXPECT_EQ(view.BathCost, "$7,000");

    // Spending raises the appraisal, not the base of the upgrade prices.
    t.random.Push(25);
    ASSERT_TRUE(UpgradeKitchen(game, 0));
    EXPECT_DOUBLE_EQ(PricesFor(game, 0).kitchen, 10000);
    EXPECT_EQ(ShowImprovements(game, 0).Command1, "Required Repairs  $50000");
    EXPECT_NEAR(PricesFor(game, 0).major[1], 0.05 * Home().value, 1e-9);
}

TEST_F(ImprovementsTest, ViewShowsTheHomeItWasOpenedFor) {
    const ImproveView view = ShowImprovements(game, 0);
    ASSERT_TRUE(view.hasHome);
    EXPECT_EQ(view.CashBar, "$200,000");
    EXPECT_EQ(view.AddressSpot, "7  Birch Lane");
    EXPECT_EQ(view.NVAL, "$123,456");
    EXPECT_EQ(view.HomeValue, "$150,000");
    EXPECT_EQ(view.Label7, "$98,000");
    EXPECT_EQ(view.mPAyment, "$725");
    EXPECT_EQ(view.Label8, "8% / 30 Years");
    EXPECT_EQ(view.ConditionBar, "Bad");
    EXPECT_EQ(view.List1, (std::vector<std::string>{"Unit 1:  RENTED For $700", "Unit 2:  UNRENTED",
                                                    "Unit 3:  RENTED For $700"}));
    EXPECT_EQ(view.Label5, "$1,400 of out $2,100");
    const auto root = t.dir.Path();
    EXPECT_EQ(view.housePicture, (root / "realestate" / "5" / "1.jpg").string());
    EXPECT_EQ(view.kitchenPicture, (root / "homecreation" / "kitchen" / "k_1.jpg").string());
    EXPECT_EQ(view.bathPicture, (root / "homecreation" / "bathroom" / "b_2.jpg").string());
    EXPECT_EQ(view.MajorRepairs[0], "Electrical is in good condition.");
    EXPECT_FALSE(view.MajorRepairsEnabled[0]);
    EXPECT_EQ(view.MajorRepairs[1], "Roof must be replaced.");
    EXPECT_TRUE(view.MajorRepairsEnabled[1]);
    EXPECT_EQ(view.MajorRepairs[6], "Carpet must be replaced.");
    EXPECT_EQ(view.MajorRepairs[5], "Landscaping is in good condition.");
}

TEST_F(ImprovementsTest, RentWithCentsAndNoTenantsAndOddLevels) {
    Home().rent = 650.75;
    Home().units = {UnitState::Living, UnitState::Unrented};
    Home().kitchen = 0;
    Home().bathroom = 2.5;
    const ImproveView view = ShowImprovements(game, 0);
    EXPECT_EQ(view.List1, (std::vector<std::string>{"Unit 1:  LIVING", "Unit 2:  UNRENTED"}));
    EXPECT_EQ(view.Label5, "$0 of out $1,300");
    EXPECT_EQ(view.kitchenPicture, "");
    EXPECT_EQ(view.bathPicture, "");
}

TEST_F(ImprovementsTest, ConditionButtonsFollowTheCondition) {
    struct Case {
        double condition;
        std::optional<bool> command1, command2;
        const char* words;
    };
    for (const Case& c : {Case{1, true, std::nullopt, "Bad"}, Case{2, false, true, "Average"},
                          Case{3, false, false, "Excellent"}}) {
        Home().condition = c.condition;
        const ImproveView view = ShowImprovements(game, 0);
        EXPECT_EQ(view.Command1Enabled, c.command1) << c.condition;
        EXPECT_EQ(view.Command2Enabled, c.command2) << c.condition;
        EXPECT_EQ(view.ConditionBar, c.words);
    }
}

// An upgrade charged 10000: every draw from 1 to 25, the value it adds, and
// whether it is told as a gain or a loss.
TEST_F(ImprovementsTest, UpgradeHomeGainsOnDrawsFromThreeAndLosesOnOneAndTwo) {
    for (std::int64_t r = 1; r <= 25; ++r) {
        const double value = Home().value;
        const double rent = Home().rent;
        const double cash = Cash();
        t.dialogs.shown.clear();
        t.random.Push(r);

        const double rise = UpgradeHome(game, 0, 10000);

        const double expected = 8000 + 800.0 * static_cast<double>(r);
        EXPECT_DOUBLE_EQ(rise, expected) << r;
        EXPECT_DOUBLE_EQ(Home().value, value + expected) << r;
        EXPECT_DOUBLE_EQ(Home().rent, rent + 104) << r;
        EXPECT_DOUBLE_EQ(Cash(), cash - 10000) << r;
        ASSERT_EQ(t.dialogs.shown.size(), 1u) << r;
        EXPECT_EQ(t.dialogs.shown[0].kind, "plain");
        const std::string shownRise = "$" + std::to_string(static_cast<int>(expected));
        if (r <= 2) {
            EXPECT_EQ(
                t.dialogs.Last(),
                "Uh-oh!  You have invested $10000 into this home but it only appreciated in value "
                "by " +
                    shownRise +
                    "!  All of this work and you have lost money.  Your renters agree to pay a "
                    "marginal increase of $104 each month.");
        } else {
            EXPECT_EQ(
                t.dialogs.Last(),
                "Great News! You have invested $10000 into this home and it has appreciated in "
                "value by " +
                    shownRise +
                    "!  Your hard work has paid off and the bank is very happy!  Even your tenets "
                    "are willing to pay you more each month!  Your rent has increased by $104");
        }
    }
    EXPECT_EQ(t.random.asked, std::vector<std::int64_t>(25, 25));
    EXPECT_EQ(t.screens.Count("RefreshAll"), 25);
}

TEST_F(ImprovementsTest, UpgradeHome2DrawsFromEighteenWithItsOwnLossText) {
    const double value = Home().value;
    t.random.Push({2, 18});
    EXPECT_DOUBLE_EQ(UpgradeHome2(game, 0, 7500), 7200);
    EXPECT_EQ(
        t.dialogs.Last(),
        "Uh-oh!  Your repairs didnt help much! You have invested $7500 into this home but it "
        "only appreciated in value by $7200!  All of this work and you have lost money.  Your "
        "renters agree to pay a marginal increase of $78 each month.");
    EXPECT_DOUBLE_EQ(UpgradeHome2(game, 0, 7500), 16800);
    EXPECT_EQ(t.dialogs.Last().rfind("Great News! You have invested $7500 into", 0), 0u);
    EXPECT_DOUBLE_EQ(Home().value, value + 7200 + 16800);
    EXPECT_DOUBLE_EQ(Home().rent, 700 + 78 + 78);
    EXPECT_EQ(t.random.asked, (std::vector<std::int64_t>{18, 18}));
}

TEST_F(ImprovementsTest, NothingChargedSaysNothing) {
    t.random.Push(5);
    EXPECT_DOUBLE_EQ(UpgradeHome(game, 0, 0), 0);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_DOUBLE_EQ(Home().rent, 700);
}

TEST_F(ImprovementsTest, RequiredRepairsNeedTheExactPriceInCash) {
    game.state.Cash = 49999.99;
    EXPECT_FALSE(RequiredRepairs(game, 0));
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kNoFundsMessage});
    EXPECT_DOUBLE_EQ(Cash(), 49999.99);
    EXPECT_DOUBLE_EQ(Home().value, 150000);
    EXPECT_DOUBLE_EQ(Home().condition, 1);
    EXPECT_TRUE(t.random.asked.empty());

    game.state.Cash = 50000;
    t.random.Push(10);
    ASSERT_TRUE(RequiredRepairs(game, 0));
    EXPECT_DOUBLE_EQ(Cash(), 0);
    EXPECT_DOUBLE_EQ(Home().condition, 2);
    EXPECT_DOUBLE_EQ(Home().stage, 2);
    EXPECT_DOUBLE_EQ(Home().value, 150000 + 80000);
    EXPECT_DOUBLE_EQ(Home().rent, 700 + 520);
    EXPECT_EQ(t.screens.Count("RefreshPortfolio"), 1);

    const ImproveView view = ShowImprovements(game, 0);
    EXPECT_EQ(view.Command1Enabled, false);
    EXPECT_EQ(view.Command2Enabled, true);
    // Pressed again on an Average home, as a disabled button it does nothing.
    game.state.Cash = 100000;
    EXPECT_FALSE(RequiredRepairs(game, 0));
    EXPECT_DOUBLE_EQ(Cash(), 100000);
}

TEST_F(ImprovementsTest, BadHomeTakesTheImprovementStraightToExcellent) {
    t.random.Push(3);
    ASSERT_TRUE(Improvements(game, 0));
    EXPECT_DOUBLE_EQ(Cash(), 170000);
    EXPECT_DOUBLE_EQ(Home().condition, 3);
    EXPECT_DOUBLE_EQ(Home().stage, 3);
    EXPECT_DOUBLE_EQ(Home().rent, 700 + 312);
    EXPECT_DOUBLE_EQ(Home().value, 150000 + 31200);
    const ImproveView view = ShowImprovements(game, 0);
    EXPECT_EQ(view.ConditionBar, "Excellent");
    EXPECT_EQ(view.Command1Enabled, false);
    EXPECT_EQ(view.Command2Enabled, false);
    EXPECT_FALSE(Improvements(game, 0));
    EXPECT_DOUBLE_EQ(Cash(), 170000);
}

TEST_F(ImprovementsTest, KitchenAndBathRiseOneLevelUpToThree) {
    t.random.Push({4, 4});
    ASSERT_TRUE(UpgradeKitchen(game, 0));
    EXPECT_DOUBLE_EQ(Home().kitchen, 2);
    EXPECT_DOUBLE_EQ(Cash(), 190000);
    ASSERT_TRUE(UpgradeBathroom(game, 0));
    EXPECT_DOUBLE_EQ(Home().bathroom, 3);
    EXPECT_DOUBLE_EQ(Cash(), 183000);
    EXPECT_EQ(ShowImprovements(game, 0).bathPicture,
              (t.dir.Path() / "homecreation" / "bathroom" / "b_3.jpg").string());

    t.dialogs.shown.clear();
    EXPECT_FALSE(UpgradeBathroom(game, 0));
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kNoFurtherUpgradesMessage});
    EXPECT_DOUBLE_EQ(Cash(), 183000);
    EXPECT_DOUBLE_EQ(Home().bathroom, 3);

    game.state.Cash = 9999;
    t.dialogs.shown.clear();
    EXPECT_FALSE(UpgradeKitchen(game, 0));
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kNoFundsMessage});
    EXPECT_DOUBLE_EQ(Home().kitchen, 2);
    EXPECT_EQ(t.random.asked.size(), 2u);
}

TEST_F(ImprovementsTest, UpgradeChargesTheWholeDollarsOfThePrice) {
    Home().purchaseValue = 87654;  // kitchen 8765.4, bath 6135.78
    game.state.Cash = 8766;
    t.random.Push(5);
    ASSERT_TRUE(UpgradeKitchen(game, 0));
    EXPECT_DOUBLE_EQ(Cash(), 1);
    EXPECT_DOUBLE_EQ(Home().rent, 700 + 91);  // Int(0.125 x 8765 / 12)
    EXPECT_NEAR(Home().value, 150000 + 0.8 * 8765 * 1.5, 1e-6);
}

TEST_F(ImprovementsTest, RoofRepairAsksItsPriceAndRefusesSilentlyWithoutTheCash) {
    game.state.Cash = 7499;
    EXPECT_FALSE(MajorRepair(game, 0, 1));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "question");
    EXPECT_EQ(t.dialogs.shown[0].title, "Would you like to make the repairs?");
    EXPECT_EQ(t.dialogs.shown[0].text,
              "The cost of the repairs is $7,500, would you like to make the repairs?");
    EXPECT_TRUE(Home().Major(13));
    EXPECT_DOUBLE_EQ(Cash(), 7499);
    EXPECT_TRUE(t.random.asked.empty());

    game.state.Cash = 20000;
    t.dialogs.answers = {false};
    EXPECT_FALSE(MajorRepair(game, 0, 1));
    EXPECT_TRUE(Home().Major(13));
    EXPECT_DOUBLE_EQ(Cash(), 20000);

    t.dialogs.shown.clear();
    t.random.Push(10);
    ASSERT_TRUE(MajorRepair(game, 0, 1));
    EXPECT_FALSE(Home().Major(13));
    EXPECT_DOUBLE_EQ(Cash(), 12500);
    EXPECT_DOUBLE_EQ(Home().value, 150000 + 12000);
    EXPECT_DOUBLE_EQ(Home().rent, 700 + 78);
    EXPECT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.random.asked, std::vector<std::int64_t>{18});
    const ImproveView view = ShowImprovements(game, 0);
    EXPECT_EQ(view.MajorRepairs[1], "Roof is in good condition.");
    EXPECT_FALSE(view.MajorRepairsEnabled[1]);
    EXPECT_EQ(t.screens.Count("RefreshPortfolio"), 1);

    // The roof is good now: its button is disabled and does nothing.
    t.dialogs.shown.clear();
    EXPECT_FALSE(MajorRepair(game, 0, 1));
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(ImprovementsTest, EachMajorRepairWorksOnItsOwnElement) {
    Home().needsRepair.fill(true);
    for (std::size_t k = 0; k < kMajorRepairCount; ++k) {
        t.random.Push(3);
        ASSERT_TRUE(MajorRepair(game, 0, k)) << k;
        for (std::size_t j = 0; j < kMajorRepairCount; ++j) {
            EXPECT_EQ(Home().Major(static_cast<int>(12 + j)), j > k) << k << " " << j;
        }
    }
    EXPECT_TRUE(Home().Major(11));  // central heat has no button
    EXPECT_FALSE(MajorRepair(game, 0, kMajorRepairCount));
}

// The window acts on the row it was opened for, whatever the browser has
// since written into CurrentHouseNo.
TEST_F(ImprovementsTest, ActsOnlyOnTheRowItIsGiven) {
    AddHome("22", "9 Pine Court");
    game.state.CurrentHouseNo = "37";
    const OwnedHome before = Home(0);
    t.random.Push(5);
    ASSERT_TRUE(UpgradeBathroom(game, 1));
    EXPECT_DOUBLE_EQ(Home(1).bathroom, 3);
    EXPECT_DOUBLE_EQ(Home(0).bathroom, before.bathroom);
    EXPECT_DOUBLE_EQ(Home(0).value, before.value);
    EXPECT_DOUBLE_EQ(Home(0).rent, before.rent);
    EXPECT_EQ(ShowImprovements(game, 1).AddressSpot, "9 Pine Court");
}

TEST_F(ImprovementsTest, RowNotInTheLedgerDoesNothing) {
    const double cash = Cash();
    EXPECT_FALSE(ShowImprovements(game, 1).hasHome);
    EXPECT_FALSE(RequiredRepairs(game, 1));
    EXPECT_FALSE(Improvements(game, 1));
    EXPECT_FALSE(UpgradeKitchen(game, 1));
    EXPECT_FALSE(UpgradeBathroom(game, 1));
    EXPECT_FALSE(MajorRepair(game, 1, 1));
    EXPECT_DOUBLE_EQ(UpgradeHome(game, 1, 1000), 0);
    EXPECT_DOUBLE_EQ(PricesFor(game, 1).repairs, 0);
    EXPECT_DOUBLE_EQ(Cash(), cash);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(t.random.asked.empty());
}

}  // namespace
}  // namespace deedwell
