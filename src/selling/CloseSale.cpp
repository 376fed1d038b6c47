#include "selling/CloseSale.h"

#include "market/Generator.h"
#include "market/Listings.h"

namespace deedwell {

std::string SoldMessage(const std::string& address) {
    return "Your house on " + address + " has sold!";
}

bool CloseSale(Game& game, std::size_t row, double price) {
    if (row >= game.ledger.Count()) return false;
    const std::string listing = game.ledger.Row(row).listing;
    const std::string address = game.records.ReadListingValue("ADDRESS", listing);

    game.state.Cash = CashOf(game.state) + (price - game.ledger.Row(row).principal);
    // The home's units and tenants go with its row; later rows move up.
    game.ledger.Remove(row);
    game.screens.RefreshAll();
    game.dialogs.ShowPlain(SoldMessage(address));

    // The number is no longer owned, so the market may take it back.
    const ListingValues house = BuildVars(game);
    WriteHouseFile(game, house, listing);
    game.screens.ScheduleSecondGeneration();
    game.screens.CloseRowWindows();
    return true;
}

}  // namespace deedwell
