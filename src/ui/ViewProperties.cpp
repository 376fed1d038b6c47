#include "ui/ViewProperties.h"

#include <QCloseEvent>
#include <QSignalBlocker>

#include "hints/Hints.h"
#include "property/Portfolio.h"
#include "ui/GameScreen.h"
#include "ui/Improve.h"
#include "ui/MakePayment.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_ViewProperties.h"

namespace deedwell::ui {

ViewProperties::ViewProperties(WindowRegistry& registry)
    : QWidget(nullptr),
      registry_(registry),
      ui_(std::make_unique<Ui::ViewProperties>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    const PortfolioView opening = ShowHome(registry_.game(), 0);
    setWindowTitle(LabelCaption(opening.caption));
    ui_->CashBar->setText(Q(opening.CashBar));

    connect(ui_->HOUSE, &QScrollBar::valueChanged, this, &ViewProperties::HouseHasChanged);
    connect(ui_->Command1, &QPushButton::clicked, this, &ViewProperties::MakeMortgagePaymentClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &ViewProperties::MakeImprovementClick);

    hintTimer_->setObjectName("HintTimer");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &ViewProperties::HintTimerTick);
    hintTimer_->start();

    LoadHomes();
}

ViewProperties::~ViewProperties() = default;

void ViewProperties::LoadHomes() {
    const auto count = static_cast<int>(deedwell::LoadHomes(registry_.game()));
    hasHomes_ = count > 0;
    ui_->NoneLabel->setVisible(!hasHomes_);
    ui_->HOUSE->setEnabled(hasHomes_);
    // With nothing to act on, the buttons look as dead as they are.
    ui_->Command1->setEnabled(hasHomes_);
    ui_->Command2->setEnabled(hasHomes_);
    if (!hasHomes_) return;
    {
        // The range is set quietly; home 1 is then drawn once.
        const QSignalBlocker quiet(ui_->HOUSE);
        ui_->HOUSE->setRange(1, count);
        ui_->HOUSE->setValue(1);
    }
    HouseHasChanged();
}

int ViewProperties::ShownRow() const {
    return hasHomes_ ? ui_->HOUSE->value() - 1 : -1;
}

void ViewProperties::HouseHasChanged() {
    const int row = ShownRow();
    const PortfolioView view =
        ShowHome(registry_.game(), row < 0 ? 0 : static_cast<std::size_t>(row));
    ui_->CashBar->setText(Q(view.CashBar));
    if (row >= 0 && view.hasHome) {
        ShowPicture(ui_->cHousePicture_0, view.picture);
        ui_->Label2_0->setText(Q(view.address));
        ui_->Label12->setText(Q(view.Label12));
        ui_->HomeValue->setText(Q(view.HomeValue));
        ui_->mPAyment->setText(Q(view.mPAyment));
        ui_->Label7->setText(Q(view.Label7));
        ui_->Label8->setText(Q(view.Label8));
        ui_->ConditionBar->setText(Q(view.ConditionBar));
        ui_->List1->clear();
        for (const std::string& unit : view.units) ui_->List1->addItem(Q(unit));
        ui_->Label5->setText(Q(view.Label5));
    }
    if (MakePayment* payment = registry_.Find<MakePayment>()) payment->ShowHome();
}

void ViewProperties::MakeMortgagePaymentClick() {
    if (ShownRow() < 0) return;
    registry_.ShowUnlessShowing<MakePayment>();
}

void ViewProperties::MakeImprovementClick() {
    const int row = ShownRow();
    if (row < 0 || !MakeImprovement(registry_.game(), static_cast<std::size_t>(row))) return;
    // The construction manager takes its home when it opens, so it opens
    // afresh for the home shown now.
    registry_.Close<Improve>();
    registry_.ShowUnlessShowing<Improve>();
}

void ViewProperties::closeEvent(QCloseEvent* event) {
    // The payment window has no home without this window.
    registry_.Close<MakePayment>();
    if (GameScreen* screen = registry_.Find<GameScreen>()) screen->activateWindow();
    QWidget::closeEvent(event);
}

void ViewProperties::HintTimerTick() {
    hintTimer_->stop();
    HintViewProperties(registry_.game());
}

}  // namespace deedwell::ui
