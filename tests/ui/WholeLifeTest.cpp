// A whole life played through the windows, from the splash to the goal: the
// new game, a rented flat, months of saving, a home bought and moved into, a
// tenant, a year end, borrowing, a new kitchen, an extra payment, a sale, and
// the winning window. Chance is scripted wherever it decides something the
// test checks; the clock stands still in 2026.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <optional>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "finance/BankerTexts.h"
#include "finance/ListingFiles.h"
#include "market/MarketFixture.h"
#include "simulation/Wealth.h"
#include "ui/Addons.h"
#include "ui/BANKER.h"
#include "ui/ChooseUnit.h"
#include "ui/GameGen.h"
#include "ui/GameScreen.h"
#include "ui/HouseSeller.h"
#include "ui/Improve.h"
#include "ui/MakePayment.h"
#include "ui/Mortgage.h"
#include "ui/NewGame.h"
#include "ui/NoGoal.h"
#include "ui/OurHome.h"
#include "ui/RealEstate.h"
#include "ui/RentHouse.h"
#include "ui/SellHouse.h"
#include "ui/ShowHint.h"
#include "ui/Splash.h"
#include "ui/ViewOffer.h"
#include "ui/ViewProperties.h"
#include "ui/YESGOAL.h"

namespace deedwell::testing {
namespace {

using namespace ui;

constexpr double kIncome = 4800;
const char* const kHome = "5";  // the listing the player buys: 12  Elm Street
constexpr std::int64_t kHomeDraw = 6;  // the market's draw that lands on it

// A life on the shipped market, seen through its windows.
struct Life : UiGame {
    // Clicks `button` of `window` and returns the window of type W it opened.
    // A window that hands over to another is gone afterwards.
    template <class W>
    W* Open(QWidget* window, const char* button) {
        Click(window, button);
        Settle();
        W* opened = registry.Find<W>();
        EXPECT_NE(opened, nullptr) << button << " opened nothing";
        return opened;
    }

