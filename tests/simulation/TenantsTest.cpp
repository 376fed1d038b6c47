#include "simulation/Tenants.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Fakes.h"

namespace deedwell::testing {
namespace {

using U = UnitState;

class TenantsTest : public ::testing::Test {
protected:
    TenantsTest() {
        InitDefaults(t.game.state);
        t.game.state.Cash = 2000;
    }

    OwnedHome& AddHome(std::vector<UnitState> units, double rent = 700) {
        OwnedHome home;
        home.listing = std::to_string(t.game.ledger.Count() + 3);
        home.neighbourhood = 150000;
        home.rent = rent;
        home.units = std::move(units);
        return t.game.ledger.Append(std::move(home));
    }

    void AddAlert(double amount, int kind = Alert::kRepair, std::string text = "Renter Demands Repairs!") {
        t.game.alerts.push_back({std::move(text), amount, kind});
    }

    std::vector<double> Amounts() const {
        std::vector<double> amounts;
        for (const Alert& a : t.game.alerts) amounts.push_back(a.amount);
        return amounts;
    }

    TestGame t;
};

TEST_F(TenantsTest, EachUnitDrawsOnceByItsOwnOdds) {
    t.game.state.RenterOdds = 24;
    t.game.state.RentDemand = 4;
    AddHome({U::Rented, U::Rented, U::Unrented, U::Unrented, U::Living});
    t.random.Push({1, 5, 1, 2});  // leaves, stays, moves in, stays vacant

    TurnOverTenants(t.game);

    EXPECT_EQ(t.game.ledger.Row(0).units,
              (std::vector<UnitState>{U::Unrented, U::Rented, U::Rented, U::Unrented, U::Living}));
    // The player's own unit draws nothing, and a unit that changed is not drawn again.
    EXPECT_EQ(t.random.asked, (std::vector<std::int64_t>{24, 24, 4, 4}));
}

TEST_F(TenantsTest, DamagedHomeKeepsItsTenantsButFindsNoNewOnes) {
    t.game.state.RenterOdds = 24;
    OwnedHome& home = AddHome({U::Unrented, U::Rented, U::Rented});
    home.Major(13) = true;
    t.random.Push({2, 1});  // the first tenant stays, the second leaves

    TurnOverTenants(t.game);

    EXPECT_EQ(t.game.ledger.Row(0).units,
              (std::vector<UnitState>{U::Unrented, U::Rented, U::Unrented}));
    EXPECT_EQ(t.random.asked, (std::vector<std::int64_t>{24, 24}));
}

TEST_F(TenantsTest, HomeHasDamageLooksAtTheNeighbourhoodAndEveryMajorFlag) {
    AddHome({U::Unrented});
    EXPECT_FALSE(HomeHasDamage(t.game, 0));
    for (int column = 11; column <= 18; ++column) {
        t.game.ledger.Row(0).needsRepair = {};
        t.game.ledger.Row(0).Major(column) = true;
        EXPECT_TRUE(HomeHasDamage(t.game, 0)) << "FINDATA(" << column << ")";
    }
    t.game.ledger.Row(0).needsRepair = {};
    t.game.ledger.Row(0).neighbourhood = 1;
    EXPECT_TRUE(HomeHasDamage(t.game, 0));
    EXPECT_FALSE(HomeHasDamage(t.game, 1));  // no such home
}

TEST_F(TenantsTest, RentComesFromRentedAndOwnUnitsInWholeDollars) {
    AddHome({U::Rented, U::Living, U::Unrented}, 875.9);
    AddHome({U::Living, U::Rented}, 700);
    EXPECT_EQ(CollectRent(t.game), 875 * 2 + 700 * 2);
    t.game.ledger.Row(0).units = {U::Unrented, U::Unrented, U::Unrented};
    EXPECT_EQ(CollectRent(t.game), 1400);
}

TEST_F(TenantsTest, RepairRequestComesOnlyFromRentedUnitsOnADrawOfThree) {
    AddHome({U::Rented, U::Unrented, U::Living, U::Rented});
    t.random.Push({3, 423, 5});

    RandomRentIssue(t.game);

    ASSERT_EQ(t.game.alerts.size(), 1u);
    EXPECT_EQ(t.game.alerts[0].text, "Renter Demands Repairs!");
    EXPECT_EQ(t.game.alerts[0].amount, 523);
    EXPECT_EQ(t.game.alerts[0].taxYears, Alert::kRepair);
    EXPECT_EQ(t.random.asked, (std::vector<std::int64_t>{12, 600, 12}));
}

TEST_F(TenantsTest, AlertDescriptionShowsWholeDollars) {
    AddAlert(523);
    AddAlert(15.45, 0, "(2028) Back Taxes Penalty! ");
    EXPECT_EQ(AlertDescription(t.game, 0),
              "Renter Demands Repairs!. It will cost you $523.  Failing to pay may cause you "
              "trouble down the road.");
    EXPECT_EQ(AlertDescription(t.game, 1),
              "(2028) Back Taxes Penalty! . It will cost you $15.  Failing to pay may cause you "
              "trouble down the road.");
    EXPECT_EQ(AlertDescription(t.game, 2), "");

    SelectAlert(t.game, 0);
    EXPECT_EQ(t.game.screen.SelectedAlert, 0);
    EXPECT_EQ(t.game.screen.AlertMessage, AlertDescription(t.game, 0));
}

TEST_F(TenantsTest, PayNeedsStrictlyMoreWholeDollarsAndDropsTheFraction) {
    struct Case {
        double cash;
        double amount;
        bool paid;
        double cashAfter;
    };
    const Case cases[] = {
        {700.99, 700, false, 700.99},
        {701, 700, true, 1},
        {100, 15.45, true, 85},
        {15.99, 15.45, false, 15.99},
        {-50, 0.5, false, -50},
    };
    for (const Case& c : cases) {
        TestGame g;
        g.game.state.Cash = c.cash;
        g.game.alerts.push_back({"Renter Demands Repairs!", c.amount, Alert::kRepair});
        g.game.screen.AlertMessage = "before";

        EXPECT_EQ(PayAlert(g.game, 0), c.paid) << c.cash << " / " << c.amount;
        EXPECT_DOUBLE_EQ(CashOf(g.game.state), c.cashAfter);
        EXPECT_EQ(g.game.alerts.size(), c.paid ? 0u : 1u);
        EXPECT_EQ(g.game.screen.AlertMessage, c.paid ? "Payment has been made!" : "before");
        EXPECT_EQ(g.screens.Count("RefreshAll"), c.paid ? 1 : 0);
    }
}

TEST_F(TenantsTest, PayingOneOfSeveralSelectsTheFirstOfTheRest) {
    AddAlert(300);
    AddAlert(1500, 0, "(2027) Taxes are due for 12 Elm Street");
    AddAlert(200);

    EXPECT_TRUE(PayAlert(t.game, 1));
    EXPECT_EQ(Amounts(), (std::vector<double>{300, 200}));
    EXPECT_EQ(CashOf(t.game.state), 500);
    EXPECT_EQ(t.game.screen.SelectedAlert, 0);
    EXPECT_EQ(t.game.screen.AlertMessage, AlertDescription(t.game, 0));

    EXPECT_FALSE(PayAlert(t.game, 2));  // nothing there
    EXPECT_FALSE(PayAlert(t.game, -1));
    EXPECT_EQ(Amounts(), (std::vector<double>{300, 200}));
}

TEST_F(TenantsTest, PayAllStopsAtTheFirstAlertItCannotPay) {
    t.game.state.Cash = 1000;
    AddAlert(100);
    AddAlert(200);
    AddAlert(5000, 0, "(2027) Taxes are due for 12 Elm Street");
    AddAlert(10);

    PayAllAlerts(t.game);

    EXPECT_EQ(Amounts(), (std::vector<double>{5000, 10}));
    EXPECT_EQ(CashOf(t.game.state), 700);
    EXPECT_EQ(t.game.screen.SelectedAlert, 0);
    EXPECT_EQ(t.game.screen.AlertMessage, AlertDescription(t.game, 0));
    EXPECT_EQ(t.screens.Count("RefreshAll"), 2);
}

TEST_F(TenantsTest, PayAllWithTooLittleForTheFirstPaysNothing) {
    AddAlert(3000);
    AddAlert(100);
    PayAllAlerts(t.game);
    EXPECT_EQ(Amounts(), (std::vector<double>{3000, 100}));
    EXPECT_EQ(CashOf(t.game.state), 2000);
}

TEST_F(TenantsTest, PayAllClearsEverythingItCanAfford) {
    AddAlert(100);
    AddAlert(15.45, 0, "(2028) Back Taxes Penalty! ");
    PayAllAlerts(t.game);
    EXPECT_TRUE(t.game.alerts.empty());
    EXPECT_EQ(CashOf(t.game.state), 1885);
    EXPECT_EQ(t.game.screen.AlertMessage, "Payment has been made!");
    EXPECT_EQ(t.game.screen.SelectedAlert, -1);
}

TEST_F(TenantsTest, TaxesCannotBeIgnored) {
    AddAlert(1500, 0, "(2027) Taxes are due for 12 Elm Street");
    AddAlert(45, 1, "(2028) Back Taxes Penalty! ");
    t.game.screen.AlertMessage = "before";
    EXPECT_FALSE(IgnoreAlert(t.game, 0));
    EXPECT_FALSE(IgnoreAlert(t.game, 1));
    EXPECT_EQ(t.game.alerts.size(), 2u);
    EXPECT_EQ(t.game.screen.AlertMessage, "before");
    EXPECT_EQ(CashOf(t.game.state), 2000);
}

TEST_F(TenantsTest, IgnoringARepairRequestCostsNothing) {
    AddAlert(1500, 0, "(2027) Taxes are due for 12 Elm Street");
    AddAlert(523);

    EXPECT_TRUE(IgnoreAlert(t.game, 1));
    EXPECT_EQ(Amounts(), (std::vector<double>{1500}));
    EXPECT_EQ(t.game.screen.AlertMessage, AlertDescription(t.game, 0));
    EXPECT_EQ(t.screens.Count("RefreshAll"), 1);
    EXPECT_EQ(CashOf(t.game.state), 2000);

    t.game.alerts.clear();
    AddAlert(300);
    EXPECT_TRUE(IgnoreAlert(t.game, 0));
    EXPECT_TRUE(t.game.alerts.empty());
    EXPECT_EQ(t.game.screen.AlertMessage, "Request has been ignored!");
    EXPECT_FALSE(IgnoreAlert(t.game, 0));
}

}  // namespace
}  // namespace deedwell::testing
