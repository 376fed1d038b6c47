#pragma once
// An owned home as the banker books a purchase, for tests and the
// screenshot tool that need homes without going through the banker.

#include <cstddef>

#include "common/Numbers.h"
#include "finance/Loans.h"
#include "market/Listings.h"
#include "records/Ledger.h"

namespace deedwell::testing {

// `listing` bought with 20 % down and 6 % closing costs at 8 % over 30 years:
// the loan is 86 % of the price, the grown figures are the listing's, the
// refinancing wait is six months and every unit stands empty.
inline OwnedHome BookedPurchase(const Listing& listing) {
    const double loan = listing.price + 0.06 * listing.price - 0.2 * listing.price;
    OwnedHome home;
    home.listing = listing.number;
    home.payment = NumberOf(LoanPayment(loan, 8, 30));
    home.principal = loan;
    home.rate = 8;
    home.term = 30;
    home.purchaseValue = listing.appraisal;
    home.value = listing.appraisal;
    home.kitchen = listing.kitchen;
    home.bathroom = listing.bathStage;
    home.category = listing.category;
    home.stage = listing.stage;
    home.neighbourhood = listing.neighbourhood;
    home.needsRepair = listing.majors;
    home.rent = listing.rent;
    home.waitPeriod = 6;
    home.condition = listing.condition;
    home.units.assign(static_cast<std::size_t>(listing.units), UnitState::Unrented);
    return home;
}

}  // namespace deedwell::testing
