#include "hints/Hints.h"

#include <array>

#include "common/Numbers.h"

namespace deedwell {
namespace {

// The chain's titles and texts in step order, with the game's own spelling.
constexpr std::array<ChainHint, kChainSteps> kHints{{
    // 1
    {"Welcome to the Deedwell!",
         "Welcome to the trainer!  Your first task is to rent an apartment or some "
         "place to live.  You may try to purchase a home and live in that home but you "
         "may not find a suitable purchase with the amount of money you have.  Click on "
         "'My Home And Utilities' and then 'Find Home For Rent' to find an apartment.  "
         "If this is your first time playing I recommend renting a home and following "
         "these informational instructions.  You may disable these hints at anytime by "
         "checking the box below."},
    // 2
    {"You have now rented your first house!",
         "You may now press the 'Next Month' button on the main screen to advance the "
         "game forward one month.  Do this a number of times to understand how time "
         "passes in this game.  It will also allow you a chance to save up some money "
         "for a downpayment.  Do this now and I will give you additional instructions."},
    // 3
    {"You have advanced the game forward one month!",
         "You will notice that your paycheck has been deposited into your banking "
         "account and your bills have been made.  Hopefully you will continue to earn a "
         "profit each month.  You may continue pressing NEXT month to increase your "
         "earnings until you have enough money to purchsae your first home.  Until you "
         "learn more about the game, continue to press 'Next Month' until you have over "
         "$10,000 in your bank account."},
    // 4
    {"You now have enough money to purchase a home!",
         "You have saved enough money to purchase your first home!  Click on the Real "
         "Estate Agent button to receive additional instructions."},
    // 5
    {"The Real Estate Screen",
         "This screen allows you to purchase homes.  You may purchase single resident "
         "homes, apartment buildings, and duplexes.  No commercial property.  In order "
         "for the loan to be approved you must maintain 20% of the home's value in "
         "equity.  To purchase a home click on the 'Talk With Your Banker' button.  You "
         "want to purchase a home with high instant equity in order to reduce your "
         "downpayment.  You also want to find a home with a substainial neighborhood "
         "value above its asking price & appraisal.  Now try to purchase your first "
         "home."},
    // 6
    {"The Banking Screen",
         "You will need financing to purchase your new home.  To finance homes you must "
         "take into consideration the down payment and closing costs.  You must put "
         "down at least 20% of the asking price of the home to purchase.  "
         "Look for homes with high instant equity, because the bank counts it towards "
         "your down payment.  When you find a home you can afford, press 'DEAL'.  If "
         "you cannot afford a home yet, press 'Next Month' a few more times to save "
         "cash.  Homes enter and leave the market every month, so check back often.  "
         "After purchasing your home, click on the 'My home && Utilities' button for "
         "further instructions."},
    // 7
    {"Moving into your own home!",
         "Moving into the home you just purchased will help you build equity.  You do "
         "not have to live in the home you own and can continue to purchase.  All homes "
         "that are not lived in will be rented out.  Renters will come and go as they "
         "please regardless of lease terms.  To move into your new home click on the "
         "address of your home and press the 'Move In' button.  After moving into your "
         "home continue to press the 'Next Month' button until 6 months have passed for "
         "further instructions."},
    // 8
    {"You have owned your home for 6 months!",
         "You have owned your first home now for six months.  You must wait 6 months "
         "from the day you purchased before refinancing your home.  Now you can borrow "
         "additional money from the bank.  Click on the 'Banking && Loans' button now "
         "for further instructions."},
    // 9
    {"The Banker Is Your Best Friend",
         "Borring money against the equity of your home is easy and painless.  Remember "
         "that when you borrow money you will have to make monthly payments.  Choose "
         "the property you wish to borrow money against, type in the desired loan "
         "amount, and press the 'Sign The Papers' button.  This will borrow the money.  "
         "When you are finished press the 'View My Properties' button from the main "
         "screen for further instructions."},
    // 10
    {"View && Improve Your Home",
         "This screen will allow you to improve, make a payment towards, or view "
         "details about each home.  Making additional mortgage payments towards a "
         "property will help pay it off quicker but not lower your payments.  Improving "
         "your home will increase the value of the property.  Click on the 'Make "
         "Improvement' button now."},
    // 11
    {"Making Home Improvments",
         "Not all homes should be improved.  Some should be improved.  You never want "
         "to improve a home far beyond its neighborhood value.  If you can afford a "
         "nice home then you can afford nice neighbors.  "
         "Different homes profit from different repairs.  Playing will teach you which "
         "work pays off best.  Every repair button changes the value of the home.  "
         "Upgrades usually add far more value than they cost.  You may not be able to "
         "afford them yet.  "
         "Close this screen and click on the 'Visit The Realtor' button to continue "
         "further instructions."},
    // 12
    {"Sell, Sell, Sell!",
         "The Realtor will help you sell your home.  Selling your home can take time.  "
         "When offers have been made and the paperwork is ready to sign you will be "
         "given the opportunity to accept or deny an offer.  The offers bar on the main "
         "screen will help notify you when you have offers.  Some offers are below "
         "market value and others will be higher than the asking price depending on the "
         "market.  Click on the 'Sell A House' button now to continue."},
    // 13
    {"Placing && Removing Homes",
         "By clicking on the 'Put Home Up For Sale' you will place your home on the "
         "market.  Clicking on 'Take The House Off The Market' will remove the house "
         "from the marketplace.  You can scroll through all of your available homes by "
         "using the scroll bar on the left.  Homes on the market will receive offers "
         "and stay rented during the process.  If you are renting the home your selling "
         "then you will not be required to move if you sell the house.  To continue, go "
         "back to the main screen and press 'Next Month'."},
    // 14
    {"Looking at Cash Flow && Properties",
         "Now that you have lived in your first home for a month you will notice your "
         "main screen numbers changing.  You now have a mortgage payment that you must "
         "pay each month.  If you home is not being lived in then its possible someone "
         "will start renting.  Each month new renters may move in as well as leave.  If "
         "you are living in your home then you will continue to pay 'rent' to yourself "
         "out of your paycheck.  Accessing new areas of the game will provide "
         "additional instructions as you play.  "
         "For further instructions, read 'How to play' in the player's guide (the "
         "README file) that comes with the game."},
}};

// Presents step `step` when `condition` holds; true when it did.
bool Step(Game& game, int step, bool condition) {
    if (condition) {
        const ChainHint& hint = HintOfStep(step);
        PresentHint(game, hint.title, hint.text);
    }
    return condition;
}

}  // namespace

const ChainHint& HintOfStep(int step) {
    if (step < 1 || step > kChainSteps) step = 1;
    return kHints[static_cast<std::size_t>(step - 1)];
}

void PresentHint(Game& game, std::string_view title, std::string_view text) {
    // Read back every time, so a box ticked a moment ago already counts.
    if (game.records.ReadRecordValue("NoSHOW", "Options") == "1") return;
    game.screens.ShowHint(std::string(title), std::string(text));
}

void SetHintsOff(Game& game, bool off) {
    game.records.WriteRecordValue("NoShow", "Options", off ? "1" : "0");
}

void HintWelcome(Game& game) {
    GameState& s = game.state;
    Step(game, 1, !s.HintWelcomeShown);
    s.HintWelcomeShown = true;
}

void HintRented(Game& game) {
    GameState& s = game.state;
    Step(game, 2, !s.HintRentedShown);
    s.HintRentedShown = true;
}

void MonthHints(Game& game) {
    GameState& s = game.state;
    if (Step(game, 3, !s.HintNextMonthShown && s.CurrentMonth == 2)) s.HintNextMonthShown = true;
    if (Step(game, 4, !s.HintSavedEnoughShown && Int(CashOf(s)) >= 10000)) {
        s.HintSavedEnoughShown = true;
    }
    if (s.HintOurHomeShown) {
        // Counting goes on past six, so the hint cannot come twice.
        s.MonthsInOwnHome = s.MonthsInOwnHome.value_or(0) + 1;
        if (*s.MonthsInOwnHome == 6) {
            s.HintSixMonthsShown = true;
            Step(game, 8, true);
        }
    }
    if (Step(game, 14, s.HintSellHouseShown && !s.HintCashFlowShown)) s.HintCashFlowShown = true;
}

void HintRealEstate(Game& game) {
    GameState& s = game.state;
    if (Step(game, 5, s.HintSavedEnoughShown && !s.HintRealEstateShown)) {
        s.HintRealEstateShown = true;
    }
}

void HintBanker(Game& game) {
    GameState& s = game.state;
    if (Step(game, 6, s.HintRealEstateShown && !s.HintBankerShown)) s.HintBankerShown = true;
}

void HintOurHome(Game& game) {
    GameState& s = game.state;
    if (Step(game, 7, s.HintBankerShown && !s.HintOurHomeShown)) {
        // The six months of step 8 count from this hint, moved in or not.
        s.MonthsInOwnHome = 0;
        s.HintOurHomeShown = true;
    }
}

void HintMortgage(Game& game) {
    GameState& s = game.state;
    if (Step(game, 9, s.HintSixMonthsShown && !s.HintMortgageShown)) s.HintMortgageShown = true;
}

void HintViewProperties(Game& game) {
    GameState& s = game.state;
    if (Step(game, 10, s.HintMortgageShown && !s.HintViewPropertiesShown)) {
        s.HintViewPropertiesShown = true;
    }
}

void HintImprove(Game& game) {
    GameState& s = game.state;
    if (Step(game, 11, s.HintViewPropertiesShown && !s.HintImproveShown)) {
        s.HintImproveShown = true;
    }
}

void HintHouseSeller(Game& game) {
    GameState& s = game.state;
    if (Step(game, 12, s.HintImproveShown && !s.HintHouseSellerShown)) {
        s.HintHouseSellerShown = true;
    }
}

void HintSellHouse(Game& game) {
    GameState& s = game.state;
    if (Step(game, 13, s.HintHouseSellerShown && !s.HintSellHouseShown)) {
        s.HintSellHouseShown = true;
    }
}

}  // namespace deedwell
