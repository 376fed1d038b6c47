#pragma once
// The market's listing files and their monthly turnover.
//
// The market is the folder realestate/ of the program directory: one file per
// listing number, written whole by WriteHouseFile. A listing the player owns
// is the home's permanent description and is never written over. Prices in a
// file are those of the year it was written; CurrentListingPrice grows them to
// the current year whenever the market shows or sells them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "market/Generator.h"
#include "records/RecordFiles.h"
#include "state/Game.h"

namespace deedwell {

// The file content: one "|||KEY|||value" CR LF line per key, in key order.
std::string ListingContent(const ListingValues& values);

// Writes the values as listing n, one call in eight (a draw of RandomInt(8)
// that comes out 3), and never over a home the player owns; an owned number
// does not even draw. Only plain listing numbers are written. Returns whether
// a file was written. A write that fails leaves the old file as it was.
bool WriteHouseFile(Game& game, const ListingValues& values, std::string_view n);
bool WriteHouseFile(Game& game, const ListingValues& values, std::int64_t n);

// Replaces one random listing from 0 to MarketSize - 1, unless it is owned.
void Build1Property(Game& game);

// The monthly turnover: Build1Property ten times.
void GenNewProperties(Game& game);

// A listing's money value grown to the current year: the stored text itself
// while AppreciationYears is empty, otherwise Int(value × 1.03^(AY + 1)) as
// plain text.
std::string CurrentListingPrice(const Game& game, std::string_view value);

// True for a listing number as files are named: plain digits, no sign, no
// leading zero ("0", "17"; not "017", "+1" or "").
bool IsListingNumber(std::string_view n);

// One listing read from its file, as the browser and the banker use it.
struct Listing {
    std::string number;
    bool exists = false;
    ListingValues text;  // every value as stored, "" where the key is missing

    // Typed values; meaningful when usable is true.
    int category = 0;   // HOUSEcAT 1 to 8
    int stage = 0;      // HOUSESTAGE 1 to 3
    int condition = 0;  // CONDITION 1 to 3
    int kitchen = 0;    // KITCHEN 1 to 3
    int bathStage = 0;  // BATHSTAGE 1 to 3
    double price = 0;
    double appraisal = 0;
    double units = 0;
    double rent = 0;               // ERENT, per unit and month
    double neighbourhood = 0;      // NVALUE
    std::array<bool, 8> majors{};  // MAJOR11 to MAJOR18: true when it must be replaced

    // Whether a buyer may take it: every value that a purchase stores is there
    // and in range (see ReadListing).
    bool usable = false;

    const std::string& Value(std::string_view key) const;
};

// Reads listing n in one pass over its file. It is usable when the file exists,
// n is a plain listing number, PRICE and APRAISE are numbers above 0, UNITS is
// a whole number from 1 to kMaxListingUnits, ERENT and NVALUE are numbers,
// HOUSEcAT is 1 to 8, HOUSESTAGE, CONDITION, KITCHEN and BATHSTAGE are 1 to 3,
// and each of MAJOR11 to MAJOR18 is "0" or "1".
Listing ReadListing(const RecordStore& records, std::string_view n);

// ReadListing(records, n).usable.
bool ListingIsValid(const RecordStore& records, std::string_view n);

// The exterior picture realestate/<category>/<stage>.jpg under the program
// directory. Built only from a whole category of 1 to 8 and a whole stage of
// 1 to 3, so an odd value never names a file outside the folder; "" otherwise.
std::string HousePicturePath(const RecordStore& records, double category, double stage);

// Far above any building the market makes; a hand-edited count beyond it
// would swamp the unit lists.
inline constexpr double kMaxListingUnits = 1000;

}  // namespace deedwell
