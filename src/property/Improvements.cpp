#include "property/Improvements.h"

#include "common/Numbers.h"
#include "market/RandomInt.h"
#include "property/MoveIn.h"
#include "property/Portfolio.h"

namespace deedwell {

namespace {

// A ledger number as its record would hold it: plain text of 15 digits.
double AsWritten(double value) {
    return NumberOf(NumberText(value));
}

bool IsLevel(double value) {
    return value == 1 || value == 2 || value == 3;
}

// homecreation/<folder>/<prefix><level>.jpg, built only from a level of 1 to 3.
std::string RoomPicture(const Game& game, const char* folder, const char* prefix, double level) {
    if (!IsLevel(level)) return "";
    return (game.records.Root() / "homecreation" / folder / (prefix + NumberText(level) + ".jpg"))
        .string();
}

std::string UnitLine(std::size_t j, UnitState unit, double rent) {
    std::string line = "Unit " + std::to_string(j + 1) + ":  ";
    if (unit == UnitState::Rented) return line + "RENTED For " + Format(rent, "$###,###");
    return line + UnitStateText(unit);
}

// Command1 is for a home in Bad condition only; Command2 for any home not yet
// Excellent. With an odd condition the buttons keep their state.
std::optional<bool> RequiredRepairsEnabled(double condition) {
    if (condition == 1) return true;
    if (condition == 2 || condition == 3) return false;
    return std::nullopt;
}

std::optional<bool> ImprovementsEnabled(double condition) {
    if (condition == 2) return true;
    if (condition == 3) return false;
    return std::nullopt;
}

// The appraisal rises by 0.8 x amount x (1 + r / 10): a loss on draws 1 and 2.
double RaiseValueAndRent(Game& game, std::size_t row, double amount, double range,
                         const char* lossLeadIn) {
    if (row >= game.ledger.Count()) return 0;
    const double base = 0.8 * amount;
    const double step = base / 10;
    const auto r = static_cast<double>(RandomInt(game, range));
    const double rise = base + r * step;
    const double rentRise = Int(0.125 * amount / 12);
    OwnedHome& home = game.ledger.Row(row);
    home.rent = AsWritten(home.rent + rentRise);

    const std::string invested = Format(amount, "$0");
    if (rise > amount) {
        game.dialogs.ShowPlain("Great News! You have invested " + invested +
                               " into this home and it has appreciated in value by " +
                               Format(rise, "$0") +
                               "!  Your hard work has paid off and the bank is very happy!  Even "
                               "your tenets are willing to pay you more each month!  Your rent "
                               "has increased by " +
                               Format(rentRise, "$0"));
    } else if (rise < amount) {
        game.dialogs.ShowPlain(std::string(lossLeadIn) + invested +
                               " into this home but it only appreciated in value by " +
                               Format(rise, "$0") +
                               "!  All of this work and you have lost money.  Your renters agree "
                               "to pay a marginal increase of " +
                               Format(rentRise, "$0") + " each month.");
    }
    // A message box lets other events run: find the row again.
    if (row < game.ledger.Count()) {
        OwnedHome& after = game.ledger.Row(row);
        after.value = AsWritten(after.value + rise);
    }
    game.state.Cash = CashOf(game.state) - amount;
    game.screens.RefreshAll();
    return rise;
}

// Pays for an upgrade at its exact price, or says there is not enough cash.
bool PayForUpgrade(Game& game, std::size_t row, double price) {
    if (CashOf(game.state) < price) {
        game.dialogs.ShowMessage(kNoFundsMessage);
        return false;
    }
    UpgradeHome(game, row, Int(price));
    return true;
}

bool RaiseCondition(Game& game, std::size_t row, double price, double condition) {
    if (!PayForUpgrade(game, row, price)) return false;
    if (row < game.ledger.Count()) {
        OwnedHome& home = game.ledger.Row(row);
        home.condition = condition;
        home.stage = condition;
    }
    game.screens.RefreshPortfolio();
    return true;
}

bool UpgradeRoom(Game& game, std::size_t row, double OwnedHome::*level, double price) {
    if (game.ledger.Row(row).*level == 3) {
        game.dialogs.ShowMessage(kNoFurtherUpgradesMessage);
        return false;
    }
    if (!PayForUpgrade(game, row, price)) return false;
    if (row < game.ledger.Count()) {
        OwnedHome& home = game.ledger.Row(row);
        home.*level = home.*level + 1;
    }
    game.screens.RefreshPortfolio();
    return true;
}

}  // namespace

ImprovementPrices PricesFor(const Game& game, std::size_t row) {
    ImprovementPrices prices;
    if (row >= game.ledger.Count()) return prices;
    const OwnedHome& home = game.ledger.Row(row);
    const double v = home.purchaseValue;
    const double w = home.value;
    prices.repairs = game.state.RepairCostRate.value_or(0) * v;
    prices.improvement = game.state.ImprovementCostRate.value_or(0) * v;
    prices.kitchen = 0.1 * v;
    prices.bath = 0.07 * v;
    for (std::size_t k = 0; k < kMajorRepairCount; ++k) prices.major[k] = kMajorRepairShares[k] * w;
    return prices;
}

ImproveView ShowImprovements(const Game& game, std::size_t row) {
    ImproveView view;
    if (row >= game.ledger.Count()) return view;
    view.hasHome = true;
    const OwnedHome& home = game.ledger.Row(row);
    const ImprovementPrices prices = PricesFor(game, row);

    view.CashBar = Format(CashOf(game.state), "$#,##0");
    view.KitchenCost = Format(prices.kitchen, "$#,###");
    view.BathCost = Format(prices.bath, "$#,###");
    view.housePicture = OwnedHomePicture(game, static_cast<int>(row));
    view.AddressSpot = game.records.ReadListingValue("ADDRESS", home.listing);
    view.NVAL = Format(home.neighbourhood, "$0,000");
    view.kitchenPicture = RoomPicture(game, "kitchen", "k_", home.kitchen);
    view.bathPicture = RoomPicture(game, "bathroom", "b_", home.bathroom);

    view.Command1Enabled = RequiredRepairsEnabled(home.condition);
    view.Command2Enabled = ImprovementsEnabled(home.condition);
    view.Command1 = "Required Repairs  $" + NumberText(Int(prices.repairs));
    view.Command2 = "Improvements $" + NumberText(Int(prices.improvement));
    view.ConditionBar = ConditionText(home.condition);

    view.HomeValue = Format(home.value, "$###,###");
    view.Label7 = Format(home.principal, "$###,###");
    view.mPAyment = Format(home.payment, "$###,###");
    view.Label8 = NumberText(home.rate) + "% / " + NumberText(home.term) + " Years";

    const double rent = Int(home.rent);
    double rented = 0;
    for (std::size_t j = 0; j < home.units.size(); ++j) {
        view.List1.push_back(UnitLine(j, home.units[j], rent));
        if (home.units[j] == UnitState::Rented) rented += 1;
    }
    const double units = static_cast<double>(home.units.size());
    view.Label5 = Format(rent * rented, "$###,##0") + " of out " + Format(rent * units, "$###,###");

    for (std::size_t k = 0; k < kMajorRepairCount; ++k) {
        const bool broken = home.Major(static_cast<int>(12 + k));
        view.MajorRepairs[k] = std::string(kMajorRepairNames[k]) +
                               (broken ? " must be replaced." : " is in good condition.");
        view.MajorRepairsEnabled[k] = broken;
    }
    return view;
}

double UpgradeHome(Game& game, std::size_t row, double amount) {
    return RaiseValueAndRent(game, row, amount, 25, "Uh-oh!  You have invested ");
}

double UpgradeHome2(Game& game, std::size_t row, double amount) {
    return RaiseValueAndRent(game, row, amount, 18,
                             "Uh-oh!  Your repairs didnt help much! You have invested ");
}

bool RequiredRepairs(Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return false;
    if (!RequiredRepairsEnabled(game.ledger.Row(row).condition).value_or(true)) return false;
    return RaiseCondition(game, row, PricesFor(game, row).repairs, 2);
}

bool Improvements(Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return false;
    if (game.ledger.Row(row).condition == 3) return false;
    return RaiseCondition(game, row, PricesFor(game, row).improvement, 3);
}

bool UpgradeKitchen(Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return false;
    return UpgradeRoom(game, row, &OwnedHome::kitchen, PricesFor(game, row).kitchen);
}

bool UpgradeBathroom(Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return false;
    return UpgradeRoom(game, row, &OwnedHome::bathroom, PricesFor(game, row).bath);
}

bool MajorRepair(Game& game, std::size_t row, std::size_t k) {
    if (row >= game.ledger.Count() || k >= kMajorRepairCount) return false;
    const int column = static_cast<int>(12 + k);
    if (!game.ledger.Row(row).Major(column)) return false;
    const double price = PricesFor(game, row).major[k];
    const bool yes = game.dialogs.AskYesNo(kRepairQuestionTitle,
                                           "The cost of the repairs is " + Format(price, "$#,###") +
                                               ", would you like to make the repairs?");
    // The question lets other events run: the row may be gone.
    if (!yes || row >= game.ledger.Count()) return false;
    if (CashOf(game.state) < price) return false;
    game.ledger.Row(row).Major(column) = false;
    UpgradeHome2(game, row, Int(price));
    game.screens.RefreshPortfolio();
    return true;
}

}  // namespace deedwell
