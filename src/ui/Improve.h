#pragma once
// The construction manager: upgrades and major repairs on one owned home.
//
// The window takes its home from CurrentHouseNo once, when it opens, and
// works on that ledger row until it closes; the listing browser rewrites
// CurrentHouseNo as it scrolls, so reading it later would reach another home.
// The portfolio's "MAKE IMPROVEMENT" reopens the window to change homes.

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>

class QPushButton;

namespace Ui {
class Improve;
}

namespace deedwell::ui {

class WindowRegistry;

class Improve : public QWidget {
    Q_OBJECT

  public:
    explicit Improve(WindowRegistry& registry);
    ~Improve() override;

    // The ledger row the window works on.
    std::size_t Row() const { return row_; }

    // Redraws the whole window for its home.
    void HouseHasChanged();

    void RequiredRepairsClick();           // Command1
    void ImprovementsClick();              // Command2
    void UpgradeKitchenClick();            // Command3
    void UpgradeBathroomClick();           // Command6
    void MajorRepairClick(std::size_t k);  // MajorRepairs(k)

  private:
    // Runs one spending and redraws, unless the window went away meanwhile
    // (a message box lets other windows act).
    template <class Spend>
    void Press(Spend spend);
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::Improve> ui_;
    QTimer* hintTimer_;
    std::size_t row_;
    std::array<QPushButton*, 7> majorRepairs_{};
};

}  // namespace deedwell::ui
