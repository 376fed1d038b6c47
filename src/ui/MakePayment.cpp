#include "ui/MakePayment.h"

#include <QPointer>

#include "finance/ExtraPayment.h"
#include "ui/Text.h"
#include "ui/ViewProperties.h"
#include "ui/WindowRegistry.h"
#include "ui_MakePayment.h"

namespace deedwell::ui {

MakePayment::MakePayment(WindowRegistry& registry)
    : QWidget(nullptr), registry_(registry), ui_(std::make_unique<Ui::MakePayment>()) {
    ui_->setupUi(this);
    setWindowTitle(LabelCaption(registry_.game().state.GameTitle));
    connect(ui_->Command1, &QPushButton::clicked, this, &MakePayment::MakePaymentClick);
    connect(ui_->Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->Text1, &QLineEdit::returnPressed, this, &MakePayment::MakePaymentClick);
    ShowHome();
}

MakePayment::~MakePayment() = default;

int MakePayment::PortfolioRow() const {
    const ViewProperties* portfolio = registry_.Find<ViewProperties>();
    return portfolio ? portfolio->ShownRow() : -1;
}

void MakePayment::ShowHome() {
    const int row = PortfolioRow();
    if (row < 0) return;
    const PaymentWindowView view =
        ShowPaymentWindow(registry_.game(), static_cast<std::size_t>(row));
    if (!view.hasHome) return;
    setWindowTitle(LabelCaption(view.caption));
    ui_->CashBar->setText(Q(view.CashBar));
    ui_->Label2->setText(Q(view.Label2));
    ui_->Text1->setText(Q(view.Text1));
}

void MakePayment::MakePaymentClick() {
    const int row = PortfolioRow();
    if (row < 0) {
        close();
        return;
    }
    QPointer<MakePayment> self(this);
    const PaymentOutcome outcome =
        ApplyExtraPayment(registry_.game(), static_cast<std::size_t>(row), Std(ui_->Text1->text()));
    if (!self) return;
    if (outcome.Text1) ui_->Text1->setText(Q(*outcome.Text1));
    if (!outcome.paid) return;
    if (ViewProperties* portfolio = registry_.Find<ViewProperties>()) portfolio->activateWindow();
    close();
}

}  // namespace deedwell::ui
