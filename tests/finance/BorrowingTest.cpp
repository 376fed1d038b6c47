#include <gtest/gtest.h>

#include "finance/Borrowing.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

using testing::TestGame;

struct BorrowingTest : ::testing::Test {
    TestGame t;
    Game& game = t.game;

    void SetUp() override {
        InitDefaults(game.state);
        game.state.Cash = 1000;
        // Appraised at 150000 with 105000 owed: $45,000 of equity.
        AddHome("12", "12 Lake Drive", "2", 150000, 105000);
    }

    OwnedHome& AddHome(const std::string& listing, const std::string& address,
                       const std::string& units, double value, double principal) {
        t.records.WriteListingFile(listing,
                                   "|||ADDRESS|||" + address + "\r\n|||UNITS|||" + units + "\r\n");
        OwnedHome home;
        home.listing = listing;
        home.payment = 700;
        home.principal = principal;
        home.rate = 8;
        home.term = 30;
        home.value = value;
        home.category = 2;
        home.stage = 3;
        home.waitPeriod = 6;
        home.units.assign(2, UnitState::Unrented);
        return game.ledger.Append(std::move(home));
    }

    OwnedHome& Home(std::size_t row = 0) { return game.ledger.Row(row); }
    double Cash() const { return CashOf(game.state); }
};

TEST_F(BorrowingTest, ListShowsEquityAndTheWaitWhenThereIsOne) {
    AddHome("40", "3 Hill Road", "1", 90000.4, 100000).waitPeriod = 0;
    const BorrowingView view = OpenBorrowing(game);
    EXPECT_EQ(view.caption, "Tarnwick Game");
    EXPECT_EQ(view.CashBar, "$1,000");
    EXPECT_EQ(view.ListHomes,
              (std::vector<std::string>{"12 Lake Drive (2 Units with $45,000 Equity ) 6 Months",
                                        "3 Hill Road (1 Units with -$10,000 Equity ) "}));
    EXPECT_TRUE(view.listEnabled);
    EXPECT_TRUE(view.signEnabled);
}

