#pragma once
// Renting a place to live: the rent window's figures and its "RENT ME".
//
// The rentals are the records of renthouses/, addressed by their position in
// name order; the picture of position i is (i + 1).jpg whatever the record's
// name. Renting charges first and last month plus $1000 of moving and makes
// the rental's rent and utilities the player's monthly living cost. It never
// touches the ledger: an owned unit marked "LIVING" keeps its mark.

#include <string>

#include "state/Game.h"

namespace deedwell {

// The cash bar of the rent, home and unit windows: Cash with "$#,##0".
std::string HomeCashBarText(const Game& game);

// Opening the rent window: UtilityRate becomes 0.5 when it is empty. Returns
// the number of rentals (the scroll bar runs 0 to count - 1, or 0 to 0 with
// "No rentals available" when there are none).
int OpenRentWindow(Game& game);

// The number of rental records in renthouses/.
int RentalCount(const Game& game);

// The rent window's labels for the rental at `position`, as the window shows
// them. The fixed captions that change on the first show are here too.
struct RentalView {
    bool exists = false;       // there is a rental record at this position
    bool canRent = false;      // "RENT ME" enabled: RENT a number above 0, SF a number of 0 or more
    std::string picture;       // full path of (position + 1).jpg
    std::string HouseAddress;  // ADDRESS, or "No rentals available" with no record
    std::string l1;            // RENT as stored
    std::string SF = "Square Footage: ";
    std::string Label1;  // SF + "sf"
    std::string Utils = "Utilities: ";
    std::string Label2;  // "$" + SF x UtilityRate in plain number form ("$617.5")
    std::string Monthly = "Total Per Month: ";
    std::string Label8;  // RENT + utilities with "$0"
    std::string Label5;  // first month: RENT as stored
    std::string Label6;  // last month: RENT as stored
    std::string Label7 = "$1000";
    std::string Label10;  // 2 x RENT + 1000 with "$0"
};
inline constexpr const char* kNoRentals = "No rentals available";
RentalView ShowRental(const Game& game, int position);

// "RENT ME" for the rental at `position`. Refuses when Cash is not strictly
// above the cost to move in ("You do not have enough cash to rent and move
// into this home at this time."). Otherwise takes the cost, sets the living
// figures, HomePicture and HasHome, refreshes the home window and the main
// screen, says "Congratulations on your new home!" and marks the first rent
// done. Returns true when the rent window must close. A position without a
// rentable record does nothing and returns false.
bool RentMe(Game& game, int position);

}  // namespace deedwell
