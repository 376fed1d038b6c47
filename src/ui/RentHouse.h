#pragma once
// The rent window: pages through the rental homes and rents one as the
// player's place to live.

#include <QWidget>
#include <memory>

namespace Ui {
class RentHouse;
}

namespace deedwell::ui {

class WindowRegistry;

class RentHouse : public QWidget {
    Q_OBJECT

  public:
    explicit RentHouse(WindowRegistry& registry);
    ~RentHouse() override;

    // Shows the rental at scroll position `position`.
    void ShowRental(int position);
    // "RENT ME" (Command1), for the rental shown.
    void RentMeClick();

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::RentHouse> ui_;
};

}  // namespace deedwell::ui
