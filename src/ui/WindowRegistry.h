#pragma once
// The window registry: owns every window of the game and lets windows reach
// each other.
//
// Windows are created when first shown and deleted when closed, so each
// opening starts afresh (its load runs again). The registry keeps a guarded
// pointer per window type; "show unless showing" opens a window only when no
// window of that type is on screen. A window that is closed but not yet
// deleted counts as gone.
//
// The registry also ends the program (once, and only through here, so that a
// routine waiting in Pause can tell that the program is ending) and runs the
// quiet second market generation.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <typeindex>
#include <typeinfo>

#include "state/Game.h"

namespace deedwell::ui {

class GameMusic;

class WindowRegistry : public QObject {
    Q_OBJECT

  public:
    explicit WindowRegistry(Game& game, QObject* parent = nullptr);
    ~WindowRegistry() override;

    Game& game() { return game_; }

    // The window of type W while it is on screen, else nullptr.
    template <class W>
    W* Find() const {
        auto it = windows_.find(std::type_index(typeid(W)));
        if (it == windows_.end() || it->second.isNull() || !it->second->isVisible()) return nullptr;
        return static_cast<W*>(it->second.data());
    }

    template <class W>
    bool IsShowing() const {
        return Find<W>() != nullptr;
    }

    // Shows a window of type W unless one is showing; returns the one on
    // screen. W is constructed as W(WindowRegistry&).
    template <class W>
    W* ShowUnlessShowing() {
        if (W* shown = Find<W>()) return shown;
        W* window = new W(*this);
        Adopt(std::type_index(typeid(W)), window);
        return window;
    }

    // Closes the window of type W if it is showing.
    template <class W>
    void Close() {
        if (W* window = Find<W>()) window->close();
    }

    // Ends the program: every later request to end it is ignored, and
    // Quitting() turns true at once.
    void EndProgram();
    bool Quitting() const { return quitting_; }

    // Waits `seconds` while events run (see Pause.h).
    void Pause(double seconds);

    // The quiet second run of the market generation, once per run, half a
    // second after the first request.
    void ScheduleSecondGeneration();
    int SecondGenerationsRun() const { return secondGenerationsRun_; }

    // Seams: how the program ends and how a pause waits. The application
    // leaves the defaults; a test may record the end or shorten the pauses.
    std::function<void()> endProgram;
    std::function<void(double)> pause;

    // The game music, owned by the application and outliving every window;
    // nullptr when the game runs without music.
    GameMusic* music = nullptr;

  private:
    void Adopt(std::type_index type, QWidget* window);
    void RunSecondGeneration();

    Game& game_;
    std::map<std::type_index, QPointer<QWidget>> windows_;
    bool quitting_ = false;
    bool secondGenerationScheduled_ = false;
    int secondGenerationsRun_ = 0;
};

// Moves a window to the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

}  // namespace deedwell::ui
