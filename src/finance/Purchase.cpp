#include "finance/Purchase.h"

#include <array>
#include <filesystem>
#include <vector>

#include "common/Numbers.h"
#include "finance/CreditCheck.h"
#include "finance/Loans.h"
#include "market/Listings.h"

namespace deedwell {

namespace {

constexpr double kClosingShare = 0.06;
// The figures on the agreement, and the stored payment, always assume the
// standard 20% down whatever option is picked.
constexpr double kShownDownShare = 0.2;

constexpr std::array<double, 3> kRates = {5, 8, 10};
constexpr std::array<double, 3> kDownShares = {0.25, 0.2, 0.1};
constexpr std::array<double, 4> kTerms = {30, 15, 10, 5};

constexpr const char* kNotOnMarketMessage = "This listing is no longer on the market.";
constexpr const char* kChangedMessage = "This listing has changed.  Please review the new figures.";
constexpr const char* kNoCashMessage =
    "We are sorry but you must be able to afford the downpayment and closing costs to this "
    "home before we can give you this loan.  Return with the downpayment at another time.";
constexpr const char* kApprovedMessage =
    "The bank has approved your mortgage loan. \r\n\r\nCongratulations on your new home.  Be "
    "sure not to miss any mortgage payments in the near future.";

std::string DeniedMessage(const std::string& allowance) {
    return "We are sorry to inform you that your mortgage has been denied by the bank.  We "
           "believe that additional debt at this point could hurt your ability to pay.  However, "
           "we feel that you may be able to handle a mortgage in the amount of " +
           allowance + " or less a month if you care to apply for the mortgage.";
}

std::size_t RateIndex(int option) {
    return option >= 0 && option < static_cast<int>(kRates.size()) ? static_cast<std::size_t>(option)
                                                                    : kDefaultRateOption;
}

std::string ConditionText(const std::string& value) {
    if (value == "1") return "Bad";
    if (value == "2") return "Average";
    if (value == "3") return "Excellent";
    return value;
}

// Picture paths are built only from the checked stage and category numbers,
// so a hand-edited file cannot point outside the picture folders.
std::string HousePicture(const RecordStore& records, const Listing& listing) {
    if (!listing.usable) return {};
    return HousePicturePath(records, listing.category, listing.stage);
}

std::string KitchenPicture(const RecordStore& records, const Listing& listing) {
    if (!listing.usable) return {};
    return (records.Root() / "homecreation" / "kitchen" /
            ("ks_" + std::to_string(listing.kitchen) + ".jpg"))
        .string();
}

std::string BathPicture(const RecordStore& records, const Listing& listing) {
    if (!listing.usable) return {};
    return (records.Root() / "homecreation" / "bathroom" /
            ("bath_" + std::to_string(listing.bathStage) + ".jpg"))
        .string();
}

// A money value of the file, grown to the current year, as a number.
double Grown(const Game& game, const std::string& stored) {
    return NumberOf(CurrentListingPrice(game, stored));
}

// Sums of money as the game keeps them (15 significant digits), so that cash
// equal to what is required is enough and no binary dust reaches the books.
double AsWritten(double value) { return NumberOf(NumberText(value)); }

double Required(double share, double price, double appraisal) {
    const double required = AsWritten(share * price - (appraisal - price) + kClosingShare * price);
    return required < 0 ? 0 : required;
}

bool SameFigures(const BankerSnapshot& snapshot, const Listing& now) {
    return snapshot.price == now.Value("PRICE") && snapshot.appraisal == now.Value("APRAISE") &&
           snapshot.units == now.Value("UNITS") && snapshot.rent == now.Value("ERENT") &&
           snapshot.neighbourhood == now.Value("NVALUE");
}

OwnedHome NewHome(const Game& game, const BankerSnapshot& snapshot, const Listing& listing,
                  double loan, double rate, double years) {
    OwnedHome home;
    home.listing = snapshot.listing;
    home.payment = NumberOf(LoanPayment(loan, kStandardLoanRate, years));
    home.principal = AsWritten(loan);
    home.rate = rate;
    home.term = years;
    home.purchaseValue = Grown(game, snapshot.appraisal);
    home.value = home.purchaseValue;
    home.kitchen = listing.kitchen;
    home.bathroom = listing.bathStage;
    home.category = listing.category;
    home.stage = listing.stage;
    home.neighbourhood = Int(Grown(game, snapshot.neighbourhood));
    home.needsRepair = listing.majors;
    home.forSale = false;
    home.offerWaiting = false;
    home.rent = NumberOf(snapshot.rentShown);
    home.waitPeriod = 6;
    home.condition = listing.condition;
    home.units.assign(static_cast<std::size_t>(NumberOf(snapshot.units)), UnitState::Unrented);
    return home;
}

}  // namespace

std::string ListingAtPosition(const Game& game, int position) {
    if (position < 0) return {};
    const std::vector<std::string> names = game.records.ListRecords("realestate");
    const auto at = static_cast<std::size_t>(position);
    return at < names.size() ? names[at] : std::string();
}

ListingView ShowListing(const Game& game, int position) {
    ListingView view;
    view.cash = Format(CashOf(game.state), "$#,##0");
    view.number = ListingAtPosition(game, position);
    const Listing listing = ReadListing(game.records, view.number);
    if (!listing.usable) {
        view.address = kNoListingText;
        return view;
    }
    view.hasListing = true;
    view.canTalkToBanker = true;
    view.sold = game.ledger.IsOwned(view.number);

    view.housePicture = HousePicture(game.records, listing);
    view.kitchenPicture = KitchenPicture(game.records, listing);
    view.bathPicture = BathPicture(game.records, listing);

    view.neighbourhood = Format(CurrentListingPrice(game, listing.Value("NVALUE")), "$0,000");
    const std::string price = CurrentListingPrice(game, listing.Value("PRICE"));
    view.address = listing.Value("ADDRESS");
    view.squareFeet = listing.Value("SF") + " sf";
    view.beds = listing.Value("BR");
    view.baths = listing.Value("BATH");
    view.description = listing.Value("DESC");
    view.type = listing.Value("TYPE");
    view.units = listing.Value("UNITS");
    view.rent = CurrentListingPrice(game, listing.Value("ERENT"));
    const std::string appraisal = CurrentListingPrice(game, listing.Value("APRAISE"));
    // The stored text already ends in " Acre(s)"; the label has always added
    // its own word as well.
    view.land = listing.Value("LAND") + " Acres";
    view.condition = ConditionText(listing.Value("CONDITION"));
    view.askingPrice = Format(price, "$#,###");

    const double equity = NumberOf(appraisal) - NumberOf(price);
    if (equity > 0) view.equityTone = EquityTone::Positive;
    if (equity < 0) view.equityTone = EquityTone::Negative;
    view.instantEquity = Format(equity, "$#,###");
    view.appraisal = Format(appraisal, "$#,###");
    return view;
}

ListingView BrowseTo(Game& game, int position) {
    ListingView view = ShowListing(game, position);
    game.state.CurrentHouseNo = view.number;
    return view;
}

bool TalkWithYourBanker(Game& game, const ListingView& view) {
    if (!view.hasListing) return false;
    if (game.ledger.IsOwned(view.number)) {
        game.dialogs.ShowMessage(kOwnListingMessage);
        return false;
    }
    return true;
}

double RateOf(int rateOption) { return kRates[RateIndex(rateOption)]; }

double DownShareOf(int rateOption) { return kDownShares[RateIndex(rateOption)]; }

double TermYearsOf(int termOption) {
    if (termOption < 0 || termOption >= static_cast<int>(kTerms.size())) return kTerms[0];
    return kTerms[static_cast<std::size_t>(termOption)];
}

BankerView LoadBanker(const Game& game, const std::string& listingNumber, int rateOption,
                      int termOption) {
    BankerView view;
    const Listing listing = ReadListing(game.records, listingNumber);
    BankerSnapshot& snapshot = view.snapshot;
    snapshot.listing = listingNumber;
    snapshot.usable = listing.usable;
    snapshot.price = listing.Value("PRICE");
    snapshot.appraisal = listing.Value("APRAISE");
    snapshot.units = listing.Value("UNITS");
    snapshot.rent = listing.Value("ERENT");
    snapshot.neighbourhood = listing.Value("NVALUE");
    snapshot.rentShown = CurrentListingPrice(game, snapshot.rent);

    view.housePicture = HousePicture(game.records, listing);
    view.cost = "$" + CurrentListingPrice(game, snapshot.price);
    view.address = listing.Value("ADDRESS");
    view.squareFeet = listing.Value("SF") + " sf";
    view.beds = listing.Value("BR");
    view.baths = listing.Value("BATH");
    view.type = listing.Value("TYPE");
    view.units = snapshot.units;
    view.rent = snapshot.rentShown;
    view.appraisal = "$" + CurrentListingPrice(game, snapshot.appraisal);
    view.land = listing.Value("LAND") + " Acres";
    view.condition = ConditionText(listing.Value("CONDITION"));
    view.cash = Format(CashOf(game.state), "$#,##0");
    RefreshAgreement(game, view, rateOption, termOption);
    return view;
}

void RefreshAgreement(const Game& game, BankerView& view, int rateOption, int termOption) {
    const BankerSnapshot& snapshot = view.snapshot;
    const double appraisal = Grown(game, snapshot.appraisal);
    const double price = Grown(game, snapshot.price);
    const double cash = CashOf(game.state);

    view.downPayment = Format(kShownDownShare * price, "$0");
    view.askingPrice = Format(price, "$0");
    view.equityTowards = "$" + Format(appraisal - price, "0");
    view.neighbourhood = Format(Int(Grown(game, snapshot.neighbourhood)), "$#,###");
    const double closing = kClosingShare * price;
    view.closingCosts = Format(closing, "$0");
    const double required = Required(DownShareOf(rateOption), price, appraisal);
    view.required = Format(required, "$0");
    view.requiredAboveCash = required > cash;
    const double shownLoan = price + closing - kShownDownShare * price;
    view.loanAmount = Format(shownLoan, "$0");
    view.interestRate = NumberText(RateOf(rateOption)) + "%";
    view.yourCash = Format(cash, "$###,###");
    view.monthlyPayment = LoanPayment(shownLoan, kStandardLoanRate, TermYearsOf(termOption));
}

bool Deal(Game& game, const BankerSnapshot& snapshot, int rateOption, int termOption) {
    // The browser stays usable while the banker is open, and the market turns
    // over every month: make sure the house is still the one the player saw.
    if (IsListingNumber(snapshot.listing) && game.ledger.IsOwned(snapshot.listing)) {
        game.dialogs.ShowMessage(kOwnListingMessage);
        return false;
    }
    const Listing listing = ReadListing(game.records, snapshot.listing);
    if (!snapshot.usable || !listing.usable) {
        game.dialogs.ShowMessage(kNotOnMarketMessage);
        return false;
    }
    if (!SameFigures(snapshot, listing)) {
        game.screens.ReloadBanker();
        game.dialogs.ShowMessage(kChangedMessage);
        return false;
    }

    const double rate = RateOf(rateOption);
    const double share = DownShareOf(rateOption);
    const double years = TermYearsOf(termOption);
    const double appraisal = Grown(game, snapshot.appraisal);
    const double price = Grown(game, snapshot.price);

    const double required = Required(share, price, appraisal);
    if (required > CashOf(game.state)) {
        game.dialogs.ShowMessage(kNoCashMessage);
        return false;
    }

    const double loan = price + kClosingShare * price - share * price;
    // The bank judges the payment at the rate chosen ...
    const std::string asked = LoanPayment(loan, rate, years);
    CreditCheck(game);
    if (NumberOf(asked) > NumberOf(game.state.PaymentAllowance)) {
        game.dialogs.ShowMessage(DeniedMessage(game.state.PaymentAllowance));
        return false;
    }

    game.state.Cash = AsWritten(CashOf(game.state) - required);
    // ... while the books carry the payment at the standard rate.
    game.ledger.Append(NewHome(game, snapshot, listing, loan, rate, years));

    game.screens.RefreshAll();
    game.screens.RefreshListingBrowser();
    game.dialogs.ShowMessage(kApprovedMessage);
    game.screens.CloseHomeWindow();
    game.screens.CloseBanker();
    return true;
}

}  // namespace deedwell
