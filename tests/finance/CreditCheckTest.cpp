#include "finance/CreditCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "support/Fakes.h"

namespace deedwell::testing {
namespace {

TEST(CreditCheckTest, AllowanceUnderTheThirtySixPercentRule) {
    struct Case {
        const char* salary;
        double livingCost;
        const char* allowance;
    };
    const Case cases[] = {
        {"2500", 700, "200"},   // ratio 0.28
        {"4800", 700, "1008"},  // 0.1458 counts as 0.15
        {"2500", 900, "0"},     // exactly 0.36: nothing left
        {"2500", 925, "0"},     // 0.37: refused outright
        {"2500", 2000, "0"},
        {"1500", 0, "390"},     // no debts at all: rated at 0.1
        {"", 0, "0"},           // no income to lend against
    };
    for (const Case& c : cases) {
        TestGame t;
        t.game.state.MonthlyIncome = c.salary;
        t.game.state.LivingCost = c.livingCost;
        CreditCheck(t.game);
        EXPECT_EQ(t.game.state.PaymentAllowance, c.allowance) << c.salary << " / " << c.livingCost;
    }
}

TEST(CreditCheckTest, OwnUnitsRentCountsAsIncomeAndEveryLoanAsDebt) {
    TestGame t;
    t.game.state.MonthlyIncome = "4800";
    t.game.state.LivingCost = 450;
    OwnedHome home;
    home.listing = "5";
    home.payment = 641.95;
    home.rent = 700;
    home.units = {UnitState::Living, UnitState::Unrented};
    t.game.ledger.Append(home);
    home.listing = "6";
    home.payment = 0;  // paid off
    home.units = {UnitState::Rented};
    t.game.ledger.Append(home);

    EXPECT_EQ(MonthlyIncomeTotal(t.game), 6200);
    EXPECT_DOUBLE_EQ(MonthlyDebtTotal(t.game), 1091.95);
    CreditCheck(t.game);
    // 1091.95 / 6200 = 0.176 → 0.18; (0.36 - 0.18) × 6200
    EXPECT_EQ(t.game.state.PaymentAllowance, "1116");
}

}  // namespace
}  // namespace deedwell::testing
