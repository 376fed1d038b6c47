#pragma once
// "NEXT MONTH": the one way time passes in the game.
//
// A press runs the whole month in a fixed order: the calendar (and at a new
// year the taxes, the year chart, the age and the appreciation), tenants
// moving, the cash flow, offers, the main screen, the market turnover, the
// refinancing waits, the goal, repair requests and the hints. A homeless
// player cannot move time on; the press only points them to the home window.

#include <string>

#include "state/Game.h"

namespace deedwell {

// The whole "NEXT MONTH" press. Returns false when the press was ignored
// because another press is still running (a message box of the month lets
// the player reach the button again); true otherwise, homeless presses
// included. The second, quiet market generation is requested from the
// screens on every accepted press; the screens run it once per run.
bool NextMonth(Game& game);

// AddMonth: the calendar one month on; from December to January also
// CurrentYear, YearsPlayed, the yearly taxes, the year chart, YearRolled, the
// player's age and the yearly appreciation, in that order. An age that is not
// a number stops the year-end work there (the appreciation is skipped); the
// calendar display is refreshed in every case.
void AddMonth(Game& game);

// The English name of month 1 to 12, "" for any other value.
std::string MonthName(double month);

// DisplayMonth: "February 2027"; a month outside 1 to 12 shows the year alone.
std::string DisplayMonth(const Game& game);

// The year chart's new-year point: appends a row, or with five rows already
// shifts them left (relabelled from the last label) and reuses the last. The
// last row gets the label YearsPlayed + the clock's year and the net worth.
// Returns false, leaving the chart as it was, when the last label of a full
// chart is not a number.
bool UpdateYearChart(Game& game);

// RollWaitPeriod: every refinancing wait that is not 0 counts down by one.
void RollWaitPeriod(Game& game);

}  // namespace deedwell
