#pragma once
// Buying a home: the listing browser's view of the market, the banker's
// purchase agreement and the deal itself.
//
// The banker works on the listing it was opened for. It keeps the figures it
// read then, and a deal goes ahead only while the file still says the same
// and the player does not own the listing already.

#include <string>

#include "state/Game.h"

namespace deedwell {

// ---------------------------------------------------------------- browser --

// The instant equity's colour: blue above 0, red below, unchanged at 0.
enum class EquityTone { Unchanged, Positive, Negative };

// Everything the browser shows at one scroll position. Picture paths are
// empty when the listing's values do not name a picture.
struct ListingView {
    bool hasListing = false;  // false: "No listing", nothing else filled
    std::string number;       // CurrentHouseNo
    std::string cash;         // CashBar
    bool sold = false;        // the player owns it: the sold sign shows
    bool canTalkToBanker = false;

    std::string housePicture;
    std::string kitchenPicture;
    std::string bathPicture;

    std::string address;
    std::string askingPrice;    // l1
    std::string appraisal;      // apraise
    std::string instantEquity;  // Instant
    EquityTone equityTone = EquityTone::Unchanged;
    std::string neighbourhood;  // RvalueLabel
    std::string squareFeet;     // Label1
    std::string beds;
    std::string baths;
    std::string land;           // Label14
    std::string type;           // cType
    std::string units;          // cUnits
    std::string rent;           // cRent
    std::string condition;      // Label2
    std::string description;    // Info
};

inline constexpr const char* kNoListingText = "No listing";
inline constexpr const char* kOwnListingMessage =
    "This property has already been taken off the market -- by you.";

// The listing number at a browser position ("" past the last file).
std::string ListingAtPosition(const Game& game, int position);

// The browser's view of position `position`, for the player's cash now.
ListingView ShowListing(const Game& game, int position);

// HouseHasChanged: CurrentHouseNo follows the position shown.
ListingView BrowseTo(Game& game, int position);

// "Talk With Your Banker": false, after telling the player so, for a listing
// the player owns; false for a position without a readable listing.
bool TalkWithYourBanker(Game& game, const ListingView& view);

// ----------------------------------------------------------------- banker --

// InterestVar(0..2): 5% with 25% down, 8% with 20% down (the default),
// 10% with 10% down. List1(0..3): 30, 15, 10, 5 years; -1 means none picked,
// which counts as 30. Anything else counts as the default.
inline constexpr int kDefaultRateOption = 1;
double RateOf(int rateOption);
double DownShareOf(int rateOption);
double TermYearsOf(int termOption);

// The listing as the banker read it when it was opened: the raw file values a
// deal must still find, and the house panel's units and rent per unit.
struct BankerSnapshot {
    std::string listing;
    bool usable = false;
    std::string price;          // PRICE as stored
    std::string appraisal;      // APRAISE as stored
    std::string units;          // UNITS as stored (the panel's cUnits)
    std::string rent;           // ERENT as stored
    std::string neighbourhood;  // NVALUE as stored
    std::string rentShown;      // eRent: the rent grown to the year of opening
};

// The house panel and the purchase agreement.
struct BankerView {
    BankerSnapshot snapshot;

    // House panel.
    std::string housePicture;
    std::string address;
    std::string cost;  // l1, "$103000"
    std::string squareFeet;
    std::string beds;
    std::string baths;
    std::string type;
    std::string units;
    std::string rent;       // eRent
    std::string appraisal;  // "$106090"
    std::string land;
    std::string condition;
    std::string cash;  // CashBar

    // Purchase agreement.
    std::string askingPrice;     // FIGURES(1)
    std::string neighbourhood;   // NVALUEHERE
    std::string downPayment;     // FIGURES(0)
    std::string closingCosts;    // CloseCost
    std::string equityTowards;   // CEQUIP
    std::string yourCash;        // MyCashNow
    std::string loanAmount;      // FIGURES(3)
    std::string interestRate;    // FIGURES(4)
    std::string monthlyPayment;  // FIGURES(5)
    std::string required;        // FIGURES(2)
    // FIGURES(2) turns red; the window keeps it red while it stays open.
    bool requiredAboveCash = false;
};

// LoadHouse: reads the listing and fills both panels.
BankerView LoadBanker(const Game& game, const std::string& listing, int rateOption,
                      int termOption);

// ReFreshBanker: the purchase agreement again, for another option or term,
// from the listing the banker was opened for.
void RefreshAgreement(const Game& game, BankerView& view, int rateOption, int termOption);

// "DEAL": the whole purchase. Returns whether the home was bought.
bool Deal(Game& game, const BankerSnapshot& snapshot, int rateOption, int termOption);

}  // namespace deedwell
