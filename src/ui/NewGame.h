#pragma once
// The new-game window: name, age, income level, goal, years and rent demand.
// "START YOUR LIFE" hands the choices to the game and opens the add-on
// chooser. Closing the window before that ends the program: without a new
// life there is nothing to play.

#include <QPixmap>
#include <QWidget>
#include <memory>

#include "state/NewGame.h"

namespace Ui {
class NewGame;
}

namespace deedwell::ui {

class WindowRegistry;

class NewGame : public QWidget {
    Q_OBJECT

  public:
    explicit NewGame(WindowRegistry& registry);
    ~NewGame() override;

    // The choices as the controls hold them now.
    NewGameChoices Choices() const;

    // START YOUR LIFE (Command1).
    void StartYourLife();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Load();

    WindowRegistry& registry_;
    std::unique_ptr<Ui::NewGame> ui_;
    QPixmap backdrop_;
    bool started_ = false;
};

}  // namespace deedwell::ui
