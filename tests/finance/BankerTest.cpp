#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "finance/BankerTexts.h"
#include "finance/ListingFiles.h"
#include "finance/Loans.h"
#include "finance/Purchase.h"

namespace deedwell::testing {
namespace {

constexpr int k5Percent = 0;
constexpr int k8Percent = 1;
constexpr int k30Years = 0;

class BankerTest : public ::testing::Test {
protected:
    BankerTest() {
        InitDefaults(t.game.state);
        t.game.state.Cash = 30000;
        t.game.state.MonthlyIncome = "4800";
        t.game.state.LivingCost = 700;  // allowance 1008
        WriteListing(t, "5", SampleHouse());
    }

    bool Buy(const std::string& listing, int rateOption = k8Percent, int termOption = k30Years) {
        const BankerView view = LoadBanker(t.game, listing, rateOption, termOption);
        return Deal(t.game, view.snapshot, rateOption, termOption);
    }

    // A refused deal changes nothing.
    void ExpectNothingChanged(double cash) {
        EXPECT_TRUE(t.game.ledger.Empty());
        EXPECT_EQ(CashOf(t.game.state), cash);
        EXPECT_EQ(t.screens.Count("RefreshAll"), 0);
    }

    TestGame t;
};

TEST_F(BankerTest, PurchaseAgreementAtEightPercent) {
    const BankerView view = LoadBanker(t.game, "5", k8Percent, k30Years);
    EXPECT_EQ(view.cost, "$103000");
    EXPECT_EQ(view.appraisal, "$106090");
    EXPECT_EQ(view.rent, "700");
    EXPECT_EQ(view.units, "2");
    EXPECT_EQ(view.land, ".35 Acre(s) Acres");
    EXPECT_EQ(view.condition, "Average");
    EXPECT_EQ(view.cash, "$30,000");
    EXPECT_EQ(view.askingPrice, "$103000");
    EXPECT_EQ(view.neighbourhood, "$123,456");
    EXPECT_EQ(view.downPayment, "$20600");
    EXPECT_EQ(view.closingCosts, "$6180");
    EXPECT_EQ(view.equityTowards, "$3090");
    EXPECT_EQ(view.yourCash, "$30,000");
    EXPECT_EQ(view.required, "$23690");
    EXPECT_FALSE(view.requiredAboveCash);
    EXPECT_EQ(view.loanAmount, "$88580");
    EXPECT_EQ(view.interestRate, "8%");
    EXPECT_EQ(view.monthlyPayment, "641.95");
}

TEST_F(BankerTest, OptionsChangeOnlyTheRequiredCashAndRate) {
    t.game.state.Cash = 25000;
    BankerView view = LoadBanker(t.game, "5", k5Percent, k30Years);
    EXPECT_EQ(view.required, "$28840");
    EXPECT_TRUE(view.requiredAboveCash);
    EXPECT_EQ(view.interestRate, "5%");
    // The shown loan and payment stay those of 20% down at 8%.
    EXPECT_EQ(view.loanAmount, "$88580");
    EXPECT_EQ(view.monthlyPayment, "641.95");

    RefreshAgreement(t.game, view, 2, 3);
    EXPECT_EQ(view.required, "$13390");
    EXPECT_EQ(view.interestRate, "10%");
    EXPECT_EQ(view.monthlyPayment, LoanPayment(88580, 8, 5));
}

TEST_F(BankerTest, EquityBeyondTheCostsNeedsNoCashAndNegativeEquityShowsItsSign) {
    WriteListing(t, "6", With(SampleHouse(), "APRAISE", "150000"));
    EXPECT_EQ(LoadBanker(t.game, "6", k8Percent, k30Years).required, "$0");
    WriteListing(t, "7", With(With(SampleHouse(), "PRICE", "106090"), "APRAISE", "103000"));
    EXPECT_EQ(LoadBanker(t.game, "7", k8Percent, k30Years).equityTowards, "$-3090");
}

TEST_F(BankerTest, DealBooksTheHomeInTheLedger) {
    ASSERT_TRUE(Buy("5"));

    EXPECT_EQ(CashOf(t.game.state), 30000 - 23690);
    ASSERT_EQ(t.game.ledger.Count(), 1u);
    const OwnedHome& home = t.game.ledger.Row(0);
    EXPECT_EQ(home.listing, "5");
    EXPECT_EQ(home.payment, 641.95);
    EXPECT_EQ(home.principal, 88580);
    EXPECT_EQ(home.rate, 8);
    EXPECT_EQ(home.term, 30);
    EXPECT_EQ(home.purchaseValue, 106090);
    EXPECT_EQ(home.value, 106090);
    EXPECT_EQ(home.kitchen, 1);
    EXPECT_EQ(home.bathroom, 3);
    EXPECT_EQ(home.category, 4);
    EXPECT_EQ(home.stage, 2);
    EXPECT_EQ(home.neighbourhood, 123456);
    EXPECT_EQ(home.needsRepair, (std::array<bool, 8>{false, false, true, false, false, false, false, false}));
    EXPECT_FALSE(home.forSale);
    EXPECT_FALSE(home.offerWaiting);
    EXPECT_EQ(home.rent, 700);
    EXPECT_EQ(home.waitPeriod, 6);
    EXPECT_EQ(home.condition, 2);
    EXPECT_EQ(home.units, (std::vector<UnitState>{UnitState::Unrented, UnitState::Unrented}));

    EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{kApproved}));
    EXPECT_EQ(t.screens.requests, (std::vector<std::string>{"RefreshAll", "RefreshListingBrowser",
                                                            "CloseHomeWindow", "CloseBanker"}));
}