TEST(BorrowingWindow, NoHomesDisablesTheListAndSigning) {
    TestGame t;
    InitDefaults(t.game.state);
    const BorrowingView view = OpenBorrowing(t.game);
    EXPECT_TRUE(view.ListHomes.empty());
    EXPECT_FALSE(view.listEnabled);
    EXPECT_FALSE(view.signEnabled);
    EXPECT_FALSE(SignThePapers(t.game, 0, "100"));
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(BorrowingTest, OfferIsTheEquityLessAtLeastFiftyOneCents) {
    EXPECT_EQ(OfferedLoan(game, 0), "44999");
    Home().principal = 130000;
    EXPECT_EQ(OfferedLoan(game, 0), "19999");
    Home().principal = 129999.40;  // equity 20000.60
    EXPECT_EQ(OfferedLoan(game, 0), "20000");
    EXPECT_EQ(OfferedLoan(game, 1), "");
}

TEST_F(BorrowingTest, FiguresOfTheAmountAsked) {
    struct Case {
        const char* text;
        const char* box;
        double note;
        std::array<std::string, 4> amounts;
    };
    const std::vector<Case> cases{
        {"20000", "20000", 20000, {"$45,000", "$20,000", "$145", "$400"}},
        {"$20,000", "$20,000", 20000, {"$45,000", "$20,000", "$145", "$400"}},
        {"45001", "45001", 45001, {"$45,000", "$45,001", "$326", "$900"}},
        {"abc", "abc", 0, {"$45,000", "$0", "$0", "$"}},
        {"", "0", 0, {"$45,000", "$0", "$0", "$"}},
        {"-5000", "-5000", -5000, {"$45,000", "-$5,000", "-$36", "-$100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LoanFigures figures = ShowFigures(game, 0, c.text);
        ASSERT_TRUE(figures.hasHome);
        EXPECT_EQ(figures.DesiredLoan, c.box);
        EXPECT_DOUBLE_EQ(game.state.NewLoanAmount, c.note);
        EXPECT_EQ(figures.LoanInfo,
                  (std::array<std::string, 4>{
                      "Home Equity: ", "Note Amount: ", "Monthly Payment: ", "Financing Fees: "}));
        EXPECT_EQ(figures.LoanAmount, c.amounts);
        EXPECT_EQ(figures.picture, (t.dir.Path() / "realestate" / "2" / "3.jpg").string());
    }
    EXPECT_FALSE(ShowFigures(game, 1, "20000").hasHome);
}

// Equity 45000, cash 1000, payment 700: what signing does with each amount.
TEST_F(BorrowingTest, SigningTable) {
    struct Case {
        const char* text;
        bool accepted;
        double cash;
        double payment;    // FINDATA(0)
        double principal;  // FINDATA(1)
        std::string message;
    };
    const std::string thanks = "We thank you for your business.  You have paid financing fees of ";
    const std::vector<Case> cases{
        {"abc", false, 1000, 700, 105000, kLoanTooSmallMessage},
        {"", false, 1000, 700, 105000, kLoanTooSmallMessage},
        {"0", false, 1000, 700, 105000, kLoanTooSmallMessage},
        {"0.75", false, 1000, 700, 105000, kLoanTooSmallMessage},
        {"-5000", false, 1000, 700, 105000, kLoanTooSmallMessage},
        {"$20,000", true, 20600, 845, 125000, thanks + "400 for this transaction."},
        {"45001", true, 45100.98, 1026, 150001, thanks + "900.02 for this transaction."},
        {"45002", false, 1000, 700, 105000, kNotEnoughEquityMessage},
        // The fee told is the fee charged: on the whole dollars borrowed.
        {"20000.99", true, 20600, 845, 125000, thanks + "400 for this transaction."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        game.state.Cash = 1000;
        Home().payment = 700;
        Home().principal = 105000;
        Home().waitPeriod = 2;
        t.dialogs.shown.clear();
        t.screens.requests.clear();

        EXPECT_EQ(SignThePapers(game, 0, c.text), c.accepted);
        EXPECT_NEAR(Cash(), c.cash, 1e-9);
        EXPECT_DOUBLE_EQ(Home().payment, c.payment);
        EXPECT_DOUBLE_EQ(Home().principal, c.principal);
        EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_DOUBLE_EQ(Home().waitPeriod, c.accepted ? 6 : 2);
        EXPECT_EQ(t.screens.Count("RefreshAll"), c.accepted ? 1 : 0);
    }
}

TEST_F(BorrowingTest, CentsOfPrincipalAndPaymentAreDroppedWhenSigning) {
    Home().principal = 80000.75;
    Home().payment = 641.95;
    Home().value = 200000;
    ASSERT_TRUE(SignThePapers(game, 0, "20000"));
    EXPECT_DOUBLE_EQ(Home().principal, 100000);
    EXPECT_DOUBLE_EQ(Home().payment, 641 + 145);
    // Nothing else of the loan moves.
    EXPECT_DOUBLE_EQ(Home().rate, 8);
    EXPECT_DOUBLE_EQ(Home().term, 30);
    EXPECT_DOUBLE_EQ(Home().value, 200000);
    EXPECT_EQ(game.ledger.Count(), 1u);
}

TEST_F(BorrowingTest, NewLoanIsFiguredOverTheHomesOwnTerm) {
    Home().term = 15;
    const std::string shown = ShowFigures(game, 0, "20000").LoanAmount[2];
    EXPECT_EQ(shown, "$190");  // LoanPayment(20000, 8, 15) = 189.63
    ASSERT_TRUE(SignThePapers(game, 0, "20000"));
    EXPECT_DOUBLE_EQ(Home().payment, 700 + 190);
}

TEST_F(BorrowingTest, SigningRightAfterAPurchaseIsAllowedAndTheWaitStartsAgain) {
    ASSERT_DOUBLE_EQ(Home().waitPeriod, 6);
    EXPECT_TRUE(SignThePapers(game, 0, "100"));
    EXPECT_DOUBLE_EQ(Home().waitPeriod, 6);
}

TEST_F(BorrowingTest, OnlyTheSelectedRowBorrows) {
    AddHome("40", "3 Hill Road", "1", 90000, 50000);
    ASSERT_TRUE(SignThePapers(game, 1, "40000"));
    EXPECT_DOUBLE_EQ(Home(1).principal, 90000);
    EXPECT_DOUBLE_EQ(Home(0).principal, 105000);
    EXPECT_DOUBLE_EQ(Home(0).payment, 700);
    EXPECT_FALSE(SignThePapers(game, 2, "100"));
    EXPECT_EQ(game.ledger.Count(), 2u);
}

}  // namespace
}  // namespace deedwell
