#include "property/MoveIn.h"

#include <cstddef>
#include <optional>

#include "common/Numbers.h"
#include "market/Listings.h"
#include "property/Renting.h"

namespace deedwell {

namespace {

constexpr double kMoveInCost = 1000;

// What a move-in needs from the home's listing record, read and checked
// before anything changes.
struct HomeRecord {
    double sf = 0;
    double units = 0;
    double rent = 0;
    std::string address;
};

std::optional<HomeRecord> ReadHomeRecord(const Game& game, const std::string& listing) {
    const auto sf = ParseNumber(game.records.ReadListingValue("SF", listing));
    const auto units = ParseNumber(game.records.ReadListingValue("UNITS", listing));
    const auto rent = ParseNumber(game.records.ReadListingValue("ERENT", listing));
    std::string address = game.records.ReadListingValue("ADDRESS", listing);
    if (!sf || *sf < 0 || !units || *units < 1 || *units != Int(*units) || !rent ||
        address.empty()) {
        return std::nullopt;
    }
    return HomeRecord{*sf, *units, *rent, std::move(address)};
}

}  // namespace

HomeWindowView RefreshInformation(Game& game) {
    HomeWindowView view;
    const GameState& s = game.state;
    view.CashBar = HomeCashBarText(game);
    if (s.HomeAddress.empty()) return view;
    view.homeless = false;
    view.RentInfo = {s.HomeAddress, Format(s.HomeRent, "$0"), Format(s.HomeUtilities, "$0"),
                     Format(s.LivingCost, "$0"), NumberText(s.HomeSquareFeet) + "sf"};
    view.picture = s.HomePicture;
    game.screens.RefreshAll();
    return view;
}

std::vector<std::string> ListTheHomes(const Game& game) {
    std::vector<std::string> entries;
    for (const auto& home : game.ledger.Rows()) {
        std::string address = game.records.ReadListingValue("ADDRESS", home.listing);
        if (address.empty()) address = "(listing " + home.listing + ")";
        const std::string units = game.records.ReadListingValue("UNITS", home.listing);
        entries.push_back(address + " (" + units + " Units)");
    }
    return entries;
}

std::string OwnedHomePicture(const Game& game, int row) {
    if (!game.ledger.HasRow(row)) return "";
    const OwnedHome& home = game.ledger.Row(static_cast<std::size_t>(row));
    return HousePicturePath(game.records, home.category, home.stage);
}

UnitList LoadUnits(Game& game, int row) {
    game.state.CurrentUnitRow = row;
    UnitList list;
    if (!game.ledger.HasRow(row)) return list;
    const auto& units = game.ledger.Row(static_cast<std::size_t>(row)).units;
    for (std::size_t j = 0; j < units.size(); ++j) {
        list.entries.emplace_back(UnitStateText(units[j]));
        if (list.selected < 0 && units[j] == UnitState::Unrented)
            list.selected = static_cast<int>(j);
    }
    return list;
}

bool LetsMoveIn(Game& game, int row, int unit) {
    GameState& s = game.state;
    if (!(CashOf(s) > kMoveInCost)) {
        game.dialogs.ShowMessage(
            "Sorry folks!  Can't move in without a few bucks to pay the trucks and get the lights "
            "turned out.  Better figure something else out.");
        return false;
    }
    if (!game.ledger.HasRow(row) || unit < 0) return false;
    const std::size_t r = static_cast<std::size_t>(row);
    const std::size_t u = static_cast<std::size_t>(unit);
    if (u >= game.ledger.Row(r).units.size()) return false;
    if (game.ledger.Row(r).units[u] == UnitState::Rented) {
        game.dialogs.ShowMessage(
            "Sorry folks!  You already rented this home to a fine good of ruff-necks and they "
            "arent "
            "going anywhere for a while.");
        return false;
    }
    const auto record = ReadHomeRecord(game, game.ledger.Row(r).listing);
    if (!record) {
        game.dialogs.ShowMessage(kUnreadableHomeMessage);
        return false;
    }

    VacateLivingUnits(game);
    game.ledger.Row(r).units[u] = UnitState::Living;
    s.HasHome = "YES";
    s.HomeSquareFeet = record->sf;
    s.HomeRent = record->rent;
    s.HomeUtilities = s.HomeSquareFeet / record->units * s.UtilityRate.value_or(0);
    s.LivingCost = s.HomeUtilities + s.HomeRent;
    s.HomeAddress = record->address;
    s.HomePicture = OwnedHomePicture(game, row);
    s.Cash = CashOf(s) - kMoveInCost;
    game.dialogs.ShowMessage("Enjoy your move!");
    game.screens.RefreshAll();
    game.screens.RefreshHomeInformation();
    return true;
}

void VacateLivingUnits(Game& game) {
    for (auto& home : game.ledger.Rows()) {
        for (auto& unit : home.units) {
            if (unit == UnitState::Living) unit = UnitState::Unrented;
        }
    }
}

}  // namespace deedwell
