#include "simulation/MonthAdvance.h"

#include <array>
#include <cstddef>
#include <optional>

#include "common/Numbers.h"
#include "hints/Hints.h"
#include "market/Listings.h"
#include "selling/Offers.h"
#include "simulation/CashFlow.h"
#include "simulation/Goals.h"
#include "simulation/Tenants.h"
#include "simulation/Wealth.h"
#include "simulation/YearlyEvents.h"

namespace deedwell {

namespace {

// Clears the busy flag however the press ends.
class MonthGuard {
  public:
    explicit MonthGuard(bool& busy) : busy_(busy) { busy_ = true; }
    ~MonthGuard() { busy_ = false; }
    MonthGuard(const MonthGuard&) = delete;
    MonthGuard& operator=(const MonthGuard&) = delete;

  private:
    bool& busy_;
};

// The year-end steps from the age on. Returns false when the age is a text
// that is not a number: the rest of the year-end work is then skipped.
bool AgeOneYear(GameState& s) {
    // An age never set counts as 0, as any empty value does in arithmetic.
    const auto age = s.PlayerAge.empty() ? std::optional<double>(0) : ParseNumber(s.PlayerAge);
    if (!age) return false;
    s.PlayerAge = NumberText(*age + 1);
    return true;
}

// Steps 2.1 to 2.8 of a new year. Returns at the first step that fails.
void NewYear(Game& game) {
    GameState& s = game.state;
    s.CurrentMonth = 1;
    s.CurrentYear += 1;
    s.YearsPlayed = s.YearsPlayed.value_or(0) + 1;
    YearlyTaxes(game);
    if (!UpdateYearChart(game)) return;
    s.YearRolled = true;
    if (!AgeOneYear(s)) return;
    AppreciateHomes(game);
}

}  // namespace

bool NextMonth(Game& game) {
    if (game.monthInProgress) return false;
    MonthGuard guard(game.monthInProgress);
    GameState& s = game.state;

    s.CashAtMonthStart = CashOf(s);
    if (s.HasHome == "NO") {
        game.dialogs.ShowMessage("You are homeless.  Please find yourself a home first.");
        game.screens.ShowHomeWindow();
        RefreshGoals(game);
        return true;
    }

    AddMonth(game);
    TurnOverTenants(game);
    RunCashFlow(game);
    DrawPurchaseOffers(game);
    game.screens.RefreshAll();
    GenNewProperties(game);
    game.screens.ScheduleSecondGeneration();
    CheckForOffers(game);
    RollWaitPeriod(game);
    GoalNotice(game);
    RandomRentIssue(game);
    MonthHints(game);
    RefreshGoals(game);
    return true;
}

void AddMonth(Game& game) {
    GameState& s = game.state;
    s.CurrentMonth += 1;
    if (s.CurrentMonth == 13) NewYear(game);
    game.screens.DisplayMonth();
}

std::string MonthName(double month) {
    static constexpr std::array<const char*, 12> kNames{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December",
    };
    if (!(month >= 1 && month <= 12) || month != Int(month)) return "";
    return kNames[static_cast<std::size_t>(month) - 1];
}

std::string DisplayMonth(const Game& game) {
    const std::string name = MonthName(game.state.CurrentMonth);
    const std::string year = NumberText(game.state.CurrentYear);
    return name.empty() ? year : name + " " + year;
}

bool UpdateYearChart(Game& game) {
    auto& rows = game.screen.YearChart;
    if (rows.size() == 5) {
        const auto last = ParseNumber(rows[4].label);
        if (!last) return false;
        for (std::size_t r = 0; r < 4; ++r) {
            rows[r].value = rows[r + 1].value;
            rows[r].label = NumberText(*last - static_cast<double>(3 - r));
        }
    } else {
        rows.push_back({});
    }
    // Labelled from the machine's year, not the game's calendar.
    const double year = game.state.YearsPlayed.value_or(0) + game.clock.Year();
    rows.back().label = NumberText(year);
    rows.back().value = NetWorth(game);
    return true;
}

void RollWaitPeriod(Game& game) {
    for (auto& home : game.ledger.Rows()) {
        if (home.waitPeriod != 0) home.waitPeriod -= 1;
    }
}

}  // namespace deedwell
