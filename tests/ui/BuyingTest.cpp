// Buying a home through the windows: the listing browser, the banker, and the
// main screen's financial alerts; then a year in the bought home.

#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "finance/BankerTexts.h"
#include "finance/ListingFiles.h"
#include "finance/Loans.h"
#include "hints/Hints.h"
#include "state/NewGame.h"
#include "ui/BANKER.h"
#include "ui/ChooseUnit.h"
#include "ui/GameScreen.h"
#include "ui/OurHome.h"
#include "ui/RealEstate.h"
#include "ui/ShowHint.h"

namespace deedwell::testing {
namespace {

namespace fs = std::filesystem;
using ui::BANKER;
using ui::ChooseUnit;
using ui::GameScreen;
using ui::OurHome;
using ui::RealEstate;

// A 12-unit building, as unlike the sample house as a listing gets.
ListingLines Tower() {
    ListingLines lines = With(SampleHouse(), "ADDRESS", "400  Harbour Row");
    lines = With(lines, "PRICE", "250000");
    lines = With(lines, "APRAISE", "240000");
    lines = With(lines, "UNITS", "12");
    lines = With(lines, "ERENT", "450");
    return With(lines, "HOUSEcAT", "7");
}

// The shipped market with two listings of known figures: "5" the sample
// house (103000 appraised at 106090, two units at 700) and "6" the tower.
// Pictures are there too, so that the picture boxes have something to show.
struct Market : UiGame {
    Market() {
        for (const char* folder : {"pictures", "homecreation", "realestate"}) {
            fs::copy(fs::path(DEEDWELL_SOURCE_DATA) / folder, shell.dir.Path() / folder,
                     fs::copy_options::recursive | fs::copy_options::skip_existing);
        }
        WriteListing(shell, "5", SampleHouse());
        WriteListing(shell, "6", Tower());
        game.state.Cash = 30000;
        game.state.MonthlyIncome = "4800";
        game.state.LivingCost = 700;  // the bank allows 1008 a month
    }

    // The browser position of listing `name` (files in name order).
    int PositionOf(const std::string& name) const {
        const auto names = shell.records.ListRecords("realestate");
        const auto at = std::find(names.begin(), names.end(), name);
        EXPECT_NE(at, names.end()) << "no listing " << name;
        return static_cast<int>(at - names.begin());
    }

    RealEstate* Browser() {
        if (!browser) browser = registry.ShowUnlessShowing<RealEstate>();
        return browser;
    }
    void ScrollTo(const std::string& name) {
        Control<QScrollBar>(Browser(), "HouseSelect")->setValue(PositionOf(name));
    }
    // The browser on listing `name`, then "Talk With Your Banker".
    BANKER* BankerFor(const std::string& name) {
        ScrollTo(name);
        Click(Browser(), "Command1");
        return registry.Find<BANKER>();
    }

