// The selling windows: the realtor, the sale window, the offer window and the
// main screen's offers indicator, from listing a home to its sale.

#include <QListWidget>
#include <QScrollBar>
#include <tuple>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "market/MarketFixture.h"
#include "selling/Offers.h"
#include "state/NewGame.h"
#include "ui/ChooseUnit.h"
#include "ui/GameScreen.h"
#include "ui/HouseSeller.h"
#include "ui/Improve.h"
#include "ui/MakePayment.h"
#include "ui/Mortgage.h"
#include "ui/OurHome.h"
#include "ui/SellHouse.h"
#include "ui/ViewOffer.h"
#include "ui/ViewProperties.h"

namespace deedwell::testing {
namespace {

using ui::GameScreen;
using ui::HouseSeller;
using ui::SellHouse;
using ui::ViewOffer;

// A life under way on the shipped market, the main screen open, the player
// housed so that "NEXT MONTH" runs a whole month.
struct SaleGame : UiGame {
    SaleGame() {
        game.state.YearsPlayed = 1;
        NewGameChoices choices;
        choices.name = "Robin";
        choices.age = "30";
        EXPECT_FALSE(StartYourLife(game, choices).has_value());
        game.state.HasHome = "YES";
        shell.dialogs.shown.clear();
        screen = registry.ShowUnlessShowing<GameScreen>();
    }

    // A home bought from shipped listing `listing`: 30 years at 8 %, rent 650,
    // average condition, one vacant unit unless given.
    OwnedHome& Own(const std::string& listing, double value, double principal,
                   std::vector<UnitState> units = {UnitState::Unrented}) {
        OwnedHome home;
        home.listing = listing;
        home.payment = 724.71;
        home.principal = principal;
        home.rate = 8;
        home.term = 30;
        home.purchaseValue = value;
        home.value = value;
        home.category = NumberOf(shell.records.ReadListingValue("HOUSEcAT", listing));
        home.stage = NumberOf(shell.records.ReadListingValue("HOUSESTAGE", listing));
        home.neighbourhood = 250000;
        home.condition = 2;
        home.rent = 650;
        home.units = std::move(units);
        return game.ledger.Append(std::move(home));
    }

    std::string ListingFile(const std::string& listing) {
        std::string content;
        ReadWholeFile(shell.records.ListingPath(listing), content);
        return content;
    }
    std::string Address(const std::string& listing) {
        return shell.records.ReadListingValue("ADDRESS", listing);
    }
    bool Shows(const char* label) { return Control<QLabel>(screen, label)->isVisible(); }
    // A click on the main screen's "offer waiting" picture.
    void ClickOfferWaiting() {
        QTest::mouseClick(Control<QLabel>(screen, "Offers_YES"), Qt::LeftButton);
    }
    // The draws of the new house a sale hands to the market, ending with the
    // one-in-eight draw that keeps the sold home's listing as it was.
    void ScriptSaleKeepingTheListing() {
        std::vector<std::int64_t> draws = HouseScript(1, 1, 1);
        draws.push_back(1);
        shell.random.Push(draws);
    }

