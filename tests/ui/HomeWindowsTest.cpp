// The home, rent and unit windows.

#include <QDir>
#include <QListWidget>
#include <QScrollBar>
#include <filesystem>

#include "UiFixture.h"
#include "common/Numbers.h"
#include "ui/ChooseUnit.h"
#include "ui/GameScreen.h"
#include "ui/OurHome.h"
#include "ui/RentHouse.h"

namespace deedwell::testing {
namespace {

using ui::ChooseUnit;
using ui::GameScreen;
using ui::OurHome;
using ui::RentHouse;

struct HomeGame : UiGame {
    HomeGame() {
        game.state.Cash = 5000;
        game.state.HasHome = "NO";
    }
    // An owned home from shipped listing `listing`, every unit vacant.
    OwnedHome& Own(const std::string& listing, std::vector<UnitState> units) {
        OwnedHome home;
        home.listing = listing;
        home.category = NumberOf(shell.records.ReadListingValue("HOUSEcAT", listing));
        home.stage = NumberOf(shell.records.ReadListingValue("HOUSESTAGE", listing));
        home.units = std::move(units);
        return game.ledger.Append(home);
    }
};

TEST(HomeWindow, ANewPlayerIsHomeless) {
    HomeGame g;
    OurHome* home = g.registry.ShowUnlessShowing<OurHome>();
    EXPECT_EQ(home->windowTitle().toStdString(), "Tarnwick Game");
    EXPECT_EQ(TextOf(home, "CashBar"), "$5,000");
    const char* captions[] = {
        "My Address:", "Rent:", "Utilities & Bills:", "Total Monthly Cost:", "Square Footage"};
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(TextOf(home, ("Label2_" + n).c_str()), captions[i]);
        EXPECT_EQ(TextOf(home, ("RentInfo_" + n).c_str()), "Homeless");
    }
    EXPECT_EQ(Control<QListWidget>(home, "ListHomes")->count(), 0);
}

TEST(HomeWindow, FindHouseForRentSwapsTheHomeWindowForTheRentWindow) {
    HomeGame g;
    OurHome* home = g.registry.ShowUnlessShowing<OurHome>();
    Click(home, "Command1");
    EXPECT_TRUE(g.registry.IsShowing<RentHouse>());
    EXPECT_FALSE(g.registry.IsShowing<OurHome>());
}

TEST(RentWindow, ShowsEachRentalWithItsFigures) {
    HomeGame g;
    RentHouse* rent = g.registry.ShowUnlessShowing<RentHouse>();
    auto* select = Control<QScrollBar>(rent, "HouseSelect");
    const auto names = g.shell.records.ListRecords("renthouses");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(select->maximum(), static_cast<int>(names.size()) - 1);

    for (int i = 0; i <= select->maximum(); ++i) {
        select->setValue(i);
        const std::string name = names[static_cast<std::size_t>(i)];
        const std::string rentText = g.shell.records.ReadRentalValue("RENT", name);
        const double rentAmount = NumberOf(rentText);
        const double sf = NumberOf(g.shell.records.ReadRentalValue("SF", name));
        EXPECT_EQ(TextOf(rent, "HouseAddress"), g.shell.records.ReadRentalValue("ADDRESS", name));
        EXPECT_EQ(TextOf(rent, "l1"), rentText);
        EXPECT_EQ(TextOf(rent, "Label1"), g.shell.records.ReadRentalValue("SF", name) + "sf");
        EXPECT_EQ(TextOf(rent, "Label2"), "$" + NumberText(sf * 0.5));
        EXPECT_EQ(TextOf(rent, "Label8"), Format(rentAmount + sf * 0.5, "$0"));
        EXPECT_EQ(TextOf(rent, "Label10"), Format(2 * rentAmount + 1000, "$0"));
        EXPECT_EQ(TextOf(rent, "Label7"), "$1000");
    }
    EXPECT_EQ(TextOf(rent, "SF"), "Square Footage: ");
    EXPECT_EQ(TextOf(rent, "Utils"), "Utilities: ");
    EXPECT_EQ(TextOf(rent, "Monthly"), "Total Per Month: ");
}

TEST(RentWindow, RefusesWhenTheCashDoesNotCoverTheMove) {
    HomeGame g;
    g.game.state.Cash = 100;
    RentHouse* rent = g.registry.ShowUnlessShowing<RentHouse>();
    Click(rent, "Command1");
    EXPECT_EQ(g.shell.dialogs.Last(),
              "You do not have enough cash to rent and move into this home at this time.");
    EXPECT_TRUE(g.registry.IsShowing<RentHouse>());
    EXPECT_EQ(g.game.state.Cash, 100);
}

TEST(RentWindow, WithNoRentalsNothingCanBeRented) {
    HomeGame g;
    std::filesystem::remove_all(g.shell.dir.Path() / "renthouses");
    RentHouse* rent = g.registry.ShowUnlessShowing<RentHouse>();
    EXPECT_EQ(TextOf(rent, "HouseAddress"), "No rentals available");
    EXPECT_FALSE(Control<QPushButton>(rent, "Command1")->isEnabled());
}

TEST(HomeWindow, ListsTheOwnedHomesAndMovesIntoTheChosenUnit) {
    HomeGame g;
    g.Own("0", {UnitState::Unrented, UnitState::Unrented});
    g.Own("1", {UnitState::Rented, UnitState::Unrented});
    GameScreen* screen = g.registry.ShowUnlessShowing<GameScreen>();
    OurHome* home = g.registry.ShowUnlessShowing<OurHome>();
    auto* list = Control<QListWidget>(home, "ListHomes");
    ASSERT_EQ(list->count(), 2);
    const std::string units = g.shell.records.ReadListingValue("UNITS", "0");
    EXPECT_EQ(list->item(0)->text().toStdString(),
              g.shell.records.ReadListingValue("ADDRESS", "0") + " (" + units + " Units)");

    // Home 2, whose first unit is let: the vacant second one is offered.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    Click(home, "Command3");
    ChooseUnit* chooser = g.registry.Find<ChooseUnit>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(TextOf(chooser, "Label2"), "Cost To Move:  $1000");
    auto* unitList = Control<QListWidget>(chooser, "List1");
    ASSERT_EQ(unitList->count(), 2);
    EXPECT_EQ(unitList->item(0)->text().toStdString(), "RENTED");
    EXPECT_EQ(unitList->currentRow(), 1);

    // Another window pointing the game's unit row elsewhere changes nothing
    // for this window: it moves into the home it was opened for.
    g.game.state.CurrentUnitRow = 0;
    Click(chooser, "Command1");

    EXPECT_EQ(g.shell.dialogs.Last(), "Enjoy your move!");
    EXPECT_FALSE(g.registry.IsShowing<ChooseUnit>());
    EXPECT_EQ(g.game.ledger.Row(1).units[1], UnitState::Living);
    EXPECT_EQ(g.game.ledger.Row(0).units,
              (std::vector<UnitState>{UnitState::Unrented, UnitState::Unrented}));
    EXPECT_EQ(g.game.state.Cash, 4000);
    EXPECT_EQ(TextOf(screen, "CashBar"), "$4,000");
    EXPECT_FALSE(Control<QLabel>(screen, "HOMELESSPIC")->isVisible());
    EXPECT_EQ(TextOf(home, "RentInfo_0"), g.shell.records.ReadListingValue("ADDRESS", "1"));
    EXPECT_EQ(TextOf(home, "CashBar"), "$4,000");
}

TEST(UnitWindow, ARentedUnitIsRefusedAndTheWindowStays) {
    HomeGame g;
    g.Own("0", {UnitState::Rented});
    OurHome* home = g.registry.ShowUnlessShowing<OurHome>();
    auto* list = Control<QListWidget>(home, "ListHomes");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    Click(home, "Command3");
    ChooseUnit* chooser = g.registry.Find<ChooseUnit>();
    ASSERT_NE(chooser, nullptr);
    auto* unitList = Control<QListWidget>(chooser, "List1");
    EXPECT_TRUE(unitList->selectedItems().isEmpty());

    unitList->setCurrentRow(0);
    Click(chooser, "Command1");
    EXPECT_EQ(g.shell.dialogs.Last(),
              "Sorry folks!  You already rented this home to a fine good of ruff-necks and they "
              "arent going anywhere for a while.");
    EXPECT_TRUE(g.registry.IsShowing<ChooseUnit>());
    EXPECT_EQ(g.game.ledger.Row(0).units[0], UnitState::Rented);
    EXPECT_EQ(g.game.state.Cash, 5000);
}

TEST(UnitWindow, MoveInWithNoHomeSelectedListsNothing) {
    HomeGame g;
    g.Own("0", {UnitState::Unrented});
    OurHome* home = g.registry.ShowUnlessShowing<OurHome>();
    Click(home, "Command3");
    ChooseUnit* chooser = g.registry.Find<ChooseUnit>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->Row(), -1);
    EXPECT_EQ(Control<QListWidget>(chooser, "List1")->count(), 0);
    Click(chooser, "Command1");
    EXPECT_EQ(g.game.state.Cash, 5000);
    EXPECT_TRUE(g.shell.dialogs.shown.empty());
}

}  // namespace
}  // namespace deedwell::testing
