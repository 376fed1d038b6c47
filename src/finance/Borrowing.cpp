#include "finance/Borrowing.h"

#include "common/Numbers.h"
#include "finance/Loans.h"
#include "property/MoveIn.h"

namespace deedwell {

namespace {

constexpr double kFeeRate = 0.02;

// The note a text asks for: its number once "$" and spaces are taken out,
// cents kept, or 0 when it is not a number.
double NoteAmountOf(std::string_view text) {
    std::string cleaned;
    for (char c : text) {
        if (c != '$' && c != ' ') cleaned += c;
    }
    return ParseNumber(cleaned).value_or(0);
}

// LoanAmount(2): the payment of a new loan of `note` at the standard rate
// over the home's own term, in whole dollars as shown.
std::string ShownPayment(const OwnedHome& home, double note) {
    return Format(LoanPayment(note, kStandardLoanRate, home.term), "$###,##0");
}

}  // namespace

double EquityOf(const OwnedHome& home) {
    return home.value - home.principal;
}

std::vector<std::string> ListTheHomesWithEquity(const Game& game) {
    std::vector<std::string> entries;
    for (const auto& home : game.ledger.Rows()) {
        const std::string wait =
            home.waitPeriod == 0 ? "" : NumberText(home.waitPeriod) + " Months";
        entries.push_back(game.records.ReadListingValue("ADDRESS", home.listing) + " (" +
                          game.records.ReadListingValue("UNITS", home.listing) + " Units with " +
                          Format(EquityOf(home), "$###,###") + " Equity ) " + wait);
    }
    return entries;
}

BorrowingView OpenBorrowing(const Game& game) {
    BorrowingView view;
    view.caption = game.state.GameTitle;
    view.CashBar = Format(CashOf(game.state), "$#,##0");
    view.ListHomes = ListTheHomesWithEquity(game);
    view.listEnabled = !view.ListHomes.empty();
    view.signEnabled = view.listEnabled;
    return view;
}

std::string OfferedLoan(const Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return "";
    // At least 51 cents under the equity, so the offer always passes the limit.
    return NumberText(Int(EquityOf(game.ledger.Row(row)) - 0.51));
}

LoanFigures ShowFigures(Game& game, std::size_t row, std::string_view desiredText) {
    LoanFigures figures;
    if (row >= game.ledger.Count()) return figures;
    const OwnedHome& home = game.ledger.Row(row);
    figures.hasHome = true;
    figures.DesiredLoan = desiredText.empty() ? "0" : std::string(desiredText);
    const double note = NoteAmountOf(figures.DesiredLoan);
    game.state.NewLoanAmount = note;
    figures.LoanAmount = {Format(EquityOf(home), "$###,##0"), Format(note, "$###,##0"),
                          ShownPayment(home, note), Format(kFeeRate * note, "$#,###")};
    figures.picture = OwnedHomePicture(game, static_cast<int>(row));
    return figures;
}

bool SignThePapers(Game& game, std::size_t row, std::string_view desiredText) {
    if (row >= game.ledger.Count()) return false;
    const auto stripped = StripProblems(desiredText);
    if (!stripped || *stripped < 1) {
        game.dialogs.ShowMessage(kLoanTooSmallMessage);
        return false;
    }
    const double amount = *stripped;
    if (amount > EquityOf(game.ledger.Row(row)) + 1) {
        game.dialogs.ShowMessage(kNotEnoughEquityMessage);
        return false;
    }
    // The payment the window shows for this text, before anything changes.
    const std::string shownPayment = ShownPayment(game.ledger.Row(row), NoteAmountOf(desiredText));
    const double fee = kFeeRate * amount;
    game.dialogs.ShowMessage("We thank you for your business.  You have paid financing fees of " +
                             NumberText(fee) + " for this transaction.");
    GameState& s = game.state;
    s.Cash = CashOf(s) + amount - fee;
    game.screens.RefreshAll();
    if (row >= game.ledger.Count()) return true;

    // The home keeps one loan: the equity loan joins its principal and payment,
    // each cut to whole dollars first.
    OwnedHome& home = game.ledger.Row(row);
    home.principal = Int(home.principal) + amount;
    home.payment = Int(home.payment) + StripProblems(shownPayment).value_or(0);
    home.waitPeriod = 6;
    return true;
}

}  // namespace deedwell