    void Type(QWidget* window, const char* box, const QString& text) {
        auto* edit = Control<QLineEdit>(window, box);
        if (!edit) return;
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    void ClickRow(QWidget* window, const char* listName, int row) {
        auto* list = Control<QListWidget>(window, listName);
        if (!list) return;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void NextMonth() {
        Click(screen, "Command1");
        Settle();
    }

    // A month while the player owns the home: the draw for its second unit
    // (1 lets it, 2 leaves it as it is), the buyer's draw when it is for sale,
    // ten market draws that all land on the owned listing so the market
    // stands still, and a quiet draw for repairs.
    void OwnedMonth(std::int64_t unitDraw, std::optional<std::int64_t> buyerDraw = {}) {
        shell.random.Push(unitDraw);
        if (buyerDraw) shell.random.Push(*buyerDraw);
        for (int i = 0; i < 10; ++i) shell.random.Push(kHomeDraw);
        shell.random.Push(5);
        NextMonth();
        EXPECT_EQ(shell.random.Remaining(), 0u) << TextOf(screen, "CurrentDateDisplay");
    }

    double Cash() const { return CashOf(game.state); }
    std::string Month() { return TextOf(screen, "CurrentDateDisplay"); }
    bool Shows(const char* label) { return Control<QLabel>(screen, label)->isVisible(); }

    // The game stays whole at every step: a number for cash, shown as the
    // rules give it, units for every home, and no listing owned twice.
    void ExpectConsistent() {
        EXPECT_TRUE(std::isfinite(Cash()));
        EXPECT_EQ(TextOf(screen, "CashBar"), CashBarText(game));
        std::vector<std::string> listings;
        for (const OwnedHome& home : game.ledger.Rows()) {
            EXPECT_TRUE(std::isfinite(home.value) && std::isfinite(home.principal));
            EXPECT_GE(home.principal, 0);
            EXPECT_FALSE(home.units.empty());
            listings.push_back(home.listing);
        }
        std::sort(listings.begin(), listings.end());
        EXPECT_EQ(std::adjacent_find(listings.begin(), listings.end()), listings.end());
    }

    GameScreen* screen = nullptr;
};

TEST(WholeLife, FromTheSplashToTheGoal) {
    Life g;

    // ---- start-up: the splash, the market being built, the new game --------
    Splash* splash = g.registry.ShowUnlessShowing<Splash>();
    splash->Timer1Tick();
    GameGen* loading = g.registry.Find<GameGen>();
    ASSERT_NE(loading, nullptr);
    loading->Timer1Tick();
    EXPECT_EQ(g.pauses, std::vector<double>(8, 0.1));
    NewGame* newGame = g.registry.Find<NewGame>();
    ASSERT_NE(newGame, nullptr);

    g.Type(newGame, "Text1", "Robin");
    g.Type(newGame, "Text2", "30");
    QTest::mouseClick(Control<QRadioButton>(newGame, "DiffLevel_7"), Qt::LeftButton);
    Control<QCheckBox>(newGame, "Goal")->setChecked(true);
    g.Type(newGame, "GoalBox", "70,000");
    Control<QCheckBox>(newGame, "PlanCheck")->setChecked(true);
    g.Type(newGame, "PlanBox", "3");
    Addons* addons = g.Open<Addons>(newGame, "Command1");
    ASSERT_NE(addons, nullptr);
    EXPECT_EQ(g.shell.records.ReadRecordValue("NAME", "default"), "Robin");
    QTest::mouseClick(Control<QWidget>(addons, "Label7"), Qt::LeftButton);
    g.Settle();
    g.screen = g.registry.Find<GameScreen>();
    ASSERT_NE(g.screen, nullptr);
    GameScreen* screen = g.screen;
    EXPECT_EQ(TextOf(screen, "VarLabel_0"), "Robin");
    EXPECT_EQ(TextOf(screen, "CashBar"), "$2,000");
    EXPECT_EQ(g.game.state.NetWorthGoal, "70000");
    EXPECT_EQ(g.game.state.GoalYears, 3);
    EXPECT_TRUE(Control<QLabel>(screen, "HOMELESSPIC")->isVisible());

    // ---- a rented flat -----------------------------------------------------
    OurHome* home = g.Open<OurHome>(screen, "Command2");
    ASSERT_NE(home, nullptr);
    RentHouse* rent = g.Open<RentHouse>(home, "Command1");
    ASSERT_NE(rent, nullptr);
    const std::string rental = g.shell.records.ListRecords("renthouses").front();
    const double flatRent = NumberOf(g.shell.records.ReadRentalValue("RENT", rental));
    const double flatCost = flatRent + NumberOf(g.shell.records.ReadRentalValue("SF", rental)) * 0.5;
    Click(rent, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.dialogs.Last(), "Congratulations on your new home!");
    EXPECT_EQ(g.Cash(), 2000 - (2 * flatRent + 1000));
    EXPECT_EQ(g.game.state.LivingCost, flatCost);
    EXPECT_FALSE(Control<QLabel>(screen, "HOMELESSPIC")->isVisible());

    // ---- saving for a down payment -----------------------------------------
    // The first month also starts the quiet second market run; let it finish
    // before any draw is scripted.
    g.NextMonth();
    QTRY_COMPARE(g.registry.SecondGenerationsRun(), 1);
    bool toldEnoughSaved = false;
    while (g.Cash() < 25000) {
        const double before = g.Cash();
        g.NextMonth();
        EXPECT_EQ(g.Cash(), Int(before) + kIncome - flatCost) << g.Month();
        ShowHint* hint = g.registry.Find<ShowHint>();
        if (hint && TextOf(hint, "HintTitle") == "You now have enough money to purchase a home!") {
            EXPECT_GE(before + kIncome - flatCost, 10000);
            toldEnoughSaved = true;
        }
        g.ExpectConsistent();
    }
    EXPECT_TRUE(toldEnoughSaved);
    EXPECT_EQ(g.Month(), "July 2026");

    // ---- buying 12  Elm Street ---------------------------------------------
    WriteListing(g.shell, kHome, With(SampleHouse(), "MAJOR13", "0"));  // sound: tenants come
    RealEstate* browser = g.Open<RealEstate>(screen, "Command4");
    ASSERT_NE(browser, nullptr);
    const auto listings = g.shell.records.ListRecords("realestate");
    const auto at = std::find(listings.begin(), listings.end(), kHome);
    ASSERT_NE(at, listings.end());
    Control<QScrollBar>(browser, "HouseSelect")->setValue(static_cast<int>(at - listings.begin()));
    EXPECT_EQ(TextOf(browser, "HouseAddress"), "12  Elm Street");
    BANKER* banker = g.Open<BANKER>(browser, "Command1");
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(TextOf(banker, "FIGURES_2"), "$23690");  // 20 % down and 3 % closing costs
    EXPECT_EQ(TextOf(banker, "FIGURES_3"), "$88580");
    double cash = g.Cash();
    Click(banker, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.dialogs.Last(), kApproved);
    ASSERT_EQ(g.game.ledger.Count(), 1u);
    EXPECT_EQ(g.game.ledger.Row(0).listing, kHome);
    EXPECT_EQ(g.game.ledger.Row(0).principal, 88580);
    EXPECT_EQ(g.Cash(), cash - 23690);
    browser->close();
    g.Settle();
    EXPECT_FALSE(g.registry.IsShowing<BANKER>());

    // ---- moving into the first unit ----------------------------------------
    home = g.Open<OurHome>(screen, "Command2");
    ASSERT_NE(home, nullptr);
    g.ClickRow(home, "ListHomes", 0);
    ChooseUnit* units = g.Open<ChooseUnit>(home, "Command3");
    ASSERT_NE(units, nullptr);
    cash = g.Cash();
    Click(units, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.dialogs.Last(), "Enjoy your move!");
    EXPECT_EQ(g.game.ledger.Row(0).units,
              (std::vector<UnitState>{UnitState::Living, UnitState::Unrented}));
    EXPECT_EQ(g.game.state.LivingCost, 1150);  // rent 700 and half of the utilities
    EXPECT_EQ(g.Cash(), cash - 1000);

    // ---- a tenant, and the months to the year end --------------------------
    // With both units full a month brings the income and 1,400 of rent, less
    // the payment of 641.95 and the living cost.
    const double ownedMonth = kIncome + 1400 - 641.95 - 1150;
    g.OwnedMonth(1);
    EXPECT_EQ(g.game.ledger.Row(0).units[1], UnitState::Rented);
    EXPECT_EQ(TextOf(screen, "Label8"), "$1,400");
    while (g.Month() != "December 2026") {
        cash = g.Cash();
        g.OwnedMonth(2);
        EXPECT_NEAR(g.Cash(), Int(cash) + ownedMonth, 1e-6) << g.Month();
        g.ExpectConsistent();
    }
    g.shell.dialogs.shown.clear();
    g.OwnedMonth(2);
    EXPECT_EQ(g.Month(), "January 2027");
    EXPECT_EQ(g.game.state.PlayerAge, "31");

    // The taxes are due and the home has grown with the market.
    ASSERT_EQ(g.game.alerts.size(), 1u);
    EXPECT_EQ(g.game.alerts[0].text, "(2026) Taxes are due for 12  Elm Street");
    const OwnedHome& owned = g.game.ledger.Row(0);
    EXPECT_EQ(owned.value, 109272);
    EXPECT_EQ(owned.rent, 721);
    EXPECT_EQ(g.shell.dialogs.Texts(),
              (std::vector<std::string>{
                  "Congratulations, your homes have increased in value this year by $3,183\r\n"
                  "Rent has increased by: $21"}));
    const double taxes = g.game.alerts[0].amount;
    EXPECT_GT(taxes, 0);
    cash = g.Cash();
    g.ClickRow(screen, "Alerts", 0);
    Click(screen, "Command6");
    EXPECT_NEAR(g.Cash(), cash - taxes, 1e-6);
    EXPECT_TRUE(g.game.alerts.empty());
    g.OwnedMonth(2);  // February: the six months' wait for a new loan is over
    EXPECT_EQ(g.game.ledger.Row(0).waitPeriod, 0);

    // ---- borrowing against the equity --------------------------------------
    Mortgage* bank = g.Open<Mortgage>(screen, "Command5");
    ASSERT_NE(bank, nullptr);
    g.Type(bank, "DesiredLoan", "10000");
    EXPECT_EQ(TextOf(bank, "LoanAmount_3"), "$200");
    const double owedBefore = g.game.ledger.Row(0).principal;
    cash = g.Cash();
    g.shell.dialogs.shown.clear();
    Click(bank, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.dialogs.Last(),
              "We thank you for your business.  You have paid financing fees of 200 for this "
              "transaction.");
    EXPECT_FALSE(g.registry.IsShowing<Mortgage>());
    EXPECT_EQ(g.Cash(), cash + 10000 - 200);
    EXPECT_EQ(g.game.ledger.Row(0).principal, owedBefore + 10000);
    EXPECT_EQ(g.game.ledger.Row(0).waitPeriod, 6);

    // ---- a new kitchen -----------------------------------------------------
    ViewProperties* portfolio = g.Open<ViewProperties>(screen, "Command3");
    ASSERT_NE(portfolio, nullptr);
    Improve* improve = g.Open<Improve>(portfolio, "Command2");
    ASSERT_NE(improve, nullptr);
    // A tenth of the value the home was bought at.
    EXPECT_EQ(TextOf(improve, "KitchenCost"), "$10,609");
    const double valueBefore = g.game.ledger.Row(0).value;
    cash = g.Cash();
    g.shell.random.Push(10);
    Click(improve, "Command3");
    EXPECT_EQ(g.shell.random.Remaining(), 0u);
    EXPECT_EQ(g.game.ledger.Row(0).kitchen, 2);
    EXPECT_EQ(g.Cash(), cash - 10609);
    const double gain = g.game.ledger.Row(0).value - valueBefore;
    EXPECT_GT(gain, 10609) << gain;
    EXPECT_NE(g.shell.dialogs.Last().find("appreciated in value by $" + NumberText(Int(gain))),
              std::string::npos)
        << g.shell.dialogs.Last();
    EXPECT_EQ(TextOf(portfolio, "HomeValue"), Format(g.game.ledger.Row(0).value, "$###,###"));
    improve->close();
    g.Settle();

    // ---- an extra payment --------------------------------------------------
    MakePayment* payment = g.Open<MakePayment>(portfolio, "Command1");
    ASSERT_NE(payment, nullptr);
    const double owed = g.game.ledger.Row(0).principal;
    cash = g.Cash();
    g.Type(payment, "Text1", "1,000");
    Click(payment, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.dialogs.Last(), "Your payment has been posted to your mortgage.");
    EXPECT_EQ(g.game.ledger.Row(0).principal, owed - 1000);
    EXPECT_EQ(g.Cash(), Int(cash) - 1000);  // the cents go with the payment
    EXPECT_EQ(TextOf(portfolio, "Label7"), Format(owed - 1000, "$###,###"));
    portfolio->close();
    g.Settle();
    g.ExpectConsistent();

    // ---- for sale, an offer, sold ------------------------------------------
    HouseSeller* realtor = g.Open<HouseSeller>(screen, "Command7");
    ASSERT_NE(realtor, nullptr);
    SellHouse* sale = g.Open<SellHouse>(realtor, "Command1");  // the realtor steps aside
    ASSERT_NE(sale, nullptr);
    EXPECT_FALSE(g.registry.IsShowing<HouseSeller>());
    Click(sale, "Command1");
    EXPECT_TRUE(g.game.ledger.Row(0).forSale);
    EXPECT_TRUE(g.Shows("Offers_NO"));
    sale->close();
    g.Settle();

    g.OwnedMonth(2, 7);  // a buyer comes
    EXPECT_EQ(g.Month(), "March 2027");
    EXPECT_TRUE(g.Shows("Offers_YES"));
    g.shell.random.Push(10);  // the offer: 95 % of the value
    QTest::mouseClick(Control<QLabel>(screen, "Offers_YES"), Qt::LeftButton);
    g.Settle();
    ViewOffer* offer = g.registry.Find<ViewOffer>();
    ASSERT_NE(offer, nullptr);
    const double price = RoundHalfAway(0.95 * g.game.ledger.Row(0).value);
    const double stillOwed = g.game.ledger.Row(0).principal;
    EXPECT_EQ(TextOf(offer, "OfferLabel"), Format(price, "$###,###"));
    EXPECT_EQ(TextOf(offer, "Label2_0"), "12  Elm Street");
    cash = g.Cash();
    std::vector<std::int64_t> newHouse = HouseScript(1, 1, 1);
    newHouse.push_back(1);  // the sold home's listing stays as it was
    g.shell.random.Push(newHouse);
    g.shell.dialogs.shown.clear();
    Click(offer, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.random.Remaining(), 0u);
    EXPECT_EQ(g.shell.dialogs.Texts(),
              std::vector<std::string>{"Your house on 12  Elm Street has sold!"});
    EXPECT_TRUE(g.game.ledger.Empty());
    EXPECT_NEAR(g.Cash(), cash + price - stillOwed, 1e-6);
    EXPECT_TRUE(g.Shows("Offers_None"));
    EXPECT_FALSE(g.registry.IsShowing<ViewOffer>());
    g.ExpectConsistent();

    // ---- the goal ----------------------------------------------------------
    // Neither the home nor its sale brought the goal within reach; saving
    // gets there before the three years are up.
    EXPECT_LT(NetWorth(g.game), 70000);
    EXPECT_FALSE(g.registry.IsShowing<YESGOAL>());
    for (int month = 0; month < 9 && !g.registry.IsShowing<YESGOAL>(); ++month) {
        cash = g.Cash();
        g.NextMonth();
        EXPECT_EQ(g.Cash(), Int(cash) + kIncome - 1150) << g.Month();
    }
    YESGOAL* won = g.registry.Find<YESGOAL>();
    ASSERT_NE(won, nullptr);
    EXPECT_FALSE(g.registry.IsShowing<NoGoal>());
    EXPECT_GE(NetWorth(g.game), 70000);
    EXPECT_EQ(TextOf(won, "NetStatus").rfind("You win!  But remember that inflation devalues "
                                             "your money over time.  Your current networth of " +
                                                 TextOf(screen, "VarLabel_2") + " has",
                                             0),
              0u)
        << TextOf(won, "NetStatus");
    Click(won, "Command1");
    g.Settle();
    g.NextMonth();
    EXPECT_FALSE(g.registry.IsShowing<YESGOAL>());
    EXPECT_FALSE(g.registry.IsShowing<NoGoal>());
    EXPECT_EQ(g.endRequests, 0);
    g.ExpectConsistent();
}

}  // namespace
}  // namespace deedwell::testing
