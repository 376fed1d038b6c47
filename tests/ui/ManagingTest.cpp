// Managing the homes the player owns: the portfolio, the construction
// manager, the payment window and the bank window, driven through their
// controls.

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <filesystem>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "finance/Loans.h"
#include "market/Listings.h"
#include "property/PropertyFixture.h"
#include "support/Homes.h"
#include "ui/GameScreen.h"
#include "ui/Improve.h"
#include "ui/MakePayment.h"
#include "ui/Mortgage.h"
#include "ui/RealEstate.h"
#include "ui/ViewProperties.h"

namespace deedwell::testing {
namespace {

using ui::GameScreen;
using ui::Improve;
using ui::MakePayment;
using ui::Mortgage;
using ui::ViewProperties;

using Entry = RecordingDialogs::Entry;

// A whole listing record as the market writes it; `changes` replace or add keys.
Keys ListingKeys(const Keys& changes) {
    Keys keys{{"HOUSEcAT", "2"},   {"HOUSESTAGE", "1"},   {"ADDRESS", "12 Lake Drive"},
              {"PRICE", "100000"}, {"SF", "1800"},        {"BR", "3"},
              {"BATH", "2"},       {"DESC", "Unknown"},   {"OF", "0"},
              {"CONDITION", "1"},  {"INT", "8"},          {"BUILT", "1961"},
              {"TAXES", "1000"},   {"APRAISE", "100000"}, {"LAND", ".25 Acre(s)"},
              {"TYPE", "2"},       {"UNITS", "2"},        {"ERENT", "800"},
              {"READY", "1"},      {"SERIOUS", "1"},      {"KITCHEN", "1"},
              {"BATHSTAGE", "2"},  {"NVALUE", "123456"}};
    for (int n = 11; n <= 18; ++n) keys.push_back({"MAJOR" + std::to_string(n), "0"});
    keys.push_back({"ENDHERE", "FINISHED"});
    for (const auto& [key, value] : changes) {
        bool replaced = false;
        for (auto& entry : keys) {
            if (entry.first == key) {
                entry.second = value;
                replaced = true;
            }
        }
        if (!replaced) keys.push_back({key, value});
    }
    return keys;
}

struct ManagingGame : UiGame {
    ManagingGame() {
        game.state.Cash = 100000;
        // The pictures of the category the homes here are built in, and the rooms.
        namespace fs = std::filesystem;
        const fs::path source = DEEDWELL_SOURCE_DATA;
        for (const char* folder : {"realestate/2", "homecreation"}) {
            fs::copy(source / folder, shell.dir.Path() / folder, fs::copy_options::recursive);
        }
    }

    // Writes listing `number` and books it as the banker does: 20 % down and
    // 6 % closing costs at 8 % over 30 years, every unit vacant.
    OwnedHome& Buy(const std::string& number, const Keys& changes = {}) {
        WriteListing(shell, number, ListingKeys(changes));
        const Listing listing = ReadListing(shell.records, number);
        EXPECT_TRUE(listing.usable) << number;
        return game.ledger.Append(BookedPurchase(listing));
    }

