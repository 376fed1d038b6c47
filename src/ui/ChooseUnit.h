#pragma once
// The unit window: the units of one owned home, to move into one of them.
// It stays above the other windows, and it keeps the home it was loaded with
// until it closes, whatever other windows do meanwhile.

#include <QWidget>
#include <memory>

namespace Ui {
class ChooseUnit;
}

namespace deedwell::ui {

class WindowRegistry;

class ChooseUnit : public QWidget {
    Q_OBJECT

  public:
    explicit ChooseUnit(WindowRegistry& registry);
    ~ChooseUnit() override;

    // Lists the units of ledger row `row` (-1: no home, an empty list).
    void LoadHouse(int row);
    int Row() const { return row_; }

    // "Lets Move In!" (Command1).
    void LetsMoveInClick();

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::ChooseUnit> ui_;
    int row_ = -1;
};

}  // namespace deedwell::ui
