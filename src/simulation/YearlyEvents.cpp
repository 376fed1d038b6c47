#include "simulation/YearlyEvents.h"

#include <string>

#include "common/Numbers.h"

namespace deedwell {

namespace {

// Alert amounts are kept as the game writes numbers, 15 significant digits,
// so 45 x 0.03 is 1.35 and not 1.3499999999999999.
double AsWritten(double value) { return NumberOf(NumberText(value)); }

// A penalty that would round to nothing is not worth a line of its own;
// without this floor unpaid bills would double the list every year.
constexpr double kSmallestPenalty = 1;

}  // namespace

void YearlyTaxes(Game& game) {
    const std::string lastYear = NumberText(game.state.CurrentYear - 1);

    const std::size_t present = game.alerts.size();
    for (std::size_t k = 0; k < present; ++k) {
        if (game.alerts[k].taxYears != Alert::kRepair) {
            game.alerts[k].taxYears += 1;
            const double penalty = AsWritten(game.alerts[k].amount * 0.03);
            if (penalty >= kSmallestPenalty)
                game.alerts.push_back({"(" + lastYear + ") Back Taxes Penalty! ", penalty, 0});
        }
        const double amount = game.alerts[k].amount;
        game.alerts[k].amount = Int(amount + amount * 0.03);
    }

    for (const OwnedHome& home : game.ledger.Rows()) {
        const double tax = Int(home.purchaseValue * 0.01);
        const std::string address = game.records.ReadListingValue("ADDRESS", home.listing);
        game.alerts.push_back({"(" + lastYear + ") Taxes are due for " + address, tax, 0});
    }
}

void AppreciateHomes(Game& game) {
    double valueRise = 0;
    double rentRise = 0;
    for (OwnedHome& home : game.ledger.Rows()) {
        valueRise += Int(home.value) * 0.03;
        home.value = Int(home.value * 1.03);
        rentRise += home.rent * 0.03;
        home.neighbourhood = Int(home.neighbourhood * 1.03);
        home.rent = Int(home.rent * 1.03);
    }
    game.state.AppreciationYears = game.state.AppreciationYears.value_or(0) + 1;

    if (game.ledger.Empty() || valueRise == 0) return;
    game.dialogs.ShowMessage("Congratulations, your homes have increased in value this year by " +
                             Format(valueRise, "$###,###") + "\r\n" +
                             "Rent has increased by: " + Format(rentRise, "$0"));
}

}  // namespace deedwell