    ViewProperties* OpenPortfolio() { return registry.ShowUnlessShowing<ViewProperties>(); }
};

bool HasPicture(QWidget* window, const char* name) {
    auto* label = Control<QLabel>(window, name);
    return label && !label->pixmap().isNull();
}

std::vector<std::string> Lines(QWidget* window, const char* listName) {
    std::vector<std::string> lines;
    auto* list = Control<QListWidget>(window, listName);
    if (!list) return lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
}

void Type(QWidget* window, const char* boxName, const char* text) {
    if (auto* box = Control<QLineEdit>(window, boxName)) box->setText(QString::fromUtf8(text));
}

std::string BoxText(QWidget* window, const char* boxName) {
    auto* box = Control<QLineEdit>(window, boxName);
    return box ? box->text().toStdString() : std::string("<missing>");
}

std::string ButtonText(QWidget* window, const char* name) {
    auto* button = Control<QPushButton>(window, name);
    return button ? button->text().toStdString() : std::string("<missing>");
}

bool Enabled(QWidget* window, const char* name) {
    auto* control = Control<QWidget>(window, name);
    return control && control->isEnabled();
}

// ---------------------------------------------------------------- portfolio --

TEST(Portfolio, ShowsEveryFigureOfTheHomeAtTheScrollPosition) {
    ManagingGame g;
    OwnedHome& first = g.Buy("70", {{"CONDITION", "2"}});
    first.rent = 650.75;
    first.units = {UnitState::Rented, UnitState::Living, UnitState::Rented};
    OwnedHome& second = g.Buy("71", {{"ADDRESS", "9 Mill Lane"}, {"UNITS", "1"}});
    second.value = 150000;
    second.principal = 120000.5;

    ViewProperties* portfolio = g.OpenPortfolio();
    EXPECT_EQ(portfolio->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_EQ(TextOf(portfolio, "Label1"), "My Real Estate Portfolio");
    EXPECT_EQ(TextOf(portfolio, "CashBar"), "$100,000");
    EXPECT_FALSE(Control<QLabel>(portfolio, "NoneLabel")->isVisible());
    auto* scroll = Control<QScrollBar>(portfolio, "HOUSE");
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->orientation(), Qt::Vertical);
    EXPECT_EQ(scroll->minimum(), 1);
    EXPECT_EQ(scroll->maximum(), 2);
    EXPECT_EQ(scroll->value(), 1);

    auto expectFirst = [&] {
        EXPECT_EQ(TextOf(portfolio, "Label2_0"), "12 Lake Drive");
        EXPECT_EQ(TextOf(portfolio, "HomeValue"), "$100,000");
        EXPECT_EQ(TextOf(portfolio, "mPAyment"), "$623");  // 623.25 on a loan of 86000
        EXPECT_EQ(TextOf(portfolio, "Label7"), "$86,000");
        EXPECT_EQ(TextOf(portfolio, "Label8"), "8% / 30 Years");
        EXPECT_EQ(TextOf(portfolio, "ConditionBar"), "Average");
        EXPECT_EQ(TextOf(portfolio, "Label12"), "$123,456");
        EXPECT_EQ(Lines(portfolio, "List1"),
                  (std::vector<std::string>{"Unit 1:  RENTED For $651", "Unit 2:  LIVING",
                                            "Unit 3:  RENTED For $651"}));
        // Collected keeps the last rent's cents; what could be counts whole dollars.
        EXPECT_EQ(TextOf(portfolio, "Label5"), "$1,301 of out $1,950");
        EXPECT_TRUE(HasPicture(portfolio, "cHousePicture_0"));
    };
    expectFirst();

    scroll->setValue(2);
    EXPECT_EQ(TextOf(portfolio, "Label2_0"), "9 Mill Lane");
    EXPECT_EQ(TextOf(portfolio, "HomeValue"), "$150,000");
    EXPECT_EQ(TextOf(portfolio, "Label7"), "$120,001");
    EXPECT_EQ(TextOf(portfolio, "ConditionBar"), "Bad");
    EXPECT_EQ(Lines(portfolio, "List1"), (std::vector<std::string>{"Unit 1:  UNRENTED"}));
    EXPECT_EQ(TextOf(portfolio, "Label5"), "$0 of out $800");

    scroll->setValue(1);
    expectFirst();

    const std::pair<const char*, const char*> captions[] = {{"HomeValuex", "Home Value:"},
                                                            {"Label4", "Mortgage Payment"},
                                                            {"Label6", "Mortgage:"},
                                                            {"Label9", "Interest Rate:"},
                                                            {"Label3", "Rent Collected:"},
                                                            {"Label11", "Condtion:"},
                                                            {"Label10", "Neighborhood Value:"},
                                                            {"cUnits", "Units:"}};
    for (auto [name, caption] : captions) EXPECT_EQ(TextOf(portfolio, name), caption);
    EXPECT_EQ(ButtonText(portfolio, "Command1"), "MAKE MORTGAGE PAYMENT");
    EXPECT_EQ(ButtonText(portfolio, "Command2"), "MAKE IMPROVEMENT");
}

TEST(Portfolio, WithNoHomesShowsNoneAndItsButtonsDoNothing) {
    ManagingGame g;
    ViewProperties* portfolio = g.OpenPortfolio();
    EXPECT_TRUE(Control<QLabel>(portfolio, "NoneLabel")->isVisible());
    EXPECT_EQ(TextOf(portfolio, "NoneLabel"), "NONE");
    EXPECT_EQ(TextOf(portfolio, "CashBar"), "$100,000");
    EXPECT_EQ(TextOf(portfolio, "Label2_0"), "Address");
    EXPECT_FALSE(Enabled(portfolio, "HOUSE"));
    EXPECT_EQ(portfolio->ShownRow(), -1);

    Click(portfolio, "Command1");
    Click(portfolio, "Command2");
    portfolio->MakeMortgagePaymentClick();
    portfolio->MakeImprovementClick();
    EXPECT_FALSE(g.registry.IsShowing<MakePayment>());
    EXPECT_FALSE(g.registry.IsShowing<Improve>());
    EXPECT_TRUE(g.game.state.CurrentHouseNo.empty());
}

TEST(Portfolio, MainScreenOpensThePortfolioAndTheBankOnce) {
    ManagingGame g;
    GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();
    for (const char* button : {"Command3", "Command5"}) {
        EXPECT_TRUE(Enabled(screen, button)) << button;
    }
    Click(screen, "Command3");
    ViewProperties* portfolio = g.registry.Find<ViewProperties>();
    ASSERT_NE(portfolio, nullptr);
    Click(screen, "Command3");
    EXPECT_EQ(g.registry.Find<ViewProperties>(), portfolio);

    Click(screen, "Command5");
    Mortgage* bank = g.registry.Find<Mortgage>();
    ASSERT_NE(bank, nullptr);
    Click(screen, "Command5");
    EXPECT_EQ(g.registry.Find<Mortgage>(), bank);
}

TEST(Portfolio, EachWindowRunsItsHintOnceItHasBeenOpenAMoment) {
    ManagingGame g;
    g.Buy("70");
    GameState& s = g.game.state;
    s.HintSixMonthsShown = true;
    g.registry.ShowUnlessShowing<Mortgage>();
    EXPECT_FALSE(s.HintMortgageShown);  // not before its timer
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.HintMortgageShown; }, 5000));

    ViewProperties* portfolio = g.OpenPortfolio();
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.HintViewPropertiesShown; }, 5000));

    Click(portfolio, "Command2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.HintImproveShown; }, 5000));
}

