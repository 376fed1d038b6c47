#pragma once
// The portfolio: the owned homes one at a time, stepped through with a
// scroll bar, and the way on to the payment and construction windows for the
// home shown.
//
// The scroll range is the number of homes when the window opens. The payment
// window works on whatever home this window shows, so every redraw here
// redraws it too, and closing this window closes it.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class ViewProperties;
}

namespace deedwell::ui {

class WindowRegistry;

class ViewProperties : public QWidget {
    Q_OBJECT

  public:
    explicit ViewProperties(WindowRegistry& registry);
    ~ViewProperties() override;

    // The ledger row of the home shown; -1 when the player owned none at
    // opening.
    int ShownRow() const;

    // Redraws the home at the scroll position; an open payment window
    // follows it.
    void HouseHasChanged();

    void MakeMortgagePaymentClick();  // Command1
    void MakeImprovementClick();      // Command2

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void LoadHomes();
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::ViewProperties> ui_;
    QTimer* hintTimer_;
    bool hasHomes_ = false;
};

}  // namespace deedwell::ui
