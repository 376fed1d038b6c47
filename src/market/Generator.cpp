#include "market/Generator.h"

#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "market/RandomInt.h"

namespace deedwell {

namespace {

// Bounds the growth loop, so a corrupt year count can neither hang the game
// nor push a price past the largest finite number.
constexpr double kMaxGrowthYears = 10000;

// Base price = R(spread) + floor, by category (rows) and stage (columns).
struct PriceBand {
    double spread;
    double floor;
};
constexpr PriceBand kPriceBands[8][3] = {
    {{10000, 80000}, {10000, 105000}, {10000, 125000}},
    {{10000, 125000}, {10000, 150000}, {10000, 185000}},
    {{10000, 65000}, {10000, 78000}, {10000, 85000}},
    {{10000, 40000}, {10000, 65000}, {10000, 75000}},
    {{10000, 40000}, {10000, 65000}, {10000, 75000}},
    {{450000, 100000}, {450000, 100000}, {450000, 100000}},
    {{20000, 210000}, {50000, 210000}, {90000, 210000}},
    {{15000, 80000}, {30000, 85000}, {45000, 90000}},
};

struct RoomLine {
    double over;
    RoomCounts rooms;
};
constexpr RoomLine kRooms[] = {
    {40001, {"2", "1"}},    {80000, {"2", "2"}},  {120000, {"3", "2"}}, {160000, {"4", "3"}},
    {200000, {"5", "3.5"}}, {250000, {"6", "4"}}, {350000, {"6", "5"}},
};

struct LandLine {
    double over;
    const char* land;
};
constexpr LandLine kLand[] = {
    {40001, ".35 Acre(s)"},  {60000, ".45 Acre(s)"},  {70000, ".55 Acre(s)"},
    {80000, ".65 Acre(s)"},  {100000, ".75 Acre(s)"}, {120000, ".65 Acre(s)"},
    {130000, ".85 Acre(s)"}, {150000, ".8 Acre(s)"},  {160000, "1 Acre(s)"},
    {180000, "1.3 Acre(s)"}, {200000, "1.5 Acre(s)"}, {240000, "2 Acre(s)"},
    {260000, "2.1 Acre(s)"}, {340000, "2.3 Acre(s)"}, {380000, "2.5 Acre(s)"},
    {410000, "3 Acre(s)"},   {450000, "4 Acre(s)"},   {1000000, "5 Acre(s)"},
};

constexpr const char* kDirections[] = {" West ", " East ", " South ", " North "};
constexpr const char* kStreetNames[] = {"Ocean", "Lake", "Desert", "Landers", "Bellheart"};
constexpr const char* kSuffixes[] = {" Drive", " Parkway", " Circle", " Court", ""};

// Draw k picks entry k of a table numbered from 1.
template <std::size_t N>
const char* Pick(const char* const (&table)[N], std::int64_t drawn) {
    const auto index = static_cast<std::size_t>(std::clamp<std::int64_t>(drawn, 1, N) - 1);
    return table[index];
}

std::string Street(Game& game) {
    const auto name = RandomInt(game, 5.0);
    const auto direction = RandomInt(game, 4.0);
    const auto suffix = RandomInt(game, 5.0);
    return std::string(Pick(kDirections, direction)) + Pick(kStreetNames, name) +
           Pick(kSuffixes, suffix);
}

// A category or stage outside the table has no price; the listing it makes is
// then refused by every buyer, as the game's listing check requires.
double BasePrice(Game& game, double category, double stage) {
    if (category < 1 || category > 8 || stage < 1 || stage > 3) return 0;
    const PriceBand band = kPriceBands[static_cast<int>(category) - 1][static_cast<int>(stage) - 1];
    return static_cast<double>(RandomInt(game, band.spread)) + band.floor;
}

double Appraisal(Game& game, double price) {
    if (RandomInt(game, 30.0) == 4) return Int(1.2 * price);
    const auto sign = RandomInt(game, 2.0);
    const auto percent = static_cast<double>(RandomInt(game, 3.0));
    const double shift = (percent / 100) * price;
    return Int(sign == 1 ? price + shift : price - shift);
}

double Units(const GameState& state, double price) {
    if (state.GenDuplex) return 2;
    if (state.WorkHouseCat == 6) return 1 + Int(price / 50000);
    return 1;
}

}  // namespace

std::size_t ListingKeyIndex(std::string_view key) {
    const auto at = std::find(kListingKeys.begin(), kListingKeys.end(), key);
    return static_cast<std::size_t>(at - kListingKeys.begin());
}

double GrowThreePercent(double value, double years) {
    for (double i = 0; i <= years && i < kMaxGrowthYears; ++i) {
        const double next = value * 1.03;
        if (!std::isfinite(next)) break;
        value = next;
    }
    return value;
}

double LongTermPrice(Game& game, double base) {
    // The market is first priced before any game starts; that fixes year one.
    if (!game.state.YearsPlayed) game.state.YearsPlayed = 1;
    return GrowThreePercent(base, *game.state.YearsPlayed);
}

RoomCounts RoomsFor(double price) {
    RoomCounts rooms = kRooms[0].rooms;
    for (const auto& line : kRooms)
        if (price > line.over) rooms = line.rooms;
    return rooms;
}

const char* LandFor(double price) {
    const char* land = kLand[0].land;
    for (const auto& line : kLand)
        if (price > line.over) land = line.land;
    return land;
}

ListingValues BuildVars(Game& game) {
    GameState& s = game.state;
    ListingValues v;
    auto set = [&v](std::string_view key, std::string value) {
        v.at(ListingKeyIndex(key)) = std::move(value);
    };
    auto number = [](double value) { return NumberText(value); };
    auto draw = [&game](double n) { return static_cast<double>(RandomInt(game, n)); };

    s.WorkHouseCat = draw(s.HouseCatCount.value_or(0));
    set("HOUSEcAT", number(s.WorkHouseCat));
    s.WorkHouseStage = draw(s.HouseStageCount.value_or(0));
    set("HOUSESTAGE", number(s.WorkHouseStage));

    const double houseNumber = draw(3000);
    set("ADDRESS", number(houseNumber) + " " + Street(game));

    const double price =
        Int(LongTermPrice(game, BasePrice(game, s.WorkHouseCat, s.WorkHouseStage)));
    s.GenHousePrice = price;
    s.GenDuplex = s.WorkHouseCat == 8;
    set("PRICE", number(price));

    const double hundredths = Int(0.011 * price) / 10;
    set("SF", number(Int((draw(3) + 10) * hundredths)));

    const RoomCounts rooms = RoomsFor(price);
    set("BR", rooms.bedrooms);
    set("BATH", rooms.baths);
    set("DESC", "Unknown");
    set("OF", "0");
    set("CONDITION", number(s.WorkHouseStage));
    set("INT", number(draw(4) + 6));
    set("BUILT", number(1900 + draw(106)));
    set("TAXES", number(0.01 * price));

    s.GenAppraisal = Appraisal(game, price);
    set("APRAISE", number(s.GenAppraisal));
    set("LAND", LandFor(price));
    set("TYPE", "1");

    s.GenUnits = Units(s, price);
    set("UNITS", number(s.GenUnits));
    // A building rents for a tenth of its price a year, shared among its units.
    const double buildingRent = RoundHalfAway(price * 0.1 / 12);
    set("ERENT", number(Int(buildingRent / s.GenUnits)));

    set("READY", "1");
    set("SERIOUS", number(draw(3)));
    set("KITCHEN", number(draw(3)));
    set("BATHSTAGE", number(draw(3)));
    set("NVALUE", number(Int((draw(70) + 85) * (s.GenAppraisal / 100))));

    // MajorRepairs: each element needs replacing one time in ten, on its own.
    for (int column = 11; column <= 18; ++column)
        set("MAJOR" + std::to_string(column), draw(10) == 3 ? "1" : "0");

    set("ENDHERE", "FINISHED");
    return v;
}

}  // namespace deedwell
