#pragma once
// The offer window: one buyer's offer for one owned home, to accept or to
// decline at once. It stays above the other windows. The offer it shows was
// used up when it was opened, so closing the window in any way loses it.

#include <QWidget>
#include <memory>
#include <optional>

#include "selling/Offers.h"

namespace Ui {
class ViewOffer;
}

namespace deedwell::ui {

class WindowRegistry;

class ViewOffer : public QWidget {
    Q_OBJECT

  public:
    explicit ViewOffer(WindowRegistry& registry);
    ~ViewOffer() override;

    // Opens the first waiting offer, in this window (shown unless showing);
    // an offer it was showing is replaced. With no offer waiting only the
    // main screen's indicator is brought up to date. The realtor's offers
    // button and the main screen's indicator both come here.
    static void OpenNextOffer(WindowRegistry& registry);

    // Shows `offer`, which replaces whatever the window showed.
    void ShowOffer(const OfferView& offer);
    // The offer shown, if any.
    const std::optional<OfferView>& Offer() const { return offer_; }

    void AcceptClick();   // Command1
    void DeclineClick();  // Command2

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void HouseHasChanged();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::ViewOffer> ui_;
    std::optional<OfferView> offer_;
};

}  // namespace deedwell::ui