    GameScreen* screen = nullptr;
};

auto Fields(const OwnedHome& h) {
    return std::tie(h.listing, h.payment, h.principal, h.rate, h.term, h.purchaseValue, h.value,
                    h.kitchen, h.bathroom, h.category, h.stage, h.neighbourhood, h.needsRepair,
                    h.condition, h.rent, h.forSale, h.offerWaiting, h.waitPeriod, h.units);
}

std::vector<std::string> Lines(QListWidget* list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

TEST(Realtor, OpensAboveTheOtherWindowsAndLeadsToTheSaleWindow) {
    SaleGame g;
    Click(g.screen, "Command7");
    HouseSeller* realtor = g.registry.Find<HouseSeller>();
    ASSERT_NE(realtor, nullptr);
    EXPECT_TRUE(realtor->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(realtor->windowTitle().toStdString(), "Real Estate Office");
    EXPECT_EQ(TextOf(realtor, "Label1"), "Place your home on the market.");
    EXPECT_EQ(TextOf(realtor, "Label2"),
              "This allows you to place any of your homes on the market or take them off of "
              "the market.");
    EXPECT_EQ(TextOf(realtor, "Label3"), "View Offers On The Homes Your Selling");
    EXPECT_EQ(TextOf(realtor, "Label4"),
              "All offers made by potential buyers will appear below.  You can accept or deny "
              "any offer made.  Some offers will be higher then others depending on the market "
              "trends.");
    EXPECT_EQ(Control<QPushButton>(realtor, "Command1")->text().toStdString(), "Sell A House");
    auto* offers = Control<QPushButton>(realtor, "POffers");
    EXPECT_EQ(offers->text().toStdString(), "You have 0 purchase offers.  Click to view offers.");

    Click(g.screen, "Command7");
    EXPECT_EQ(g.registry.Find<HouseSeller>(), realtor);

    // No offer waiting: nothing opens, only the indicator is drawn again.
    g.game.screen.Offers = OffersIndicator::OfferWaiting;
    g.screen->DrawOffers();
    Click(realtor, "POffers");
    EXPECT_FALSE(g.registry.IsShowing<ViewOffer>());
    EXPECT_TRUE(g.Shows("Offers_None"));
    EXPECT_FALSE(g.Shows("Offers_YES"));

    Click(realtor, "Command1");
    EXPECT_TRUE(g.registry.IsShowing<SellHouse>());
    EXPECT_FALSE(g.registry.IsShowing<HouseSeller>());
}

TEST(Realtor, TheRealtorAndTheSaleWindowRunTheirHintsOnceOpenAMoment) {
    SaleGame g;
    GameState& s = g.game.state;
    s.HintImproveShown = true;
    Click(g.screen, "Command7");
    EXPECT_FALSE(s.HintHouseSellerShown);  // not before its timer
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.HintHouseSellerShown; }, 5000));
    Click(g.registry.Find<HouseSeller>(), "Command1");
    EXPECT_FALSE(s.HintSellHouseShown);
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.HintSellHouseShown; }, 5000));
}

TEST(SaleWindow, WithNoHomeShowsNoneAndItsButtonsOnlyRedrawTheIndicator) {
    SaleGame g;
    g.game.screen.Offers = OffersIndicator::NoOffers;
    g.screen->DrawOffers();
    SellHouse* sale = g.registry.ShowUnlessShowing<SellHouse>();
    EXPECT_TRUE(Control<QLabel>(sale, "NoneLabel")->isVisible());
    EXPECT_FALSE(Control<QScrollBar>(sale, "HOUSE")->isEnabled());
    EXPECT_FALSE(Control<QLabel>(sale, "SaleSign")->isVisible());
    EXPECT_EQ(TextOf(sale, "CashBar"), "$0.00");
    EXPECT_EQ(TextOf(sale, "Label2_0"), "Address");
    for (const char* figure : {"HomeValue", "mPAyment", "Label7", "Label8", "Label5"}) {
        EXPECT_EQ(TextOf(sale, figure), "0") << figure;
    }

    for (const char* button : {"Command1", "Command3"}) {
        Click(sale, button);
        EXPECT_TRUE(g.game.ledger.Empty());
        EXPECT_FALSE(Control<QLabel>(sale, "SaleSign")->isVisible());
        EXPECT_TRUE(g.Shows("Offers_None")) << button;
        g.game.screen.Offers = OffersIndicator::NoOffers;
        g.screen->DrawOffers();
    }
}

