#pragma once
// The Game context: everything one running game needs, passed by reference to
// every rule and every window. There are no globals.

#include <array>
#include <string>
#include <vector>

#include "records/Ledger.h"
#include "records/RecordFiles.h"
#include "state/GameState.h"
#include "state/Ports.h"

namespace deedwell {

// A financial alert of the main screen: a repair request or a tax bill.
struct Alert {
    static constexpr int kRepair = -1;
    std::string text;
    double amount = 0;  // may carry a fraction
    int taxYears = kRepair;  // -1 for a repair request, else new years left unpaid
};

// One bar of a chart: a label under it and its value.
struct ChartRow {
    std::string label;
    double value = 0;
};

// The offers indicator of the main screen: no home for sale, homes for sale
// without offers, or an offer waiting to be opened.
enum class OffersIndicator { None, NoOffers, OfferWaiting };

// What the rules write for the main screen to show. The screen draws all of it
// on every RefreshAll; the rules never touch a widget.
struct MainScreenData {
    // Last month's figures; empty until the first month has run.
    std::string PRECASH;
    std::string rPayment;
    std::string mPayments;
    std::string CF;
    std::vector<ChartRow> YearChart{{"NONE", 5}};
    std::array<double, 2> GoalChart{};  // net worth in % of the goal, against 100
    std::array<double, 2> PlanChart{};  // years played, against the years of the plan
    OffersIndicator Offers = OffersIndicator::None;
    std::string AlertMessage;
    int SelectedAlert = -1;  // the alert selected in the list, -1 for none
};

struct Game {
    Game(RecordStore& records, Random& random, Clock& clock, Dialogs& dialogs, Screens& screens)
        : records(records), random(random), clock(clock), dialogs(dialogs), screens(screens) {}

    GameState state;
    Ledger ledger;
    std::vector<Alert> alerts;  // in list order
    MainScreenData screen;
    // A "NEXT MONTH" press is being handled; a second press meanwhile is ignored.
    bool monthInProgress = false;

    RecordStore& records;
    Random& random;
    Clock& clock;
    Dialogs& dialogs;
    Screens& screens;
};

}  // namespace deedwell
