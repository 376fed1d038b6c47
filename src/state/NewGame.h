#pragma once
// Starting a new life: the choices of the new-game window and the rule of its
// "START YOUR LIFE" button.
//
// The window shows the lists below, reads its controls into NewGameChoices
// and calls StartYourLife. The rule checks every box that is used before it
// changes anything, so a refused start leaves the game and the "default"
// record exactly as they were.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "state/Game.h"

namespace deedwell {

// DiffLevel(0) ... DiffLevel(7): the income levels and their paychecks.
struct IncomeOption {
    std::string_view caption;
    std::string_view amount;  // MonthlyIncome as stored
};
inline constexpr std::array<IncomeOption, 8> kIncomeOptions{{
    {"$900 Monthly Savings", "900"},
    {"$1100 Monthly Savings", "1100"},
    {"$1300 Monthly Savings", "1300"},
    {"$1500 Monthly Savings", "1500"},
    {"$1700 Monthly Savings", "1700"},
    {"$1900 Monthly Savings", "1900"},
    {"$2800 Monthly Savings", "2800"},
    {"$4800 Monthly Savings", "4800"},
}};

inline constexpr std::array<std::string_view, 8> kGoalList{
    "$100,000 Networth",   "$250,000 Networth",   "$500,000 Networth",   "$750,000 Networth",
    "$1,000,000 Networth", "$1,500,000 Networth", "$2,000,000 Networth", "$2,500,000 Networth",
};

inline constexpr std::array<std::string_view, 12> kPlanList{
    "5 Year Plan",  "10 Year Plan", "15 Year Plan", "20 Year Plan", "25 Year Plan", "30 Year Plan",
    "35 Year Plan", "40 Year Plan", "45 Year Plan", "50 Year Plan", "55 Year Plan", "60 Year Plan",
};

// RentDemand slider values 1 to 4, in order.
inline constexpr std::array<std::string_view, 4> kRentLabels{
    "Bad Housing Market",
    "Average Steady Market",
    "Growing Housing Market",
    "New Local Military Base",
};

// What the window shows before the player touches anything.
inline constexpr int kDefaultIncomeIndex = 3;
inline constexpr int kDefaultGoalIndex = 4;
inline constexpr int kDefaultPlanIndex = 4;
inline constexpr int kDefaultSlider = 2;
inline constexpr std::string_view kDefaultGoalBox = "50,000";
inline constexpr std::string_view kDefaultPlanBox = "50";
// Never seen: the window's load replaces them with the remembered ones.
inline constexpr std::string_view kDefaultName = "Alex";
inline constexpr std::string_view kDefaultAge = "18";

// The RentLabel text for a slider value ("" outside 1 to 4).
std::string RentLabel(int sliderValue);

// RentDemand for a slider value: 10 - 2 x value (8, 6, 4, 2).
double RentDemandFor(int sliderValue);

// The window's load: runs InitDefaults, then reads the last player's name and
// age from the record "default" ("" when the file or key is missing).
struct NewGameLoadValues {
    std::string name;  // Text1
    std::string age;   // Text2
};
NewGameLoadValues NewGameLoad(Game& game);

// Everything "START YOUR LIFE" reads from the window. Indexes out of range
// fall back to the defaults above; the window cannot produce them.
struct NewGameChoices {
    std::string name;                       // Text1, as typed
    std::string age;                        // Text2, as typed
    int incomeIndex = kDefaultIncomeIndex;  // the checked DiffLevel
    int goalIndex = kDefaultGoalIndex;      // GoalList selection
    bool goalTicked = false;                // Goal
    std::string goalBox{kDefaultGoalBox};   // GoalBox
    int planIndex = kDefaultPlanIndex;      // Planlist selection
    bool planTicked = false;                // PlanCheck
    std::string planBox{kDefaultPlanBox};   // PlanBox
    int slider = kDefaultSlider;            // RentDemand slider, 1 to 4
};

// The texts of a refused start, one per box.
inline constexpr std::string_view kBadAgeMessage = "Your Age must be a whole number from 1 to 120.";
inline constexpr std::string_view kBadGoalMessage =
    "Your own Networth Goal must be a whole amount from $1 to $999,999,999,999.";
inline constexpr std::string_view kBadYearsMessage =
    "Your own Years to Reach Goal must be a number from 1 to 100.";

// "START YOUR LIFE". First checks the age (a whole number from 1 to 120), the
// custom goal when ticked (its "#" form a whole number from 1 to
// 999,999,999,999) and the custom years when ticked (whole part 1 to 100).
// A bad box: its message is shown (ShowMessage) and returned, and nothing
// changes; the window stays open. Otherwise sets MonthlyIncome, Cash 2000,
// PlayerName, PlayerAge, CurrentYear (the clock's), CurrentMonth 1, HasHome
// "NO", writes DATE, AGE and NAME to the record "default", and sets
// RentDemand, NetWorthGoal and GoalYears; returns no value. Showing the
// add-on chooser and closing the window are the window's.
std::optional<std::string> StartYourLife(Game& game, const NewGameChoices& choices);

}  // namespace deedwell
