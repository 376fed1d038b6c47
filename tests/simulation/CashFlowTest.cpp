#include <gtest/gtest.h>

#include "common/Numbers.h"
#include "simulation/CashFlow.h"
#include "simulation/MonthFixture.h"

namespace deedwell {
namespace {

using testing::AddLoanHome;
using testing::StartRentingLife;
using testing::TestGame;

class CashFlowTest : public ::testing::Test {
  protected:
    void SetUp() override { StartRentingLife(t.game, 2026); }

    void RunMonth() {
        t.game.state.CashAtMonthStart = CashOf(t.game.state);
        RunCashFlow(t.game);
    }

    TestGame t;
    GameState& s = t.game.state;
    MainScreenData& screen = t.game.screen;
};

TEST_F(CashFlowTest, RentingWithoutHomesSavesTheDifference) {
    RunMonth();
    EXPECT_EQ(CashOf(s), 2500);
    EXPECT_EQ(s.RentCollected, 0);
    EXPECT_EQ(screen.PRECASH, "$1500");
    EXPECT_EQ(screen.rPayment, "$1,000");
    EXPECT_EQ(screen.mPayments, "$");
    EXPECT_EQ(screen.CF, "$500");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(CashFlowTest, StartingCashLosesItsCentsButTheMonthsCentsStay) {
    s.CashAtMonthStart = 2499.5;
    RunCashFlow(t.game);
    EXPECT_EQ(CashOf(s), 2999);

    s.LivingCost = 1000.25;
    s.CashAtMonthStart = -0.5;  // floored towards minus infinity
    RunCashFlow(t.game);
    EXPECT_DOUBLE_EQ(CashOf(s), -1 + 499.75);
    EXPECT_EQ(screen.CF, "$500");
}

TEST_F(CashFlowTest, NegativeFlowKeepsTheSignAfterTheDollar) {
    s.LivingCost = 2734;
    RunMonth();
    EXPECT_EQ(screen.CF, "$-1,234");
    EXPECT_EQ(CashOf(s), 2000 - 1234);
}

TEST_F(CashFlowTest, PaymentsAndRentEnterTheFlow) {
    AddLoanHome(t.game, 100000, 8, 733.76,
                {UnitState::Rented, UnitState::Rented, UnitState::Unrented});
    AddLoanHome(t.game, 88580, 8, 641.95);
    RunMonth();
    EXPECT_EQ(s.RentCollected, 1400);
    EXPECT_EQ(t.game.ledger.Row(0).principal, 99933);
    EXPECT_EQ(t.game.ledger.Row(1).principal, 88529);
    EXPECT_EQ(screen.mPayments, "$1,376");  // 1375.71
    EXPECT_DOUBLE_EQ(CashOf(s), 2000 + 1400 + 1500 - 1375.71 - 1000);
    EXPECT_EQ(screen.CF, "$524");  // 524.29
}

struct ServiceCase {
    double principal, rate, payment;
    double expectedPrincipal;
    bool paidOff;
};

TEST_F(CashFlowTest, ServiceMortgageSplitsThePayment) {
    const ServiceCase cases[] = {
        {100000, 8, 733.76, 99933, false},    // interest 666.67, part 67
        {88580, 8, 641.95, 88529, false},     // part 51
        {100000, 10, 724.71, 100109, false},  // the payment does not cover the interest
        {700, 8, 704.67, 0, false},           // part exactly equal to the principal
        {500, 8, 733.76, 0, true},            // would repay more than is owed
        {250000, 8, 0, 250000, false},        // no payment: untouched
        {1234.56, 5, 100, 1140, false},       // a principal with cents is floored first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.principal << " at " << c.rate << " paying " << c.payment);
        TestGame g;
        AddLoanHome(g.game, c.principal, c.rate, c.payment);
        ServiceMortgage(g.game, 0, c.payment);
        EXPECT_EQ(g.game.ledger.Row(0).principal, c.expectedPrincipal);
        EXPECT_EQ(g.game.ledger.Row(0).payment, c.paidOff ? 0 : c.payment);
        EXPECT_EQ(g.dialogs.shown.size(), c.paidOff ? 1u : 0u);
    }
}

TEST_F(CashFlowTest, PaidOffLoanIsNotChargedThatMonth) {
    AddLoanHome(t.game, 500, 8, 733.76);
    RunMonth();
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].kind, "plain");
    EXPECT_EQ(t.dialogs.shown[0].title, "Deedwell");
    EXPECT_EQ(t.dialogs.shown[0].text, "One Of Your Homes is Paid Off!");
    EXPECT_EQ(t.game.ledger.Row(0).principal, 0);
    EXPECT_EQ(t.game.ledger.Row(0).payment, 0);
    EXPECT_EQ(screen.mPayments, "$");
    EXPECT_EQ(CashOf(s), 2500);

    // From now on the home has no loan: nothing more is said or charged.
    RunMonth();
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(CashOf(s), 3000);
}

TEST_F(CashFlowTest, ExactlyRepaidLoanIsChargedInFullAndAnnouncedAMonthLater) {
    AddLoanHome(t.game, 700, 8, 704.67);
    RunMonth();
    EXPECT_EQ(t.game.ledger.Row(0).principal, 0);
    EXPECT_EQ(t.game.ledger.Row(0).payment, 704.67);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_DOUBLE_EQ(CashOf(s), 2500 - 704.67);

    RunMonth();
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"One Of Your Homes is Paid Off!"});
    EXPECT_EQ(t.game.ledger.Row(0).payment, 0);
    EXPECT_EQ(screen.mPayments, "$");
    EXPECT_DOUBLE_EQ(CashOf(s), Int(2500 - 704.67) + 500);
}

TEST_F(CashFlowTest, LivingInThePaidOffHomeAddsTheSecondMessage) {
    AddLoanHome(t.game, 500, 8, 733.76, {UnitState::Rented, UnitState::Living});
    AddLoanHome(t.game, 100000, 8, 733.76, {UnitState::Unrented});
    RunMonth();
    EXPECT_EQ(t.dialogs.Texts(),
              (std::vector<std::string>{
                  "One Of Your Homes is Paid Off!",
                  "Now you are living here mortgage free and paying yourself rent!"}));
    EXPECT_EQ(t.dialogs.shown[1].kind, "plain");
    EXPECT_EQ(t.game.ledger.Row(1).payment, 733.76);
}

TEST_F(CashFlowTest, RowsOutsideTheLedgerAreLeftAlone) {
    AddLoanHome(t.game, 500, 8, 733.76);
    ServiceMortgage(t.game, 1, 733.76);
    CheckPaidOff(t.game, 5);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.game.ledger.Row(0).principal, 500);
}

}  // namespace
}  // namespace deedwell