    RealEstate* browser = nullptr;
};

bool HasPicture(QWidget* window, const char* name) {
    auto* label = Control<QLabel>(window, name);
    return label && !label->pixmap().isNull();
}

// The colour a label's text is painted in now.
QColor TextColour(QWidget* window, const char* name) {
    auto* label = Control<QLabel>(window, name);
    return label ? label->palette().color(label->foregroundRole()) : QColor();
}
bool IsBlue(const QColor& c) { return c.blue() > 2 * c.red() && c.blue() > c.green(); }
bool IsRed(const QColor& c) { return c.red() > 2 * c.blue() && c.red() > 2 * c.green(); }

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// A radio button answers a click on its circle or its text, not on the empty
// width a layout may give it.
void ClickOption(QWidget* window, const char* name) {
    auto* option = Control<QRadioButton>(window, name);
    if (option) QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// ------------------------------------------------------------- browser --

TEST(ListingBrowser, PagesThroughTheListingFilesInNameOrder) {
    Market g;
    RealEstate* browser = g.Browser();
    EXPECT_EQ(browser->windowTitle().toStdString(), "Tarnwick Game");
    auto* select = Control<QScrollBar>(browser, "HouseSelect");
    EXPECT_EQ(select->minimum(), 0);
    EXPECT_EQ(select->maximum(), 80);
    EXPECT_EQ(Control<QListWidget>(browser, "File1")->count(), 81);
    EXPECT_FALSE(Control<QListWidget>(browser, "File1")->isVisible());

    // Position 0 is listing "0"; position 9 is "17", and 80 is "9".
    for (auto [position, name] : {std::pair{0, "0"}, {9, "17"}, {80, "9"}, {2, "10"}}) {
        select->setValue(position);
        EXPECT_EQ(g.game.state.CurrentHouseNo, name) << position;
        EXPECT_EQ(TextOf(browser, "HouseAddress"),
                  g.shell.records.ReadListingValue("ADDRESS", name));
        EXPECT_TRUE(Control<QPushButton>(browser, "Command1")->isEnabled());
    }
}

TEST(ListingBrowser, ShowsEveryFigureGrownToTheYear) {
    Market g;
    g.game.state.AppreciationYears = 1;  // two rises of 3%
    WriteListing(g.shell, "5", With(With(SampleHouse(), "PRICE", "100000"), "APRAISE", "103000"));
    g.ScrollTo("5");
    RealEstate* browser = g.Browser();

    const std::pair<const char*, const char*> shown[] = {
        {"CashBar", "$30,000"},          {"HouseAddress", "12  Elm Street"},
        {"l1", "$106,090"},              {"apraise", "$109,272"},
        {"Instant", "$3,182"},           {"RvalueLabel", "$130,974"},
        {"Label1", "1800 sf"},           {"Beds", "3"},
        {"Baths", "2"},                  {"Label14", ".35 Acre(s) Acres"},
        {"cType", "1"},                  {"cUnits", "2"},
        {"cRent", "742"},                {"Label2", "Average"},
        {"Info", "Unknown"},
    };
    for (auto [name, text] : shown) EXPECT_EQ(TextOf(browser, name), text) << name;
    EXPECT_TRUE(HasPicture(browser, "HousePicture"));
    EXPECT_TRUE(HasPicture(browser, "KS"));
    EXPECT_TRUE(HasPicture(browser, "BATH"));
    EXPECT_FALSE(Control<QLabel>(browser, "SOLDIMAGE")->isVisible());
    EXPECT_FALSE(Control<QLabel>(browser, "SOLD")->isVisible());
}

TEST(ListingBrowser, InstantEquityIsBlueAboveZeroRedBelowAndKeepsItsColourAtZero) {
    Market g;
    g.game.state.AppreciationYears = 1;
    WriteListing(g.shell, "5", With(With(SampleHouse(), "PRICE", "100000"), "APRAISE", "103000"));
    WriteListing(g.shell, "6", With(With(SampleHouse(), "PRICE", "100000"), "APRAISE", "97522"));
    WriteListing(g.shell, "7", With(With(SampleHouse(), "PRICE", "100000"), "APRAISE", "100000"));
    const struct {
        const char* listing;
        const char* equity;
        bool blue;
    } steps[] = {
        {"5", "$3,182", true},
        {"6", "-$2,629", false},
        {"7", "$", false},  // nothing to colour: red stays
        {"5", "$3,182", true},
        {"7", "$", true},  // and so does blue
    };
    for (const auto& step : steps) {
        g.ScrollTo(step.listing);
        EXPECT_EQ(TextOf(g.Browser(), "Instant"), step.equity) << step.listing;
        const QColor colour = TextColour(g.Browser(), "Instant");
        EXPECT_TRUE(step.blue ? IsBlue(colour) : IsRed(colour))
            << step.listing << " " << colour.name().toStdString();
    }
}

TEST(ListingBrowser, AnOwnedListingWearsTheSoldSignAndGoesNoFurther) {
    Market g;
    OwnedHome home;
    home.listing = "5";
    home.units = {UnitState::Unrented};
    g.game.ledger.Append(home);

    g.ScrollTo("5");
    RealEstate* browser = g.Browser();
    EXPECT_TRUE(Control<QLabel>(browser, "SOLDIMAGE")->isVisible());
    EXPECT_TRUE(HasPicture(browser, "SOLDIMAGE"));
    EXPECT_TRUE(Control<QLabel>(browser, "SOLDIMAGE2")->isVisible());
    EXPECT_FALSE(Control<QLabel>(browser, "SOLD")->isVisible());

    Click(browser, "Command1");
    EXPECT_EQ(g.shell.dialogs.Texts(), std::vector<std::string>{kOwned});
    EXPECT_FALSE(g.registry.IsShowing<BANKER>());

    g.ScrollTo("6");
    EXPECT_FALSE(Control<QLabel>(browser, "SOLDIMAGE")->isVisible());
    EXPECT_FALSE(Control<QLabel>(browser, "SOLDIMAGE2")->isVisible());
}

TEST(ListingBrowser, APositionWithoutAReadableListingSaysSoAndCannotBeBought) {
    const struct {
        const char* what;
        std::function<int(Market&)> prepare;  // returns the position to show
    } cases[] = {
        {"past the last file",
         [](Market& g) {
             fs::remove(g.shell.dir.Path() / "realestate" / "80.var");
             return 80;
         }},
        {"no units",
         [](Market& g) {
             WriteListing(g.shell, "5", With(SampleHouse(), "UNITS", "0"));
             return g.PositionOf("5");
         }},
        {"no price",
         [](Market& g) {
             WriteListing(g.shell, "5", Without(SampleHouse(), "PRICE"));
             return g.PositionOf("5");
         }},
    };
    for (const auto& c : cases) {
        Market g;
        const int position = c.prepare(g);
        RealEstate* browser = g.Browser();
        Control<QScrollBar>(browser, "HouseSelect")->setValue(position);
        EXPECT_EQ(TextOf(browser, "HouseAddress"), "No listing") << c.what;
        EXPECT_EQ(TextOf(browser, "l1"), "") << c.what;
        EXPECT_EQ(TextOf(browser, "cUnits"), "") << c.what;
        EXPECT_FALSE(HasPicture(browser, "HousePicture")) << c.what;
        EXPECT_FALSE(Control<QPushButton>(browser, "Command1")->isEnabled()) << c.what;
        EXPECT_FALSE(Control<QLabel>(browser, "SOLDIMAGE")->isVisible()) << c.what;
        EXPECT_EQ(TextOf(browser, "CashBar"), "$30,000") << c.what;
        // The browser moves on normally from there.
        g.ScrollTo("6");
        EXPECT_EQ(TextOf(browser, "HouseAddress"), "400  Harbour Row") << c.what;
        EXPECT_TRUE(Control<QPushButton>(browser, "Command1")->isEnabled()) << c.what;
    }
}

TEST(ListingBrowser, ClosingItClosesTheBankerToo) {
    Market g;
    ASSERT_NE(g.BankerFor("5"), nullptr);
    Click(g.Browser(), "Command2");
    EXPECT_FALSE(g.registry.IsShowing<RealEstate>());
    EXPECT_FALSE(g.registry.IsShowing<BANKER>());
}

TEST(ListingBrowser, TheBrowserAndTheBankerEachBringTheirHintAsTheyOpen) {
    Market g;
    g.game.state.HintSavedEnoughShown = true;  // the chain has reached the market
    g.Browser();
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.game.state.HintRealEstateShown; }, 3000));
    EXPECT_TRUE(g.registry.IsShowing<ui::ShowHint>());
    EXPECT_FALSE(g.game.state.HintBankerShown);

