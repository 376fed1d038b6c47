#pragma once
// The bank's 36% debt-to-income rule: monthly debts may take at most 36% of
// monthly income, and what is left below that line is the payment allowance.

#include "state/Game.h"

namespace deedwell {

// Salary plus the month's rent income (the player's own unit included).
double MonthlyIncomeTotal(const Game& game);

// Every loan payment plus the player's living cost.
double MonthlyDebtTotal(const Game& game);

// Sets PaymentAllowance: (0.36 - ratio) x income as plain number text, or "0"
// when the ratio is above 0.36.
void CreditCheck(Game& game);

}  // namespace deedwell
