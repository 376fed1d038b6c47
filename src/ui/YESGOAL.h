#pragma once
// The winning window: the goal is reached. It shows the inflation lesson in
// NetStatus and lets the player go on playing or end the program.

#include <QWidget>
#include <memory>
#include <string>

namespace Ui {
class YESGOAL;
}

namespace deedwell::ui {

class WindowRegistry;

class YESGOAL : public QWidget {
    Q_OBJECT

  public:
    explicit YESGOAL(WindowRegistry& registry);
    ~YESGOAL() override;

    // The winning message, as the goal test wrote it.
    void SetNetStatus(const std::string& text);

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::YESGOAL> ui_;
};

}  // namespace deedwell::ui
