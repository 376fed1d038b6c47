#pragma once
// The realtor: the way to the sale window, and the count of buyers' offers
// waiting to be opened. It stays above the other windows and keeps out of the
// task bar.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class HouseSeller;
}

namespace deedwell::ui {

class WindowRegistry;

class HouseSeller : public QWidget {
    Q_OBJECT

  public:
    explicit HouseSeller(WindowRegistry& registry);
    ~HouseSeller() override;

    // The offers button shows how many offers wait.
    void CountOffers();

    void SellAHouseClick();  // Command1
    void POffersClick();     // opens the next offer

  protected:
    bool event(QEvent* event) override;

  private:
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::HouseSeller> ui_;
    QTimer* hintTimer_;
};

}  // namespace deedwell::ui
