#pragma once
// The month's money: paycheck in, rent and utilities out, every mortgage
// payment out (each one servicing its loan), tenants' rent in.
//
// The new cash is built from the cash the month started with, not by adding
// up what the month's steps changed, so the month's result does not depend on
// the order of the steps.

#include <cstddef>

#include "state/Game.h"

namespace deedwell {

// RunCashFlow: services every loan in ledger order, collects the rent, sets
// RentCollected and Cash := Int(CashAtMonthStart) + flow, and writes the last
// month's figures into game.screen:
//   PRECASH   "$" + MonthlyIncome as stored          ("$1500")
//   rPayment  LivingCost with "$#,###"              ("$1,000")
//   mPayments the month's mortgage total, "$#,###"  ("$" when none)
//   CF        "$" + the flow with "#,###"            ("$500", "$-1,234")
// A loan paid off this month adds nothing to the month's total.
void RunCashFlow(Game& game);

// ServiceMortgage: one month of the loan of ledger row `row` with the monthly
// `payment` (its FINDATA(0)). The part of the payment above the month's
// interest, to the nearest cent and then floored, repays principal; when it
// would repay more than is owed the loan is paid off (CheckPaidOff) and the
// principal becomes 0. A payment of 0 or a row that is not in the ledger does
// nothing. The principal is stored as a whole number.
void ServiceMortgage(Game& game, std::size_t row, double payment);

// CheckPaidOff: "One Of Your Homes is Paid Off!" in a plain box, the row's
// payment becomes 0, and for the unit the player lives in a second plain box
// "Now you are living here mortgage free and paying yourself rent!". A row
// that is not in the ledger does nothing.
void CheckPaidOff(Game& game, std::size_t row);

}  // namespace deedwell
