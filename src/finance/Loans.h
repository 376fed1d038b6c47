#pragma once
// The monthly payment of every loan in the game.

#include <string>

namespace deedwell {

// The yearly rate, in percent, at which every stored payment is figured.
inline constexpr double kStandardLoanRate = 8;
inline std::string StandardLoanRate() { return "8"; }

// The monthly payment of `principal` at `ratePercent` a year over `years`,
// interest compounded twice a year, as text with two decimals ("724.71").
// A rate of 0 spreads the principal evenly; a term of 0 or less gives "0.00".
std::string LoanPayment(double principal, double ratePercent, double years);

}  // namespace deedwell
