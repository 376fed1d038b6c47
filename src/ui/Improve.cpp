#include "ui/Improve.h"

#include <QPointer>
#include <limits>

#include "common/Numbers.h"
#include "hints/Hints.h"
#include "property/Improvements.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_Improve.h"

namespace deedwell::ui {

namespace {

// The ledger row of the 1-based home number in CurrentHouseNo; a row past any
// ledger when it holds no home number.
std::size_t RowOfHouseNumber(const std::string& houseNo) {
    const auto number = ParseNumber(houseNo);
    if (!number || *number < 1 || *number != Int(*number)) {
        return std::numeric_limits<std::size_t>::max();
    }
    return static_cast<std::size_t>(*number) - 1;
}

}  // namespace

Improve::Improve(WindowRegistry& registry)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      registry_(registry),
      ui_(std::make_unique<Ui::Improve>()),
      hintTimer_(new QTimer(this)),
      row_(RowOfHouseNumber(registry.game().state.CurrentHouseNo)) {
    ui_->setupUi(this);
    majorRepairs_ = {ui_->MajorRepairs_0, ui_->MajorRepairs_1, ui_->MajorRepairs_2,
                     ui_->MajorRepairs_3, ui_->MajorRepairs_4, ui_->MajorRepairs_5,
                     ui_->MajorRepairs_6};

    connect(ui_->Command1, &QPushButton::clicked, this, &Improve::RequiredRepairsClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &Improve::ImprovementsClick);
    connect(ui_->Command3, &QPushButton::clicked, this, &Improve::UpgradeKitchenClick);
    connect(ui_->Command6, &QPushButton::clicked, this, &Improve::UpgradeBathroomClick);
    for (std::size_t k = 0; k < majorRepairs_.size(); ++k) {
        connect(majorRepairs_[k], &QPushButton::clicked, this, [this, k] { MajorRepairClick(k); });
    }

    hintTimer_->setObjectName("HintTimer1");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &Improve::HintTimerTick);
    hintTimer_->start();

    HouseHasChanged();
}

Improve::~Improve() = default;

void Improve::HouseHasChanged() {
    const ImproveView view = ShowImprovements(registry_.game(), row_);
    if (!view.hasHome) {
        // No such home (any more): nothing here can be spent on it.
        for (QPushButton* button : {ui_->Command1, ui_->Command2, ui_->Command3, ui_->Command6}) {
            button->setEnabled(false);
        }
        for (QPushButton* button : majorRepairs_) button->setEnabled(false);
        return;
    }
    ui_->CashBar->setText(Q(view.CashBar));
    ui_->KitchenCost->setText(Q(view.KitchenCost));
    ui_->BathCost->setText(Q(view.BathCost));
    ShowPicture(ui_->cHousePicture_0, view.housePicture);
    ui_->AddressSpot->setText(Q(view.AddressSpot));
    ui_->NVAL->setText(Q(view.NVAL));
    ShowPicture(ui_->SmallKitchen, view.kitchenPicture);
    ShowPicture(ui_->SmallBathroom, view.bathPicture);

    if (view.Command1Enabled) ui_->Command1->setEnabled(*view.Command1Enabled);
    if (view.Command2Enabled) ui_->Command2->setEnabled(*view.Command2Enabled);
    ui_->Command1->setText(Q(view.Command1));
    ui_->Command2->setText(Q(view.Command2));
    ui_->ConditionBar->setText(Q(view.ConditionBar));

    ui_->HomeValue->setText(Q(view.HomeValue));
    ui_->Label7->setText(Q(view.Label7));
    ui_->mPAyment->setText(Q(view.mPAyment));
    ui_->Label8->setText(Q(view.Label8));

    ui_->List1->clear();
    for (const std::string& unit : view.List1) ui_->List1->addItem(Q(unit));
    ui_->Label5->setText(Q(view.Label5));

    for (std::size_t k = 0; k < majorRepairs_.size(); ++k) {
        majorRepairs_[k]->setText(Q(view.MajorRepairs[k]));
        majorRepairs_[k]->setEnabled(view.MajorRepairsEnabled[k]);
    }
}

template <class Spend>
void Improve::Press(Spend spend) {
    QPointer<Improve> self(this);
    spend(registry_.game(), row_);
    if (self) HouseHasChanged();
}

void Improve::RequiredRepairsClick() {
    Press([](Game& game, std::size_t row) { RequiredRepairs(game, row); });
}

void Improve::ImprovementsClick() {
    Press([](Game& game, std::size_t row) { Improvements(game, row); });
}

void Improve::UpgradeKitchenClick() {
    Press([](Game& game, std::size_t row) { UpgradeKitchen(game, row); });
}

void Improve::UpgradeBathroomClick() {
    Press([](Game& game, std::size_t row) { UpgradeBathroom(game, row); });
}

void Improve::MajorRepairClick(std::size_t k) {
    Press([k](Game& game, std::size_t row) { MajorRepair(game, row, k); });
}

void Improve::HintTimerTick() {
    hintTimer_->stop();
    HintImprove(registry_.game());
}

}  // namespace deedwell::ui
