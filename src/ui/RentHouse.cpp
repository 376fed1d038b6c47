#include "ui/RentHouse.h"

#include <QPointer>
#include <QSignalBlocker>
#include <algorithm>

#include "property/Renting.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_RentHouse.h"

namespace deedwell::ui {

RentHouse::RentHouse(WindowRegistry& registry)
    : QWidget(nullptr), registry_(registry), ui_(std::make_unique<Ui::RentHouse>()) {
    ui_->setupUi(this);
    Game& game = registry_.game();

    const int count = OpenRentWindow(game);
    setWindowTitle(LabelCaption(game.state.GameTitle));
    ui_->CashBar->setText(Q(HomeCashBarText(game)));
    for (const std::string& name : game.records.ListRecords("renthouses")) {
        ui_->File1->addItem(Q(name));
    }
    {
        // The range is set quietly; the first rental is then shown once.
        const QSignalBlocker quiet(ui_->HouseSelect);
        ui_->HouseSelect->setRange(0, std::max(count - 1, 0));
        ui_->HouseSelect->setValue(0);
    }
    connect(ui_->HouseSelect, &QScrollBar::valueChanged, this, &RentHouse::ShowRental);
    connect(ui_->Command1, &QPushButton::clicked, this, &RentHouse::RentMeClick);
    ShowRental(0);
}

RentHouse::~RentHouse() = default;

void RentHouse::ShowRental(int position) {
    const RentalView view = deedwell::ShowRental(registry_.game(), position);
    ShowPicture(ui_->HousePicture, view.picture);
    ui_->HouseAddress->setText(Q(view.HouseAddress));
    ui_->l1->setText(Q(view.l1));
    ui_->SF->setText(Q(view.SF));
    ui_->Label1->setText(Q(view.Label1));
    ui_->Utils->setText(Q(view.Utils));
    ui_->Label2->setText(Q(view.Label2));
    ui_->Monthly->setText(Q(view.Monthly));
    ui_->Label8->setText(Q(view.Label8));
    ui_->Label5->setText(Q(view.Label5));
    ui_->Label6->setText(Q(view.Label6));
    ui_->Label7->setText(Q(view.Label7));
    ui_->Label10->setText(Q(view.Label10));
    ui_->Command1->setEnabled(view.canRent);
}

void RentHouse::RentMeClick() {
    QPointer<RentHouse> self(this);
    const bool rented = RentMe(registry_.game(), ui_->HouseSelect->value());
    if (self && rented) close();
}

}  // namespace deedwell::ui
