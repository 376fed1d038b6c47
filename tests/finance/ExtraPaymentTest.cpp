#include <gtest/gtest.h>

#include "finance/ExtraPayment.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

using testing::TestGame;

struct ExtraPaymentTest : ::testing::Test {
    TestGame t;
    Game& game = t.game;

    void SetUp() override {
        InitDefaults(game.state);
        game.state.Cash = 200000;
        AddHome(94321.77, 724.71);
    }

    OwnedHome& AddHome(double principal, double payment) {
        OwnedHome home;
        home.listing = std::to_string(game.ledger.Count());
        home.principal = principal;
        home.payment = payment;
        home.rate = 8;
        home.term = 30;
        home.units = {UnitState::Rented};
        return game.ledger.Append(std::move(home));
    }

    OwnedHome& Home(std::size_t row = 0) { return game.ledger.Row(row); }
    double Cash() const { return CashOf(game.state); }
};

TEST_F(ExtraPaymentTest, WholePrincipalOfferedIsRefusedThenTheExactOnePaysItOff) {
    const PaymentWindowView view = ShowPaymentWindow(game, 0);
    ASSERT_TRUE(view.hasHome);
    EXPECT_EQ(view.caption, "Tarnwick Game");
    EXPECT_EQ(view.CashBar, "$200,000");
    EXPECT_EQ(view.Label2, "Mortgage Note: $94,322");
    EXPECT_EQ(view.Text1, "94,322");

    PaymentOutcome outcome = ApplyExtraPayment(game, 0, view.Text1);
    EXPECT_FALSE(outcome.paid);
    EXPECT_EQ(outcome.Text1, "94321.77");
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kPayingTooMuchMessage});
    EXPECT_DOUBLE_EQ(Home().principal, 94321.77);
    EXPECT_DOUBLE_EQ(Cash(), 200000);

    t.dialogs.shown.clear();
    outcome = ApplyExtraPayment(game, 0, *outcome.Text1);
    EXPECT_TRUE(outcome.paid);
    EXPECT_NEAR(Home().principal, 0.77, 1e-9);  // cents stay owed
    EXPECT_DOUBLE_EQ(Home().payment, 0);
    EXPECT_DOUBLE_EQ(Cash(), 200000 - 94321);
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "message");
    EXPECT_EQ(t.dialogs.shown[0].text, kPaymentPostedMessage);
    EXPECT_EQ(t.dialogs.shown[1].kind, "plain");
    EXPECT_EQ(t.dialogs.shown[1].text, "One Of Your Homes is Paid Off!");
    EXPECT_EQ(t.screens.requests, (std::vector<std::string>{"RefreshAll", "RefreshPortfolio"}));
    EXPECT_EQ(ShowPaymentWindow(game, 0).Label2, "Mortgage Note: $1");
}

TEST_F(ExtraPaymentTest, CentsOfCashGoWithThePaymentAndThePaymentStays) {
    game.state.Cash = 5000.60;
    const PaymentOutcome outcome = ApplyExtraPayment(game, 0, "1000");
    EXPECT_TRUE(outcome.paid);
    EXPECT_FALSE(outcome.Text1.has_value());
    EXPECT_DOUBLE_EQ(Cash(), 4000);
    EXPECT_NEAR(Home().principal, 93321.77, 1e-9);
    EXPECT_DOUBLE_EQ(Home().payment, 724.71);
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kPaymentPostedMessage});
}