TEST_F(BankerTest, StoredPaymentIsAtTheStandardRateWhateverRateWasChosen) {
    ASSERT_TRUE(Buy("5", k5Percent));
    const OwnedHome& home = t.game.ledger.Row(0);
    EXPECT_EQ(CashOf(t.game.state), 30000 - 28840);
    EXPECT_EQ(home.principal, 83430);
    EXPECT_EQ(home.rate, 5);
    EXPECT_EQ(home.payment, 604.63);
}

TEST_F(BankerTest, DealStoresTheValuesGrownToThisYear) {
    t.game.state.AppreciationYears = 1;
    WriteListing(t, "8", With(With(SampleHouse(), "PRICE", "100000"), "APRAISE", "103000"));
    ASSERT_TRUE(Buy("8"));
    const OwnedHome& home = t.game.ledger.Row(0);
    // P 106090, A 109272: 21218 down - 3182 equity + 6365.4 closing
    EXPECT_DOUBLE_EQ(CashOf(t.game.state), 30000 - 24401.4);
    EXPECT_DOUBLE_EQ(home.principal, 91237.4);
    EXPECT_EQ(home.purchaseValue, 109272);
    EXPECT_EQ(home.neighbourhood, 130974);
    EXPECT_EQ(home.rent, 742);
}

TEST_F(BankerTest, CashExactlyEqualToRequiredIsEnough) {
    t.game.state.Cash = 23690;
    ASSERT_TRUE(Buy("5"));
    EXPECT_EQ(CashOf(t.game.state), 0);
}

TEST_F(BankerTest, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        double cash;
        const char* salary;
        double livingCost;
        std::string message;
    };
    const Case cases[] = {
        {"a dollar short", 23689, "4800", 700, kNoCash},
        {"payment above the allowance", 30000, "2500", 700, Denied("200")},
        {"debts beyond 36%", 30000, "2500", 2000, Denied("0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.dialogs.shown.clear();
        t.game.state.Cash = c.cash;
        t.game.state.MonthlyIncome = c.salary;
        t.game.state.LivingCost = c.livingCost;
        EXPECT_FALSE(Buy("5"));
        EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{c.message}));
        ExpectNothingChanged(c.cash);
    }
}

// The banker stays on the house it was opened for, whatever the browser does.
TEST_F(BankerTest, DealBuysTheBankersHouseNotTheBrowsersHouse) {
    WriteListing(t, "6", With(With(SampleHouse(), "UNITS", "12"), "ERENT", "450"));
    const BankerView view = LoadBanker(t.game, "5", k8Percent, k30Years);
    BrowseTo(t.game, 1);  // the browser moves on to listing 6
    ASSERT_EQ(t.game.state.CurrentHouseNo, "6");

    ASSERT_TRUE(Deal(t.game, view.snapshot, k8Percent, k30Years));
    const OwnedHome& home = t.game.ledger.Row(0);
    EXPECT_EQ(home.listing, "5");
    EXPECT_EQ(home.units.size(), 2u);
    EXPECT_EQ(home.rent, 700);
}