// ----------------------------------------------------------- payment window --

TEST(PaymentWindow, FollowsTheHomeThePortfolioShowsAndClosesWithIt) {
    ManagingGame g;
    g.Buy("70").principal = 50000;
    g.Buy("71").principal = 80000.4;
    ViewProperties* portfolio = g.OpenPortfolio();
    Click(portfolio, "Command1");
    MakePayment* payment = g.registry.Find<MakePayment>();
    ASSERT_NE(payment, nullptr);
    EXPECT_EQ(payment->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_EQ(TextOf(payment, "CashBar"), "$100,000");
    EXPECT_EQ(TextOf(payment, "Label1"), "Choose Payment Amount");
    EXPECT_EQ(TextOf(payment, "Label2"), "Mortgage Note: $50,000");
    EXPECT_EQ(BoxText(payment, "Text1"), "50,000");

    Control<QScrollBar>(portfolio, "HOUSE")->setValue(2);
    EXPECT_EQ(TextOf(payment, "Label2"), "Mortgage Note: $80,000");
    EXPECT_EQ(BoxText(payment, "Text1"), "80,000");
    // A second press keeps the one window.
    Click(portfolio, "Command1");
    EXPECT_EQ(g.registry.Find<MakePayment>(), payment);

    // The payment goes to the home both windows show.
    Type(payment, "Text1", "1000");
    Click(payment, "Command1");
    EXPECT_EQ(g.shell.dialogs.Texts(),
              (std::vector<std::string>{"Your payment has been posted to your mortgage."}));
    EXPECT_DOUBLE_EQ(g.game.ledger.Row(1).principal, 79000.4);
    EXPECT_DOUBLE_EQ(g.game.ledger.Row(0).principal, 50000);
    EXPECT_EQ(g.game.state.Cash, 99000);
    g.Settle();
    EXPECT_FALSE(g.registry.IsShowing<MakePayment>());
    EXPECT_EQ(TextOf(portfolio, "Label7"), "$79,000");
    EXPECT_EQ(TextOf(portfolio, "CashBar"), "$99,000");

    Click(portfolio, "Command1");
    ASSERT_TRUE(g.registry.IsShowing<MakePayment>());
    portfolio->close();
    EXPECT_FALSE(g.registry.IsShowing<MakePayment>());
}

struct PaymentCase {
    const char* typed;
    double cash;
    const char* message;   // "" for none
    const char* boxAfter;  // the box after the press, when the window stays
    double principalAfter;
    double cashAfter;
};

TEST(PaymentWindow, RefusesWhatCannotBePaidAndPaysWholeDollars) {
    const char* tooSmall = "Please enter a payment amount of at least $1.";
    const char* posted = "Your payment has been posted to your mortgage.";
    const PaymentCase cases[] = {
        {"abc", 10000, tooSmall, "abc", 50000, 10000},
        {"0", 10000, tooSmall, "0", 50000, 10000},
        {"-5", 10000, tooSmall, "-5", 50000, 10000},
        {"0.75", 10000, tooSmall, "0.75", 50000, 10000},
        {"2,500.99", 10000.6, posted, nullptr, 47500, 7500},
        {"10000", 10000, "", "10000", 50000, 10000},
        {"20000", 10000, "Not enough cash in the bank folks.", "20000", 50000, 10000},
        {"60000", 90000,
         "You cannot pay more on your mortgage then what you owe.  I have set the MAX amount "
         "you can pay in the box for you.",
         "50000", 50000, 90000},
        {"", 10000, "", "50000", 50000, 10000},
    };
    for (const PaymentCase& c : cases) {
        SCOPED_TRACE(c.typed);
        ManagingGame g;
        g.game.state.Cash = c.cash;
        OwnedHome& home = g.Buy("70");
        home.principal = 50000;
        const double paymentBefore = home.payment;
        Click(g.OpenPortfolio(), "Command1");
        MakePayment* window = g.registry.Find<MakePayment>();
        ASSERT_NE(window, nullptr);
        Type(window, "Text1", c.typed);
        Click(window, "Command1");
        g.Settle();

        const std::string message = c.message;
        EXPECT_EQ(g.shell.dialogs.Texts(),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        EXPECT_DOUBLE_EQ(g.game.ledger.Row(0).principal, c.principalAfter);
        EXPECT_DOUBLE_EQ(g.game.ledger.Row(0).payment, paymentBefore);
        EXPECT_DOUBLE_EQ(CashOf(g.game.state), c.cashAfter);
        EXPECT_EQ(g.registry.IsShowing<MakePayment>(), c.boxAfter != nullptr);
        if (c.boxAfter) {
            EXPECT_EQ(BoxText(window, "Text1"), c.boxAfter);
        }
    }
}

TEST(PaymentWindow, PayingOffAllButCentsCountsTheHomeAsPaidOff) {
    ManagingGame g;
    OwnedHome& home = g.Buy("70");
    home.principal = 94321.77;
    home.units = {UnitState::Living, UnitState::Rented};
    Click(g.OpenPortfolio(), "Command1");
    MakePayment* window = g.registry.Find<MakePayment>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(BoxText(window, "Text1"), "94,322");

    Click(window, "Command1");
    EXPECT_EQ(BoxText(window, "Text1"), "94321.77");
    Click(window, "Command1");

    const std::vector<Entry>& shown = g.shell.dialogs.shown;
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text,
              "You cannot pay more on your mortgage then what you owe.  I have set the MAX amount "
              "you can pay in the box for you.");
    EXPECT_EQ(shown[1].text, "Your payment has been posted to your mortgage.");
    EXPECT_EQ(shown[2].kind, "plain");
    EXPECT_EQ(shown[2].text, "One Of Your Homes is Paid Off!");
    EXPECT_EQ(shown[3].text, "Now you are living here mortgage free and paying yourself rent!");
    EXPECT_NEAR(g.game.ledger.Row(0).principal, 0.77, 1e-9);
    EXPECT_EQ(g.game.ledger.Row(0).payment, 0);
    EXPECT_EQ(g.game.state.Cash, 100000 - 94321);
}

// ------------------------------------------------------ construction manager --

TEST(ConstructionManager, ShowsItsHomeWithPricesPicturesAndRepairs) {
    ManagingGame g;
    OwnedHome& home = g.Buy("70", {{"MAJOR13", "1"}, {"MAJOR17", "1"}});
    home.units = {UnitState::Rented, UnitState::Unrented};
    home.rent = 700.9;
    Click(g.OpenPortfolio(), "Command2");
    Improve* improve = g.registry.Find<Improve>();
    ASSERT_NE(improve, nullptr);
    EXPECT_EQ(g.game.state.CurrentHouseNo, "1");
    EXPECT_EQ(improve->windowTitle().toStdString(), "Construction Manager");
    EXPECT_FALSE(improve->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(improve->windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(TextOf(improve, "Label1"), "CONSTRUCTION MANAGER");
    EXPECT_EQ(TextOf(improve, "CashBar"), "$100,000");
    EXPECT_EQ(TextOf(improve, "AddressSpot"), "12 Lake Drive");
    EXPECT_EQ(TextOf(improve, "HomeValue"), "$100,000");
    EXPECT_EQ(TextOf(improve, "Label7"), "$86,000");
    EXPECT_EQ(TextOf(improve, "Label8"), "8% / 30 Years");
    EXPECT_EQ(TextOf(improve, "mPAyment"), "$623");
    EXPECT_EQ(TextOf(improve, "NVAL"), "$123,456");
    EXPECT_EQ(TextOf(improve, "KitchenCost"), "$10,000");
    EXPECT_EQ(TextOf(improve, "BathCost"), "$7,000");
    EXPECT_EQ(Control<QLabel>(improve, "KitchenCost")->toolTip().toStdString(), "Cost to Upgrade");
    EXPECT_EQ(Lines(improve, "List1"),
              (std::vector<std::string>{"Unit 1:  RENTED For $700", "Unit 2:  UNRENTED"}));
    EXPECT_EQ(TextOf(improve, "Label5"), "$700 of out $1,400");
    EXPECT_EQ(TextOf(improve, "ConditionBar"), "Bad");
    EXPECT_EQ(ButtonText(improve, "Command1"), "Required Repairs  $50000");
    EXPECT_EQ(ButtonText(improve, "Command2"), "Improvements $30000");
    for (const char* picture : {"cHousePicture_0", "SmallKitchen", "SmallBathroom"}) {
        EXPECT_TRUE(HasPicture(improve, picture)) << picture;
    }

    const char* repairs[] = {"Electrical is in good condition.", "Roof must be replaced.",
                             "Flooring is in good condition.",   "Plumbing is in good condition.",
                             "Foundation is in good condition.", "Landscaping must be replaced.",
                             "Carpet is in good condition."};
    for (int k = 0; k < 7; ++k) {
        const std::string name = "MajorRepairs_" + std::to_string(k);
        auto* button = Control<QPushButton>(improve, name.c_str());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), repairs[k]);
        EXPECT_EQ(button->isEnabled(), k == 1 || k == 5) << name;
    }
}

TEST(ConstructionManager, ConditionButtonsFollowTheExterior) {
    struct Case {
        const char* condition;
        const char* shown;
        bool repairs;
        bool improvement;
    };
    const Case cases[] = {
        {"1", "Bad", true, true}, {"2", "Average", false, true}, {"3", "Excellent", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.condition);
        ManagingGame g;
        g.Buy("70", {{"CONDITION", c.condition}});
        Click(g.OpenPortfolio(), "Command2");
        Improve* improve = g.registry.Find<Improve>();
        ASSERT_NE(improve, nullptr);
        EXPECT_EQ(TextOf(improve, "ConditionBar"), c.shown);
        EXPECT_EQ(Enabled(improve, "Command1"), c.repairs);
        EXPECT_EQ(Enabled(improve, "Command2"), c.improvement);
    }
}

TEST(ConstructionManager, ABadHomeTakesTheImprovementStraightToExcellent) {
    ManagingGame g;
    g.Buy("70");
    g.shell.random.Push(10);  // value +48000 on 30000
    Click(g.OpenPortfolio(), "Command2");
    Improve* improve = g.registry.Find<Improve>();
    Click(improve, "Command2");

    const OwnedHome& home = g.game.ledger.Row(0);
    EXPECT_EQ(home.condition, 3);
    EXPECT_EQ(home.stage, 3);
    EXPECT_EQ(home.value, 148000);
    EXPECT_EQ(g.game.state.Cash, 70000);
    EXPECT_EQ(TextOf(improve, "ConditionBar"), "Excellent");
    EXPECT_FALSE(Enabled(improve, "Command1"));
    EXPECT_FALSE(Enabled(improve, "Command2"));
    EXPECT_EQ(TextOf(g.registry.Find<ViewProperties>(), "ConditionBar"), "Excellent");
}

TEST(ConstructionManager, RefusalsChangeNothing) {
    ManagingGame g;
    g.Buy("70", {{"KITCHEN", "3"}, {"MAJOR13", "1"}});
    g.game.state.Cash = 6999.5;  // the bath costs 7000, the roof 5000
    Click(g.OpenPortfolio(), "Command2");
    Improve* improve = g.registry.Find<Improve>();

    Click(improve, "Command3");
    Click(improve, "Command6");
    g.shell.dialogs.answers = {false};
    Click(improve, "MajorRepairs_1");

    const std::vector<Entry>& shown = g.shell.dialogs.shown;
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "You cannot make further upgrades");
    EXPECT_EQ(shown[1].text, "You dont have the available funds.");
    EXPECT_EQ(shown[2].kind, "question");
    EXPECT_EQ(shown[2].title, "Would you like to make the repairs?");
    EXPECT_EQ(shown[2].text,
              "The cost of the repairs is $5,000, would you like to make the repairs?");

    // Yes, but short of cash: nothing, silently.
    g.game.state.Cash = 4999;
    Click(improve, "MajorRepairs_1");
    EXPECT_EQ(shown.size(), 4u);

    const OwnedHome& home = g.game.ledger.Row(0);
    EXPECT_EQ(home.kitchen, 3);
    EXPECT_EQ(home.bathroom, 2);
    EXPECT_TRUE(home.Major(13));
    EXPECT_EQ(home.value, 100000);
    EXPECT_EQ(home.rent, 800);
    EXPECT_EQ(g.game.state.Cash, 4999);
    EXPECT_TRUE(Enabled(improve, "MajorRepairs_1"));
    EXPECT_TRUE(g.shell.random.asked.empty());
}

