#pragma once
// The home window and moving into a unit of an owned home.
//
// Moving in costs a flat $1000 and marks the chosen unit "LIVING" (at most
// one unit in the ledger is): tenants then pass it by, while its rent still
// counts as collected. The living cost becomes the listing's rent per unit
// plus the unit's share of the home's utilities. The unit window keeps the
// row it was opened for and hands it in, so nothing that other windows write
// can point a move at another home.

#include <array>
#include <string>
#include <vector>

#include "state/Game.h"

namespace deedwell {

// The home window's figures (RefreshInformation).
struct HomeWindowView {
    std::string CashBar;   // Cash with "$#,##0"
    bool homeless = true;  // never had a home: the figures say "Homeless", the picture stays
    // RentInfo(0) address, (1) rent "$0", (2) utilities "$0", (3) total "$0",
    // (4) square feet + "sf".
    std::array<std::string, 5> RentInfo{"Homeless", "Homeless", "Homeless", "Homeless", "Homeless"};
    std::string picture;  // HomePicture, when not homeless
};

// RefreshInformation: the home window's figures. When the player has a home
// it also refreshes the main screen, as the window always did.
HomeWindowView RefreshInformation(Game& game);

// ListTheHomes: one entry per ledger row, ADDRESS + " (" + UNITS + " Units)",
// with "(listing n)" in place of a missing ADDRESS. Position = ledger row.
std::vector<std::string> ListTheHomes(const Game& game);

// The picture of the owned home in `row`: realestate/<FINDATA(8)>/<FINDATA(9)>.jpg
// under the program directory, built only from a category of 1 to 8 and a
// stage of 1 to 3; "" for anything else or a row not in the ledger.
std::string OwnedHomePicture(const Game& game, int row);

// The unit window's list for ledger row `row` (LoadHouse): the unit states as
// words, and the first "UNRENTED" preselected (-1 when none). Row -1 or a row
// not in the ledger gives an empty list. Remembers the row in CurrentUnitRow.
struct UnitList {
    std::vector<std::string> entries;
    int selected = -1;
};
UnitList LoadUnits(Game& game, int row);

// "Lets Move In!" for unit `unit` of ledger row `row`, both as the unit window
// holds them (-1 for no selection). Refusals, in order: Cash not above 1000,
// no unit or a row or unit not in the ledger (silently), a "RENTED" unit, a
// listing record without a number SF, a whole UNITS of 1 or more, a number
// ERENT and an ADDRESS ("The records for this home cannot be read."); each
// changes nothing. Otherwise moves the player in, takes $1000, says "Enjoy
// your move!", refreshes the main screen and the home window, and returns
// true: the unit window must close.
bool LetsMoveIn(Game& game, int row, int unit);
inline constexpr const char* kUnreadableHomeMessage = "The records for this home cannot be read.";

// VacateLivingUnits: every "LIVING" unit in the ledger becomes "UNRENTED".
void VacateLivingUnits(Game& game);

}  // namespace deedwell
