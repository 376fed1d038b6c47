#include "ui/BANKER.h"

#include <QSignalBlocker>

#include "hints/Hints.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_BANKER.h"

namespace deedwell::ui {

BANKER::BANKER(WindowRegistry& registry)
    : QWidget(nullptr),
      registry_(registry),
      ui_(std::make_unique<Ui::BANKER>()),
      rates_(new QButtonGroup(this)),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    rates_->addButton(ui_->InterestVar_0, 0);
    rates_->addButton(ui_->InterestVar_1, 1);
    rates_->addButton(ui_->InterestVar_2, 2);
    // Four short terms: the list is exactly as tall as its entries.
    ui_->List1->setFixedHeight(ui_->List1->sizeHintForRow(0) * ui_->List1->count() +
                               2 * ui_->List1->frameWidth());

    connect(rates_, &QButtonGroup::idClicked, this, &BANKER::TalkToTheBanker);
    connect(ui_->List1, &QListWidget::currentRowChanged, this, &BANKER::TalkToTheBanker);
    connect(ui_->Command1, &QPushButton::clicked, this, &BANKER::DealClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &QWidget::close);

    hintTimer_->setObjectName("HintTimer1");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &BANKER::HintTimerTick);
    hintTimer_->start();
}

BANKER::~BANKER() = default;

int BANKER::RateOption() const { return rates_->checkedId(); }

int BANKER::TermOption() const { return ui_->List1->currentRow(); }

void BANKER::LoadHouse(int position) { Load(ListingAtPosition(registry_.game(), position)); }

void BANKER::ReloadHouse() { Load(view_.snapshot.listing); }

void BANKER::Load(const std::string& listing) {
    if (TermOption() < 0) {
        // With no term picked the loan runs 30 years, and the list says so.
        const QSignalBlocker quiet(ui_->List1);
        ui_->List1->setCurrentRow(0);
    }
    view_ = LoadBanker(registry_.game(), listing, RateOption(), TermOption());
    DrawHouse();
    DrawAgreement();
}

void BANKER::TalkToTheBanker() {
    RefreshAgreement(registry_.game(), view_, RateOption(), TermOption());
    DrawAgreement();
}

void BANKER::DrawHouse() {
    ShowPicture(ui_->HousePicture, view_.housePicture);
    ui_->HouseAddress->setText(Q(view_.address));
    ui_->l1->setText(Q(view_.cost));
    ui_->Label1->setText(Q(view_.squareFeet));
    ui_->Beds->setText(Q(view_.beds));
    ui_->Baths->setText(Q(view_.baths));
    ui_->cType->setText(Q(view_.type));
    ui_->cUnits->setText(Q(view_.units));
    ui_->eRent->setText(Q(view_.rent));
    ui_->apraise->setText(Q(view_.appraisal));
    ui_->Label14->setText(Q(view_.land));
    ui_->Label2->setText(Q(view_.condition));
    ui_->CashBar->setText(Q(view_.cash));
}

void BANKER::DrawAgreement() {
    ui_->FIGURES_1->setText(Q(view_.askingPrice));
    ui_->NVALUEHERE->setText(Q(view_.neighbourhood));
    ui_->FIGURES_0->setText(Q(view_.downPayment));
    ui_->CloseCost->setText(Q(view_.closingCosts));
    ui_->CEQUIP->setText(Q(view_.equityTowards));
    ui_->MyCashNow->setText(Q(view_.yourCash));
    ui_->FIGURES_3->setText(Q(view_.loanAmount));
    ui_->FIGURES_4->setText(Q(view_.interestRate));
    ui_->FIGURES_5->setText(Q(view_.monthlyPayment));
    ui_->FIGURES_2->setText(Q(view_.required));
    // Once out of reach the figure stays red while the window is open.
    if (view_.requiredAboveCash) SetTone(ui_->FIGURES_2, "negative");
}

void BANKER::DealClick() {
    // A successful deal closes this window itself.
    Deal(registry_.game(), view_.snapshot, RateOption(), TermOption());
}

void BANKER::HintTimerTick() {
    hintTimer_->stop();
    HintBanker(registry_.game());
}

}  // namespace deedwell::ui