TEST(ConstructionManager, KeepsTheHomeItWasOpenedForWhateverTheBrowserShows) {
    ManagingGame g;
    g.Buy("70");
    g.Buy("71", {{"ADDRESS", "9 Mill Lane"}});
    ViewProperties* portfolio = g.OpenPortfolio();
    Click(portfolio, "Command2");
    Improve* improve = g.registry.Find<Improve>();
    ASSERT_NE(improve, nullptr);
    EXPECT_EQ(improve->Row(), 0u);

    // The listing browser makes the listing it shows the game's current house.
    ui::RealEstate* browser = g.registry.ShowUnlessShowing<ui::RealEstate>();
    auto* select = browser->findChild<QScrollBar*>(QStringLiteral("HouseSelect"));
    if (select && select->maximum() >= 2) {
        select->setValue(2);
    } else {
        g.game.state.CurrentHouseNo = "2";
    }
    ASSERT_NE(g.game.state.CurrentHouseNo, "1");

    g.shell.random.Push(5);
    Click(improve, "Command6");
    EXPECT_EQ(g.game.ledger.Row(0).bathroom, 3);
    EXPECT_EQ(g.game.ledger.Row(0).value, 100000 + 0.8 * 7000 * 1.5);
    EXPECT_EQ(g.game.ledger.Row(1).bathroom, 2);
    EXPECT_EQ(g.game.ledger.Row(1).value, 100000);

    // "MAKE IMPROVEMENT" on the second home opens the window afresh for it.
    Control<QScrollBar>(portfolio, "HOUSE")->setValue(2);
    Click(portfolio, "Command2");
    g.Settle();
    Improve* second = g.registry.Find<Improve>();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Row(), 1u);
    EXPECT_EQ(TextOf(second, "AddressSpot"), "9 Mill Lane");
}

