#include "state/GameState.h"

namespace deedwell {

void InitDefaults(GameState& state) {
    state.HouseCatCount = 8;
    state.HouseStageCount = 3;
    state.MarketSize = 80;
    state.GameTitle = "Tarnwick Game";
    state.UtilityRate = 0.5;
    if (!state.RentDemand) state.RentDemand = 6;
    state.RenterOdds = 24;
    state.RepairCostRate = 0.5;
    state.ImprovementCostRate = 0.3;
    state.TurnoverMonths = 12;
    state.GoalSettled = "False";
}

}  // namespace deedwell