TEST_F(ExtraPaymentTest, TheAmountBoxTable) {
    struct Case {
        const char* text;
        double cash;
        bool paid;
        double principal;
        double cashAfter;
        std::vector<std::string> messages;
        std::optional<std::string> box;
    };
    const std::vector<Case> cases{
        {"abc", 200000, false, 94321.77, 200000, {kPaymentTooSmallMessage}, std::nullopt},
        {"0", 200000, false, 94321.77, 200000, {kPaymentTooSmallMessage}, std::nullopt},
        {"0.99", 200000, false, 94321.77, 200000, {kPaymentTooSmallMessage}, std::nullopt},
        {"-5", 200000, false, 94321.77, 200000, {kPaymentTooSmallMessage}, std::nullopt},
        {"-5000", 200000, false, 94321.77, 200000, {kPaymentTooSmallMessage}, std::nullopt},
        {"", 200000, false, 94321.77, 200000, {}, std::string("94321.77")},
        {"2,500.99", 200000, true, 91821.77, 197500, {kPaymentPostedMessage}, std::nullopt},
        {"$1,000", 5000, true, 93321.77, 4000, {kPaymentPostedMessage}, std::nullopt},
        {"3000", 3000, false, 94321.77, 3000, {}, std::nullopt},
        {"3000", 2999.99, false, 94321.77, 2999.99, {kNotEnoughCashMessage}, std::nullopt},
        {"3000.75", 3000.5, true, 91321.77, 0, {kPaymentPostedMessage}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + std::string(" with cash ") + std::to_string(c.cash));
        Home().principal = 94321.77;
        game.state.Cash = c.cash;
        t.dialogs.shown.clear();
        t.screens.requests.clear();

        const PaymentOutcome outcome = ApplyExtraPayment(game, 0, c.text);
        EXPECT_EQ(outcome.paid, c.paid);
        EXPECT_EQ(outcome.Text1, c.box);
        EXPECT_NEAR(Home().principal, c.principal, 1e-9);
        EXPECT_DOUBLE_EQ(Cash(), c.cashAfter);
        EXPECT_EQ(t.dialogs.Texts(), c.messages);
        EXPECT_EQ(t.screens.Count("RefreshAll"), c.paid ? 1 : 0);
        EXPECT_DOUBLE_EQ(Home().payment, 724.71);
    }
}

TEST_F(ExtraPaymentTest, PayingOffTheHomeYouLiveInTellsBoth) {
    Home().principal = 500;
    Home().units = {UnitState::Rented, UnitState::Living};
    ASSERT_TRUE(ApplyExtraPayment(game, 0, "500").paid);
    EXPECT_DOUBLE_EQ(Home().principal, 0);
    EXPECT_DOUBLE_EQ(Home().payment, 0);
    EXPECT_EQ(t.dialogs.Texts(),
              (std::vector<std::string>{
                  kPaymentPostedMessage, "One Of Your Homes is Paid Off!",
                  "Now you are living here mortgage free and paying yourself rent!"}));
}

TEST_F(ExtraPaymentTest, ADollarLeftIsNotPaidOff) {
    Home().principal = 1001;
    ASSERT_TRUE(ApplyExtraPayment(game, 0, "1000").paid);
    EXPECT_DOUBLE_EQ(Home().principal, 1);
    EXPECT_DOUBLE_EQ(Home().payment, 724.71);
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kPaymentPostedMessage});
}

// The window follows the home the portfolio shows: each redraw and each press
// names its row.
TEST_F(ExtraPaymentTest, FollowsTheRowItIsGiven) {
    AddHome(50000, 400);
    EXPECT_EQ(ShowPaymentWindow(game, 1).Label2, "Mortgage Note: $50,000");
    EXPECT_EQ(ShowPaymentWindow(game, 1).Text1, "50,000");
    ASSERT_TRUE(ApplyExtraPayment(game, 1, "50,000").paid);
    EXPECT_DOUBLE_EQ(Home(1).principal, 0);
    EXPECT_DOUBLE_EQ(Home(1).payment, 0);
    EXPECT_DOUBLE_EQ(Home(0).principal, 94321.77);
    EXPECT_DOUBLE_EQ(Home(0).payment, 724.71);
}

TEST_F(ExtraPaymentTest, RowNotInTheLedgerDoesNothing) {
    EXPECT_FALSE(ShowPaymentWindow(game, 1).hasHome);
    const PaymentOutcome outcome = ApplyExtraPayment(game, 1, "100");
    EXPECT_FALSE(outcome.paid);
    EXPECT_FALSE(outcome.Text1.has_value());
    EXPECT_FALSE(ApplyExtraPayment(game, 1, "").Text1.has_value());
    EXPECT_DOUBLE_EQ(Cash(), 200000);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

}  // namespace
}  // namespace deedwell