    ASSERT_NE(g.BankerFor("5"), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.game.state.HintBankerShown; }, 3000));
    EXPECT_FALSE(g.game.state.HintOurHomeShown);
}

// -------------------------------------------------------------- banker --

TEST(Banker, ShowsThePurchaseAgreementAndFollowsTheOptionAndTerm) {
    Market g;
    g.game.state.Cash = 25000;
    BANKER* banker = g.BankerFor("5");
    ASSERT_NE(banker, nullptr);
    EXPECT_EQ(banker->windowTitle().toStdString(), "Banker");
    EXPECT_FALSE(banker->windowFlags() & Qt::WindowStaysOnTopHint);

    const std::pair<const char*, const char*> shown[] = {
        {"HouseAddress", "12  Elm Street"}, {"l1", "$103000"},        {"apraise", "$106090"},
        {"Label1", "1800 sf"},              {"Beds", "3"},            {"Baths", "2"},
        {"Label14", ".35 Acre(s) Acres"},   {"cType", "1"},           {"cUnits", "2"},
        {"eRent", "700"},                   {"Label2", "Average"},    {"CashBar", "$25,000"},
        {"FIGURES_1", "$103000"},           {"NVALUEHERE", "$123,456"}, {"FIGURES_0", "$20600"},
        {"CloseCost", "$6180"},             {"CEQUIP", "$3090"},      {"MyCashNow", "$25,000"},
        {"FIGURES_3", "$88580"},            {"FIGURES_4", "8%"},      {"FIGURES_5", "641.95"},
        {"FIGURES_2", "$23690"},
    };
    for (auto [name, text] : shown) EXPECT_EQ(TextOf(banker, name), text) << name;
    EXPECT_TRUE(HasPicture(banker, "HousePicture"));
    EXPECT_TRUE(Control<QRadioButton>(banker, "InterestVar_1")->isChecked());
    auto* terms = Control<QListWidget>(banker, "List1");
    ASSERT_EQ(terms->count(), 4);
    EXPECT_EQ(terms->item(3)->text().toStdString(), "5 Year");
    EXPECT_EQ(terms->currentRow(), 0);
    EXPECT_FALSE(IsRed(TextColour(banker, "FIGURES_2")));

    // 5% wants 25% down: more than the cash, so the figure turns red ...
    ClickOption(banker, "InterestVar_0");
    EXPECT_EQ(TextOf(banker, "FIGURES_2"), "$28840");
    EXPECT_EQ(TextOf(banker, "FIGURES_4"), "5%");
    EXPECT_EQ(TextOf(banker, "FIGURES_5"), "641.95");  // always figured at 8%, 20% down
    EXPECT_TRUE(IsRed(TextColour(banker, "FIGURES_2")));
    // ... and stays red while the window is open.
    ClickOption(banker, "InterestVar_2");
    EXPECT_EQ(TextOf(banker, "FIGURES_2"), "$13390");
    EXPECT_EQ(TextOf(banker, "FIGURES_4"), "10%");
    EXPECT_TRUE(IsRed(TextColour(banker, "FIGURES_2")));

    ClickRow(terms, 1);
    EXPECT_EQ(TextOf(banker, "FIGURES_5"), LoanPayment(88580, 8, 15));
    EXPECT_EQ(TextOf(banker, "FIGURES_3"), "$88580");
}

