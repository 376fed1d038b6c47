#pragma once
// The losing window: the years of the plan have run out. Its picture says
// it all; the player may go on playing or end the program.

#include <QWidget>
#include <memory>

namespace Ui {
class NoGoal;
}

namespace deedwell::ui {

class WindowRegistry;

class NoGoal : public QWidget {
    Q_OBJECT

  public:
    explicit NoGoal(WindowRegistry& registry);
    ~NoGoal() override;

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::NoGoal> ui_;
};

}  // namespace deedwell::ui
