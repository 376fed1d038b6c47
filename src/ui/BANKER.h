#pragma once
// The banker: the purchase agreement for one listing, with three rate options
// and four loan terms, and "DEAL" to buy the home.
//
// The banker stays on the listing the browser gave it, however the browser
// moves on meanwhile; the figures, the checks and the purchase all refer to
// the house its panel shows.

#include <QButtonGroup>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "finance/Purchase.h"

namespace Ui {
class BANKER;
}

namespace deedwell::ui {

class WindowRegistry;

class BANKER : public QWidget {
    Q_OBJECT

  public:
    explicit BANKER(WindowRegistry& registry);
    ~BANKER() override;

    // Takes the listing at browser position `position` and fills both panels.
    void LoadHouse(int position);
    // Fills both panels again from the listing's file, for the same listing.
    void ReloadHouse();
    // The purchase agreement again, for the option and term picked now.
    void TalkToTheBanker();
    // The listing the banker works on ("" before LoadHouse).
    const std::string& Listing() const { return view_.snapshot.listing; }

    // "DEAL" (Command1).
    void DealClick();

  private:
    void Load(const std::string& listing);
    int RateOption() const;
    int TermOption() const;
    void DrawHouse();
    void DrawAgreement();
    void HintTimerTick();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::BANKER> ui_;
    QButtonGroup* rates_;
    QTimer* hintTimer_;
    BankerView view_;
};

}  // namespace deedwell::ui
