#include "ui/GameGen.h"

#include <QCloseEvent>
#include <QPointer>

#include "market/Generator.h"
#include "market/Listings.h"
#include "state/GameState.h"
#include "ui/NewGame.h"
#include "ui/Pictures.h"
#include "ui/WindowRegistry.h"
#include "ui_GameGen.h"

namespace deedwell::ui {

bool PausesAfterListing(int i) {
    const int fifth = i / 5;
    return i % 5 == 0 && fifth >= 10 && fifth <= 99;
}

GameGen::GameGen(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      registry_(registry),
      ui_(std::make_unique<Ui::GameGen>()),
      timer1_(new QTimer(this)) {
    ui_->setupUi(this);
    ui_->Backdrop->setPixmap(DecorPicture(registry_.game().records.Root(), "loading"));
    setFixedSize(sizeHint());

    GameState& state = registry_.game().state;
    if (!state.HouseCatCount) InitDefaults(state);

    timer1_->setObjectName("Timer1");
    timer1_->setInterval(500);
    connect(timer1_, &QTimer::timeout, this, &GameGen::Timer1Tick);
    timer1_->start();
}

GameGen::~GameGen() = default;

void GameGen::closeEvent(QCloseEvent* event) {
    if (generating_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void GameGen::Timer1Tick() {
    // One generation per window, however the ticks arrive.
    timer1_->stop();
    if (started_) return;
    started_ = true;
    generating_ = true;

    QPointer<GameGen> self(this);
    WindowRegistry& registry = registry_;
    Game& game = registry.game();
    const int size = static_cast<int>(game.state.MarketSize.value_or(80));
    for (int i = 0; i <= size; ++i) {
        const ListingValues values = BuildVars(game);
        WriteHouseFile(game, values, static_cast<std::int64_t>(i));
        if (PausesAfterListing(i)) {
            registry.Pause(0.1);
            if (!self || registry.Quitting()) return;
        }
        ui_->Status->setText(QStringLiteral("Building virtual real estate %1 ...").arg(i));
    }
    ui_->Status->setText(QStringLiteral("Launching trainer.."));
    registry.Pause(0.1);
    if (!self || registry.Quitting()) return;

    if (game.state.MarketBuilt != "TRUE" && !registry.IsShowing<NewGame>()) {
        registry.ShowUnlessShowing<NewGame>();
    }
    game.state.MarketBuilt = "TRUE";
    generating_ = false;
    close();
}

}  // namespace deedwell::ui