// ------------------------------------------------------------- bank window --

TEST(BankWindow, ListsTheHomesAndShowsTheFiguresAsTheAmountIsTyped) {
    ManagingGame g;
    OwnedHome& first = g.Buy("70");
    first.value = 150000;
    first.principal = 105000;
    OwnedHome& second = g.Buy("71", {{"ADDRESS", "9 Mill Lane"}, {"UNITS", "1"}});
    second.value = 120000.6;
    second.principal = 100000;
    second.waitPeriod = 0;
    Mortgage* bank = g.registry.ShowUnlessShowing<Mortgage>();
    EXPECT_TRUE(bank->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(bank->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_EQ(TextOf(bank, "CashBar"), "$100,000");
    EXPECT_EQ(TextOf(bank, "Label3"), "We Offer Banking Services For Your Following Properties");
    EXPECT_EQ(TextOf(bank, "Label1"), "Select The Type Of Loan");
    EXPECT_EQ(TextOf(bank, "Label2"), "Desired Loan Amount (As Shown Or Less)");
    auto* type = Control<QRadioButton>(bank, "LoanType_0");
    EXPECT_EQ(type->text().toStdString(), "Home Equity Loan");
    EXPECT_TRUE(type->isChecked());
    EXPECT_EQ(Lines(bank, "ListHomes"),
              (std::vector<std::string>{"12 Lake Drive (2 Units with $45,000 Equity ) 6 Months",
                                        "9 Mill Lane (1 Units with $20,001 Equity ) "}));

    // The first home is selected and its loan offered.
    EXPECT_EQ(Control<QListWidget>(bank, "ListHomes")->currentRow(), 0);
    EXPECT_EQ(BoxText(bank, "DesiredLoan"), "44999");
    const char* info[] = {
        "Home Equity: ", "Note Amount: ", "Monthly Payment: ", "Financing Fees: "};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(TextOf(bank, ("LoanInfo_" + std::to_string(i)).c_str()), info[i]);
    }
    EXPECT_EQ(TextOf(bank, "LoanAmount_0"), "$45,000");
    EXPECT_EQ(TextOf(bank, "LoanAmount_1"), "$44,999");
    EXPECT_TRUE(HasPicture(bank, "HousePicture"));

    Type(bank, "DesiredLoan", "$20,000");
    EXPECT_EQ(TextOf(bank, "LoanAmount_1"), "$20,000");
    EXPECT_EQ(TextOf(bank, "LoanAmount_2"), "$145");
    EXPECT_EQ(TextOf(bank, "LoanAmount_3"), "$400");
    EXPECT_EQ(g.game.state.NewLoanAmount, 20000);
    Type(bank, "DesiredLoan", "abc");
    EXPECT_EQ(TextOf(bank, "LoanAmount_1"), "$0");
    Type(bank, "DesiredLoan", "");
    EXPECT_EQ(BoxText(bank, "DesiredLoan"), "0");

    // Selecting the second home offers its equity less at least 51 cents.
    auto* list = Control<QListWidget>(bank, "ListHomes");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(BoxText(bank, "DesiredLoan"), "20000");
    EXPECT_EQ(TextOf(bank, "LoanAmount_0"), "$20,001");
}

TEST(BankWindow, WithNoHomesNothingCanBeSigned) {
    ManagingGame g;
    Mortgage* bank = g.registry.ShowUnlessShowing<Mortgage>();
    EXPECT_FALSE(Enabled(bank, "ListHomes"));
    EXPECT_FALSE(Enabled(bank, "Command1"));
    EXPECT_EQ(BoxText(bank, "DesiredLoan"), "0");
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(TextOf(bank, ("LoanInfo_" + n).c_str()), "Equity:");
        EXPECT_EQ(TextOf(bank, ("LoanAmount_" + n).c_str()), "0");
    }
    bank->SignThePapersClick();
    EXPECT_TRUE(g.shell.dialogs.shown.empty());
}

