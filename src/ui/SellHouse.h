#pragma once
// The sale window: steps through the owned homes one at a time by its scroll
// bar and puts the home shown on the market or takes it off.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class SellHouse;
}

namespace deedwell::ui {

class WindowRegistry;

class SellHouse : public QWidget {
    Q_OBJECT

  public:
    explicit SellHouse(WindowRegistry& registry);
    ~SellHouse() override;

    // Shows the home at the scroll bar's position.
    void HouseHasChanged();
    // The ledger row shown, -1 when no home is owned.
    int Row() const;

    void PutUpForSaleClick();   // Command1
    void TakeOffMarketClick();  // Command3

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::SellHouse> ui_;
    QTimer* hintTimer_;
};

}  // namespace deedwell::ui
