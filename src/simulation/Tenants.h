#pragma once
// Tenants, rent and the main screen's financial alerts.
//
// Each unit of an owned home is vacant, let, or the player's own. Every month
// tenants come and go at random, occupied units pay the home's rent, and
// tenants may demand repairs. Repair requests and the yearly tax bills are the
// alerts of the main screen, paid or (repairs only) ignored from there.

#include <cstddef>
#include <string>

#include "state/Game.h"

namespace deedwell {

// The month's move-outs and move-ins, unit by unit in ledger order. A vacant
// unit of a home with a needed major repair finds no tenant and draws nothing.
void TurnOverTenants(Game& game);

// True when any of FINDATA(10) to FINDATA(18) of the row is set. An
// out-of-range row has no damage.
bool HomeHasDamage(const Game& game, std::size_t row);

// The month's rent: the whole-dollar rent of every "RENTED" or "LIVING" unit.
double CollectRent(const Game& game);

// The month's repair requests: one chance in 12 for each rented unit.
void RandomRentIssue(Game& game);

// The text the main screen shows for alert `index` ("" when there is none).
std::string AlertDescription(const Game& game, int index);

// A click on the alert list: remembers the selection and shows its text.
void SelectAlert(Game& game, int index);

// "PAY": pays alert `index` when Cash holds strictly more whole dollars than
// its whole-dollar amount. Returns whether it paid.
bool PayAlert(Game& game, int index);

// "Pay All": pays from the top until an alert cannot be paid.
void PayAllAlerts(Game& game);

// "IGNORE": drops a repair request; tax alerts stay. Returns whether it did.
bool IgnoreAlert(Game& game, int index);

}  // namespace deedwell
