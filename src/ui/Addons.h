#pragma once
// The add-on chooser: the standard game and two add-ons shown for interest
// only. Its click band opens the main screen. Closing the chooser before the
// main screen exists ends the program.

#include <QPixmap>
#include <QWidget>
#include <memory>

namespace Ui {
class Addons;
}

namespace deedwell::ui {

class WindowRegistry;

class Addons : public QWidget {
    Q_OBJECT

  public:
    explicit Addons(WindowRegistry& registry);
    ~Addons() override;

    // A click on the click area Label7.
    void Label7Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::Addons> ui_;
    QPixmap backdrop_;
};

}  // namespace deedwell::ui
