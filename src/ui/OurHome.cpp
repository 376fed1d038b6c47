#include "ui/OurHome.h"

#include "hints/Hints.h"
#include "property/MoveIn.h"
#include "ui/ChooseUnit.h"
#include "ui/Pictures.h"
#include "ui/RentHouse.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_OurHome.h"

namespace deedwell::ui {

OurHome::OurHome(WindowRegistry& registry)
    : QWidget(nullptr),
      registry_(registry),
      ui_(std::make_unique<Ui::OurHome>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    setWindowTitle(LabelCaption(registry_.game().state.GameTitle));
    // The picture the window shows before the player has ever had a home.
    ui_->HousePic->setPixmap(DecorPicture(registry_.game().records.Root(), "newgame"));

    connect(ui_->ListHomes, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListHomesClick(ui_->ListHomes->row(item)); });
    connect(ui_->Command1, &QPushButton::clicked, this, &OurHome::FindHouseForRentClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->Command3, &QPushButton::clicked, this, &OurHome::MoveInClick);

    hintTimer_->setObjectName("Hinttimer1");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &OurHome::HintTimerTick);
    hintTimer_->start();

    ListTheHomes();
    RefreshInformation();
}

OurHome::~OurHome() = default;

void OurHome::ListTheHomes() {
    ui_->ListHomes->clear();
    for (const std::string& entry : deedwell::ListTheHomes(registry_.game())) {
        ui_->ListHomes->addItem(Q(entry));
    }
}

void OurHome::RefreshInformation() {
    const HomeWindowView view = deedwell::RefreshInformation(registry_.game());
    ui_->CashBar->setText(Q(view.CashBar));
    if (view.homeless) return;
    QLabel* info[] = {ui_->RentInfo_0, ui_->RentInfo_1, ui_->RentInfo_2, ui_->RentInfo_3,
                      ui_->RentInfo_4};
    for (std::size_t i = 0; i < view.RentInfo.size(); ++i) info[i]->setText(Q(view.RentInfo[i]));
    ShowPicture(ui_->HousePic, view.picture);
}

void OurHome::ListHomesClick(int row) {
    ShowPicture(ui_->HousePic, OwnedHomePicture(registry_.game(), row));
}

void OurHome::FindHouseForRentClick() {
    registry_.ShowUnlessShowing<RentHouse>();
    close();
}

void OurHome::MoveInClick() {
    ChooseUnit* units = registry_.ShowUnlessShowing<ChooseUnit>();
    units->LoadHouse(SelectedRow(ui_->ListHomes));
}

void OurHome::HintTimerTick() {
    hintTimer_->stop();
    HintOurHome(registry_.game());
}

}  // namespace deedwell::ui
