#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "MarketFixture.h"
#include "common/Numbers.h"
#include "market/Generator.h"
#include "market/RandomInt.h"

namespace deedwell::testing {
namespace {

using Generator = MarketTest;

TEST_F(Generator, ScriptedHouseGivesEveryFieldInKeyOrder) {
    t.random.Push({2,    3,                       // category 2, stage 3
                   2817, 2, 1,  2,                // 2817, Lake, West, Parkway
                   5000,                          // base 185000 + 5000
                   2,    4, 85,                   // SF factor 12, INT 10, built 1985
                   7,    2, 2,                    // appraisal 2% below the price
                   1,    3, 2,                    // serious, kitchen, bath stage
                   40,                            // neighbourhood 125% of the appraisal
                   3,    1, 10, 3, 2, 3, 9, 4});  // heat, electric, ..., carpet
    const ListingValues v = BuildVars(game);

    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"HOUSEcAT", "2"},       {"HOUSESTAGE", "3"},    {"ADDRESS", "2817  West Lake Parkway"},
        {"PRICE", "201571"},     {"SF", "2660"},         {"BR", "5"},
        {"BATH", "3.5"},         {"DESC", "Unknown"},    {"OF", "0"},
        {"CONDITION", "3"},      {"INT", "10"},          {"BUILT", "1985"},
        {"TAXES", "2015.71"},    {"APRAISE", "197539"},  {"LAND", "1.5 Acre(s)"},
        {"TYPE", "1"},           {"UNITS", "1"},         {"ERENT", "1680"},
        {"READY", "1"},          {"SERIOUS", "1"},       {"KITCHEN", "3"},
        {"BATHSTAGE", "2"},      {"NVALUE", "246923"},   {"MAJOR11", "1"},
        {"MAJOR12", "0"},        {"MAJOR13", "0"},       {"MAJOR14", "1"},
        {"MAJOR15", "0"},        {"MAJOR16", "1"},       {"MAJOR17", "0"},
        {"MAJOR18", "0"},        {"ENDHERE", "FINISHED"},
    };
    // clang-format on
    ASSERT_EQ(std::size(expected), v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_EQ(expected[i].first, kListingKeys[i]);
        EXPECT_EQ(expected[i].second, v[i]) << expected[i].first;
    }

    // The draw order is part of the game: the same script must replay the house.
    const std::vector<std::int64_t> asked = {8, 3, 3000, 5,  4,  5,  10000, 3,  4,  106, 30, 2, 3,
                                             3, 3, 3,    70, 10, 10, 10,    10, 10, 10,  10, 10};
    EXPECT_EQ(asked, t.random.asked);
    EXPECT_EQ(0u, t.random.Remaining());

    const GameState& s = game.state;
    EXPECT_EQ(2, s.WorkHouseCat);
    EXPECT_EQ(3, s.WorkHouseStage);
    EXPECT_EQ(201571, s.GenHousePrice);
    EXPECT_FALSE(s.GenDuplex);
    EXPECT_EQ(197539, s.GenAppraisal);
    EXPECT_EQ(1, s.GenUnits);
    EXPECT_EQ(std::optional<double>(1), s.YearsPlayed);
}

TEST(ListingKeys, IndexNeedsTheExactSpelling) {
    EXPECT_EQ(0u, ListingKeyIndex("HOUSEcAT"));
    EXPECT_EQ(17u, ListingKeyIndex("ERENT"));
    EXPECT_EQ(kListingKeyCount, ListingKeyIndex("HOUSECAT"));
    EXPECT_EQ(kListingKeyCount, ListingKeyIndex("RENT"));
}

TEST_F(Generator, AddressWithoutSuffixKeepsTwoSpaces) {
    t.random.Push({1, 1, 1234, 1, 4, 5});  // Ocean, North, no suffix
    EXPECT_EQ("1234  North Ocean", Value(BuildVars(game), "ADDRESS"));
}

