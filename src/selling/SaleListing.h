#pragma once
// Selling homes: the sale window, where the player puts owned homes on the
// market and takes them off again.
//
// Being on the market is one flag of the ledger row, ForSaleList; it changes
// nothing else about the home. Each month a home on the market may draw a
// buyer's offer (Offers.h), and accepting an offer closes the sale
// (CloseSale.h). The sale window steps through the owned homes one at a time
// by its scroll bar `HOUSE` (1 to the number of homes); the rules here take
// the 0-based ledger row, which is the scroll value less one.
//
// Every rule that takes a row checks it first: a row that is not in the
// ledger (a window left over from before a sale) changes nothing.

#include <cstddef>
#include <string>
#include <vector>

#include "state/Game.h"

namespace deedwell {

// The fixed texts of the sale window `SellHouse`, by control name. The window
// caption is GameTitle.
struct SellHouseCaptions {
    static constexpr const char* Label1 = "My Real Estate Portfolio";
    static constexpr const char* NoneLabel = "NONE";
    static constexpr const char* HomeValuex = "Asking Price:";
    static constexpr const char* Label4 = "Mortgage Payment";
    static constexpr const char* Label6 = "Mortgage:";
    static constexpr const char* Label9 = "Interest Rate:";
    static constexpr const char* Label3 = "Rent Collected:";
    static constexpr const char* Label11 = "Condtion:";
    static constexpr const char* cUnits = "Units:";
    static constexpr const char* Command1 = "Put House Up For Sale";
    static constexpr const char* Command3 = "Take The House Off The Market";
    // What the figures read before a home is shown, and while none is owned.
    static constexpr const char* InitialCashBar = "$0.00";
    static constexpr const char* InitialAddress = "Address";
    static constexpr const char* InitialFigure = "0";
};

// Everything the sale window shows for one home.
struct SaleView {
    // False when the row is not in the ledger (no home owned): the window
    // shows NoneLabel, disables its scroll bar, and every text below keeps its
    // initial value.
    bool hasHome = false;
    std::size_t row = 0;  // the ledger row shown; the scroll value is row + 1

    std::string CashBar = SellHouseCaptions::InitialCashBar;  // Cash, "$#,##0"
    std::string housePicture;  // cHousePicture(0); "" shows no picture
    bool saleSign = false;     // SaleSign visible: the home is on the market
    std::string address = SellHouseCaptions::InitialAddress;      // Label2(0)
    std::string HomeValue = SellHouseCaptions::InitialFigure;     // FINDATA(5), "$###,###"
    std::string mPAyment = SellHouseCaptions::InitialFigure;      // FINDATA(0), "$###,###"
    std::string Label7 = SellHouseCaptions::InitialFigure;        // FINDATA(1), "$###,###"
    std::string Label8 = SellHouseCaptions::InitialFigure;        // "8% / 30 Years"
    std::string Label5 = SellHouseCaptions::InitialFigure;        // "$650 of out $1,950"
    std::string ConditionBar = SellHouseCaptions::InitialFigure;  // "Bad", "Average", "Excellent"
    std::vector<std::string> List1;  // "Unit 1:  RENTED For $650", "Unit 2:  UNRENTED", ...
};

// "Bad", "Average" or "Excellent" for the condition codes 1 to 3; any other
// code is shown as stored.
std::string ConditionWord(double condition);

// HouseHasChanged and LoadHouse of the sale window: the view of ledger row
// `row`. Remembers the home's category and stage in WorkHouseCat and
// WorkHouseStage and sets CurrentUnitRow to the window's 1-based number
// (row + 1), as the window always has. A row not in the ledger gives the
// "NONE" view and changes nothing.
SaleView ShowHomeForSale(Game& game, int row);

// "Put House Up For Sale" for ledger row `row`: ForSaleList := "YES" (again
// "YES" for a home already on the market). Then, in every case, the offers
// indicator is refreshed (CheckForOffers). Returns whether a home was marked,
// that is whether SaleSign now shows; a row not in the ledger marks nothing.
bool PutHouseUpForSale(Game& game, int row);

// "Take The House Off The Market" for ledger row `row`: ForSaleList := "NO".
// An offer that has already arrived for the home stays pending. Then, in
// every case, CheckForOffers. Returns whether a home was unmarked (SaleSign
// now hidden); a row not in the ledger changes nothing.
bool TakeHouseOffMarket(Game& game, int row);

}  // namespace deedwell
