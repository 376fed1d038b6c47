#pragma once
// The bank window: a home equity loan on any owned home. It lists the homes
// with their equity and refinancing wait, shows the figures of the loan asked
// for as it is typed, and signs the papers. It stays above all other windows.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class Mortgage;
}

namespace deedwell::ui {

class WindowRegistry;

class Mortgage : public QWidget {
    Q_OBJECT

  public:
    explicit Mortgage(WindowRegistry& registry);
    ~Mortgage() override;

    // The figures of the loan in DesiredLoan for the selected home; nothing
    // without a selection.
    void ShowFigures();

    // Selecting a home: its figures, then its largest loan offered in the box.
    void ListHomesClick(int row);
    void SignThePapersClick();  // Command1

  private:
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::Mortgage> ui_;
    QTimer* hintTimer_;
};

}  // namespace deedwell::ui