TEST_F(Generator, PriceBandsByCategoryAndStage) {
    struct Band {
        int category, stage;
        std::int64_t spread;
        double floor;
    };
    const Band bands[] = {
        {1, 1, 10000, 80000},   {1, 2, 10000, 105000},  {1, 3, 10000, 125000},
        {2, 1, 10000, 125000},  {2, 2, 10000, 150000},  {2, 3, 10000, 185000},
        {3, 1, 10000, 65000},   {3, 2, 10000, 78000},   {3, 3, 10000, 85000},
        {4, 1, 10000, 40000},   {4, 2, 10000, 65000},   {4, 3, 10000, 75000},
        {5, 1, 10000, 40000},   {5, 2, 10000, 65000},   {5, 3, 10000, 75000},
        {6, 1, 450000, 100000}, {6, 2, 450000, 100000}, {6, 3, 450000, 100000},
        {7, 1, 20000, 210000},  {7, 2, 50000, 210000},  {7, 3, 90000, 210000},
        {8, 1, 15000, 80000},   {8, 2, 30000, 85000},   {8, 3, 45000, 90000},
    };
    for (const Band& b : bands) {
        for (std::int64_t draw : {std::int64_t{1}, b.spread}) {
            TestGame fresh;
            InitDefaults(fresh.game.state);
            fresh.random.Push(HouseScript(b.category, b.stage, draw));
            const ListingValues v = BuildVars(fresh.game);
            const double grown = (b.floor + static_cast<double>(draw)) * 1.03 * 1.03;
            EXPECT_EQ(NumberText(std::floor(grown)), v[ListingKeyIndex("PRICE")])
                << "category " << b.category << " stage " << b.stage << " draw " << draw;
            EXPECT_EQ(b.spread, fresh.random.asked.at(6)) << "category " << b.category;
            EXPECT_EQ(b.category == 8, fresh.game.state.GenDuplex);
        }
    }
}

TEST_F(Generator, SmallestHouseIsStillTwoBedroomsOnAThirdOfAnAcre) {
    t.random.Push(HouseScript(4, 1, 1));
    const ListingValues v = BuildVars(game);
    EXPECT_EQ("42437", Value(v, "PRICE"));
    EXPECT_EQ("2", Value(v, "BR"));
    EXPECT_EQ("1", Value(v, "BATH"));
    EXPECT_EQ(".35 Acre(s)", Value(v, "LAND"));
}

TEST(GeneratorRent, TaxesKeepCentsAndRentRoundsToNearestDollarHalfUp) {
    struct Case {
        std::int64_t priceDraw;
        const char *price, *taxes, *rent;
    };
    const Case cases[] = {
        // Base 82623 grows to 87654.74; a tenth of 87654 a year is 730.45 a month.
        {2623, "87654", "876.54", "730"},
        // Base 82628 grows to 87660.05; 730.5 a month goes up.
        {2628, "87660", "876.6", "731"},
    };
    for (const Case& c : cases) {
        TestGame fresh;
        InitDefaults(fresh.game.state);
        fresh.random.Push(HouseScript(1, 1, c.priceDraw));
        const ListingValues v = BuildVars(fresh.game);
        EXPECT_EQ(c.price, v[ListingKeyIndex("PRICE")]);
        EXPECT_EQ(c.taxes, v[ListingKeyIndex("TAXES")]);
        EXPECT_EQ(c.rent, v[ListingKeyIndex("ERENT")]);
    }
}

TEST_F(Generator, UnitsAndRentPerUnit) {
    struct Case {
        int category, stage;
        std::int64_t priceDraw;
        const char *price, *units, *rent;
    };
    const Case cases[] = {
        {6, 1, 1, "106091", "3", "294"},        // 1 + Int(106091 / 50000)
        {6, 3, 450000, "583495", "12", "405"},  // the largest building of year one
        {8, 1, 1, "84873", "2", "353"},         // a duplex always has two
        {8, 3, 45000, "143221", "2", "597"},   {7, 3, 90000, "318270", "1", "2652"},
    };
    for (const Case& c : cases) {
        TestGame fresh;
        InitDefaults(fresh.game.state);
        fresh.random.Push(HouseScript(c.category, c.stage, c.priceDraw));
        const ListingValues v = BuildVars(fresh.game);
        EXPECT_EQ(c.price, v[ListingKeyIndex("PRICE")]) << c.category;
        EXPECT_EQ(c.units, v[ListingKeyIndex("UNITS")]) << c.category;
        EXPECT_EQ(c.rent, v[ListingKeyIndex("ERENT")]) << c.category;
        EXPECT_EQ(NumberOf(c.units), fresh.game.state.GenUnits);
    }
}

TEST_F(Generator, AppraisalIsAFifthAboveOneTimeInThirtyElseWithinThreePercent) {
    struct Case {
        std::vector<std::int64_t> draws;
        const char* appraisal;
        std::size_t drawsUsed;
    };
    // Category 2, stage 3, draw 5000: price 201571.
    const Case cases[] = {
        {{4}, "241885", 1},         // one in thirty: 1.2 × price, no further draws
        {{7, 1, 3}, "207618", 3},   // 3% above
        {{30, 2, 1}, "199555", 3},  // 1% below
    };
    for (const Case& c : cases) {
        TestGame fresh;
        InitDefaults(fresh.game.state);
        std::vector<std::int64_t> script = HouseScript(2, 3, 5000, c.draws);
        fresh.random.Push(script);
        const ListingValues v = BuildVars(fresh.game);
        EXPECT_EQ(c.appraisal, v[ListingKeyIndex("APRAISE")]);
        EXPECT_EQ(NumberOf(c.appraisal), fresh.game.state.GenAppraisal);
        // The draw after the appraisal is SERIOUS, asked with n = 3.
        EXPECT_EQ(3, fresh.random.asked.at(10 + c.drawsUsed));
    }
}

