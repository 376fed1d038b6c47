#pragma once
// What happens once a year, in the month that starts a new year: the property
// taxes fall due, and homes, neighbourhoods and rents appreciate.

#include "state/Game.h"

namespace deedwell {

// Back-tax penalties on unpaid tax alerts, 3% growth of every open alert, and
// a new tax bill of 1% of its value for every owned home. CurrentYear is
// already the new year.
void YearlyTaxes(Game& game);

// Appraisals, neighbourhood values and rents rise by 3%, the market's
// appreciation count by one; the player is told by how much.
void AppreciateHomes(Game& game);

}  // namespace deedwell
