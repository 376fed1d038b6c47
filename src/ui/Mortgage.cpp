#include "ui/Mortgage.h"

#include <QPointer>
#include <QSignalBlocker>

#include "finance/Borrowing.h"
#include "hints/Hints.h"
#include "ui/GameScreen.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_Mortgage.h"

namespace deedwell::ui {

Mortgage::Mortgage(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::Mortgage>()),
      hintTimer_(new QTimer(this)) {
    ui_->setupUi(this);
    const BorrowingView view = OpenBorrowing(registry_.game());
    setWindowTitle(LabelCaption(view.caption));
    ui_->CashBar->setText(Q(view.CashBar));

    connect(ui_->ListHomes, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = SelectedRow(ui_->ListHomes);
        if (row >= 0) ListHomesClick(row);
    });
    connect(ui_->DesiredLoan, &QLineEdit::textChanged, this, &Mortgage::ShowFigures);
    connect(ui_->LoanType_0, &QRadioButton::clicked, this, &Mortgage::ShowFigures);
    connect(ui_->Command1, &QPushButton::clicked, this, &Mortgage::SignThePapersClick);

    hintTimer_->setObjectName("HintTimer1");
    hintTimer_->setSingleShot(true);
    hintTimer_->setInterval(500);
    connect(hintTimer_, &QTimer::timeout, this, &Mortgage::HintTimerTick);
    hintTimer_->start();

    for (const std::string& entry : view.ListHomes) ui_->ListHomes->addItem(Q(entry));
    ui_->ListHomes->setEnabled(view.listEnabled);
    ui_->Command1->setEnabled(view.signEnabled);
    if (ui_->ListHomes->count() > 0) ui_->ListHomes->setCurrentRow(0);
}

Mortgage::~Mortgage() = default;

void Mortgage::ListHomesClick(int row) {
    ShowFigures();
    // The new offer in the box shows its figures through the box's change.
    ui_->DesiredLoan->setText(Q(OfferedLoan(registry_.game(), static_cast<std::size_t>(row))));
}

void Mortgage::ShowFigures() {
    const int row = SelectedRow(ui_->ListHomes);
    if (row < 0) return;
    const LoanFigures figures = deedwell::ShowFigures(
        registry_.game(), static_cast<std::size_t>(row), Std(ui_->DesiredLoan->text()));
    if (!figures.hasHome) return;
    if (ui_->DesiredLoan->text() != Q(figures.DesiredLoan)) {
        // An emptied box reads "0"; the figures below are already for it.
        const QSignalBlocker quiet(ui_->DesiredLoan);
        ui_->DesiredLoan->setText(Q(figures.DesiredLoan));
    }
    QLabel* info[] = {ui_->LoanInfo_0, ui_->LoanInfo_1, ui_->LoanInfo_2, ui_->LoanInfo_3};
    QLabel* amount[] = {ui_->LoanAmount_0, ui_->LoanAmount_1, ui_->LoanAmount_2, ui_->LoanAmount_3};
    for (std::size_t i = 0; i < figures.LoanInfo.size(); ++i) {
        info[i]->setText(Q(figures.LoanInfo[i]));
        amount[i]->setText(Q(figures.LoanAmount[i]));
    }
    ShowPicture(ui_->HousePicture, figures.picture);
}

void Mortgage::SignThePapersClick() {
    const int row = SelectedRow(ui_->ListHomes);
    if (row < 0) return;
    QPointer<Mortgage> self(this);
    const bool accepted = SignThePapers(registry_.game(), static_cast<std::size_t>(row),
                                        Std(ui_->DesiredLoan->text()));
    if (!self || !accepted) return;
    if (GameScreen* screen = registry_.Find<GameScreen>()) screen->activateWindow();
    ui_->CashBar->setText(Q(OpenBorrowing(registry_.game()).CashBar));
    close();
}

void Mortgage::HintTimerTick() {
    hintTimer_->stop();
    HintMortgage(registry_.game());
}

}  // namespace deedwell::ui
