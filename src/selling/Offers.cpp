#include "selling/Offers.h"

#include "common/Numbers.h"
#include "market/RandomInt.h"
#include "property/MoveIn.h"
#include "selling/CloseSale.h"
#include "selling/SaleListing.h"
#include "simulation/Tenants.h"

namespace deedwell {

void DrawPurchaseOffers(Game& game) {
    const double odds = game.state.TurnoverMonths.value_or(0);
    for (std::size_t i = 0; i < game.ledger.Count(); ++i) {
        if (!game.ledger.Row(i).forSale) continue;
        // Buyers are scarcer for a home that needs a major repair.
        const double n = HomeHasDamage(game, i) ? 20 : odds;
        if (RandomInt(game, n) == 7) game.ledger.Row(i).offerWaiting = true;
    }
}

void CheckForOffers(Game& game) {
    bool onMarket = false;
    bool offerWaiting = false;
    for (const auto& home : game.ledger.Rows()) {
        onMarket = onMarket || home.forSale;
        // An offer that arrived before the home left the market still counts.
        offerWaiting = offerWaiting || home.offerWaiting;
    }
    OffersIndicator& indicator = game.screen.Offers;
    if (!onMarket) {
        indicator = OffersIndicator::None;
    } else {
        indicator = offerWaiting ? OffersIndicator::OfferWaiting : OffersIndicator::NoOffers;
    }
    game.screens.RefreshOffersIndicator();
}

int CountOffers(const Game& game) {
    int n = 0;
    for (const auto& home : game.ledger.Rows()) n += home.offerWaiting ? 1 : 0;
    return n;
}

std::string OffersButtonText(const Game& game) {
    return "You have " + std::to_string(CountOffers(game)) +
           " purchase offers.  Click to view offers.";
}

double DrawOfferPrice(Game& game, std::size_t row) {
    const OwnedHome& home = game.ledger.Row(row);
    const double share = static_cast<double>(85 + RandomInt(game, 20.0));
    double price = RoundHalfAway(home.value * 0.01 * share);
    // Buyers will not pay much above what the neighbourhood is worth.
    const double nv = Int(home.neighbourhood);
    if (price > nv) price = nv + (nv / 100) * static_cast<double>(RandomInt(game, 10.0));
    return price;
}

bool ShowOfferHome(Game& game, OfferView& view) {
    if (view.row >= game.ledger.Count()) return false;
    const OwnedHome& home = game.ledger.Row(view.row);
    GameState& s = game.state;

    s.WorkHouseCat = home.category;
    s.WorkHouseStage = home.stage;
    view.housePicture = OwnedHomePicture(game, static_cast<int>(view.row));
    view.address = game.records.ReadListingValue("ADDRESS", home.listing);
    view.HomeValue = Format(home.value, "$###,###");
    view.Label7 = Format(home.principal, "$###,###");
    view.PotentialCash = Format(NumberOf(view.PendingOFfer) - home.principal, "$#,000");

    // LoadHouse: the window's own 1-based number goes to CurrentUnitRow.
    view.CashBar = Format(CashOf(s), "$#,##0");
    s.CurrentUnitRow = static_cast<double>(view.row) + 1;
    return true;
}

std::optional<OfferView> OpenNextOffer(Game& game) {
    std::optional<OfferView> opened;
    for (std::size_t i = 0; i < game.ledger.Count(); ++i) {
        OwnedHome& home = game.ledger.Row(i);
        if (!home.offerWaiting) continue;
        // From here on the offer is used up, whatever the player does.
        home.offerWaiting = false;

        OfferView view;
        view.row = i;
        view.listing = home.listing;
        view.price = DrawOfferPrice(game, i);
        view.PendingOFfer = NumberText(view.price);
        view.Label3 = Format(Int(home.neighbourhood), "$0,000");
        view.OfferLabel = Format(view.price, "$#,##0");
        ShowOfferHome(game, view);
        game.screens.RefreshRealtorCount();
        opened = std::move(view);
        break;
    }
    CheckForOffers(game);
    return opened;
}

bool AcceptOffer(Game& game, const OfferView& view) {
    // The window holds its home by row; a row that has gone, or now holds
    // another home, is not sold.
    if (view.row >= game.ledger.Count()) return false;
    if (game.ledger.Row(view.row).listing != view.listing) return false;
    const bool sold = CloseSale(game, view.row, NumberOf(view.PendingOFfer));
    CheckForOffers(game);
    return sold;
}

}  // namespace deedwell