TEST(Banker, BuysTheListingItWasOpenedForWhereverTheBrowserHasMovedOn) {
    Market g;
    GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();
    g.registry.ShowUnlessShowing<OurHome>();
    BANKER* banker = g.BankerFor("5");
    ASSERT_NE(banker, nullptr);

    // The browser moves to the tower; the banker stays on the house.
    g.ScrollTo("6");
    EXPECT_EQ(g.game.state.CurrentHouseNo, "6");
    ClickOption(banker, "InterestVar_1");
    EXPECT_EQ(TextOf(banker, "FIGURES_1"), "$103000");
    EXPECT_EQ(TextOf(banker, "cUnits"), "2");
    Click(banker, "Command1");

    EXPECT_EQ(g.shell.dialogs.Texts(), std::vector<std::string>{kApproved});
    ASSERT_EQ(g.game.ledger.Count(), 1u);
    const OwnedHome& home = g.game.ledger.Row(0);
    EXPECT_EQ(home.listing, "5");
    EXPECT_EQ(home.units, std::vector<UnitState>(2, UnitState::Unrented));
    EXPECT_EQ(home.rent, 700);
    EXPECT_EQ(home.principal, 88580);
    EXPECT_EQ(home.payment, 641.95);
    EXPECT_EQ(home.purchaseValue, 106090);
    EXPECT_EQ(g.game.state.Cash, 30000 - 23690);
    EXPECT_EQ(TextOf(screen, "CashBar"), "$6,310");
    EXPECT_EQ(TextOf(screen, "UnitCount"), "2");
    // The banker and the home window close; the browser stays where it was.
    EXPECT_FALSE(g.registry.IsShowing<BANKER>());
    EXPECT_FALSE(g.registry.IsShowing<OurHome>());
    EXPECT_EQ(TextOf(g.Browser(), "HouseAddress"), "400  Harbour Row");
    EXPECT_FALSE(Control<QLabel>(g.Browser(), "SOLDIMAGE")->isVisible());
    g.ScrollTo("5");
    EXPECT_TRUE(Control<QLabel>(g.Browser(), "SOLDIMAGE")->isVisible());
}

