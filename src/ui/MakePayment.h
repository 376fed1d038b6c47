#pragma once
// The payment window: whole dollars off the loan of the home the portfolio
// shows, on top of the monthly payments.
//
// It has no home of its own: every redraw and every press asks the portfolio
// which home it shows, and the portfolio redraws this window whenever it
// moves to another one.

#include <QWidget>
#include <memory>

namespace Ui {
class MakePayment;
}

namespace deedwell::ui {

class WindowRegistry;

class MakePayment : public QWidget {
    Q_OBJECT

  public:
    explicit MakePayment(WindowRegistry& registry);
    ~MakePayment() override;

    // The cash, the note and the whole principal offered, for the home the
    // portfolio shows.
    void ShowHome();

    void MakePaymentClick();  // Command1

  private:
    // The portfolio's home as a ledger row; -1 without one.
    int PortfolioRow() const;

    WindowRegistry& registry_;
    std::unique_ptr<Ui::MakePayment> ui_;
};

}  // namespace deedwell::ui
