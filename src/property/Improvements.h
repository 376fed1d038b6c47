#pragma once
// The construction manager: spending cash on one owned home.
//
// Four upgrades (required repairs, the improvement, the kitchen, the
// bathroom) are priced on the home's value at purchase, so they cost the same
// however often the home is improved; seven major repairs are priced on its
// appraised value now. Every spending is paid at once, raises the appraised
// value by a random multiple of what it cost and each unit's rent by an
// eighth of it spread over a year. The window keeps the ledger row it was
// opened for and hands it to every call; a row not in the ledger does
// nothing.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "state/Game.h"

namespace deedwell {

// The seven major repairs, in button order: MajorRepairs(k) works on FINDATA(12 + k).
inline constexpr std::size_t kMajorRepairCount = 7;
inline constexpr std::array<const char*, kMajorRepairCount> kMajorRepairNames{
    "Electrical", "Roof", "Flooring", "Plumbing", "Foundation", "Landscaping", "Carpet"};
// Each repair's share of the appraised value.
inline constexpr std::array<double, kMajorRepairCount> kMajorRepairShares{0.02, 0.05, 0.06, 0.03,
                                                                          0.04, 0.03, 0.02};

// The exact prices for ledger row `row` (all 0 for a row not in the ledger).
// A cash test compares Cash with these; what is charged is their whole part.
struct ImprovementPrices {
    double repairs = 0;                             // RepairCostRate x FINDATA(4)
    double improvement = 0;                         // ImprovementCostRate x FINDATA(4)
    double kitchen = 0;                             // 0.1 x FINDATA(4)
    double bath = 0;                                // 0.07 x FINDATA(4)
    std::array<double, kMajorRepairCount> major{};  // share x FINDATA(5)
};
ImprovementPrices PricesFor(const Game& game, std::size_t row);

// Everything the window shows for its home (HouseHasChanged, LoadHouse and
// MajorRepairRefresh together).
struct ImproveView {
    bool hasHome = false;     // false for a row not in the ledger; nothing else is filled
    std::string CashBar;      // Cash with "$#,##0"
    std::string KitchenCost;  // 0.1 x V with "$#,###"
    std::string BathCost;     // 0.07 x V with "$#,###"
    // Picture paths; "" when the ledger's values name no picture.
    std::string housePicture;    // realestate/<category>/<stage>.jpg
    std::string kitchenPicture;  // homecreation/kitchen/k_<level>.jpg
    std::string bathPicture;     // homecreation/bathroom/b_<level>.jpg
    std::string AddressSpot;     // ADDRESS of the home's listing
    std::string NVAL;            // FINDATA(10) with "$0,000"

    // Command1 "Required Repairs  $50000", Command2 "Improvements $30000".
    // Enabled: nullopt means the button keeps whatever state it had (the
    // improvement button on a home in Bad condition, enabled when it opens).
    std::string Command1;
    std::string Command2;
    std::optional<bool> Command1Enabled;
    std::optional<bool> Command2Enabled;
    std::string ConditionBar;  // "Bad", "Average", "Excellent"

    std::string HomeValue;  // FINDATA(5) with "$###,###"
    std::string Label7;     // FINDATA(1) with "$###,###"
    std::string mPAyment;   // FINDATA(0) with "$###,###"
    std::string Label8;     // FINDATA(2) + "% / " + FINDATA(3) + " Years"

    // List1: "Unit 1:  RENTED For $700", "Unit 2:  UNRENTED", ... with the rent
    // cut to whole dollars; Label5 "$1,400 of out $2,100".
    std::vector<std::string> List1;
    std::string Label5;

    // MajorRepairs(k): "Roof must be replaced." and enabled, or "Roof is in
    // good condition." and disabled.
    std::array<std::string, kMajorRepairCount> MajorRepairs;
    std::array<bool, kMajorRepairCount> MajorRepairsEnabled{};
};
ImproveView ShowImprovements(const Game& game, std::size_t row);

inline constexpr const char* kNoFundsMessage = "You dont have the available funds.";
inline constexpr const char* kNoFurtherUpgradesMessage = "You cannot make further upgrades";
inline constexpr const char* kRepairQuestionTitle = "Would you like to make the repairs?";

// The value and rent rule of every spending of `amount` (already whole
// dollars) on ledger row `row`: r = RandomInt(25) for UpgradeHome (the
// upgrades), RandomInt(18) for UpgradeHome2 (the major repairs); the value
// rises by A = 0.8 x amount x (1 + r / 10) and each unit's rent by
// Int(0.125 x amount / 12). A gain (r of 3 or more) or a loss (r of 1 or 2)
// is told in a plain "Deedwell" box. Cash falls by the amount and the main
// screen is redrawn. Returns A (0 for a row not in the ledger).
double UpgradeHome(Game& game, std::size_t row, double amount);
double UpgradeHome2(Game& game, std::size_t row, double amount);

// The buttons. Each returns true when it spent money. A button that the view
// shows disabled does nothing when pressed anyway. After a spending the
// portfolio is asked to redraw (it shows the same home's new figures); the
// window redraws itself with ShowImprovements after every press.
//
// Command1, Required Repairs: kNoFundsMessage when Cash is below the exact
// price; otherwise UpgradeHome and the condition and house stage become 2.
bool RequiredRepairs(Game& game, std::size_t row);
// Command2, Improvements: the same at the improvement price, to condition and
// stage 3 (straight from Bad too).
bool Improvements(Game& game, std::size_t row);
// Command3 / Command6: kNoFurtherUpgradesMessage at level 3, kNoFundsMessage
// when Cash is below the price, otherwise UpgradeHome and one level up.
bool UpgradeKitchen(Game& game, std::size_t row);
bool UpgradeBathroom(Game& game, std::size_t row);
// MajorRepairs(k): asks "The cost of the repairs is $7,500, would you like to
// make the repairs?" (title kRepairQuestionTitle). No, or Cash below the
// price, changes nothing and says nothing; Yes marks the element good and
// runs UpgradeHome2. A k of 7 or more, or an element already good, does
// nothing.
bool MajorRepair(Game& game, std::size_t row, std::size_t k);

}  // namespace deedwell
