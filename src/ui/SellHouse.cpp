#include "ui/SellHouse.h"

#include <QCloseEvent>
#include <QSignalBlocker>

#include "hints/Hints.h"
#include "selling/SaleListing.h"
#include "ui/GameScreen.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_SellHouse.h"

namespace deedwell::ui {

SellHouse::SellHouse(WindowRegistry& registry)
    : QWidget(nullptr),
      registry_(registry),
      ui_(std::make_unique<Ui::SellHouse>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    Game& game = registry_.game();
    setWindowTitle(LabelCaption(game.state.GameTitle));
    ui_->SaleSign->setPixmap(DecorPicture(game.records.Root(), "forsale"));
    ui_->SaleSign->hide();

    const int homes = static_cast<int>(game.ledger.Count());
    if (homes > 0) {
        ui_->NoneLabel->hide();
        const QSignalBlocker quiet(ui_->HOUSE);
        ui_->HOUSE->setRange(1, homes);
        ui_->HOUSE->setValue(1);
    } else {
        // Nothing to show: the figures keep their first texts.
        ui_->NoneLabel->show();
        ui_->HOUSE->setEnabled(false);
    }
    connect(ui_->HOUSE, &QScrollBar::valueChanged, this, &SellHouse::HouseHasChanged);
    connect(ui_->Command1, &QPushButton::clicked, this, &SellHouse::PutUpForSaleClick);
    connect(ui_->Command3, &QPushButton::clicked, this, &SellHouse::TakeOffMarketClick);

    hintTimer_->setObjectName("HintTimer");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &SellHouse::HintTimerTick);
    hintTimer_->start();

    if (homes > 0) HouseHasChanged();
}

SellHouse::~SellHouse() = default;

int SellHouse::Row() const {
    return ui_->HOUSE->isEnabled() ? ui_->HOUSE->value() - 1 : -1;
}

void SellHouse::HouseHasChanged() {
    const SaleView view = ShowHomeForSale(registry_.game(), Row());
    if (!view.hasHome) return;
    ShowPicture(ui_->cHousePicture_0, view.housePicture);
    ui_->SaleSign->setVisible(view.saleSign);
    ui_->Label2_0->setText(Q(view.address));
    ui_->HomeValue->setText(Q(view.HomeValue));
    ui_->mPAyment->setText(Q(view.mPAyment));
    ui_->Label7->setText(Q(view.Label7));
    ui_->Label8->setText(Q(view.Label8));
    ui_->Label5->setText(Q(view.Label5));
    ui_->ConditionBar->setText(Q(view.ConditionBar));
    ui_->CashBar->setText(Q(view.CashBar));
    ui_->List1->clear();
    for (const std::string& unit : view.List1) ui_->List1->addItem(Q(unit));
}

void SellHouse::PutUpForSaleClick() {
    if (PutHouseUpForSale(registry_.game(), Row())) ui_->SaleSign->show();
}

void SellHouse::TakeOffMarketClick() {
    if (TakeHouseOffMarket(registry_.game(), Row())) ui_->SaleSign->hide();
}

void SellHouse::HintTimerTick() {
    hintTimer_->stop();
    HintSellHouse(registry_.game());
}

void SellHouse::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (GameScreen* screen = registry_.Find<GameScreen>()) screen->activateWindow();
}

}  // namespace deedwell::ui