TEST(GeneratorTables, BedroomsAndBathsUseStrictThresholdsLastLineWins) {
    struct Case {
        double price;
        const char *bedrooms, *baths;
    };
    const Case cases[] = {
        {42437, "2", "1"},    {80000, "2", "1"},    {80001, "2", "2"},  {120000, "2", "2"},
        {120001, "3", "2"},   {160000, "3", "2"},   {160001, "4", "3"}, {200000, "4", "3"},
        {200001, "5", "3.5"}, {250000, "5", "3.5"}, {250001, "6", "4"}, {350000, "6", "4"},
        {350001, "6", "5"},   {2000000, "6", "5"},
    };
    for (const Case& c : cases) {
        const RoomCounts rooms = RoomsFor(c.price);
        EXPECT_STREQ(c.bedrooms, rooms.bedrooms) << c.price;
        EXPECT_STREQ(c.baths, rooms.baths) << c.price;
    }
}

TEST(GeneratorTables, LandUsesStrictThresholdsLastLineWins) {
    const std::map<double, const char*> cases = {
        {42437, ".35 Acre(s)"},  {60000, ".35 Acre(s)"},  {60001, ".45 Acre(s)"},
        {70001, ".55 Acre(s)"},  {80001, ".65 Acre(s)"},  {100001, ".75 Acre(s)"},
        {120000, ".75 Acre(s)"}, {120001, ".65 Acre(s)"},  // less land than the band below
        {130001, ".85 Acre(s)"}, {150001, ".8 Acre(s)"},  {160001, "1 Acre(s)"},
        {180001, "1.3 Acre(s)"}, {200001, "1.5 Acre(s)"}, {240001, "2 Acre(s)"},
        {260001, "2.1 Acre(s)"}, {340001, "2.3 Acre(s)"}, {380001, "2.5 Acre(s)"},
        {410001, "3 Acre(s)"},   {450001, "4 Acre(s)"},   {1000000, "4 Acre(s)"},
        {1000001, "5 Acre(s)"},
    };
    for (const auto& [price, land] : cases) EXPECT_STREQ(land, LandFor(price)) << price;
}

TEST_F(Generator, LongTermPriceStartsTheYearCountAndGrowsOneStepAtATime) {
    ASSERT_FALSE(game.state.YearsPlayed);
    EXPECT_EQ(50000 * 1.03 * 1.03, LongTermPrice(game, 50000));
    EXPECT_EQ(std::optional<double>(1), game.state.YearsPlayed);

    game.state.YearsPlayed = 5;
    double sixSteps = 50000;
    for (int i = 0; i < 6; ++i) sixSteps *= 1.03;
    EXPECT_EQ(sixSteps, LongTermPrice(game, 50000));
    EXPECT_EQ(std::optional<double>(5), game.state.YearsPlayed);

    // The smallest house five years on.
    t.random.Push(HouseScript(4, 1, 1));
    EXPECT_EQ(NumberText(std::floor(40001 * std::pow(1.03, 6))), Value(BuildVars(game), "PRICE"));
}

TEST(GrowThreePercent, StaysFiniteWhateverTheYearCount) {
    EXPECT_EQ(100000 * 1.03, GrowThreePercent(100000, 0));
    EXPECT_EQ(100000, GrowThreePercent(100000, -1));
    EXPECT_EQ(100000, GrowThreePercent(100000, std::nan("")));
    EXPECT_TRUE(std::isfinite(GrowThreePercent(100000, 1e300)));
    EXPECT_TRUE(std::isfinite(GrowThreePercent(1e308, 5)));
}

TEST(GeneratorWithoutDefaults, EveryHouseIsCategoryOneStageOne) {
    // HouseCatCount and HouseStageCount empty draw from 1..1, as the game
    // always has; the house is still a complete listing.
    TestGame bare;
    const ListingValues v = BuildVars(bare.game);
    EXPECT_EQ("1", v[ListingKeyIndex("HOUSEcAT")]);
    EXPECT_EQ("1", v[ListingKeyIndex("HOUSESTAGE")]);
    EXPECT_EQ(1, bare.random.asked.at(0));
    EXPECT_EQ(1, bare.random.asked.at(1));
    for (std::size_t i = 0; i < v.size(); ++i) EXPECT_FALSE(v[i].empty()) << kListingKeys[i];
}

}  // namespace
}  // namespace deedwell::testing
