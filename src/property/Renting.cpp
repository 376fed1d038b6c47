#include "property/Renting.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "common/Numbers.h"
#include "hints/Hints.h"
#include "records/RecordFiles.h"

namespace deedwell {

namespace {

constexpr double kMovingExpense = 1000;

double RateOf(const GameState& s) {
    return s.UtilityRate.value_or(0.5);
}

// The rental at a list position, read once.
struct Rental {
    bool exists = false;
    std::string name;
    std::string rentText, sfText, address;
    std::optional<double> rent, sf;

    // Only a record with a real rent and floor area can be moved into.
    bool Rentable() const { return exists && rent && *rent > 0 && sf && *sf >= 0; }
    double Rent() const { return rent.value_or(0); }
    double Sf() const { return sf.value_or(0); }
};

Rental ReadRental(const Game& game, int position) {
    Rental r;
    const std::vector<std::string> names = game.records.ListRecords("renthouses");
    if (position < 0 || static_cast<std::size_t>(position) >= names.size()) return r;
    r.name = names[static_cast<std::size_t>(position)];
    r.exists = FileExists(game.records.RentalPath(r.name));
    r.rentText = game.records.ReadRentalValue("RENT", r.name);
    r.sfText = game.records.ReadRentalValue("SF", r.name);
    r.address = game.records.ReadRentalValue("ADDRESS", r.name);
    r.rent = ParseNumber(r.rentText);
    r.sf = ParseNumber(r.sfText);
    return r;
}

// Pictures follow list positions, not record names.
std::string RentalPicture(const Game& game, int position) {
    return (game.records.Root() / "renthouses" / (std::to_string(position + 1) + ".jpg")).string();
}

}  // namespace

std::string HomeCashBarText(const Game& game) {
    return Format(CashOf(game.state), "$#,##0");
}

int OpenRentWindow(Game& game) {
    if (!game.state.UtilityRate) game.state.UtilityRate = 0.5;
    return RentalCount(game);
}

int RentalCount(const Game& game) {
    return static_cast<int>(game.records.ListRecords("renthouses").size());
}

RentalView ShowRental(const Game& game, int position) {
    RentalView view;
    const Rental r = ReadRental(game, position);
    if (r.name.empty()) {
        view.HouseAddress = kNoRentals;
        return view;
    }
    const double utilities = r.Sf() * RateOf(game.state);
    view.exists = r.exists;
    view.canRent = r.Rentable();
    view.picture = RentalPicture(game, position);
    view.HouseAddress = r.address;
    view.l1 = r.rentText;
    view.Label1 = r.sfText + "sf";
    view.Label2 = "$" + NumberText(utilities);
    view.Label8 = Format(r.Rent() + utilities, "$0");
    view.Label5 = r.rentText;
    view.Label6 = r.rentText;
    view.Label10 = Format(2 * r.Rent() + kMovingExpense, "$0");
    return view;
}

bool RentMe(Game& game, int position) {
    const Rental r = ReadRental(game, position);
    if (!r.Rentable()) return false;
    GameState& s = game.state;
    const double cost = 2 * r.Rent() + kMovingExpense;
    if (!(CashOf(s) > cost)) {
        game.dialogs.ShowMessage(
            "You do not have enough cash to rent and move into this home at this time.");
        return false;
    }
    const double utilities = r.Sf() * RateOf(s);
    s.Cash = CashOf(s) - cost;
    s.HomeUtilities = utilities;
    s.HomePicture = RentalPicture(game, position);
    s.HomeRent = r.Rent();
    s.HomeSquareFeet = r.Sf();
    s.HomeAddress = r.address;
    s.LivingCost = r.Rent() + utilities;
    game.screens.RefreshHomeInformation();
    game.dialogs.ShowMessage("Congratulations on your new home!");
    s.HasHome = "YES";
    game.screens.RefreshAll();
    HintRented(game);
    return true;
}

}  // namespace deedwell
