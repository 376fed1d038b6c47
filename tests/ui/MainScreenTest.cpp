// The main screen after a new game, its refusal to move time for a homeless
// player, and what it draws from the game.

#include <QCheckBox>
#include <QListWidget>

#include "UiFixture.h"
#include "state/NewGame.h"
#include "ui/BarChart.h"
#include "ui/GameScreen.h"
#include "ui/OurHome.h"

namespace deedwell::testing {
namespace {

using ui::BarChart;
using ui::GameScreen;
using ui::OurHome;

struct NewLife : UiGame {
    NewLife() {
        game.state.YearsPlayed = 1;  // as the market's generation leaves it
        NewGameChoices choices;
        choices.name = "Robin";
        choices.age = "30";
        EXPECT_FALSE(StartYourLife(game, choices).has_value());
        shell.dialogs.shown.clear();
        screen = registry.ShowUnlessShowing<GameScreen>();
    }
    GameScreen* screen = nullptr;
};

TEST(MainScreen, ShowsTheNewLife) {
    NewLife g;
    GameScreen* screen = g.screen;
    EXPECT_EQ(screen->windowTitle().toStdString(), "Tarnwick 1.31");
    EXPECT_EQ(TextOf(screen, "CashBar"), "$2,000");
    EXPECT_EQ(TextOf(screen, "VarLabel_0"), "Robin");
    EXPECT_EQ(TextOf(screen, "VarLabel_1"), "30");
    EXPECT_EQ(TextOf(screen, "VarLabel_2"), "$2,001");
    EXPECT_EQ(TextOf(screen, "UnitCount"), "0");
    EXPECT_EQ(TextOf(screen, "RentedUnits"), "0");
    EXPECT_EQ(TextOf(screen, "CurrentDateDisplay"), "January 2026");
    EXPECT_TRUE(Control<QLabel>(screen, "HOMELESSPIC")->isVisible());
    EXPECT_EQ(TextOf(screen, "HOMELESSPIC"), "HOMELESS");
    EXPECT_EQ(TextOf(screen, "GameScreenLabels_2"), "Net Worth:");
    EXPECT_TRUE(Control<QLabel>(screen, "Offers_None")->isVisible());
    EXPECT_FALSE(Control<QLabel>(screen, "Offers_YES")->isVisible());

    auto* year = Control<BarChart>(screen, "YearChart");
    ASSERT_EQ(year->BarCount(), 1);
    EXPECT_EQ(year->BarAt(0).label.toStdString(), "NONE");
    EXPECT_EQ(year->BarAt(0).value, 5);
    EXPECT_EQ(year->Title().toStdString(), "Networth Over The Year");
    // The goal charts are brought up to date as the screen opens.
    auto* goal = Control<BarChart>(screen, "GoalChart");
    EXPECT_DOUBLE_EQ(goal->BarAt(0).value, 100.0 * 2001 / 1000000);
    EXPECT_DOUBLE_EQ(goal->BarAt(1).value, 100);
    auto* plan = Control<BarChart>(screen, "PLANCHART");
    EXPECT_DOUBLE_EQ(plan->BarAt(0).value, 0);
    EXPECT_DOUBLE_EQ(plan->BarAt(1).value, 25);
}

TEST(MainScreen, EveryButtonIsThereAndEnabled) {
    NewLife g;
    const std::pair<const char*, const char*> buttons[] = {{"Command1", "NEXT MONTH"},
                                                           {"Command2", "My Home && Utilities"},
                                                           {"Command4", "Real Estate Agent"},
                                                           {"Command5", "Banking && Loans"},
                                                           {"Command3", "View My Properties"},
                                                           {"Command7", "Visit The Realor"},
                                                           {"Command6", "PAY"},
                                                           {"Command9", "Pay All"},
                                                           {"Command8", "IGNORE"}};
    for (auto [name, caption] : buttons) {
        auto* button = Control<QPushButton>(g.screen, name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text().toStdString(), caption);
        EXPECT_TRUE(button->isEnabled()) << name;
    }
    EXPECT_EQ(Control<QCheckBox>(g.screen, "Check1")->text().toStdString(), "Mute Game Music");
}

TEST(MainScreen, AHomelessPlayerIsSentToFindAHome) {
    NewLife g;
    Click(g.screen, "Command1");
    EXPECT_EQ(g.shell.dialogs.Texts(),
              std::vector<std::string>{"You are homeless.  Please find yourself a home first."});
    EXPECT_TRUE(g.registry.IsShowing<OurHome>());
    EXPECT_EQ(TextOf(g.screen, "CurrentDateDisplay"), "January 2026");
    EXPECT_EQ(TextOf(g.screen, "CashBar"), "$2,000");
}

TEST(MainScreen, DrawsWhatTheRulesWrote) {
    NewLife g;
    MainScreenData& data = g.game.screen;
    data.PRECASH = "$1500";
    data.rPayment = "$1,000";
    data.mPayments = "$";
    data.CF = "$500";
    data.YearChart = {{"NONE", 5}, {"2028", 52001}};
    data.GoalChart = {37.5, 100};
    data.PlanChart = {0, 25};
    data.Offers = OffersIndicator::OfferWaiting;
    g.game.state.YearRolled = true;  // the goal charts keep what they hold
    g.game.alerts.push_back({"Renter Demands Repairs!", 523, Alert::kRepair});
    g.game.state.Cash = -1234.5;

    g.screen->RefreshAll();

    EXPECT_EQ(TextOf(g.screen, "CashBar"), "-$1,235");
    EXPECT_EQ(TextOf(g.screen, "PRECASH"), "$1500");
    EXPECT_EQ(TextOf(g.screen, "rPayment"), "$1,000");
    EXPECT_EQ(TextOf(g.screen, "mPayments"), "$");
    EXPECT_EQ(TextOf(g.screen, "CF"), "$500");
    auto* year = Control<BarChart>(g.screen, "YearChart");
    ASSERT_EQ(year->BarCount(), 2);
    EXPECT_EQ(year->BarAt(1).label.toStdString(), "2028");
    EXPECT_EQ(year->BarAt(1).value, 52001);
    auto* goal = Control<BarChart>(g.screen, "GoalChart");
    EXPECT_EQ(goal->BarAt(0).value, 37.5);
    EXPECT_EQ(goal->AxisTop(), 100);
    EXPECT_EQ(Control<BarChart>(g.screen, "PLANCHART")->BarAt(1).value, 25);
    EXPECT_TRUE(Control<QLabel>(g.screen, "Offers_YES")->isVisible());
    EXPECT_FALSE(Control<QLabel>(g.screen, "Offers_None")->isVisible());
    auto* alerts = Control<QListWidget>(g.screen, "Alerts");
    ASSERT_EQ(alerts->count(), 1);
    EXPECT_EQ(alerts->item(0)->text().toStdString(), "Renter Demands Repairs!");
}

TEST(MainScreen, MyHomeOpensTheHomeWindowOnlyOnce) {
    NewLife g;
    Click(g.screen, "Command2");
    OurHome* first = g.registry.Find<OurHome>();
    ASSERT_NE(first, nullptr);
    Click(g.screen, "Command2");
    EXPECT_EQ(g.registry.Find<OurHome>(), first);
    EXPECT_EQ(TextOf(first, "CashBar"), "$2,000");
}

}  // namespace
}  // namespace deedwell::testing
