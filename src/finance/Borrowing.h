#pragma once
// Borrowing against equity: a home equity loan on any owned home.
//
// Equity is the appraised value less the principal owed, and a loan may go
// up to one dollar above it. The loan is paid out in cash less a 2 % fee and
// joins the home's one mortgage: the principal rises by the loan and the
// monthly payment by the payment of a new loan of that amount at the standard
// rate over the home's own term. The refinancing wait is shown, not enforced.
// The bank window lists the homes by ledger row and hands the selected row to
// every call; a row not in the ledger does nothing.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "state/Game.h"

namespace deedwell {

// A home's equity: FINDATA(5) - FINDATA(1).
double EquityOf(const OwnedHome& home);

// The bank window's ListTheHomes: one entry per ledger row, position = row:
// ADDRESS + " (" + UNITS + " Units with " + equity "$###,###" + " Equity ) "
// + the wait, "6 Months", or nothing when the wait is 0:
// "12 Lake Drive (2 Units with $45,000 Equity ) 6 Months".
std::vector<std::string> ListTheHomesWithEquity(const Game& game);

// Opening the window.
struct BorrowingView {
    std::string caption;  // GameTitle
    std::string CashBar;  // Cash with "$#,##0"
    std::vector<std::string> ListHomes;
    // With no homes the list and "Sign The Papers" are disabled; otherwise the
    // first home is selected.
    bool listEnabled = false;
    bool signEnabled = false;
};
BorrowingView OpenBorrowing(const Game& game);

// Selecting a home offers its equity less at least 51 cents, in whole
// dollars, as the new text of DesiredLoan: equity 20000 offers "19999",
// 20000.60 offers "20000". "" for a row not in the ledger.
std::string OfferedLoan(const Game& game, std::size_t row);

// The captions of the four label pairs before any figures are shown.
inline constexpr const char* kLoanInfoBefore = "Equity:";
inline constexpr const char* kLoanAmountBefore = "0";

// ShowFigures for the selected row and the text of DesiredLoan.
struct LoanFigures {
    bool hasHome = false;     // false for a row not in the ledger; nothing else is filled
    std::string DesiredLoan;  // the box's text, "0" when it was empty
    std::array<std::string, 4> LoanInfo{
        "Home Equity: ", "Note Amount: ", "Monthly Payment: ", "Financing Fees: "};
    // LoanAmount(0) equity "$###,##0", (1) the note "$###,##0", (2) the new
    // loan's payment at the standard rate over the home's term "$###,##0",
    // (3) the fee 0.02 x note "$#,###".
    std::array<std::string, 4> LoanAmount;
    std::string picture;  // HousePicture; "" when the ledger's values name no picture
};
// Sets NewLoanAmount to the note: the number in the box with "$" and spaces
// taken out, or 0 for text that is not a number.
LoanFigures ShowFigures(Game& game, std::size_t row, std::string_view desiredText);

inline constexpr const char* kLoanTooSmallMessage = "Please enter a loan amount of at least $1.";
inline constexpr const char* kNotEnoughEquityMessage =
    "You cannot borrow this amount.  You do not have enough equity in your home.";

// "Sign The Papers" for ledger row `row` with the text of DesiredLoan. The
// amount is StripProblems of the text ("$20,000" is 20000). Refused, with
// nothing changed, when it is not a number of 1 or more
// (kLoanTooSmallMessage) or above equity + 1 (kNotEnoughEquityMessage).
// Otherwise: "We thank you for your business.  You have paid financing fees
// of 400 for this transaction.", Cash rises by the amount less the 2 % fee,
// the main screen is redrawn, the principal becomes its whole part plus the
// amount, the payment its whole part plus the whole part of the payment
// ShowFigures shows for the same text, and the wait "6" again. Returns true
// when the papers were signed: the window closes and the main screen takes
// the focus.
bool SignThePapers(Game& game, std::size_t row, std::string_view desiredText);

}  // namespace deedwell
