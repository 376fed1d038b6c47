#include "simulation/CashFlow.h"

#include "common/Numbers.h"
#include "simulation/Tenants.h"

namespace deedwell {

void RunCashFlow(Game& game) {
    GameState& s = game.state;
    game.screen.PRECASH = "$" + s.MonthlyIncome;

    double total = 0;
    for (std::size_t i = 0; i < game.ledger.Count(); ++i) {
        ServiceMortgage(game, i, game.ledger.Row(i).payment);
        // Read again: a loan paid off just now no longer has a payment.
        total += game.ledger.Row(i).payment;
    }

    s.RentCollected = CollectRent(game);
    const double flow = s.RentCollected + NumberOf(s.MonthlyIncome) - total - s.LivingCost;

    game.screen.mPayments = Format(total, "$#,###");
    game.screen.rPayment = Format(s.LivingCost, "$#,###");
    game.screen.CF = "$" + Format(flow, "#,###");
    // The starting cash loses its cents; this month's cents stay until next month.
    s.Cash = Int(s.CashAtMonthStart) + flow;
}

void ServiceMortgage(Game& game, std::size_t row, double payment) {
    if (payment == 0 || row >= game.ledger.Count()) return;
    const double principal = game.ledger.Row(row).principal;
    const double rate = game.ledger.Row(row).rate;
    const double interest = principal * (rate / 100) / 12;
    double part = Int(RoundHalfAway(payment - interest, 2));
    if (Int(principal) < part) {
        // The last, partial payment is never charged: the loan is simply done.
        part = Int(principal);
        CheckPaidOff(game, row);
        if (row >= game.ledger.Count()) return;
    }
    game.ledger.Row(row).principal = Int(principal) - part;
}

void CheckPaidOff(Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return;
    game.dialogs.ShowPlain("One Of Your Homes is Paid Off!");
    // A message box lets other events run; look the row up again after it.
    if (row >= game.ledger.Count()) return;
    OwnedHome& home = game.ledger.Row(row);
    home.payment = 0;
    std::size_t living = 0;
    for (UnitState unit : home.units) living += unit == UnitState::Living ? 1 : 0;
    for (std::size_t k = 0; k < living; ++k) {
        game.dialogs.ShowPlain("Now you are living here mortgage free and paying yourself rent!");
    }
}

}  // namespace deedwell
