#pragma once
// Closing the sale of an owned home.
//
// The buyer's money pays off what is still owed on the home and the rest goes
// to Cash (a price below the loan takes the difference from Cash). The row
// leaves the ledger, and every later row moves up by one, which is why every
// window holding a row by its number is closed. No fee, no commission, no
// question. The player's own living arrangements stay as they were, even when
// the player lived in the sold home. The home's listing number is open to the
// market again: one time in eight the generator writes a new house there,
// otherwise the home comes back as it was listed when it was bought.

#include <cstddef>
#include <string>

#include "state/Game.h"

namespace deedwell {

// "Your house on " + address + " has sold!" (the address as in the listing
// file, its double space kept).
std::string SoldMessage(const std::string& address);

// CloseSale for ledger row `row` at `price`, in this order: the ADDRESS of
// the home's listing is read; Cash += price - FINDATA(1)(row); the row is
// removed; the main screen is refreshed (RefreshAll); the plain "Deedwell"
// box says the house has sold; a new house is generated (BuildVars) and handed
// to WriteHouseFile for the sold listing number; the hidden second generation
// of the market is requested; the windows that hold ledger rows are closed
// (CloseRowWindows). Returns false, changing nothing, for a row not in the
// ledger.
bool CloseSale(Game& game, std::size_t row, double price);

}  // namespace deedwell
