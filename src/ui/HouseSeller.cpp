#include "ui/HouseSeller.h"

#include <QEvent>

#include "hints/Hints.h"
#include "selling/Offers.h"
#include "ui/SellHouse.h"
#include "ui/Text.h"
#include "ui/ViewOffer.h"
#include "ui/WindowRegistry.h"
#include "ui_HouseSeller.h"

namespace deedwell::ui {

HouseSeller::HouseSeller(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::HouseSeller>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    setWindowTitle(Q(HouseSellerCaptions::Caption));

    connect(ui_->Command1, &QPushButton::clicked, this, &HouseSeller::SellAHouseClick);
    connect(ui_->POffers, &QPushButton::clicked, this, &HouseSeller::POffersClick);

    hintTimer_->setObjectName("hintTimer");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &HouseSeller::HintTimerTick);
    hintTimer_->start();

    CountOffers();
}

HouseSeller::~HouseSeller() = default;

void HouseSeller::CountOffers() {
    ui_->POffers->setText(Q(OffersButtonText(registry_.game())));
}

void HouseSeller::SellAHouseClick() {
    registry_.ShowUnlessShowing<SellHouse>();
    close();
}

void HouseSeller::POffersClick() {
    ViewOffer::OpenNextOffer(registry_);
}

bool HouseSeller::event(QEvent* event) {
    // Coming back to the office shows the count as it is now.
    if (event->type() == QEvent::WindowActivate) CountOffers();
    return QWidget::event(event);
}

void HouseSeller::HintTimerTick() {
    hintTimer_->stop();
    HintHouseSeller(registry_.game());
}

}  // namespace deedwell::ui
