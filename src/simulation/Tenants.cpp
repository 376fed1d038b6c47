#include "simulation/Tenants.h"

#include <cstdint>

#include "common/Numbers.h"
#include "market/RandomInt.h"

namespace deedwell {

namespace {

constexpr const char* kRepairRequestText = "Renter Demands Repairs!";

bool ValidAlert(const Game& game, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < game.alerts.size();
}

void RemoveAlert(Game& game, int index) {
    game.alerts.erase(game.alerts.begin() + index);
    game.screen.SelectedAlert = -1;
}

// Fractions of a dollar are never charged: the bill is paid in whole dollars.
double WholeAmount(const Alert& alert) { return Int(alert.amount); }

// The player needs strictly more whole dollars than the bill.
bool CanPay(const Game& game, const Alert& alert) {
    return WholeAmount(alert) < Int(CashOf(game.state));
}

// Takes the money, drops the alert and says so.
void Pay(Game& game, int index) {
    game.state.Cash = CashOf(game.state) - WholeAmount(game.alerts[static_cast<std::size_t>(index)]);
    RemoveAlert(game, index);
    game.screen.AlertMessage = "Payment has been made!";
}

}  // namespace

void TurnOverTenants(Game& game) {
    const double renterOdds = game.state.RenterOdds.value_or(0);
    const double rentDemand = game.state.RentDemand.value_or(0);
    for (std::size_t i = 0; i < game.ledger.Count(); ++i) {
        for (UnitState& unit : game.ledger.Row(i).units) {
            if (unit == UnitState::Rented) {
                if (RandomInt(game, renterOdds) == 1) unit = UnitState::Unrented;
            } else if (unit == UnitState::Unrented && !HomeHasDamage(game, i)) {
                if (RandomInt(game, rentDemand) == 1) unit = UnitState::Rented;
            }
        }
    }
}

bool HomeHasDamage(const Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return false;
    const OwnedHome& home = game.ledger.Row(row);
    // The neighbourhood value sits among the flags in the books and is tested
    // with them; in practice it is never exactly 1.
    if (home.neighbourhood == 1) return true;
    for (bool needed : home.needsRepair)
        if (needed) return true;
    return false;
}

double CollectRent(const Game& game) {
    double total = 0;
    for (const OwnedHome& home : game.ledger.Rows())
        for (UnitState unit : home.units)
            if (unit == UnitState::Rented || unit == UnitState::Living) total += Int(home.rent);
    return total;
}

void RandomRentIssue(Game& game) {
    for (std::size_t i = 0; i < game.ledger.Count(); ++i) {
        const std::size_t unitCount = game.ledger.Row(i).units.size();
        for (std::size_t j = 0; j < unitCount; ++j) {
            if (game.ledger.Row(i).units[j] != UnitState::Rented) continue;
            if (RandomInt(game, 12.0) != 3) continue;
            const std::int64_t cost = RandomInt(game, 600.0) + 100;
            game.alerts.push_back({kRepairRequestText, static_cast<double>(cost), Alert::kRepair});
        }
    }
}

std::string AlertDescription(const Game& game, int index) {
    if (!ValidAlert(game, index)) return {};
    const Alert& alert = game.alerts[static_cast<std::size_t>(index)];
    return alert.text + ". It will cost you " + Format(alert.amount, "$#,###") +
           ".  Failing to pay may cause you trouble down the road.";
}

void SelectAlert(Game& game, int index) {
    if (!ValidAlert(game, index)) return;
    game.screen.SelectedAlert = index;
    game.screen.AlertMessage = AlertDescription(game, index);
}

bool PayAlert(Game& game, int index) {
    if (!ValidAlert(game, index)) return false;
    if (!CanPay(game, game.alerts[static_cast<std::size_t>(index)])) return false;
    Pay(game, index);
    if (!game.alerts.empty()) SelectAlert(game, 0);
    game.screens.RefreshAll();
    return true;
}

void PayAllAlerts(Game& game) {
    while (!game.alerts.empty()) {
        SelectAlert(game, 0);
        if (!CanPay(game, game.alerts.front())) return;
        Pay(game, 0);
        game.screens.RefreshAll();
    }
}

bool IgnoreAlert(Game& game, int index) {
    if (!ValidAlert(game, index)) return false;
    if (game.alerts[static_cast<std::size_t>(index)].taxYears != Alert::kRepair) return false;
    RemoveAlert(game, index);
    game.screen.AlertMessage = "Request has been ignored!";
    if (!game.alerts.empty()) {
        SelectAlert(game, 0);
        game.screens.RefreshAll();
    }
    return true;
}

}  // namespace deedwell
