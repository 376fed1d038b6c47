#pragma once
// The player's net worth and the main screen's figures built from it.
//
// Net worth is one dollar more than the cash plus the equity of every owned
// home (appraised value less the principal owed). The goal, the year chart
// and the main screen all use the same whole-dollar number; the screen shows
// it through "$###,###,###".

#include <string>

#include "state/Game.h"

namespace deedwell {

// 1 + Cash + the sum of FINDATA(5) - FINDATA(1) over the ledger; a sum of
// exactly 0 counts as 1. Rounded to whole dollars, halves away from zero
// (249999.5 gives 250000). May be 0 or negative.
double NetWorth(const Game& game);

// CalcWealth: NetWorth shown with "$###,###,###" ("$52,001", "-$5,000", and
// "$" alone for a net worth that rounds to 0).
std::string CalcWealth(const Game& game);

// DisplayUnits: every unit of every owned home, and those let to tenants. The
// player's own "LIVING" unit counts as a unit but not as rented.
struct UnitCounts {
    double units = 0;   // UnitCount
    double rented = 0;  // RentedUnits
};
UnitCounts DisplayUnits(const Game& game);

// DisplayCash: the main screen's cash bar, Cash with "$###,###" ("$2,000",
// "$" for 0, "-$1,235" for -1234.5).
std::string CashBarText(const Game& game);

// Everything the main screen's RefreshAll shows, as the texts to put in its
// labels, in the order RefreshAll fills them. The goal and plan charts come
// from the goals, the last month's figures and the year chart from
// game.screen.
struct MainScreenView {
    std::string CashBar;             // DisplayCash
    std::string CurrentDateDisplay;  // DisplayMonth
    std::string UnitCount;           // DisplayUnits, plain numbers
    std::string RentedUnits;
    std::string PlayerName;     // VarLabel(0)
    std::string PlayerAge;      // VarLabel(1)
    std::string NetWorth;       // VarLabel(2): CalcWealth
    std::string RentCollected;  // Label8: RentCollected with "$###,###"
    bool homeless = true;       // HOMELESSPIC shown, HousePic left as it is
    std::string HomePicture;    // the picture for HousePic when not homeless
};
MainScreenView ShowMainScreen(const Game& game);

}  // namespace deedwell