TEST(Banker, TheBrowserShowsTheBoughtHomeAsTakenAtOnce) {
    Market g;
    Click(g.BankerFor("5"), "Command1");
    EXPECT_EQ(g.shell.dialogs.Last(), kApproved);
    EXPECT_TRUE(Control<QLabel>(g.Browser(), "SOLDIMAGE")->isVisible());
    EXPECT_TRUE(Control<QLabel>(g.Browser(), "SOLDIMAGE2")->isVisible());
    EXPECT_EQ(TextOf(g.Browser(), "CashBar"), "$6,310");
    // Talking to the banker again gives only the browser's message.
    Click(g.Browser(), "Command1");
    EXPECT_EQ(g.shell.dialogs.Last(), kOwned);
    EXPECT_FALSE(g.registry.IsShowing<BANKER>());
}

TEST(Banker, ARefusedDealChangesNothingAndTheBankerStays) {
    const struct {
        const char* what;
        double cash;
        const char* income;
        double livingCost;
        std::string message;
    } cases[] = {
        {"short of the cash required", 23689, "4800", 700, kNoCash},
        {"payment above the allowance", 30000, "2500", 700, Denied("200")},
        {"debts above the bank's line", 30000, "900", 700, Denied("0")},
    };
    for (const auto& c : cases) {
        Market g;
        g.game.state.Cash = c.cash;
        g.game.state.MonthlyIncome = c.income;
        g.game.state.LivingCost = c.livingCost;
        GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();
        const std::string cashShown = TextOf(screen, "CashBar");
        BANKER* banker = g.BankerFor("5");
        ASSERT_NE(banker, nullptr);
        Click(banker, "Command1");
        EXPECT_EQ(g.shell.dialogs.Texts(), std::vector<std::string>{c.message}) << c.what;
        EXPECT_TRUE(g.game.ledger.Empty()) << c.what;
        EXPECT_EQ(g.game.state.Cash, c.cash) << c.what;
        EXPECT_EQ(TextOf(screen, "CashBar"), cashShown) << c.what;
        EXPECT_TRUE(g.registry.IsShowing<BANKER>()) << c.what;
        EXPECT_FALSE(Control<QLabel>(g.Browser(), "SOLDIMAGE")->isVisible()) << c.what;
    }
}

TEST(Banker, CashExactlyTheRequiredAmountIsEnough) {
    Market g;
    g.game.state.Cash = 23690;
    Click(g.BankerFor("5"), "Command1");
    EXPECT_EQ(g.shell.dialogs.Last(), kApproved);
    EXPECT_EQ(g.game.state.Cash, 0);
}

TEST(Banker, AListingRewrittenMeanwhileIsShownAgainBeforeAnyDeal) {
    Market g;
    BANKER* banker = g.BankerFor("5");
    ASSERT_NE(banker, nullptr);
    WriteListing(g.shell, "5", With(SampleHouse(), "PRICE", "104000"));

    Click(banker, "Command1");
    EXPECT_EQ(g.shell.dialogs.Texts(), std::vector<std::string>{kChanged});
    EXPECT_TRUE(g.game.ledger.Empty());
    EXPECT_EQ(g.game.state.Cash, 30000);
    ASSERT_TRUE(g.registry.IsShowing<BANKER>());
    EXPECT_EQ(TextOf(banker, "l1"), "$104000");
    EXPECT_EQ(TextOf(banker, "FIGURES_1"), "$104000");

    // The player has now seen the new figures and may buy at them.
    Click(banker, "Command1");
    EXPECT_EQ(g.shell.dialogs.Last(), kApproved);
    ASSERT_EQ(g.game.ledger.Count(), 1u);
    EXPECT_EQ(g.game.ledger.Row(0).principal, 89440);  // 104000 + 6% - 20%
}

// ---------------------------------------------------- main screen alerts --