TEST(BankWindow, SignsOnlyAmountsOfADollarUpToTheEquity) {
    const std::string tooSmall = "Please enter a loan amount of at least $1.";
    const std::string noEquity =
        "You cannot borrow this amount.  You do not have enough equity in your home.";
    struct Case {
        const char* typed;
        std::string message;
        bool signed_;
        double cash;
        double payment;
        double principal;
    };
    const auto thanks = [](const char* fee) {
        return "We thank you for your business.  You have paid financing fees of " +
               std::string(fee) + " for this transaction.";
    };
    const Case cases[] = {
        {"abc", tooSmall, false, 10000, 641, 105000.75},
        {"", tooSmall, false, 10000, 641, 105000.75},
        {"0", tooSmall, false, 10000, 641, 105000.75},
        {"-5000", tooSmall, false, 10000, 641, 105000.75},
        {"$20,000", thanks("400"), true, 29600, 641 + 145, 125000},
        {"45001", thanks("900.02"), true, 54100.98, 641 + 326, 150001},
        {"45002", noEquity, false, 10000, 641, 105000.75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ManagingGame g;
        g.game.state.Cash = 10000;
        OwnedHome& home = g.Buy("70");
        home.value = 150000.75;
        home.principal = 105000.75;
        home.payment = 641.95;
        home.waitPeriod = 3;
        GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();
        Mortgage* bank = g.registry.ShowUnlessShowing<Mortgage>();
        Type(bank, "DesiredLoan", c.typed);
        Click(bank, "Command1");
        g.Settle();

        EXPECT_EQ(g.shell.dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(g.registry.IsShowing<Mortgage>(), !c.signed_);
        const OwnedHome& after = g.game.ledger.Row(0);
        EXPECT_NEAR(CashOf(g.game.state), c.cash, 1e-6);
        EXPECT_DOUBLE_EQ(after.payment, c.signed_ ? c.payment : 641.95);
        EXPECT_DOUBLE_EQ(after.principal, c.principal);
        EXPECT_EQ(after.waitPeriod, c.signed_ ? 6 : 3);
        EXPECT_EQ(TextOf(screen, "CashBar"), Format(c.cash, "$###,###"));
    }
}

// ---------------------------------------------------------- after a sale --

TEST(ManagingWindows, ASaleClosesEveryWindowThatCountsHomesByRow) {
    ManagingGame g;
    g.Buy("70");
    g.Buy("71");
    ViewProperties* portfolio = g.OpenPortfolio();
    Click(portfolio, "Command1");
    Click(portfolio, "Command2");
    g.registry.ShowUnlessShowing<Mortgage>();
    ASSERT_TRUE(g.registry.IsShowing<MakePayment>() && g.registry.IsShowing<Improve>());

    g.screens.CloseRowWindows();
    EXPECT_FALSE(g.registry.IsShowing<ViewProperties>());
    EXPECT_FALSE(g.registry.IsShowing<MakePayment>());
    EXPECT_FALSE(g.registry.IsShowing<Improve>());
    EXPECT_FALSE(g.registry.IsShowing<Mortgage>());
}

// ---------------------------------------------------------- a home managed --

TEST(ManagingAHome, ImproveRepairBorrowAndPayExtraThroughTheWindows) {
    ManagingGame g;
    g.Buy("70", {{"MAJOR13", "1"}}).units = {UnitState::Rented, UnitState::Unrented};
    GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();

    Click(screen, "Command3");
    ViewProperties* portfolio = g.registry.Find<ViewProperties>();
    ASSERT_NE(portfolio, nullptr);
    EXPECT_EQ(TextOf(portfolio, "Label5"), "$800 of out $1,600");
    Click(portfolio, "Command2");
    Improve* improve = g.registry.Find<Improve>();
    ASSERT_NE(improve, nullptr);

    // Required repairs, 50000: draw 5 raises the value by 60000, the rent by 520.
    g.shell.random.Push(5);
    Click(improve, "Command1");
    // The roof, 5 % of the new value of 160000: draw 1 of 18 loses money.
    g.shell.random.Push(1);
    Click(improve, "MajorRepairs_1");
    EXPECT_EQ(g.shell.random.asked, (std::vector<std::int64_t>{25, 18}));
    EXPECT_EQ(ButtonText(improve, "MajorRepairs_1"), "Roof is in good condition.");
    EXPECT_FALSE(Enabled(improve, "MajorRepairs_1"));
    EXPECT_EQ(TextOf(improve, "ConditionBar"), "Average");
    EXPECT_FALSE(Enabled(improve, "Command1"));
    EXPECT_TRUE(Enabled(improve, "Command2"));
    EXPECT_EQ(TextOf(improve, "CashBar"), "$42,000");
    EXPECT_EQ(TextOf(portfolio, "HomeValue"), "$167,040");
    EXPECT_EQ(TextOf(portfolio, "Label5"), "$1,403 of out $2,806");
    EXPECT_EQ(TextOf(screen, "CashBar"), "$42,000");
    improve->close();

    // Borrow 20000 of the equity of 167040 - 86000.
    Click(screen, "Command5");
    Mortgage* bank = g.registry.Find<Mortgage>();
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(Lines(bank, "ListHomes"),
              (std::vector<std::string>{"12 Lake Drive (2 Units with $81,040 Equity ) 6 Months"}));
    EXPECT_EQ(BoxText(bank, "DesiredLoan"), "81039");
    Type(bank, "DesiredLoan", "20000");
    Click(bank, "Command1");
    g.Settle();
    EXPECT_FALSE(g.registry.IsShowing<Mortgage>());
    EXPECT_EQ(TextOf(screen, "CashBar"), "$61,600");

    // Pay 10,000 off the loan, now 106000.
    Click(portfolio, "Command1");
    MakePayment* payment = g.registry.Find<MakePayment>();
    ASSERT_NE(payment, nullptr);
    EXPECT_EQ(TextOf(payment, "Label2"), "Mortgage Note: $106,000");
    Type(payment, "Text1", "10,000");
    Click(payment, "Command1");
    g.Settle();
    EXPECT_FALSE(g.registry.IsShowing<MakePayment>());

    const std::vector<Entry> expected{
        {"plain", "",
         "Great News! You have invested $50000 into this home and it has appreciated in value by "
         "$60000!  Your hard work has paid off and the bank is very happy!  Even your tenets are "
         "willing to pay you more each month!  Your rent has increased by $520"},
        {"question", "Would you like to make the repairs?",
         "The cost of the repairs is $8,000, would you like to make the repairs?"},
        {"plain", "",
         "Uh-oh!  Your repairs didnt help much! You have invested $8000 into this home but it "
         "only appreciated in value by $7040!  All of this work and you have lost money.  Your "
         "renters agree to pay a marginal increase of $83 each month."},
        {"message", "",
         "We thank you for your business.  You have paid financing fees of 400 for this "
         "transaction."},
        {"message", "", "Your payment has been posted to your mortgage."},
    };
    const std::vector<Entry>& shown = g.shell.dialogs.shown;
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(shown[i].kind, expected[i].kind) << i;
        if (expected[i].kind == "question") {
            EXPECT_EQ(shown[i].title, expected[i].title);
        }
        EXPECT_EQ(shown[i].text, expected[i].text) << i;
    }

    const OwnedHome& home = g.game.ledger.Row(0);
    EXPECT_EQ(home.condition, 2);
    EXPECT_EQ(home.stage, 2);
    EXPECT_FALSE(home.Major(13));
    EXPECT_EQ(home.value, 167040);
    EXPECT_EQ(home.purchaseValue, 100000);
    EXPECT_EQ(home.rent, 800 + 520 + 83);
    EXPECT_EQ(home.principal, 96000);
    EXPECT_EQ(home.payment, 623 + 145);
    EXPECT_EQ(home.waitPeriod, 6);
    EXPECT_EQ(g.game.state.Cash, 51600);
    EXPECT_EQ(TextOf(screen, "CashBar"), "$51,600");
    EXPECT_EQ(TextOf(portfolio, "Label7"), "$96,000");
    EXPECT_EQ(TextOf(portfolio, "mPAyment"), "$768");
    EXPECT_EQ(TextOf(portfolio, "CashBar"), "$51,600");
}

}  // namespace
}  // namespace deedwell::testing
