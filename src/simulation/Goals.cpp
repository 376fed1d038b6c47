#include "simulation/Goals.h"

#include <cmath>
#include <optional>

#include "common/Numbers.h"
#include "simulation/Wealth.h"

namespace deedwell {

namespace {

// Int(NetWorthGoal); nothing for a goal that is not a number ("" included).
std::optional<double> WholeGoal(const GameState& s) {
    const auto goal = ParseNumber(s.NetWorthGoal);
    if (!goal) return std::nullopt;
    return Int(*goal);
}

}  // namespace

void GoalNotice(Game& game) {
    GameState& s = game.state;
    if (s.GoalSettled != "False") return;
    if (s.YearsPlayed.value_or(0) == s.GoalYears) {
        game.screens.ShowGoalWindow(false, "");
        s.GoalSettled = "True";
    }
    // Tested even when the years have just run out: both windows then show.
    const auto goal = WholeGoal(s);
    if (goal && Int(NetWorth(game)) >= *goal) {
        game.screens.ShowGoalWindow(true, WinningText(game));
        s.GoalSettled = "True";
    }
}

double CalcInflationWorth(const Game& game, double years) {
    double w = Int(NetWorth(game));
    for (double c = 0; c <= years; c += 1) w *= 0.971;
    return w;
}

std::string WinningText(const Game& game) {
    const double years = game.state.YearsPlayed.value_or(0);
    return "You win!  But remember that inflation devalues your money over time.  "
           "Your current networth of " +
           CalcWealth(game) + " has the same buying power as " +
           Format(Int(CalcInflationWorth(game, years)), "$#,###") + " during the year " +
           std::to_string(game.clock.Year()) +
           ".  Just because you have increased your wealth does not mean you have greater "
           "purchasing power.\"";
}

void RefreshGoals(Game& game) {
    GameState& s = game.state;
    if (s.YearRolled) return;
    const auto goal = WholeGoal(s);
    const double percent = goal && *goal != 0 ? 100 * Int(NetWorth(game)) / *goal : NAN;
    if (!std::isfinite(percent)) {
        // The charts keep what they showed, and stay so for the rest of the game.
        s.YearRolled = true;
        return;
    }
    game.screen.GoalChart = {percent, 100};
    game.screen.PlanChart = {s.YearsPlayed.value_or(0) - 1, s.GoalYears};
    game.screens.RefreshGoalCharts();
}

}  // namespace deedwell