struct AlertScreen : Market {
    AlertScreen() {
        game.state.YearsPlayed = 1;
        NewGameChoices choices;
        choices.name = "Robin";
        choices.age = "30";
        EXPECT_FALSE(StartYourLife(game, choices).has_value());
        shell.dialogs.shown.clear();
        screen = registry.ShowUnlessShowing<GameScreen>();
        alerts = Control<QListWidget>(screen, "Alerts");
    }
    void Show(std::vector<Alert> list, double cash) {
        game.alerts = std::move(list);
        game.state.Cash = cash;
        screen->RefreshAll();
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (int i = 0; i < alerts->count(); ++i) lines.push_back(alerts->item(i)->text().toStdString());
        return lines;
    }
    GameScreen* screen = nullptr;
    QListWidget* alerts = nullptr;
};

const Alert kRepair{"Renter Demands Repairs!", 523, Alert::kRepair};
const Alert kTax{"(2026) Taxes are due for 12  Elm Street", 1500, 0};
const Alert kPenalty{"(2026) Back Taxes Penalty! ", 15.45, 1};
const char* const kRepairText =
    "Renter Demands Repairs!. It will cost you $523.  Failing to pay may cause you trouble down "
    "the road.";
const char* const kTaxText =
    "(2026) Taxes are due for 12  Elm Street. It will cost you $1,500.  Failing to pay may cause "
    "you trouble down the road.";

TEST(MainScreenAlerts, RealEstateAgentOpensTheBrowserOnlyOnce) {
    AlertScreen g;
    Click(g.screen, "Command4");
    RealEstate* browser = g.registry.Find<RealEstate>();
    ASSERT_NE(browser, nullptr);
    Control<QScrollBar>(browser, "HouseSelect")->setValue(7);
    Click(g.screen, "Command4");
    EXPECT_EQ(g.registry.Find<RealEstate>(), browser);
    EXPECT_EQ(Control<QScrollBar>(browser, "HouseSelect")->value(), 7);
}

TEST(MainScreenAlerts, AClickDescribesTheAlert) {
    AlertScreen g;
    g.Show({kRepair, kTax, kPenalty}, 2000);
    EXPECT_EQ(g.Lines(), (std::vector<std::string>{kRepair.text, kTax.text, kPenalty.text}));
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), "");
    ClickRow(g.alerts, 1);
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), kTaxText);
    ClickRow(g.alerts, 2);
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"),
              "(2026) Back Taxes Penalty! . It will cost you $15.  Failing to pay may cause you "
              "trouble down the road.");
}

TEST(MainScreenAlerts, PayNeedsStrictlyMoreWholeDollarsThanTheBill) {
    AlertScreen g;
    const Alert bill{"Renter Demands Repairs!", 700, Alert::kRepair};
    g.Show({bill, kTax}, 700.99);
    Click(g.screen, "Command6");  // nothing selected: nothing happens
    ClickRow(g.alerts, 0);
    const std::string described = TextOf(g.screen, "AlertMessage");
    Click(g.screen, "Command6");
    EXPECT_EQ(g.Lines().size(), 2u);
    EXPECT_EQ(g.game.state.Cash, 700.99);
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), described);

    g.game.state.Cash = 701;
    Click(g.screen, "Command6");
    EXPECT_EQ(g.game.state.Cash, 1);
    EXPECT_EQ(TextOf(g.screen, "CashBar"), "$1");
    EXPECT_EQ(g.Lines(), std::vector<std::string>{kTax.text});
    // The first alert left is selected and described.
    EXPECT_EQ(g.alerts->selectedItems().size(), 1);
    EXPECT_EQ(g.alerts->currentRow(), 0);
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), kTaxText);
    EXPECT_TRUE(g.shell.dialogs.shown.empty());
}

TEST(MainScreenAlerts, PayingTheLastAlertSaysSo) {
    AlertScreen g;
    g.Show({kPenalty}, 2000);
    ClickRow(g.alerts, 0);
    Click(g.screen, "Command6");
    EXPECT_EQ(g.game.state.Cash, 2000 - 15);  // the cents of the bill are dropped
    EXPECT_TRUE(g.Lines().empty());
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), "Payment has been made!");
    EXPECT_EQ(TextOf(g.screen, "CashBar"), "$1,985");
    EXPECT_EQ(TextOf(g.screen, "VarLabel_2"), "$1,986");
}

