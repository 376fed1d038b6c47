#pragma once
// The listing browser: pages through the market one listing at a time, with
// the figures grown to the current year, and hands the listing shown to the
// banker. Listings the player owns carry the sold sign.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class RealEstate;
}

namespace deedwell::ui {

class WindowRegistry;

class RealEstate : public QWidget {
    Q_OBJECT

  public:
    explicit RealEstate(WindowRegistry& registry);
    ~RealEstate() override;

    // Fills the window for the scroll bar's position (and makes it the
    // game's current listing).
    void HouseHasChanged();
    int Position() const;

    // "Talk With Your Banker" (Command1).
    void TalkWithYourBankerClick();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowHomes();
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::RealEstate> ui_;
    QTimer* hintTimer_;
};

}  // namespace deedwell::ui
