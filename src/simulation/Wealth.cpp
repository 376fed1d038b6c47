#include "simulation/Wealth.h"

#include "common/Numbers.h"
#include "simulation/MonthAdvance.h"

namespace deedwell {

double NetWorth(const Game& game) {
    double w = 1 + CashOf(game.state);
    for (const auto& home : game.ledger.Rows()) w += home.value - home.principal;
    if (w == 0) w = 1;
    return RoundHalfAway(w);
}

std::string CalcWealth(const Game& game) {
    return Format(NetWorth(game), "$###,###,###");
}

UnitCounts DisplayUnits(const Game& game) {
    UnitCounts counts;
    for (const auto& home : game.ledger.Rows()) {
        counts.units += static_cast<double>(home.units.size());
        for (UnitState unit : home.units) {
            if (unit == UnitState::Rented) counts.rented += 1;
        }
    }
    return counts;
}

std::string CashBarText(const Game& game) {
    return Format(CashOf(game.state), "$###,###");
}

MainScreenView ShowMainScreen(const Game& game) {
    MainScreenView view;
    view.CashBar = CashBarText(game);
    view.CurrentDateDisplay = DisplayMonth(game);
    const UnitCounts counts = DisplayUnits(game);
    view.UnitCount = NumberText(counts.units);
    view.RentedUnits = NumberText(counts.rented);
    view.PlayerName = game.state.PlayerName;
    view.PlayerAge = game.state.PlayerAge;
    view.NetWorth = CalcWealth(game);
    view.RentCollected = Format(game.state.RentCollected, "$###,###");
    view.homeless = game.state.HomePicture.empty();
    if (!view.homeless) view.HomePicture = game.state.HomePicture;
    return view;
}

}  // namespace deedwell
