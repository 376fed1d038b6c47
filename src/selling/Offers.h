#pragma once
// Buyers' offers for homes on the market.
//
// Each month every home on the market may draw a buyer (one chance in
// TurnoverMonths, one in 20 for a home that needs a major repair); the offer
// is then only a flag on the row, PurchaseOffer. Its price is drawn when the
// player opens it: 86 % to 105 % of the appraised value, held down to 1 % to
// 10 % above the neighbourhood value when it would exceed it. Opening uses the
// offer up: the player accepts it at once (the sale, CloseSale.h) or loses it.
//
// The offer window keeps the offer it shows as an OfferView, the offer's
// ledger row included, and hands it back to AcceptOffer. Opening another
// offer replaces the view, and the replaced offer is lost.

#include <cstddef>
#include <optional>
#include <string>

#include "state/Game.h"

namespace deedwell {

// The fixed texts of the realtor window `HouseSeller`, by control name.
struct HouseSellerCaptions {
    static constexpr const char* Caption = "Real Estate Office";
    static constexpr const char* Label1 = "Place your home on the market.";
    static constexpr const char* Label2 =
        "This allows you to place any of your homes on the market or take them off of the market.";
    static constexpr const char* Command1 = "Sell A House";
    static constexpr const char* Label3 = "View Offers On The Homes Your Selling";
    static constexpr const char* Label4 =
        "All offers made by potential buyers will appear below.  You can accept or deny any "
        "offer made.  Some offers will be higher then others depending on the market trends.";
    // POffers before the first count.
    static constexpr const char* POffers = "You Have 0 Purchase Offers";
};

// The fixed texts of the offer window `ViewOffer`, by control name. The window
// caption is GameTitle.
struct ViewOfferCaptions {
    static constexpr const char* cUnits = "Offer Details";
    static constexpr const char* NoneLabel = "NONE";
    static constexpr const char* Label12 = "Mortgage:";
    static constexpr const char* Label1 = "Neighborhood Value:";
    static constexpr const char* HomeValuex = "Asking Price:";
    static constexpr const char* Label10 = "Offer Amount:";
    static constexpr const char* Label13 = "Potential Profits:";
    static constexpr const char* Command1 = "Accept Offer";
    static constexpr const char* Command2 = "Decline Offer";
    static constexpr const char* Label14 =
        "You must either accept or decline this offer at this time.  You may not return to "
        "this offer in the future.";
};

// One opened offer, as the offer window shows it.
struct OfferView {
    std::size_t row = 0;       // the ledger row of the home; held as a plain number
    std::string listing;       // HOUSELIST of that row when the offer was opened
    double price = 0;          // the offer, possibly with cents when held down
    std::string PendingOFfer;  // the price as plain number text

    std::string CashBar;        // Cash, "$#,##0"
    std::string housePicture;   // cHousePicture(0); "" shows no picture
    std::string address;        // Label2(0)
    std::string Label7;         // mortgage: FINDATA(1), "$###,###"
    std::string Label3;         // neighbourhood value: Int(FINDATA(10)), "$0,000"
    std::string HomeValue;      // asking price: FINDATA(5), "$###,###"
    std::string OfferLabel;     // the price, "$#,##0"
    std::string PotentialCash;  // price - FINDATA(1), "$#,000" ("-$005" for a loss)
};

// The monthly draw, right after the cash flow: for every home on the market,
// in row order, RandomInt(20) for a home with damage (HomeHasDamage) or
// RandomInt(TurnoverMonths) otherwise; a 7 leaves an offer pending. An offer
// already pending stays; no price is drawn yet.
void DrawPurchaseOffers(Game& game);

// CheckForOffers: the main screen's offers indicator. None while no home is on
// the market; otherwise OfferWaiting when any row, on the market or not, has
// an offer pending, else NoOffers. Sets game.screen.Offers and asks the main
// screen to redraw the indicator.
void CheckForOffers(Game& game);

// CountOffers: the number of rows with an offer pending, and the realtor's
// POffers caption for it ("You have 2 purchase offers.  Click to view
// offers."; the word stays plural for one).
int CountOffers(const Game& game);
std::string OffersButtonText(const Game& game);

// The price of an offer for ledger row `row`: FINDATA(5) x 0.01 x (85 +
// RandomInt(20)) to the nearest whole dollar; when that is above
// nv = Int(FINDATA(10)), nv + nv / 100 x RandomInt(10) instead, not rounded.
// The second draw is made only when the price is held down.
double DrawOfferPrice(Game& game, std::size_t row);

// OpenNextOffer: opens the pending offer of the first row that has one. The
// offer is used up (PurchaseOffer := "NO"), its price drawn, the realtor's
// count refreshed if that window is open, and the view returned for the offer
// window to show (opening that window unless it is showing). With no offer
// pending nothing is opened and nullopt is returned. In both cases the offers
// indicator is refreshed last (CheckForOffers).
std::optional<OfferView> OpenNextOffer(Game& game);

// The offer window's HouseHasChanged and LoadHouse: fills the home's labels of
// `view` for view.row and view.PendingOFfer, sets WorkHouseCat and
// WorkHouseStage to the home's category and stage and CurrentUnitRow to the
// window's 1-based number (row + 1). Returns false, changing nothing, when the
// row is not in the ledger.
bool ShowOfferHome(Game& game, OfferView& view);

// "Accept Offer": sells the offer's home at the offer price (CloseSale), then
// refreshes the offers indicator. The offer window closes afterwards whatever
// the result. Refuses, changing nothing, when the row is no longer in the
// ledger or no longer holds the offer's home. Returns whether the home sold.
// "Decline Offer", and closing the window any other way, need no rule: the
// offer was used up when it was opened.
bool AcceptOffer(Game& game, const OfferView& view);

}  // namespace deedwell
