#include "ui/ViewOffer.h"

#include <QCloseEvent>
#include <QPointer>

#include "ui/HouseSeller.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_ViewOffer.h"

namespace deedwell::ui {

ViewOffer::ViewOffer(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::ViewOffer>()) {
    ui_->setupUi(this);
    const Game& game = registry_.game();
    setWindowTitle(LabelCaption(game.state.GameTitle));
    ui_->NoneLabel->setVisible(game.ledger.Empty());
    connect(ui_->Command1, &QPushButton::clicked, this, &ViewOffer::AcceptClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &ViewOffer::DeclineClick);
}

ViewOffer::~ViewOffer() = default;

void ViewOffer::OpenNextOffer(WindowRegistry& registry) {
    std::optional<OfferView> offer = deedwell::OpenNextOffer(registry.game());
    if (!offer) return;
    registry.ShowUnlessShowing<ViewOffer>()->ShowOffer(*offer);
}

void ViewOffer::ShowOffer(const OfferView& offer) {
    offer_ = offer;
    HouseHasChanged();
}

void ViewOffer::HouseHasChanged() {
    if (!offer_ || !ShowOfferHome(registry_.game(), *offer_)) return;
    const OfferView& view = *offer_;
    ui_->NoneLabel->hide();
    ShowPicture(ui_->cHousePicture_0, view.housePicture);
    ui_->Label2_0->setText(Q(view.address));
    ui_->Label7->setText(Q(view.Label7));
    ui_->Label3->setText(Q(view.Label3));
    ui_->HomeValue->setText(Q(view.HomeValue));
    ui_->OfferLabel->setText(Q(view.OfferLabel));
    ui_->PotentialCash->setText(Q(view.PotentialCash));
    ui_->CashBar->setText(Q(view.CashBar));
}

void ViewOffer::AcceptClick() {
    if (!offer_) return;
    // The sale shows its message and closes the other row windows; this one
    // closes itself afterwards, whatever the outcome.
    const OfferView offer = *offer_;
    offer_.reset();
    QPointer<ViewOffer> self(this);
    AcceptOffer(registry_.game(), offer);
    if (self) close();
}

void ViewOffer::DeclineClick() {
    close();
}

void ViewOffer::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (HouseSeller* realtor = registry_.Find<HouseSeller>()) realtor->activateWindow();
}

}  // namespace deedwell::ui
