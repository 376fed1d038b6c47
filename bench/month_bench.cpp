// How long one "NEXT MONTH" takes for a large player: 200 homes with 1,000
// units and 1,000 open alerts. The press must feel instant however far a
// life has gone.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchGame.h"
#include "simulation/MonthAdvance.h"

namespace {

using namespace deedwell;

constexpr int kHomes = 200;
constexpr int kUnitsPerHome = 5;
constexpr int kAlerts = 1000;

// A long-running life.
struct BigLife : bench::BenchGame {
    BigLife() : BenchGame("month") {
        GameState& s = game.state;
        s.YearsPlayed = 8;
        s.MonthlyIncome = "4800";
        s.Cash = 250000;
        s.PlayerAge = "40";
        s.CurrentYear = 2033;
        s.CurrentMonth = 5;
        s.HasHome = "YES";
        s.LivingCost = 1150;
        for (int i = 0; i < kHomes; ++i) {
            OwnedHome home;
            home.listing = std::to_string(100 + i);  // outside the market's numbers
            home.payment = 724.71;
            home.principal = 100000;
            home.rate = 8;
            home.term = 30;
            home.purchaseValue = home.value = 120000;
            home.category = 1 + i % 8;
            home.stage = 1 + i % 3;
            home.neighbourhood = 150000;
            home.condition = 2;
            home.rent = 900;
            home.units.assign(kUnitsPerHome, UnitState::Rented);
            home.units[0] = i % 2 ? UnitState::Unrented : UnitState::Rented;
            game.ledger.Append(home);
        }
        game.ledger.Row(0).units[1] = UnitState::Living;
        for (int k = 0; k < kAlerts; ++k) {
            const bool tax = k % 3 == 0;
            game.alerts.push_back({tax ? "(2032) Taxes are due for 1 Main St" : "Repair request",
                                   tax ? 1200.0 : 350.0, tax ? 1 : Alert::kRepair});
        }
        start = {game.state, game.ledger, game.alerts};
    }
    // Back to the same life before every press, so each press does the same work.
    void Reset(double month) {
        game.state = start.state;
        game.state.CurrentMonth = month;
        game.ledger = start.ledger;
        game.alerts = start.alerts;
    }

    struct {
        GameState state;
        Ledger ledger;
        std::vector<Alert> alerts;
    } start;
};

void PressFrom(benchmark::State& state, double month) {
    BigLife life;
    for (auto _ : state) {
        state.PauseTiming();
        life.Reset(month);
        state.ResumeTiming();
        benchmark::DoNotOptimize(NextMonth(life.game));
    }
}

// An ordinary month: tenants, every loan, rent, market turnover, repairs.
void BM_NextMonth(benchmark::State& state) {
    PressFrom(state, 5);
}
BENCHMARK(BM_NextMonth)->Unit(benchmark::kMicrosecond);

// December to January: the same plus taxes on 200 homes and 1,000 alerts,
// the year chart and the appreciation.
void BM_NextMonthNewYear(benchmark::State& state) {
    PressFrom(state, 12);
}
BENCHMARK(BM_NextMonthNewYear)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
