#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "MarketFixture.h"
#include "market/Generator.h"
#include "market/Listings.h"
#include "market/RandomInt.h"

namespace deedwell::testing {
namespace {

using RandomIntRange = MarketTest;

TEST_F(RandomIntRange, AsksThePortForOneToTheWholePartOfN) {
    struct Case {
        double n;
        std::int64_t asked;
    };
    const Case cases[] = {
        {8, 8},
        {8.7, 8},
        {1, 1},
        {0.5, 1},
        {0, 1},
        {-5, 1},
        {std::nan(""), 1},
        {std::numeric_limits<double>::infinity(), 1},
        {1e300, 4611686018427387904},
    };
    for (const Case& c : cases) {
        t.random.asked.clear();
        const auto drawn = RandomInt(game, c.n);
        ASSERT_EQ(1u, t.random.asked.size());
        EXPECT_EQ(c.asked, t.random.asked[0]) << c.n;
        EXPECT_GE(drawn, 1);
        EXPECT_LE(drawn, c.asked);
    }
}

TEST_F(RandomIntRange, TakesNAsText) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"12", 12}, {" 3000 ", 3000}, {"7.9", 7}, {"", 1}, {"abc", 1}, {"12abc", 1}};
    for (const auto& [text, asked] : cases) {
        t.random.asked.clear();
        RandomInt(game, std::string_view(text));
        ASSERT_EQ(1u, t.random.asked.size());
        EXPECT_EQ(asked, t.random.asked[0]) << '"' << text << '"';
    }
}

TEST(SystemRandomSeed, FixedSeedReplaysFreshSeedsDiffer) {
    SystemRandom a(42), b(42), c, d;
    bool freshDiffer = false;
    for (int i = 0; i < 100; ++i) {
        const auto n = std::int64_t{1} << 60;
        EXPECT_EQ(a.Draw(n), b.Draw(n));
        if (c.Draw(n) != d.Draw(n)) freshDiffer = true;
    }
    EXPECT_TRUE(freshDiffer);
    EXPECT_EQ(1, a.Draw(0));
    EXPECT_EQ(1, a.Draw(-3));
}

// Draws made in one instant must still be independent: the generator is
// seeded once, never per draw. Bounds are over four standard deviations.
class IndependentDraws : public MarketTest {
  protected:
    SystemRandom system;
    Game live{t.records, system, t.clock, t.dialogs, t.screens};
    IndependentDraws() { InitDefaults(live.state); }
};

TEST_F(IndependentDraws, EveryFaceOfAnEightSidedDieComesUpEvenly) {
    std::array<int, 9> counts{};
    for (int i = 0; i < 80000; ++i) {
        const auto v = RandomInt(live, 8.0);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 8);
        ++counts[static_cast<std::size_t>(v)];
    }
    for (int face = 1; face <= 8; ++face) {
        EXPECT_NEAR(10000, counts[static_cast<std::size_t>(face)], 400) << "face " << face;
    }
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(1, RandomInt(live, 1.0));
}

TEST_F(IndependentDraws, HousesAreVariedAndRarelyFallApart) {
    std::set<std::pair<std::string, std::string>> kinds;
    int heatAndWiringBroken = 0;
    const int houses = 2000;
    for (int i = 0; i < houses; ++i) {
        const ListingValues v = BuildVars(live);
        kinds.insert({v[ListingKeyIndex("HOUSEcAT")], v[ListingKeyIndex("HOUSESTAGE")]});
        if (v[ListingKeyIndex("MAJOR11")] == "1" && v[ListingKeyIndex("MAJOR12")] == "1")
            ++heatAndWiringBroken;
    }
    EXPECT_EQ(24u, kinds.size());
    EXPECT_LT(heatAndWiringBroken, houses * 3 / 100);
}

TEST_F(IndependentDraws, OneWriteInEight) {
    const ListingValues values = BuildVars(live);
    const int calls = 8000;
    int written = 0;
    for (int i = 0; i < calls; ++i)
        if (WriteHouseFile(live, values, std::int64_t{i % 81})) ++written;
    EXPECT_NEAR(0.125, static_cast<double>(written) / calls, 0.02);
}

}  // namespace
}  // namespace deedwell::testing
