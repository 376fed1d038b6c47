#include "ui/RealEstate.h"

#include <QCloseEvent>
#include <QSignalBlocker>
#include <string>

#include "finance/Purchase.h"
#include "hints/Hints.h"
#include "ui/BANKER.h"
#include "ui/GameScreen.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_RealEstate.h"

namespace deedwell::ui {

RealEstate::RealEstate(WindowRegistry& registry)
    : QWidget(nullptr),
      registry_(registry),
      ui_(std::make_unique<Ui::RealEstate>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    Game& game = registry_.game();
    setWindowTitle(LabelCaption(game.state.GameTitle));
    ui_->SOLDIMAGE->setPixmap(DecorPicture(game.records.Root(), "sold"));

    connect(ui_->HouseSelect, &QScrollBar::valueChanged, this, &RealEstate::HouseHasChanged);
    connect(ui_->Command1, &QPushButton::clicked, this, &RealEstate::TalkWithYourBankerClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &QWidget::close);

    hintTimer_->setObjectName("HintTimer");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &RealEstate::HintTimerTick);
    hintTimer_->start();

    ShowHomes();
}

RealEstate::~RealEstate() = default;

void RealEstate::ShowHomes() {
    const Game& game = registry_.game();
    ui_->File1->clear();
    for (const std::string& name : game.records.ListRecords("realestate")) {
        ui_->File1->addItem(Q(name + ".var"));
    }
    {
        // The range is always the whole market, whatever the folder holds;
        // positions without a file say so.
        const QSignalBlocker quiet(ui_->HouseSelect);
        ui_->HouseSelect->setRange(0, static_cast<int>(game.state.MarketSize.value_or(0)));
        ui_->HouseSelect->setValue(0);
    }
    HouseHasChanged();
}

int RealEstate::Position() const { return ui_->HouseSelect->value(); }

void RealEstate::HouseHasChanged() {
    const ListingView view = BrowseTo(registry_.game(), Position());
    ui_->CashBar->setText(Q(view.cash));
    ui_->SOLD->hide();
    ui_->SOLDIMAGE->setVisible(view.sold);
    ui_->SOLDIMAGE2->setVisible(view.sold);
    ShowPicture(ui_->HousePicture, view.housePicture);
    ShowPicture(ui_->KS, view.kitchenPicture);
    ShowPicture(ui_->BATH, view.bathPicture);

    ui_->HouseAddress->setText(Q(view.address));
    ui_->l1->setText(Q(view.askingPrice));
    ui_->apraise->setText(Q(view.appraisal));
    ui_->RvalueLabel->setText(Q(view.neighbourhood));
    ui_->Label1->setText(Q(view.squareFeet));
    ui_->Beds->setText(Q(view.beds));
    ui_->Baths->setText(Q(view.baths));
    ui_->Label14->setText(Q(view.land));
    ui_->cType->setText(Q(view.type));
    ui_->cUnits->setText(Q(view.units));
    ui_->cRent->setText(Q(view.rent));
    ui_->Label2->setText(Q(view.condition));
    ui_->Info->setText(Q(view.description));
    // An equity of exactly 0 keeps the colour of the listing before.
    if (view.equityTone == EquityTone::Positive) SetTone(ui_->Instant, "positive");
    if (view.equityTone == EquityTone::Negative) SetTone(ui_->Instant, "negative");
    ui_->Instant->setText(Q(view.instantEquity));
    ui_->Command1->setEnabled(view.canTalkToBanker);
}

void RealEstate::TalkWithYourBankerClick() {
    Game& game = registry_.game();
    const int position = Position();
    if (!TalkWithYourBanker(game, ShowListing(game, position))) return;
    registry_.ShowUnlessShowing<BANKER>()->LoadHouse(position);
}

void RealEstate::HintTimerTick() {
    hintTimer_->stop();
    HintRealEstate(registry_.game());
}

void RealEstate::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (GameScreen* screen = registry_.Find<GameScreen>()) {
        screen->activateWindow();
        screen->raise();
    }
    // The banker only ever works beside the browser.
    registry_.Close<BANKER>();
}

}  // namespace deedwell::ui
