#pragma once
// What the banker says, word for word, for the rule tests and the window tests.

#include <string>

namespace deedwell::testing {

inline const char* const kApproved =
    "The bank has approved your mortgage loan. \r\n\r\nCongratulations on your new home.  Be "
    "sure not to miss any mortgage payments in the near future.";
inline const char* const kNoCash =
    "We are sorry but you must be able to afford the downpayment and closing costs to this home "
    "before we can give you this loan.  Return with the downpayment at another time.";
inline const char* const kOwned = "This property has already been taken off the market -- by you.";
inline const char* const kChanged = "This listing has changed.  Please review the new figures.";
inline const char* const kGone = "This listing is no longer on the market.";

// The refusal that names the monthly payment the bank would allow.
inline std::string Denied(const std::string& allowance) {
    return "We are sorry to inform you that your mortgage has been denied by the bank.  We believe "
           "that additional debt at this point could hurt your ability to pay.  However, we feel "
           "that you may be able to handle a mortgage in the amount of " +
           allowance + " or less a month if you care to apply for the mortgage.";
}

}  // namespace deedwell::testing
