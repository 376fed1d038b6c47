#pragma once
// The player's goal: a net worth to reach within a number of years.
//
// Each month, after the refinancing waits, the goal test runs until the first
// goal window has been shown: the losing window `NoGoal` when YearsPlayed
// reaches GoalYears, the winning window `YESGOAL` when the whole-dollar net
// worth is at least the goal (both, losing first, when both hold in one
// month). After that the game goes on without a goal. YearsPlayed is 1 all
// through the first calendar year, so a plan of N years ends with the press
// that starts year N: a "5 Year Plan" ends at the 48th month.
//
// The goal and plan charts of the main screen follow the game until the
// first new year sets YearRolled, which is never cleared; from then on they
// keep the values they last showed. A goal the charts cannot divide by ("",
// not a number, or a whole part of 0) freezes them the same way.

#include <string>

#include "state/Game.h"

namespace deedwell {

// The buttons of the goal windows. Both "continue" buttons only close their
// window and play goes on; both "exit" buttons end the program at once,
// without the exit question. No game value changes in either case.
struct GoalCaptions {
    static constexpr const char* WinContinue = "Great Job! Continue Playing? ";
    static constexpr const char* WinExit = "I'm Done Learning For Now!  Exit";
    static constexpr const char* LoseContinue = "Terrible News!  Continue Playing? ";
    static constexpr const char* LoseExit = "I'm Done Learning For Now.  Exit";
};

// GoalNotice: the month's goal test. Does nothing once GoalSettled is not
// "False". Shows the losing window when YearsPlayed equals GoalYears, then,
// independently, the winning window when Int(net worth) >= Int(NetWorthGoal);
// each sets GoalSettled to "True". A goal that is not a number wins nothing.
void GoalNotice(Game& game);

// CalcInflationWorth: Int(net worth) x 0.971, applied years + 1 times; not
// rounded (100000 with years 1 gives 94284.1).
double CalcInflationWorth(const Game& game, double years);

// The winning window's NetStatus text, for the game as it is now: the net
// worth as CalcWealth shows it, its buying power after inflation over
// YearsPlayed, and the clock's year. It ends with a lone double quote.
std::string WinningText(const Game& game);

// RefreshGoals: unless YearRolled is set, the goal chart gets 100 x Int(net
// worth) / Int(NetWorthGoal) in GoalChart[0] (not rounded; may exceed 100)
// and 100 in GoalChart[1]; the plan chart gets YearsPlayed - 1 in
// PlanChart[0] and GoalYears in PlanChart[1]. A goal that cannot be divided
// by leaves both charts as they were and sets YearRolled. Asks the main
// screen to redraw the charts whenever it wrote them.
void RefreshGoals(Game& game);

}  // namespace deedwell