TEST(MainScreenAlerts, PayAllPaysFromTheTopUntilOneCannotBePaid) {
    const struct {
        const char* what;
        std::vector<Alert> alerts;
        double cash;
        double cashAfter;
        std::vector<std::string> left;
        std::string message;
    } cases[] = {
        {"all paid", {kRepair, kPenalty}, 2000, 2000 - 523 - 15, {}, "Payment has been made!"},
        {"the first too dear stops the run",
         {{"Renter Demands Repairs!", 3000, -1}, {"Renter Demands Repairs!", 100, -1}},
         2000,
         2000,
         {"Renter Demands Repairs!", "Renter Demands Repairs!"},
         "Renter Demands Repairs!. It will cost you $3,000.  Failing to pay may cause you "
         "trouble down the road."},
        {"paid down to the one too dear", {kRepair, kTax}, 2000, 2000 - 523, {kTax.text}, kTaxText},
    };
    for (const auto& c : cases) {
        AlertScreen g;
        g.Show(c.alerts, c.cash);
        Click(g.screen, "Command9");
        EXPECT_EQ(g.game.state.Cash, c.cashAfter) << c.what;
        EXPECT_EQ(g.Lines(), c.left) << c.what;
        EXPECT_EQ(TextOf(g.screen, "AlertMessage"), c.message) << c.what;
        EXPECT_EQ(TextOf(g.screen, "CashBar"), Format(c.cashAfter, "$###,###")) << c.what;
    }
}

TEST(MainScreenAlerts, IgnoreDropsRepairRequestsButNeverTaxes) {
    AlertScreen g;
    g.Show({kTax, kRepair, kPenalty}, 2000);
    ClickRow(g.alerts, 0);
    Click(g.screen, "Command8");
    EXPECT_EQ(g.Lines().size(), 3u);
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), kTaxText);

    ClickRow(g.alerts, 1);
    Click(g.screen, "Command8");
    EXPECT_EQ(g.Lines(), (std::vector<std::string>{kTax.text, kPenalty.text}));
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), kTaxText);  // the first is described
    EXPECT_EQ(g.alerts->currentRow(), 0);
    EXPECT_EQ(g.game.state.Cash, 2000);

    ClickRow(g.alerts, 1);
    Click(g.screen, "Command8");  // a back-tax penalty is a tax too
    EXPECT_EQ(g.Lines().size(), 2u);

    // The last request ignored empties the list.
    g.Show({kRepair}, 2000);
    ClickRow(g.alerts, 0);
    Click(g.screen, "Command8");
    EXPECT_TRUE(g.Lines().empty());
    EXPECT_EQ(TextOf(g.screen, "AlertMessage"), "Request has been ignored!");
}

// ------------------------------------------------------- a year in it --

