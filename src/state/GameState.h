#pragma once
// Every value of a running game, under the names the rest of the game uses.
//
// Values that the game tests for "not set yet" (YearsPlayed, AppreciationYears,
// MusicState, RentDemand, HouseCatCount, ...) are optionals, so empty stays
// apart from 0. Texts that the player typed or picked stay texts until a rule
// needs their number; an empty string is the empty value of a text. Flags that
// are either empty or "TRUE" are plain bools.

#include <optional>
#include <string>

namespace deedwell {

struct GameState {
    // The player's life and calendar.
    std::string PlayerName;
    std::string PlayerAge;      // text holding a number, one more each new year
    std::string MonthlyIncome;  // "900" ... "4800"
    std::optional<double> Cash;  // empty until the new game; 0 in arithmetic
    double CashAtMonthStart = 0;
    double RentCollected = 0;
    double CurrentMonth = 0;  // 1 to 12 once a game runs
    double CurrentYear = 0;
    std::optional<double> YearsPlayed;
    bool YearRolled = false;
    std::optional<double> AppreciationYears;

    // The goal.
    std::string NetWorthGoal;  // digits without separators, "1000000"
    double GoalYears = 0;
    std::string GoalSettled;  // "False" until a goal window was shown, then "True"

    // Where the player lives.
    std::string HasHome;  // "" before the new game, "NO", then "YES" for good
    double LivingCost = 0;
    double HomeRent = 0;
    double HomeUtilities = 0;
    double HomeSquareFeet = 0;
    std::string HomeAddress;
    std::string HomePicture;  // full path; empty while the player never had a home

    // Simulation constants and settings.
    std::optional<double> MarketSize;
    std::optional<double> HouseCatCount;  // also the sign that defaults are set
    std::optional<double> HouseStageCount;
    std::optional<double> UtilityRate;
    std::optional<double> RentDemand;
    std::optional<double> RenterOdds;
    std::optional<double> TurnoverMonths;
    std::optional<double> RepairCostRate;
    std::optional<double> ImprovementCostRate;
    std::string GameTitle;
    std::string MarketBuilt;  // "" until the first generation ends, then "TRUE"

    // Working values handed from one routine to the next.
    std::string CurrentHouseNo;
    double CurrentUnitRow = 0;
    double NewLoanAmount = 0;
    std::string PaymentAllowance;  // a number as text, or the text "0"
    double WorkHouseCat = 0;
    double WorkHouseStage = 0;
    double GenHousePrice = 0;
    bool GenDuplex = false;
    double GenAppraisal = 0;
    double GenUnits = 0;
    std::optional<double> MusicState;

    // Tutorial progress: each flag is set once its step of the hint chain ran.
    bool HintWelcomeShown = false;
    bool HintRentedShown = false;
    bool HintNextMonthShown = false;
    bool HintSavedEnoughShown = false;
    bool HintRealEstateShown = false;
    bool HintBankerShown = false;
    bool HintOurHomeShown = false;
    bool HintSixMonthsShown = false;
    bool HintMortgageShown = false;
    bool HintViewPropertiesShown = false;
    bool HintImproveShown = false;
    bool HintHouseSellerShown = false;
    bool HintSellHouseShown = false;
    bool HintCashFlowShown = false;
    std::optional<double> MonthsInOwnHome;
};

// The start-up defaults. Safe to run again: RentDemand keeps a value it has.
void InitDefaults(GameState& state);

// Cash in arithmetic: empty counts as 0.
inline double CashOf(const GameState& state) { return state.Cash.value_or(0); }

}  // namespace deedwell
