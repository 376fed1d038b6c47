#include "finance/CreditCheck.h"

#include "common/Numbers.h"
#include "simulation/Tenants.h"

namespace deedwell {

namespace {

constexpr double kDebtLimit = 0.36;
// A player without any debt is rated as if a tenth of the income went to it.
constexpr double kDebtFreeRatio = 0.1;

}  // namespace

double MonthlyIncomeTotal(const Game& game) {
    return CollectRent(game) + NumberOf(game.state.MonthlyIncome);
}

double MonthlyDebtTotal(const Game& game) {
    double debts = 0;
    for (const OwnedHome& home : game.ledger.Rows()) debts += home.payment;
    return debts + game.state.LivingCost;
}

void CreditCheck(Game& game) {
    const double income = MonthlyIncomeTotal(game);
    const double debts = MonthlyDebtTotal(game);
    // Without any income there is nothing to lend against.
    if (income <= 0) {
        game.state.PaymentAllowance = "0";
        return;
    }
    // The bank works with the ratio as it prints it, to the cent.
    double ratio = RoundHalfAway(debts / income, 2);
    if (debts == 0) ratio = kDebtFreeRatio;
    if (ratio > kDebtLimit) {
        game.state.PaymentAllowance = "0";
        return;
    }
    game.state.PaymentAllowance = NumberText((kDebtLimit - ratio) * income);
}

}  // namespace deedwell
