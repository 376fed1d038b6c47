#include "selling/SaleListing.h"

#include "common/Numbers.h"
#include "property/MoveIn.h"
#include "selling/Offers.h"

namespace deedwell {

namespace {

// LoadHouse step 3: one line per unit; a let unit shows its rent. Collected
// and possible rent add up as the window always added them, the running total
// cut to whole dollars before each unit is added.
void ListUnits(const OwnedHome& home, SaleView& view) {
    const double rent = home.rent;
    double collected = 0;
    double possible = 0;
    for (std::size_t i = 0; i < home.units.size(); ++i) {
        std::string text = UnitStateText(home.units[i]);
        if (home.units[i] == UnitState::Rented) {
            text = "RENTED For " + Format(rent, "$###,##0");
            collected = Int(collected) + rent;
        }
        view.List1.push_back("Unit " + std::to_string(i + 1) + ":  " + text);
        possible = Int(possible) + Int(rent);
    }
    view.Label5 = Format(collected, "$###,##0") + " of out " + Format(possible, "$###,##0");
}

bool MarkForSale(Game& game, int row, bool forSale) {
    const bool shown = game.ledger.HasRow(row);
    if (shown) game.ledger.Row(static_cast<std::size_t>(row)).forSale = forSale;
    CheckForOffers(game);
    return shown;
}

}  // namespace

std::string ConditionWord(double condition) {
    if (condition == 1) return "Bad";
    if (condition == 2) return "Average";
    if (condition == 3) return "Excellent";
    return NumberText(condition);
}

SaleView ShowHomeForSale(Game& game, int row) {
    SaleView view;
    if (!game.ledger.HasRow(row)) return view;
    view.hasHome = true;
    view.row = static_cast<std::size_t>(row);
    const OwnedHome& home = game.ledger.Row(view.row);
    GameState& s = game.state;

    s.WorkHouseCat = home.category;
    s.WorkHouseStage = home.stage;
    view.housePicture = OwnedHomePicture(game, row);
    view.address = game.records.ReadListingValue("ADDRESS", home.listing);
    view.HomeValue = Format(home.value, "$###,###");
    view.mPAyment = Format(home.payment, "$###,###");
    view.Label7 = Format(home.principal, "$###,###");
    view.Label8 = NumberText(home.rate) + "% / " + NumberText(home.term) + " Years";
    view.saleSign = home.forSale;
    view.ConditionBar = ConditionWord(home.condition);

    // LoadHouse: the window's own 1-based number goes to CurrentUnitRow.
    view.CashBar = Format(CashOf(s), "$#,##0");
    s.CurrentUnitRow = row + 1;
    ListUnits(home, view);
    return view;
}

bool PutHouseUpForSale(Game& game, int row) {
    return MarkForSale(game, row, true);
}

bool TakeHouseOffMarket(Game& game, int row) {
    return MarkForSale(game, row, false);
}

}  // namespace deedwell
