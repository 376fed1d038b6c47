#pragma once
// A game already under way: started this year, renting at 1000 a month.

#include <cstddef>
#include <utility>
#include <vector>

#include "support/Fakes.h"

namespace deedwell::testing {

inline void StartRentingLife(Game& game, int year) {
    GameState& s = game.state;
    InitDefaults(s);
    s.YearsPlayed = 1;
    s.MonthlyIncome = "1500";
    s.Cash = 2000;
    s.PlayerName = "Robin";
    s.PlayerAge = "30";
    s.CurrentYear = year;
    s.CurrentMonth = 1;
    s.HasHome = "YES";
    s.LivingCost = 1000;
    s.NetWorthGoal = "1000000";
    s.GoalYears = 25;
}

// An owned home with a loan, its units as given; no repairs needed.
inline OwnedHome& AddLoanHome(Game& game, double principal, double rate, double payment,
                              std::vector<UnitState> units = {UnitState::Unrented}) {
    OwnedHome home;
    home.listing = std::to_string(game.ledger.Count() + 10);
    home.principal = principal;
    home.rate = rate;
    home.term = 30;
    home.payment = payment;
    home.purchaseValue = principal;
    home.value = principal;
    home.category = 1;
    home.stage = 1;
    home.neighbourhood = 150000;
    home.condition = 2;
    home.rent = 700;
    home.units = std::move(units);
    return game.ledger.Append(std::move(home));
}

}  // namespace deedwell::testing
