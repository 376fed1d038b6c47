#include "finance/ExtraPayment.h"

#include "common/Numbers.h"
#include "simulation/CashFlow.h"

namespace deedwell {

namespace {

// A ledger number as its record would hold it: plain text of 15 digits.
double AsWritten(double value) {
    return NumberOf(NumberText(value));
}

}  // namespace

PaymentWindowView ShowPaymentWindow(const Game& game, std::size_t row) {
    PaymentWindowView view;
    if (row >= game.ledger.Count()) return view;
    const double principal = game.ledger.Row(row).principal;
    view.hasHome = true;
    view.caption = game.state.GameTitle;
    view.CashBar = Format(CashOf(game.state), "$#,##0");
    view.Label2 = "Mortgage Note: " + Format(principal, "$###,###");
    // The whole principal is offered, rounded to whole dollars by the pattern,
    // so it may be a few cents above what is owed.
    view.Text1 = Format(principal, "###,###");
    return view;
}

PaymentOutcome ApplyExtraPayment(Game& game, std::size_t row, std::string_view text) {
    PaymentOutcome outcome;
    if (row >= game.ledger.Count()) return outcome;
    GameState& s = game.state;
    const double principal = game.ledger.Row(row).principal;

    if (text.empty()) {
        outcome.Text1 = NumberText(principal);
        return outcome;
    }
    const auto typed = ParseNumber(text);
    const double amount = typed ? Int(*typed) : 0;
    if (!typed || amount < 1) {
        game.dialogs.ShowMessage(kPaymentTooSmallMessage);
        return outcome;
    }
    const double cash = CashOf(s);
    if (cash < amount) {
        game.dialogs.ShowMessage(kNotEnoughCashMessage);
        return outcome;
    }
    // A payment must leave some cash in the bank; the refusal is silent.
    if (cash == amount) return outcome;
    if (principal < amount) {
        game.dialogs.ShowMessage(kPayingTooMuchMessage);
        outcome.Text1 = NumberText(principal);
        return outcome;
    }

    OwnedHome& home = game.ledger.Row(row);
    home.principal = AsWritten(home.principal - amount);
    const double left = home.principal;
    game.dialogs.ShowMessage(kPaymentPostedMessage);
    // Cents may stay owed; under a dollar the home counts as paid off.
    if (Int(left) == 0) CheckPaidOff(game, row);
    s.Cash = Int(CashOf(s)) - amount;
    game.screens.RefreshAll();
    game.screens.RefreshPortfolio();
    outcome.paid = true;
    return outcome;
}

}  // namespace deedwell
