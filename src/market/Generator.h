#pragma once
// The property generator: invents one house for the market.
//
// BuildVars draws a category and a stage, an address and a price, and derives
// two dozen attributes from them, in the fixed order of the listing keys. The
// order of the draws is part of the game: a scripted Random replays a house
// exactly. Every value comes out as text, numbers in plain decimal form, ready
// to be written as a listing file (Listings.h).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "state/Game.h"

namespace deedwell {

inline constexpr std::size_t kListingKeyCount = 32;

// The keys of a listing file, in file order. "HOUSEcAT" is spelled as the
// game has always written it; reads ignore letter case.
inline constexpr std::array<std::string_view, kListingKeyCount> kListingKeys = {
    "HOUSEcAT", "HOUSESTAGE", "ADDRESS", "PRICE",   "SF",      "BR",        "BATH",    "DESC",
    "OF",       "CONDITION",  "INT",     "BUILT",   "TAXES",   "APRAISE",   "LAND",    "TYPE",
    "UNITS",    "ERENT",      "READY",   "SERIOUS", "KITCHEN", "BATHSTAGE", "NVALUE",  "MAJOR11",
    "MAJOR12",  "MAJOR13",    "MAJOR14", "MAJOR15", "MAJOR16", "MAJOR17",   "MAJOR18", "ENDHERE"};

// Entry i belongs to kListingKeys[i].
using ListingValues = std::array<std::string, kListingKeyCount>;

// The position of a key in kListingKeys (exact spelling), or kListingKeyCount.
std::size_t ListingKeyIndex(std::string_view key);

// Generates one house. Sets the working values WorkHouseCat, WorkHouseStage,
// GenHousePrice, GenDuplex, GenAppraisal and GenUnits, and YearsPlayed to 1
// when it is still empty.
ListingValues BuildVars(Game& game);

// Price growth at generation: sets YearsPlayed to 1 when it is empty, then
// grows the base by 3% once for each of YearsPlayed + 1 years, one step at a
// time. Not yet cut to a whole number.
double LongTermPrice(Game& game, double base);

// The tables that follow from the price. Thresholds are strict ("over 80000")
// and the last line that holds wins; a price at or below the first threshold,
// which the generator never makes, gets the first line.
struct RoomCounts {
    const char* bedrooms;
    const char* baths;
};
RoomCounts RoomsFor(double price);
const char* LandFor(double price);

}  // namespace deedwell

namespace deedwell {

// value × 1.03, once for each count of a counter from 0 up to `years`
// inclusive, one multiplication after the other. Shared by the growth at
// generation and the growth of listings already on the market.
double GrowThreePercent(double value, double years);

}  // namespace deedwell
