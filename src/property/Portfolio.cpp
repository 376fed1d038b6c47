#include "property/Portfolio.h"

#include "common/Numbers.h"
#include "property/MoveIn.h"

namespace deedwell {

namespace {

std::string UnitLine(std::size_t j, UnitState unit, double rent) {
    std::string line = "Unit " + std::to_string(j + 1) + ":  ";
    if (unit == UnitState::Rented) return line + "RENTED For " + Format(rent, "$###,##0");
    return line + UnitStateText(unit);
}

}  // namespace

std::size_t LoadHomes(const Game& game) {
    return game.ledger.Count();
}

std::string ConditionText(double condition) {
    if (condition == 1) return "Bad";
    if (condition == 2) return "Average";
    if (condition == 3) return "Excellent";
    return NumberText(condition);
}

PortfolioView ShowHome(const Game& game, std::size_t row) {
    PortfolioView view;
    view.caption = game.state.GameTitle;
    view.CashBar = Format(CashOf(game.state), "$#,##0");
    view.noneShown = game.ledger.Empty();
    if (row >= game.ledger.Count()) return view;
    view.hasHome = true;

    const OwnedHome& home = game.ledger.Row(row);
    view.picture = OwnedHomePicture(game, static_cast<int>(row));
    view.address = game.records.ReadListingValue("ADDRESS", home.listing);
    view.Label12 = Format(home.neighbourhood, "$0,000");
    view.HomeValue = Format(home.value, "$###,###");
    view.mPAyment = Format(home.payment, "$###,###");
    view.Label7 = Format(home.principal, "$###,###");
    view.Label8 = NumberText(home.rate) + "% / " + NumberText(home.term) + " Years";
    view.ConditionBar = ConditionText(home.condition);

    // What is collected keeps the cents of the last rent added; what could be
    // collected counts whole dollars only.
    double collected = 0;
    double potential = 0;
    for (std::size_t j = 0; j < home.units.size(); ++j) {
        view.units.push_back(UnitLine(j, home.units[j], home.rent));
        if (home.units[j] == UnitState::Rented) collected = home.rent + Int(collected);
        potential = Int(home.rent) + Int(potential);
    }
    view.Label5 = Format(collected, "$###,##0") + " of out " + Format(potential, "$###,##0");
    return view;
}

bool MakeImprovement(Game& game, std::size_t row) {
    if (row >= game.ledger.Count()) return false;
    game.state.CurrentHouseNo = std::to_string(row + 1);
    return true;
}

}  // namespace deedwell
