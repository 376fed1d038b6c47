#pragma once
// The portfolio: the owned homes one at a time, in ledger order.
//
// The window keeps a scroll position v from 1 to the number of homes it found
// when it opened; the home shown is ledger row v - 1. Everything it draws for
// that home comes from ShowHome, so a redraw after a payment or an
// improvement is the same call again. The payment window follows the home
// the portfolio shows; the improvements window keeps the row it was opened
// for.

#include <cstddef>
#include <string>
#include <vector>

#include "state/Game.h"

namespace deedwell {

// LoadHomes: the scroll bar runs from 1 to this count, starting at 1. With no
// homes the window shows "NONE", disables the scroll bar and both buttons do
// nothing.
std::size_t LoadHomes(const Game& game);

inline constexpr const char* kPortfolioNoneText = "NONE";

// Everything the portfolio shows for one home (HouseHasChanged and its
// LoadHouse). Texts are exactly those of the labels.
struct PortfolioView {
    std::string caption;  // GameTitle
    std::string CashBar;  // Cash with "$#,##0"; shown even with no homes
    // False when the row is not in the ledger (and always with no homes):
    // NoneLabel shows "NONE" when the ledger is empty, and nothing else below
    // is filled.
    bool hasHome = false;
    bool noneShown = false;  // NoneLabel visible: the player owns no home

    std::string picture;       // cHousePicture(0): "" when the ledger's values name no picture
    std::string address;       // Label2(0): ADDRESS of the home's listing
    std::string HomeValue;     // FINDATA(5) with "$###,###"
    std::string mPAyment;      // FINDATA(0) with "$###,###"
    std::string Label7;        // FINDATA(1) with "$###,###"
    std::string Label8;        // FINDATA(2) + "% / " + FINDATA(3) + " Years"
    std::string ConditionBar;  // "Bad", "Average", "Excellent"
    std::string Label12;       // FINDATA(10) with "$0,000"
    // List1: "Unit 1:  RENTED For $650", "Unit 2:  LIVING", ...
    std::vector<std::string> units;
    // Label5: collected + " of out " + potential, both "$###,##0". The rent is
    // used as stored for what is collected and cut to whole dollars for what
    // could be ("$1,301 of out $1,300" for two rented units at 650.75).
    std::string Label5;
};

// The home at ledger row `row` (scroll position row + 1).
PortfolioView ShowHome(const Game& game, std::size_t row);

// The words of an exterior condition: "Bad", "Average", "Excellent" for 1, 2,
// 3; any other value as its number text.
std::string ConditionText(double condition);

// "MAKE IMPROVEMENT" for the home at ledger row `row`: CurrentHouseNo becomes
// its 1-based home number and true is returned; the window then closes the
// construction manager if it is showing and opens it for this row. A row not
// in the ledger does nothing and returns false.
bool MakeImprovement(Game& game, std::size_t row);

}  // namespace deedwell