TEST_F(BankerTest, AHouseCannotBeBoughtTwice) {
    const BankerView view = LoadBanker(t.game, "5", k8Percent, k30Years);
    ASSERT_TRUE(Deal(t.game, view.snapshot, k8Percent, k30Years));
    const double cash = CashOf(t.game.state);
    t.dialogs.shown.clear();

    EXPECT_FALSE(Deal(t.game, view.snapshot, k8Percent, k30Years));
    EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{kOwned}));
    EXPECT_EQ(t.game.ledger.Count(), 1u);
    EXPECT_EQ(CashOf(t.game.state), cash);
}

TEST_F(BankerTest, AListingRewrittenSinceTheBankerOpenedIsRefusedAndReloaded) {
    const struct {
        const char* key;
        const char* value;
    } changes[] = {{"PRICE", "99000"}, {"APRAISE", "110000"}, {"UNITS", "3"},
                   {"ERENT", "725"},   {"NVALUE", "120000"}};
    for (const auto& change : changes) {
        SCOPED_TRACE(change.key);
        WriteListing(t, "5", SampleHouse());
        t.dialogs.shown.clear();
        t.screens.requests.clear();
        const BankerView view = LoadBanker(t.game, "5", k8Percent, k30Years);
        WriteListing(t, "5", With(SampleHouse(), change.key, change.value));

        EXPECT_FALSE(Deal(t.game, view.snapshot, k8Percent, k30Years));
        EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{kChanged}));
        EXPECT_EQ(t.screens.requests, (std::vector<std::string>{"ReloadBanker"}));
        ExpectNothingChanged(30000);
    }
}

TEST_F(BankerTest, BrokenOrMissingListingsAreNotForSale) {
    std::vector<std::pair<std::string, ListingLines>> broken;
    for (const char* key : {"HOUSEcAT", "HOUSESTAGE", "PRICE", "CONDITION", "APRAISE", "UNITS",
                            "ERENT", "KITCHEN", "BATHSTAGE", "NVALUE", "MAJOR11", "MAJOR18"})
        broken.push_back({std::string("without ") + key, Without(SampleHouse(), key)});
    broken.push_back({"UNITS 0", With(SampleHouse(), "UNITS", "0")});
    broken.push_back({"UNITS 1.5", With(SampleHouse(), "UNITS", "1.5")});
    broken.push_back({"PRICE 0", With(SampleHouse(), "PRICE", "0")});
    broken.push_back({"ERENT abc", With(SampleHouse(), "ERENT", "abc")});
    broken.push_back({"HOUSEcAT 9", With(SampleHouse(), "HOUSEcAT", "9")});
    broken.push_back({"KITCHEN 0", With(SampleHouse(), "KITCHEN", "0")});
    broken.push_back({"MAJOR12 2", With(SampleHouse(), "MAJOR12", "2")});

    for (const auto& [name, lines] : broken) {
        SCOPED_TRACE(name);
        t.dialogs.shown.clear();
        WriteListing(t, "9", lines);
        EXPECT_FALSE(Buy("9"));
        EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{kGone}));
        ExpectNothingChanged(30000);
    }
    for (const char* name : {"abc", "017", "", "42"}) {  // 42 has no file
        SCOPED_TRACE(name);
        t.dialogs.shown.clear();
        if (std::string(name) != "42" && !std::string(name).empty()) WriteListing(t, name, SampleHouse());
        EXPECT_FALSE(Buy(name));
        EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{kGone}));
        ExpectNothingChanged(30000);
    }
}

TEST_F(BankerTest, AListingGoneSinceTheBankerOpenedIsRefused) {
    const BankerView view = LoadBanker(t.game, "5", k8Percent, k30Years);
    std::filesystem::remove(t.records.ListingPath("5"));
    EXPECT_FALSE(Deal(t.game, view.snapshot, k8Percent, k30Years));
    EXPECT_EQ(t.dialogs.Texts(), (std::vector<std::string>{kGone}));
    ExpectNothingChanged(30000);
}

}  // namespace
}  // namespace deedwell::testing