TEST(BuyingLife, BuyMoveInAndLiveAYearWithTaxesAndAppreciation) {
    AlertScreen g;
    g.game.state.MonthlyIncome = "4800";
    g.game.state.Cash = 40000;  // a life's savings so far
    WriteListing(g.shell, "5", With(SampleHouse(), "MAJOR13", "0"));  // sound: tenants come
    GameScreen* screen = g.screen;

    // Through the agent to the banker, and the deal.
    Click(screen, "Command4");
    g.browser = g.registry.Find<RealEstate>();
    ASSERT_NE(g.browser, nullptr);
    BANKER* banker = g.BankerFor("5");
    ASSERT_NE(banker, nullptr);
    Click(banker, "Command1");
    g.Settle();
    ASSERT_EQ(g.game.ledger.Count(), 1u);
    EXPECT_EQ(g.game.state.Cash, 40000 - 23690);

    // Into the first unit of the new home.
    Click(screen, "Command2");
    OurHome* home = g.registry.Find<OurHome>();
    ASSERT_NE(home, nullptr);
    ClickRow(Control<QListWidget>(home, "ListHomes"), 0);
    Click(home, "Command3");
    ChooseUnit* units = g.registry.Find<ChooseUnit>();
    ASSERT_NE(units, nullptr);
    Click(units, "Command1");
    g.Settle();
    EXPECT_EQ(g.game.ledger.Row(0).units,
              (std::vector<UnitState>{UnitState::Living, UnitState::Unrented}));
    EXPECT_EQ(g.game.state.LivingCost, 1150);  // rent 700 and half of the utilities
    EXPECT_EQ(g.game.state.Cash, 15310);
    EXPECT_FALSE(Control<QLabel>(screen, "HOMELESSPIC")->isVisible());

    // Each month: the vacant unit's draw (a tenant moves in at once, then
    // stays), ten market draws that all land on the owned listing (so the
    // market stands still), and a repair draw for the let unit: one request,
    // of 523, in June.
    const std::int64_t kOwnListing = 6;  // listing "5" is draw 6 of 80
    for (int month = 1; month <= 12; ++month) {
        g.shell.random.Push(month == 1 ? 1 : 2);
        for (int i = 0; i < 10; ++i) g.shell.random.Push(kOwnListing);
        g.shell.random.Push(month == 5 ? 3 : 5);
        if (month == 5) g.shell.random.Push(423);
        Click(screen, "Command1");
        ASSERT_EQ(g.shell.random.Remaining(), 0u) << "month " << month;
        if (month == 1) {
            EXPECT_EQ(g.game.ledger.Row(0).units[1], UnitState::Rented);
            EXPECT_EQ(g.game.ledger.Row(0).principal, 88529);
            EXPECT_EQ(TextOf(screen, "CF"), "$4,408");
            EXPECT_EQ(TextOf(screen, "Label8"), "$1,400");
        }
    }

    // The calendar has turned: taxes are due, the request has grown by 3%.
    EXPECT_EQ(TextOf(screen, "CurrentDateDisplay"), "January 2027");
    ASSERT_EQ(g.game.alerts.size(), 2u);
    EXPECT_EQ(g.game.alerts[0].amount, 538);
    EXPECT_EQ(g.game.alerts[1].text, "(2026) Taxes are due for 12  Elm Street");
    EXPECT_EQ(g.game.alerts[1].amount, 1060);
    EXPECT_EQ(g.Lines(), (std::vector<std::string>{"Renter Demands Repairs!",
                                                   "(2026) Taxes are due for 12  Elm Street"}));

    // The home, its neighbourhood and its rent have appreciated.
    const OwnedHome& owned = g.game.ledger.Row(0);
    EXPECT_EQ(owned.value, 109272);
    EXPECT_EQ(owned.purchaseValue, 106090);
    EXPECT_EQ(owned.neighbourhood, 127159);
    EXPECT_EQ(owned.rent, 721);
    EXPECT_EQ(owned.waitPeriod, 0);
    EXPECT_EQ(g.game.state.AppreciationYears, 1);
    EXPECT_EQ(g.game.state.PlayerAge, "31");

    // Eleven months of 1400 rent and one of 1442, less 641.95 and 1150 each;
    // every month starts from the whole dollars of the month before.
    const double cash = 15310 + 11 * 4408 + 4450.05;
    EXPECT_NEAR(CashOf(g.game.state), cash, 1e-6);
    EXPECT_EQ(TextOf(screen, "CashBar"), Format(cash, "$###,###"));
    EXPECT_EQ(TextOf(screen, "Label8"), "$1,442");

    EXPECT_EQ(g.shell.dialogs.Texts(),
              (std::vector<std::string>{
                  kApproved, "Enjoy your move!",
                  "Congratulations, your homes have increased in value this year by $3,183\r\n"
                  "Rent has increased by: $21"}));

    // The browser, still open, shows the home as taken.
    g.ScrollTo("5");
    EXPECT_TRUE(Control<QLabel>(g.browser, "SOLDIMAGE")->isVisible());

    // The taxes are paid from the main screen.
    ClickRow(g.alerts, 1);
    Click(screen, "Command6");
    EXPECT_NEAR(CashOf(g.game.state), cash - 1060, 1e-6);
    EXPECT_EQ(g.Lines(), std::vector<std::string>{"Renter Demands Repairs!"});
}

}  // namespace
}  // namespace deedwell::testing