TEST(SaleWindow, StepsThroughTheOwnedHomesOneAtATime) {
    SaleGame g;
    g.Own("0", 150000, 100000, {UnitState::Rented, UnitState::Unrented, UnitState::Unrented});
    OwnedHome& second = g.Own("1", 200000, 160000, {UnitState::Living});
    second.rate = 5;
    second.term = 15;
    second.payment = 1265.3;
    second.condition = 3;
    second.forSale = true;

    SellHouse* sale = g.registry.ShowUnlessShowing<SellHouse>();
    EXPECT_EQ(sale->windowTitle().toStdString(), "Tarnwick Game");
    const std::pair<const char*, const char*> captions[] = {{"Label1", "My Real Estate Portfolio"},
                                                            {"HomeValuex", "Asking Price:"},
                                                            {"Label4", "Mortgage Payment"},
                                                            {"Label6", "Mortgage:"},
                                                            {"Label9", "Interest Rate:"},
                                                            {"Label3", "Rent Collected:"},
                                                            {"Label11", "Condtion:"},
                                                            {"cUnits", "Units:"}};
    for (auto [name, caption] : captions) EXPECT_EQ(TextOf(sale, name), caption);
    EXPECT_EQ(Control<QPushButton>(sale, "Command1")->text().toStdString(),
              "Put House Up For Sale");
    EXPECT_EQ(Control<QPushButton>(sale, "Command3")->text().toStdString(),
              "Take The House Off The Market");

    auto* house = Control<QScrollBar>(sale, "HOUSE");
    EXPECT_FALSE(Control<QLabel>(sale, "NoneLabel")->isVisible());
    EXPECT_EQ(house->minimum(), 1);
    EXPECT_EQ(house->maximum(), 2);
    EXPECT_EQ(house->value(), 1);
    EXPECT_EQ(TextOf(sale, "CashBar"), "$2,000");
    EXPECT_EQ(TextOf(sale, "Label2_0"), g.Address("0"));
    EXPECT_EQ(TextOf(sale, "HomeValue"), "$150,000");
    EXPECT_EQ(TextOf(sale, "mPAyment"), "$725");
    EXPECT_EQ(TextOf(sale, "Label7"), "$100,000");
    EXPECT_EQ(TextOf(sale, "Label8"), "8% / 30 Years");
    EXPECT_EQ(TextOf(sale, "Label5"), "$650 of out $1,950");
    EXPECT_EQ(TextOf(sale, "ConditionBar"), "Average");
    EXPECT_EQ(Lines(Control<QListWidget>(sale, "List1")),
              (std::vector<std::string>{"Unit 1:  RENTED For $650", "Unit 2:  UNRENTED",
                                        "Unit 3:  UNRENTED"}));
    EXPECT_FALSE(Control<QLabel>(sale, "SaleSign")->isVisible());

    house->setValue(2);
    EXPECT_EQ(TextOf(sale, "Label2_0"), g.Address("1"));
    EXPECT_EQ(TextOf(sale, "HomeValue"), "$200,000");
    EXPECT_EQ(TextOf(sale, "mPAyment"), "$1,265");
    EXPECT_EQ(TextOf(sale, "Label8"), "5% / 15 Years");
    EXPECT_EQ(TextOf(sale, "Label5"), "$0 of out $650");
    EXPECT_EQ(TextOf(sale, "ConditionBar"), "Excellent");
    EXPECT_EQ(Lines(Control<QListWidget>(sale, "List1")),
              std::vector<std::string>{"Unit 1:  LIVING"});
    EXPECT_TRUE(Control<QLabel>(sale, "SaleSign")->isVisible());
}

TEST(SaleWindow, PutsTheHomeShownOnTheMarketAndTakesItOff) {
    SaleGame g;
    g.Own("0", 150000, 100000);
    g.Own("1", 200000, 160000);
    SellHouse* sale = g.registry.ShowUnlessShowing<SellHouse>();
    auto* sign = Control<QLabel>(sale, "SaleSign");
    Control<QScrollBar>(sale, "HOUSE")->setValue(2);

    for (int press = 0; press < 2; ++press) {  // a second press changes nothing
        Click(sale, "Command1");
        EXPECT_TRUE(g.game.ledger.Row(1).forSale);
        EXPECT_FALSE(g.game.ledger.Row(0).forSale);
        EXPECT_TRUE(sign->isVisible());
        EXPECT_TRUE(g.Shows("Offers_NO"));
        EXPECT_FALSE(g.Shows("Offers_None"));
    }

    // An offer that has arrived outlives taking the home off the market: the
    // indicator no longer shows it, the realtor still counts it.
    g.game.ledger.Row(1).offerWaiting = true;
    Click(sale, "Command3");
    EXPECT_FALSE(g.game.ledger.Row(1).forSale);
    EXPECT_TRUE(g.game.ledger.Row(1).offerWaiting);
    EXPECT_FALSE(sign->isVisible());
    EXPECT_TRUE(g.Shows("Offers_None"));
    EXPECT_FALSE(g.Shows("Offers_YES"));
    Click(g.screen, "Command7");
    EXPECT_EQ(Control<QPushButton>(g.registry.Find<HouseSeller>(), "POffers")->text().toStdString(),
              "You have 1 purchase offers.  Click to view offers.");
}

