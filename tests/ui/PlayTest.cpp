// A life played through the windows, from the new-game window to the third
// month in a rented home.

#include <QLineEdit>
#include <QScrollBar>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "ui/Addons.h"
#include "ui/GameScreen.h"
#include "ui/NewGame.h"
#include "ui/OurHome.h"
#include "ui/RentHouse.h"

namespace deedwell::testing {
namespace {

using ui::Addons;
using ui::GameScreen;
using ui::NewGame;
using ui::OurHome;
using ui::RentHouse;

TEST(Play, FromTheNewGameThroughRentingToTheThirdMonth) {
    UiGame g;
    NewGame* newGame = g.registry.ShowUnlessShowing<NewGame>();
    QTest::keyClicks(Control<QLineEdit>(newGame, "Text1"), "Robin");
    QTest::keyClicks(Control<QLineEdit>(newGame, "Text2"), "30");
    Click(newGame, "Command1");
    g.Settle();

    Addons* addons = g.registry.Find<Addons>();
    ASSERT_NE(addons, nullptr);
    Click(addons, "Label7");
    g.Settle();
    GameScreen* screen = g.registry.Find<GameScreen>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(TextOf(screen, "CashBar"), "$2,000");
    EXPECT_EQ(TextOf(screen, "VarLabel_0"), "Robin");

    Click(screen, "Command2");
    OurHome* home = g.registry.Find<OurHome>();
    ASSERT_NE(home, nullptr);
    Click(home, "Command1");
    g.Settle();
    RentHouse* rent = g.registry.Find<RentHouse>();
    ASSERT_NE(rent, nullptr);

    // The first rental: its record gives the figures to expect.
    ASSERT_EQ(Control<QScrollBar>(rent, "HouseSelect")->value(), 0);
    const std::string rental = g.shell.records.ListRecords("renthouses").front();
    const double monthlyRent = NumberOf(g.shell.records.ReadRentalValue("RENT", rental));
    const double livingCost =
        monthlyRent + NumberOf(g.shell.records.ReadRentalValue("SF", rental)) * 0.5;
    const double cashAfterMove = 2000 - (2 * monthlyRent + 1000);
    ASSERT_GT(cashAfterMove, 0) << "the first shipped rental must be affordable at the start";

    Click(rent, "Command1");
    g.Settle();
    EXPECT_EQ(g.shell.dialogs.Last(), "Congratulations on your new home!");
    EXPECT_FALSE(g.registry.IsShowing<RentHouse>());
    EXPECT_EQ(TextOf(screen, "CashBar"), Format(cashAfterMove, "$###,###"));
    EXPECT_FALSE(Control<QLabel>(screen, "HOMELESSPIC")->isVisible());

    double cash = cashAfterMove;
    const char* months[] = {"February 2026", "March 2026", "April 2026"};
    for (const char* month : months) {
        Click(screen, "Command1");
        cash = Int(cash) + 1500 - livingCost;
        EXPECT_EQ(TextOf(screen, "CurrentDateDisplay"), month);
        EXPECT_EQ(TextOf(screen, "CashBar"), Format(cash, "$###,###")) << month;
    }
    EXPECT_EQ(g.game.state.Cash, cash);
    EXPECT_EQ(TextOf(screen, "VarLabel_2"), Format(cash + 1, "$###,###,###"));
    EXPECT_EQ(TextOf(screen, "PRECASH"), "$1500");
    EXPECT_EQ(TextOf(screen, "rPayment"), Format(livingCost, "$#,###"));
    EXPECT_EQ(TextOf(screen, "mPayments"), "$");
    EXPECT_EQ(TextOf(screen, "CF"), "$" + Format(1500 - livingCost, "#,###"));
    EXPECT_EQ(TextOf(screen, "Label8"), "$");
    EXPECT_EQ(g.endRequests, 0);
    // The first accepted month asked for the quiet second market run.
    QTRY_COMPARE(g.registry.SecondGenerationsRun(), 1);
}

}  // namespace
}  // namespace deedwell::testing
