#pragma once
// A game under way with owned homes whose listing files hold their addresses.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/Fakes.h"

namespace deedwell::testing {

class SellingTest : public ::testing::Test {
  protected:
    SellingTest() {
        InitDefaults(t.game.state);
        t.game.state.Cash = 2000;
        t.game.state.YearsPlayed = 1;
    }

    // A home bought from listing `listing` at `address`: category 3, stage 2,
    // average condition, a 30-year loan at 8 %, one vacant unit unless given.
    OwnedHome& AddHome(const std::string& listing, const std::string& address, double value,
                       double principal, std::vector<UnitState> units = {UnitState::Unrented}) {
        t.records.WriteListingFile(listing, "|||HOUSEcAT|||3\r\n|||ADDRESS|||" + address +
                                                "\r\n|||ENDHERE|||FINISHED\r\n");
        OwnedHome home;
        home.listing = listing;
        home.payment = 724.71;
        home.principal = principal;
        home.rate = 8;
        home.term = 30;
        home.purchaseValue = value;
        home.value = value;
        home.kitchen = 1;
        home.bathroom = 1;
        home.category = 3;
        home.stage = 2;
        home.neighbourhood = 250000;
        home.condition = 2;
        home.rent = 650;
        home.units = std::move(units);
        home.waitPeriod = 6;
        return t.game.ledger.Append(std::move(home));
    }

    // Three homes on listings 11, 22 and 33, the middle one let to a tenant.
    void AddThreeHomes() {
        AddHome("11", "11  North Ocean", 150000, 100000);
        AddHome("22", "22  East Lake Drive", 200000, 150000,
                {UnitState::Rented, UnitState::Unrented});
        AddHome("33", "33  West Desert Court", 120000, 90000);
    }

    std::vector<std::string> Listings() const {
        std::vector<std::string> numbers;
        for (const auto& home : t.game.ledger.Rows()) numbers.push_back(home.listing);
        return numbers;
    }

    TestGame t;
    Game& game = t.game;
};

}  // namespace deedwell::testing