TEST(Selling, AMonthsOfferIsOpenedFromTheMainScreenAndAccepted) {
    SaleGame g;
    g.Own("5", 150000, 100000);
    const std::string address = g.Address("5");

    Click(g.screen, "Command7");
    Click(g.registry.Find<HouseSeller>(), "Command1");
    SellHouse* sale = g.registry.Find<SellHouse>();
    ASSERT_NE(sale, nullptr);
    Click(sale, "Command1");
    EXPECT_TRUE(g.Shows("Offers_NO"));
    sale->close();

    // The vacant unit stays vacant; then the buyer's draw comes up 7.
    g.shell.random.Push({2, 7});
    Click(g.screen, "Command1");
    EXPECT_EQ(TextOf(g.screen, "CurrentDateDisplay"), "February 2026");
    EXPECT_TRUE(g.game.ledger.Row(0).offerWaiting);
    EXPECT_TRUE(g.Shows("Offers_YES"));
    EXPECT_FALSE(g.Shows("Offers_NO"));
    Click(g.screen, "Command7");
    auto* offers = Control<QPushButton>(g.registry.Find<HouseSeller>(), "POffers");
    EXPECT_EQ(offers->text().toStdString(), "You have 1 purchase offers.  Click to view offers.");

    EXPECT_EQ(g.shell.random.Remaining(), 0u);
    g.shell.random.Push(10);  // 95 % of the appraised value
    g.ClickOfferWaiting();
    ViewOffer* offer = g.registry.Find<ViewOffer>();
    ASSERT_NE(offer, nullptr);
    EXPECT_TRUE(offer->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(offer->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_EQ(TextOf(offer, "cUnits"), "Offer Details");
    EXPECT_FALSE(Control<QLabel>(offer, "NoneLabel")->isVisible());
    EXPECT_EQ(TextOf(offer, "Label2_0"), address);
    EXPECT_EQ(TextOf(offer, "HomeValue"), "$150,000");
    // The month has serviced the loan.
    const double owed = g.game.ledger.Row(0).principal;
    EXPECT_LT(owed, 100000);
    EXPECT_EQ(TextOf(offer, "Label7"), Format(owed, "$###,###"));
    EXPECT_EQ(TextOf(offer, "Label3"), "$250,000");
    EXPECT_EQ(TextOf(offer, "OfferLabel"), "$142,500");
    EXPECT_EQ(TextOf(offer, "PotentialCash"), Format(142500 - owed, "$#,000"));
    const double cash = CashOf(g.game.state);
    EXPECT_EQ(TextOf(offer, "CashBar"), Format(cash, "$#,##0"));
    EXPECT_EQ(TextOf(offer, "Label14"),
              "You must either accept or decline this offer at this time.  You may not return "
              "to this offer in the future.");
    // Opening used the offer up.
    EXPECT_FALSE(g.game.ledger.Row(0).offerWaiting);
    EXPECT_EQ(offers->text().toStdString(), "You have 0 purchase offers.  Click to view offers.");
    EXPECT_TRUE(g.Shows("Offers_NO"));

    const std::string listingBefore = g.ListingFile("5");
    g.ScriptSaleKeepingTheListing();
    g.shell.dialogs.shown.clear();
    Click(offer, "Command1");
    g.Settle();

    EXPECT_EQ(g.shell.random.Remaining(), 0u);
    EXPECT_TRUE(g.game.ledger.Empty());
    EXPECT_EQ(CashOf(g.game.state), cash + (142500 - owed));
    ASSERT_EQ(g.shell.dialogs.shown.size(), 1u);
    EXPECT_EQ(g.shell.dialogs.shown[0].kind, "plain");
    EXPECT_EQ(g.shell.dialogs.shown[0].text, "Your house on " + address + " has sold!");
    EXPECT_FALSE(g.registry.IsShowing<ViewOffer>());
    EXPECT_EQ(TextOf(g.screen, "CashBar"), Format(cash + (142500 - owed), "$###,###"));
    EXPECT_TRUE(g.Shows("Offers_None"));
    // The home is back in the market as it was listed.
    EXPECT_EQ(g.ListingFile("5"), listingBefore);
}

TEST(Selling, AnOfferDeclinedOrClosedIsLost) {
    SaleGame g;
    for (const std::string listing : {"0", "1"}) {
        OwnedHome& home = g.Own(listing, 150000, 100000);
        home.forSale = true;
        home.offerWaiting = true;
    }
    Click(g.screen, "Command7");
    HouseSeller* realtor = g.registry.Find<HouseSeller>();
    auto* offers = Control<QPushButton>(realtor, "POffers");
    const double cash = CashOf(g.game.state);

    // The earlier row's offer opens first; then "Decline Offer". The later
    // row's offer opens next; then the window's own close box.
    const std::pair<std::size_t, const char*> ways[] = {{0, "declined"}, {1, "closed"}};
    for (auto [row, way] : ways) {
        g.shell.random.Push(10);
        Click(realtor, "POffers");
        ViewOffer* offer = g.registry.Find<ViewOffer>();
        ASSERT_NE(offer, nullptr) << way;
        ASSERT_TRUE(offer->Offer().has_value());
        EXPECT_EQ(offer->Offer()->row, row) << way;
        EXPECT_EQ(TextOf(offer, "Label2_0"), g.Address(g.game.ledger.Row(row).listing));
        EXPECT_EQ(offers->text().toStdString(), "You have " + std::to_string(1 - row) +
                                                    " purchase offers.  Click to view offers.");
        if (row == 0) {
            Click(offer, "Command2");
        } else {
            offer->close();
        }
        g.Settle();
        EXPECT_FALSE(g.registry.IsShowing<ViewOffer>()) << way;
    }
    EXPECT_EQ(g.game.ledger.Count(), 2u);
    EXPECT_FALSE(g.game.ledger.Row(0).offerWaiting);
    EXPECT_FALSE(g.game.ledger.Row(1).offerWaiting);
    EXPECT_EQ(CashOf(g.game.state), cash);
    EXPECT_TRUE(g.Shows("Offers_NO"));
}

// A sale moves every later row up, so every window holding a row by its
// number closes with it; the rest of the ledger stays as it was.
TEST(Selling, AcceptingAnOfferClosesEveryWindowThatHoldsARow) {
    SaleGame g;
    OwnedHome& first = g.Own("0", 150000, 100000);
    first.forSale = true;
    first.offerWaiting = true;
    g.Own("1", 200000, 150000, {UnitState::Rented, UnitState::Unrented});
    g.Own("2", 120000, 90000);
    const OwnedHome second = g.game.ledger.Row(1);
    const OwnedHome third = g.game.ledger.Row(2);
    CheckForOffers(g.game);

    g.registry.ShowUnlessShowing<SellHouse>();
    g.registry.ShowUnlessShowing<ui::OurHome>();
    g.registry.ShowUnlessShowing<ui::ChooseUnit>()->LoadHouse(2);
    g.registry.ShowUnlessShowing<ui::ViewProperties>();
    g.registry.ShowUnlessShowing<ui::MakePayment>();
    g.registry.ShowUnlessShowing<ui::Improve>();
    g.registry.ShowUnlessShowing<ui::Mortgage>();

    g.shell.random.Push(10);
    g.ClickOfferWaiting();
    ViewOffer* offer = g.registry.Find<ViewOffer>();
    ASSERT_NE(offer, nullptr);
    g.ScriptSaleKeepingTheListing();
    Click(offer, "Command1");
    g.Settle();

    EXPECT_FALSE(g.registry.IsShowing<SellHouse>());
    EXPECT_FALSE(g.registry.IsShowing<ui::OurHome>());
    EXPECT_FALSE(g.registry.IsShowing<ui::ChooseUnit>());
    EXPECT_FALSE(g.registry.IsShowing<ui::ViewProperties>());
    EXPECT_FALSE(g.registry.IsShowing<ui::MakePayment>());
    EXPECT_FALSE(g.registry.IsShowing<ui::Improve>());
    EXPECT_FALSE(g.registry.IsShowing<ui::Mortgage>());
    EXPECT_FALSE(g.registry.IsShowing<ViewOffer>());
    EXPECT_TRUE(g.registry.IsShowing<GameScreen>());
    ASSERT_EQ(g.game.ledger.Count(), 2u);
    EXPECT_EQ(Fields(g.game.ledger.Row(0)), Fields(second));
    EXPECT_EQ(Fields(g.game.ledger.Row(1)), Fields(third));
}

// The offer window keeps the row of the offer it shows: an offer for a home
// bought after the window opened is shown, and sold, for that home.
TEST(Selling, TheOfferWindowSellsTheHomeWhoseOfferItShows) {
    SaleGame g;
    OwnedHome& first = g.Own("0", 150000, 100000);
    first.forSale = true;
    first.offerWaiting = true;
    g.Own("1", 200000, 150000);
    g.Own("2", 120000, 90000);
    CheckForOffers(g.game);
    g.shell.random.Push(10);
    g.ClickOfferWaiting();
    ViewOffer* offer = g.registry.Find<ViewOffer>();
    ASSERT_NE(offer, nullptr);
    EXPECT_EQ(TextOf(offer, "Label2_0"), g.Address("0"));
    EXPECT_FALSE(g.registry.IsShowing<HouseSeller>());  // its count is not worth opening it

    // A fourth home is bought and put on the market while the window is open.
    g.Own("3", 180000, 140000);
    SellHouse* sale = g.registry.ShowUnlessShowing<SellHouse>();
    Control<QScrollBar>(sale, "HOUSE")->setValue(4);
    Click(sale, "Command1");
    sale->close();
    ASSERT_TRUE(g.game.ledger.Row(3).forSale);

    // Four vacant units stay vacant; home 1 draws no buyer, home 4 does.
    g.shell.random.Push({2, 2, 2, 2, 1, 7});
    Click(g.screen, "Command1");
    ASSERT_TRUE(g.Shows("Offers_YES"));
    EXPECT_EQ(g.shell.random.Remaining(), 0u);
    g.shell.random.Push(10);
    g.ClickOfferWaiting();
    ASSERT_EQ(g.registry.Find<ViewOffer>(), offer);  // the same window, a new offer
    EXPECT_EQ(TextOf(offer, "Label2_0"), g.Address("3"));
    EXPECT_EQ(TextOf(offer, "OfferLabel"), "$171,000");

    const double cash = CashOf(g.game.state);
    const double owed = g.game.ledger.Row(3).principal;
    g.ScriptSaleKeepingTheListing();
    Click(offer, "Command1");
    g.Settle();
    ASSERT_EQ(g.game.ledger.Count(), 3u);
    EXPECT_EQ(g.game.ledger.Row(0).listing, "0");
    EXPECT_EQ(g.game.ledger.Row(1).listing, "1");
    EXPECT_EQ(g.game.ledger.Row(2).listing, "2");
    EXPECT_EQ(CashOf(g.game.state), cash + (171000 - owed));
    EXPECT_EQ(g.shell.dialogs.Last(), "Your house on " + g.Address("3") + " has sold!");
}

}  // namespace
}  // namespace deedwell::testing
