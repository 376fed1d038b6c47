#pragma once
// The splash window: the title card for three seconds, then the loading
// window takes over.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class Splash;
}

namespace deedwell::ui {

class WindowRegistry;

class Splash : public QWidget {
    Q_OBJECT

  public:
    explicit Splash(WindowRegistry& registry);
    ~Splash() override;

    // Timer1: hands over to the loading window and closes the splash.
    void Timer1Tick();

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::Splash> ui_;
    QTimer* timer1_;
};

}  // namespace deedwell::ui
