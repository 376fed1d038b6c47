#pragma once
// Extra mortgage payments: whole dollars off one home's principal, on top of
// the monthly payments.
//
// The payment window acts on the home the portfolio shows, so it takes the row
// at every redraw and every press; when the portfolio moves to another home
// the window is redrawn for it. An extra payment lowers the principal only:
// the monthly payment stays as it is until less than a dollar is owed, when
// the home counts as paid off.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "state/Game.h"

namespace deedwell {

// What the payment window shows for ledger row `row`: on opening, and again
// whenever the portfolio shows another home.
struct PaymentWindowView {
    bool hasHome = false;  // false for a row not in the ledger; nothing else is filled
    std::string caption;   // GameTitle
    std::string CashBar;   // Cash with "$#,##0"
    std::string Label2;    // "Mortgage Note: " + principal with "$###,###"
    std::string Text1;     // the whole principal offered, "###,###" ("94,322")
};
PaymentWindowView ShowPaymentWindow(const Game& game, std::size_t row);

inline constexpr const char* kPaymentTooSmallMessage =
    "Please enter a payment amount of at least $1.";
inline constexpr const char* kNotEnoughCashMessage = "Not enough cash in the bank folks.";
inline constexpr const char* kPayingTooMuchMessage =
    "You cannot pay more on your mortgage then what you owe.  I have set the MAX amount you can "
    "pay in the box for you.";
inline constexpr const char* kPaymentPostedMessage =
    "Your payment has been posted to your mortgage.";

// What the payment window does after "Make Payment".
struct PaymentOutcome {
    bool paid = false;                 // the payment went through: the window closes
    std::optional<std::string> Text1;  // a new text for the amount box
};

// "Make Payment" for ledger row `row` with the amount box's text `text`:
//  - an empty box gets the principal exactly as stored ("94321.77"), nothing else;
//  - the amount is the whole part of the number in the box ("2,500.99" pays
//    2500); below 1, or not a number: kPaymentTooSmallMessage;
//  - Cash below the amount: kNotEnoughCashMessage; Cash equal to it: nothing,
//    silently, since a payment must leave some cash;
//  - an amount above the principal: kPayingTooMuchMessage and the principal
//    exactly as stored in the box.
// Otherwise the principal falls by the amount, kPaymentPostedMessage is shown,
// a principal under one dollar runs CheckPaidOff, Cash becomes Int(Cash) -
// amount, and the main screen and the portfolio are redrawn. A refusal changes
// nothing; a row not in the ledger does nothing at all.
PaymentOutcome ApplyExtraPayment(Game& game, std::size_t row, std::string_view text);

}  // namespace deedwell
