#include "simulation/YearlyEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Numbers.h"
#include "support/Fakes.h"

namespace deedwell::testing {
namespace {

class YearlyEventsTest : public ::testing::Test {
protected:
    YearlyEventsTest() {
        InitDefaults(t.game.state);
        t.game.state.CurrentYear = 2028;
    }

    OwnedHome& AddHome(const std::string& listing, const std::string& address, double value,
                       double rent = 900) {
        t.records.WriteListingFile(listing, "|||ADDRESS|||" + address + "\r\n");
        OwnedHome home;
        home.listing = listing;
        home.purchaseValue = value;
        home.value = value;
        home.neighbourhood = 100000;
        home.rent = rent;
        home.units = {UnitState::Unrented};
        return t.game.ledger.Append(std::move(home));
    }

    // The taxes of one more new year, unpaid.
    void NewYear() {
        t.game.state.CurrentYear += 1;
        YearlyTaxes(t.game);
    }

    TestGame t;
};

struct Expected {
    std::string text;
    double amount;
    int kind;
};

void ExpectAlerts(const std::vector<Alert>& alerts, const std::vector<Expected>& expected) {
    ASSERT_EQ(alerts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(alerts[i].text, expected[i].text) << "alert " << i;
        EXPECT_DOUBLE_EQ(alerts[i].amount, expected[i].amount) << "alert " << i;
        EXPECT_EQ(alerts[i].taxYears, expected[i].kind) << "alert " << i;
    }
}

TEST_F(YearlyEventsTest, TaxBillThenGrowthAndPenaltyAYearLater) {
    AddHome("7", "12 Elm Street", 150000);
    t.game.alerts.push_back({"Renter Demands Repairs!", 500, Alert::kRepair});

    YearlyTaxes(t.game);
    ExpectAlerts(t.game.alerts, {{"Renter Demands Repairs!", 515, -1},
                                 {"(2027) Taxes are due for 12 Elm Street", 1500, 0}});

    NewYear();
    // The penalty is figured from the bill before it grows; repairs draw none.
    ExpectAlerts(t.game.alerts, {{"Renter Demands Repairs!", 530, -1},
                                 {"(2027) Taxes are due for 12 Elm Street", 1545, 1},
                                 {"(2028) Back Taxes Penalty! ", 45, 0},
                                 {"(2028) Taxes are due for 12 Elm Street", 1500, 0}});
}

TEST_F(YearlyEventsTest, ThreeUnpaidYearsGiveExactlyThisList) {
    AddHome("7", "12 Elm Street", 150000);
    YearlyTaxes(t.game);
    NewYear();
    NewYear();
    const std::string penalty = "(2029) Back Taxes Penalty! ";
    ExpectAlerts(t.game.alerts, {{"(2027) Taxes are due for 12 Elm Street", 1591, 2},
                                 {"(2028) Back Taxes Penalty! ", 46, 1},
                                 {"(2028) Taxes are due for 12 Elm Street", 1545, 1},
                                 {penalty, 46.35, 0},
                                 {penalty, 1.35, 0},  // the penalty of a penalty
                                 {penalty, 45, 0},
                                 {"(2029) Taxes are due for 12 Elm Street", 1500, 0}});
}

TEST_F(YearlyEventsTest, UnpaidTaxesStayManageableOverALongLife) {
    AddHome("7", "12 Elm Street", 150000);
    YearlyTaxes(t.game);
    for (int year = 0; year < 30; ++year) NewYear();

    EXPECT_LT(t.game.alerts.size(), 5000u);
    int bills = 0;
    for (const Alert& alert : t.game.alerts) {
        if (alert.text.find("Taxes are due") != std::string::npos) {
            ++bills;
            double amount = 1500;
            for (int y = 0; y < alert.taxYears; ++y) amount = Int(amount + amount * 0.03);
            EXPECT_EQ(alert.amount, amount) << alert.text;
        } else if (alert.taxYears == 0) {
            EXPECT_GE(alert.amount, 1) << "a penalty of less than a dollar";
        }
    }
    EXPECT_EQ(bills, 31);
}

TEST_F(YearlyEventsTest, EveryHomeGetsItsBillFromThePurchaseValue) {
    AddHome("7", "12 Elm Street", 150000).value = 180000;
    AddHome("12", "4  Oak Lane", 99999);
    YearlyTaxes(t.game);
    ExpectAlerts(t.game.alerts, {{"(2027) Taxes are due for 12 Elm Street", 1500, 0},
                                 {"(2027) Taxes are due for 4  Oak Lane", 999, 0}});
}

TEST_F(YearlyEventsTest, NoHomesNoAlertsNoBills) {
    YearlyTaxes(t.game);
    EXPECT_TRUE(t.game.alerts.empty());
}

TEST_F(YearlyEventsTest, AppreciationRaisesValuesAndRentsAndSaysBy) {
    OwnedHome& home = AddHome("7", "12 Elm Street", 150000, 900);

    AppreciateHomes(t.game);

    EXPECT_EQ(home.value, 154500);
    EXPECT_EQ(home.rent, 927);
    EXPECT_EQ(home.neighbourhood, 103000);
    EXPECT_EQ(home.purchaseValue, 150000);
    EXPECT_EQ(t.game.state.AppreciationYears, 1);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    EXPECT_EQ(t.dialogs.Last(),
              "Congratulations, your homes have increased in value this year by $4,500\r\n"
              "Rent has increased by: $27");
}

TEST_F(YearlyEventsTest, RentRiseIsShownRoundedButStoredFloored) {
    OwnedHome& home = AddHome("7", "12 Elm Street", 150000, 850);
    AppreciateHomes(t.game);
    EXPECT_EQ(home.rent, 875);
    EXPECT_NE(t.dialogs.Last().find("Rent has increased by: $26"), std::string::npos);
}

TEST_F(YearlyEventsTest, NoHomesNoMessageButTheMarketStillGrows) {
    AppreciateHomes(t.game);
    AppreciateHomes(t.game);
    EXPECT_EQ(t.game.state.AppreciationYears, 2);
    EXPECT_TRUE(t.dialogs.shown.empty());

    AddHome("7", "12 Elm Street", 0, 900);
    AppreciateHomes(t.game);
    EXPECT_TRUE(t.dialogs.shown.empty());  // nothing rose in value
}

}  // namespace
}  // namespace deedwell::testing
