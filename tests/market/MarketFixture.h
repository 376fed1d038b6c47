#pragma once
// A game on fakes with the start-up defaults set, and a function that scripts
// every draw of one generated house.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "market/Generator.h"
#include "support/Fakes.h"

namespace deedwell::testing {

class MarketTest : public ::testing::Test {
  protected:
    MarketTest() { InitDefaults(t.game.state); }

    std::string Value(const ListingValues& values, std::string_view key) const {
        return values.at(ListingKeyIndex(key));
    }

    TestGame t;
    Game& game = t.game;
};

// The draws of one house in the order BuildVars makes them: category, stage,
// house number 1234 on " West Ocean Drive", the price draw, then the lowest
// draw everywhere else, with the appraisal draws given (default: 1% above).
inline std::vector<std::int64_t> HouseScript(std::int64_t category, std::int64_t stage,
                                             std::int64_t priceDraw,
                                             std::vector<std::int64_t> appraisal = {1, 1, 1}) {
    std::vector<std::int64_t> draws = {category, stage, 1234, 1, 1, 1, priceDraw, 1, 1, 1};
    draws.insert(draws.end(), appraisal.begin(), appraisal.end());
    draws.insert(draws.end(), {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    return draws;
}

}  // namespace deedwell::testing
