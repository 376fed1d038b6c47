// Walks through the windows of a game and saves a picture of each one:
//   ui_screenshots <folder>
// Runs on the data next to the executable (copied to a temporary folder, so
// the build's own market stays as it was) with the real windows and style.
// Message boxes are recorded rather than shown, so the walk never stops.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/Numbers.h"
#include "finance/Loans.h"
#include "market/Listings.h"
#include "market/RandomInt.h"
#include "selling/Offers.h"
#include "state/GameState.h"
#include "support/Fakes.h"
#include "support/Homes.h"
#include "ui/Addons.h"
#include "ui/BANKER.h"
#include "ui/ChooseUnit.h"
#include "ui/DataRoot.h"
#include "ui/GameGen.h"
#include "ui/GameScreen.h"
#include "ui/HouseSeller.h"
#include "ui/Improve.h"
#include "ui/MakePayment.h"
#include "ui/Mortgage.h"
#include "ui/NewGame.h"
#include "ui/OurHome.h"
#include "ui/Pause.h"
#include "ui/RealEstate.h"
#include "ui/QtScreens.h"
#include "ui/RentHouse.h"
#include "ui/SellHouse.h"
#include "ui/Splash.h"
#include "ui/Style.h"
#include "ui/SystemClock.h"
#include "ui/ViewOffer.h"
#include "ui/ViewProperties.h"
#include "ui/WindowRegistry.h"
#include "audio/SdlPlayback.h"
#include "hints/Hints.h"
#include "simulation/Goals.h"
#include "ui/NoGoal.h"
#include "ui/ShowHint.h"
#include "ui/YESGOAL.h"
#include "ui/frmPlayer.h"

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

// The music player (its strip, then unfolded and playing on a silent
// output), the welcome hint and both goal windows.
void ShootMusicHintsAndGoals(ui::WindowRegistry& registry, Game& game) {
    qputenv("SDL_AUDIODRIVER", "dummy");
    audio::SdlPlayback playback;
    ui::GameMusic music(playback);
    registry.music = &music;
    auto* player = registry.ShowUnlessShowing<ui::frmPlayer>();
    Shot(player, "music-strip");
    player->ShowControls(true);
    music.SetFileText(QString::fromStdString((game.records.Root() / "RealEstate.mp3").string()));
    music.Play();
    music.SliderChanged(5);
    QTest::qWait(2300);
    Shot(player, "music-player");
    player->close();
    registry.music = nullptr;

    PresentHint(game, HintOfStep(1).title, HintOfStep(1).text);
    Shot(registry.Find<ui::ShowHint>(), "hint-welcome");
    game.screens.ShowGoalWindow(true, WinningText(game));
    Shot(registry.Find<ui::YESGOAL>(), "goal-won");
    game.screens.ShowGoalWindow(false, "");
    Shot(registry.Find<ui::NoGoal>(), "goal-missed");
}

// The first listing of a building with at least `units` units (the house
// "1" aside, which the portfolio shows).
std::string ListingWithUnits(const RecordStore& records, double units) {
    for (const std::string& number : records.ListRecords("realestate")) {
        const Listing listing = ReadListing(records, number);
        if (number != "1" && listing.usable && listing.units >= units) return number;
    }
    return "0";
}

