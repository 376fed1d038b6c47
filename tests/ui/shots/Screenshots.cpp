// Walks through the windows of a game and saves a picture of each one:
//   ui_screenshots <folder>
// Runs on the data next to the executable (copied to a temporary folder, so
// the build's own market stays as it was) with the real windows and style.
// Message boxes are recorded rather than shown, so the walk never stops.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <string>

#include "market/RandomInt.h"
#include "state/GameState.h"
#include "support/Fakes.h"
#include "ui/Addons.h"
#include "ui/ChooseUnit.h"
#include "ui/DataRoot.h"
#include "ui/GameGen.h"
#include "ui/GameScreen.h"
#include "ui/NewGame.h"
#include "ui/OurHome.h"
#include "ui/Pause.h"
#include "ui/QtScreens.h"
#include "ui/RentHouse.h"
#include "ui/Splash.h"
#include "ui/Style.h"
#include "ui/SystemClock.h"
#include "ui/WindowRegistry.h"

namespace {

namespace fs = std::filesystem;
using namespace deedwell;

fs::path outFolder;
int shotNumber = 0;

void Shot(QWidget* window, const char* name) {
    if (!window) {
        std::fprintf(stderr, "no window for %s\n", name);
        return;
    }
    window->raise();
    QTest::qWait(150);
    const fs::path file = outFolder / (std::to_string(++shotNumber) + "-" + name + ".png");
    window->grab().save(QString::fromStdString(file.string()));
    std::printf("%s (%dx%d)\n", file.string().c_str(), window->width(), window->height());
}

QWidget* Child(QWidget* window, const char* name) {
    return window->findChild<QWidget*>(QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ui::ApplyStyle(application);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_screenshots <folder>\n");
        return 2;
    }
    outFolder = argv[1];
    fs::create_directories(outFolder);

    testing::TempDir data;
    ui::FillUserData(DEEDWELL_RUNTIME_DIR, data.Path());
    RecordStore records(data.Path());
    SystemRandom random(20261211);
    ui::SystemClock clock;
    testing::RecordingDialogs dialogs;
    ui::QtScreens screens;
    Game game(records, random, clock, dialogs, screens);
    ui::WindowRegistry registry(game);
    screens.AttachRegistry(&registry);
    registry.endProgram = [] {};
    InitDefaults(game.state);

    Shot(registry.ShowUnlessShowing<ui::Splash>(), "splash");
    registry.Find<ui::Splash>()->close();

    ui::GameGen* loading = registry.ShowUnlessShowing<ui::GameGen>();
    registry.pause = [&](double seconds) {
        static int pauses = 0;
        if (++pauses == 2) Shot(loading, "loading");
        ui::Pause(seconds);
    };
    loading->Timer1Tick();

    auto* newGame = registry.Find<ui::NewGame>();
    qobject_cast<QLineEdit*>(Child(newGame, "Text1"))->setText("Robin");
    qobject_cast<QLineEdit*>(Child(newGame, "Text2"))->setText("30");
    Shot(newGame, "new-game");
    QTest::mouseClick(Child(newGame, "Command1"), Qt::LeftButton);

    auto* addons = registry.Find<ui::Addons>();
    Shot(addons, "add-ons");
    QTest::mouseClick(Child(addons, "Label7"), Qt::LeftButton);
    auto* screen = registry.Find<ui::GameScreen>();
    Shot(screen, "main-screen-new");

    QTest::mouseClick(Child(screen, "Command2"), Qt::LeftButton);
    Shot(registry.Find<ui::OurHome>(), "home-homeless");
    QTest::mouseClick(Child(registry.Find<ui::OurHome>(), "Command1"), Qt::LeftButton);
    auto* rent = registry.Find<ui::RentHouse>();
    Shot(rent, "rent");
    QTest::mouseClick(Child(rent, "Command1"), Qt::LeftButton);
    for (int month = 0; month < 3; ++month) {
        QTest::mouseClick(Child(screen, "Command1"), Qt::LeftButton);
    }
    Shot(screen, "main-screen-third-month");

    // A home of three units bought earlier, to show the unit window.
    OwnedHome home;
    home.listing = "0";
    home.category = 2;
    home.stage = 1;
    home.units = {UnitState::Rented, UnitState::Unrented, UnitState::Unrented};
    game.ledger.Append(home);
    QTest::mouseClick(Child(screen, "Command2"), Qt::LeftButton);
    auto* ourHome = registry.Find<ui::OurHome>();
    Shot(ourHome, "home-renting");
    auto* list = qobject_cast<QListWidget*>(Child(ourHome, "ListHomes"));
    list->setCurrentRow(0);
    QTest::mouseClick(Child(ourHome, "Command3"), Qt::LeftButton);
    Shot(registry.Find<ui::ChooseUnit>(), "unit");
    return 0;
}
