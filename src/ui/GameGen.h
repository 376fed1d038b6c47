#pragma once
// The loading window: builds the whole market while the player watches a
// progress line, then opens the new-game window once per run.
//
// Its timer's first tick does all the work, with a few short pauses so the
// progress line repaints. While it works the window cannot be closed: the
// loop must not resume on a window that is gone.

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class GameGen;
}

namespace deedwell::ui {

class WindowRegistry;

// True after the listings at which the loading loop pauses: 50, 55, ..., 80
// (every fifth from the one whose fifth has two digits).
bool PausesAfterListing(int i);

class GameGen : public QWidget {
    Q_OBJECT

  public:
    explicit GameGen(WindowRegistry& registry);
    ~GameGen() override;

    // Timer1: the whole generation, then the hand-over to the new-game window.
    void Timer1Tick();
    bool Generating() const { return generating_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    WindowRegistry& registry_;
    std::unique_ptr<Ui::GameGen> ui_;
    QTimer* timer1_;
    bool started_ = false;
    bool generating_ = false;
};

}  // namespace deedwell::ui