// The listing browser (an ordinary listing, an owned one, a position with no
// file), the banker refusing twice and then approving, and the main screen
// with alerts. The message boxes are recorded, so their texts are printed.
void ShootBuying(ui::WindowRegistry& registry, Game& game, testing::RecordingDialogs& dialogs) {
    auto* screen = registry.Find<ui::GameScreen>();
    QTest::mouseClick(Child(screen, "Command4"), Qt::LeftButton);
    auto* browser = registry.Find<ui::RealEstate>();
    auto* select = qobject_cast<QScrollBar*>(Child(browser, "HouseSelect"));
    const auto names = game.records.ListRecords("realestate");
    // The cheapest listing the player does not own, to buy; an owned one.
    int cheapest = -1;
    int owned = -1;
    double lowest = 0;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const Listing listing = ReadListing(game.records, names[static_cast<std::size_t>(i)]);
        if (game.ledger.IsOwned(listing.number)) {
            owned = i;
        } else if (listing.usable && (cheapest < 0 || listing.price < lowest)) {
            cheapest = i;
            lowest = listing.price;
        }
    }
    select->setValue(cheapest);
    Shot(browser, "browser");
    select->setValue(owned);
    Shot(browser, "browser-owned");

    select->setValue(cheapest);
    game.state.Cash = 1000;
    QTest::mouseClick(Child(browser, "Command1"), Qt::LeftButton);
    auto* banker = registry.Find<ui::BANKER>();
    QTest::mouseClick(Child(banker, "Command1"), Qt::LeftButton);
    Shot(banker, "banker-short-of-cash");
    banker->close();
    game.state.Cash = 250000;
    game.state.MonthlyIncome = "900";
    QTest::mouseClick(Child(browser, "Command1"), Qt::LeftButton);
    banker = registry.Find<ui::BANKER>();
    QTest::mouseClick(Child(banker, "Command1"), Qt::LeftButton);
    Shot(banker, "banker-denied");
    const double livingCost = game.state.LivingCost;
    game.state.MonthlyIncome = "4800";
    game.state.LivingCost = 0;
    Shot(banker, "banker");
    QTest::mouseClick(Child(banker, "Command1"), Qt::LeftButton);
    Shot(browser, "browser-bought");
    for (const auto& box : dialogs.shown) std::printf("message: %s\n", box.text.c_str());

    // The last file gone: the last position has no listing.
    fs::remove(game.records.Root() / "realestate" / (names.back() + ".var"));
    select->setValue(select->maximum());
    Shot(browser, "browser-no-listing");
    browser->close();

    // The months to the new year, played: the taxes arrive with the year.
    game.state.LivingCost = livingCost;
    dialogs.shown.clear();
    for (int month = 0; month < 12 && game.state.CurrentMonth != 1; ++month) {
        QTest::mouseClick(Child(screen, "Command1"), Qt::LeftButton);
    }
    auto* alerts = qobject_cast<QListWidget*>(Child(screen, "Alerts"));
    for (int row = 0; row < alerts->count(); ++row) {
        if (alerts->item(row)->text().contains("Taxes")) {
            QTest::mouseClick(alerts->viewport(), Qt::LeftButton, {},
                              alerts->visualItemRect(alerts->item(row)).center());
            break;
        }
    }
    Shot(screen, "main-screen-alerts");
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

    // The portfolio before any home is bought.
    QTest::mouseClick(Child(screen, "Command3"), Qt::LeftButton);
    Shot(registry.Find<ui::ViewProperties>(), "portfolio-none");
    registry.Find<ui::ViewProperties>()->close();

    // A building bought earlier, one unit let, to show the unit window.
    OwnedHome first = testing::BookedPurchase(ReadListing(records, ListingWithUnits(records, 3)));
    first.units.assign(first.units.size(), UnitState::Unrented);
    first.units[0] = UnitState::Rented;
    game.ledger.Append(first);
    QTest::mouseClick(Child(screen, "Command2"), Qt::LeftButton);
    auto* ourHome = registry.Find<ui::OurHome>();
    Shot(ourHome, "home-renting");
    auto* list = qobject_cast<QListWidget*>(Child(ourHome, "ListHomes"));
    list->setCurrentRow(0);
    QTest::mouseClick(Child(ourHome, "Command3"), Qt::LeftButton);
    Shot(registry.Find<ui::ChooseUnit>(), "unit");
    registry.Find<ui::ChooseUnit>()->close();

    // Listing "1" bought with a loan and let, then the portfolio and the
    // windows it leads to, and the bank.
    OwnedHome bought = testing::BookedPurchase(ReadListing(records, "1"));
    bought.condition = 1;
    bought.units.assign(bought.units.size(), UnitState::Unrented);
    bought.units[0] = UnitState::Rented;
    game.ledger.Append(bought);
    QTest::mouseClick(Child(screen, "Command3"), Qt::LeftButton);
    auto* portfolio = registry.Find<ui::ViewProperties>();
    qobject_cast<QScrollBar*>(Child(portfolio, "HOUSE"))->setValue(2);
    Shot(portfolio, "portfolio");
    QTest::mouseClick(Child(portfolio, "Command2"), Qt::LeftButton);
    Shot(registry.Find<ui::Improve>(), "construction-manager");
    registry.Find<ui::Improve>()->close();
    QTest::mouseClick(Child(portfolio, "Command1"), Qt::LeftButton);
    Shot(registry.Find<ui::MakePayment>(), "payment");
    portfolio->close();
    QTest::mouseClick(Child(screen, "Command5"), Qt::LeftButton);
    auto* bank = registry.Find<ui::Mortgage>();
    qobject_cast<QListWidget*>(Child(bank, "ListHomes"))->setCurrentRow(1);
    Shot(bank, "bank");
    bank->close();

    // Selling: the first home on the market with a buyer's offer waiting, the
    // realtor, the sale window with and without the sign, and the offer.
    game.ledger.Row(0).forSale = true;
    game.ledger.Row(0).offerWaiting = true;
    CheckForOffers(game);
    Shot(screen, "main-screen-offer-waiting");
    QTest::mouseClick(Child(screen, "Command7"), Qt::LeftButton);
    auto* realtor = registry.Find<ui::HouseSeller>();
    Shot(realtor, "realtor");
    QTest::mouseClick(Child(realtor, "Command1"), Qt::LeftButton);
    auto* sale = registry.Find<ui::SellHouse>();
    Shot(sale, "sale-listed");
    qobject_cast<QScrollBar*>(Child(sale, "HOUSE"))->setValue(2);
    Shot(sale, "sale-not-listed");
    QTest::mouseClick(Child(screen, "Offers_YES"), Qt::LeftButton);
    Shot(registry.Find<ui::ViewOffer>(), "offer");
    ShootMusicHintsAndGoals(registry, game);
    ShootBuying(registry, game, dialogs);
    return 0;
}
