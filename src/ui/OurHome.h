#pragma once
// The home window: where the player lives and what it costs, the owned homes
// to move into, and the way to the rental homes.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class OurHome;
}

namespace deedwell::ui {

class WindowRegistry;

class OurHome : public QWidget {
    Q_OBJECT

  public:
    explicit OurHome(WindowRegistry& registry);
    ~OurHome() override;

    // The home figures, from the game.
    void RefreshInformation();
    // The list of owned homes, from the ledger.
    void ListTheHomes();

    void ListHomesClick(int row);
    void FindHouseForRentClick();  // Command1
    void MoveInClick();            // Command3

  private:
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::OurHome> ui_;
    QTimer* hintTimer_;
};

}  // namespace deedwell::ui
