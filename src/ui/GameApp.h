#pragma once
// One running game with its windows: the ports wired to Qt and the system,
// the Game, and the window registry. main() makes one and starts it.

#include <filesystem>
#include <memory>

#include "market/RandomInt.h"
#include "records/RecordFiles.h"
#include "state/Game.h"
#include "ui/QtDialogs.h"
#include "ui/QtScreens.h"
#include "ui/SystemClock.h"
#include "ui/WindowRegistry.h"

namespace deedwell::ui {

class GameApp {
  public:
    explicit GameApp(const std::filesystem::path& dataRoot);

    // Sets the start-up defaults and opens the splash window.
    void Start();

    Game& game() { return game_; }
    WindowRegistry& registry() { return *registry_; }

  private:
    RecordStore records_;
    SystemRandom random_;
    SystemClock clock_;
    QtDialogs dialogs_;
    QtScreens screens_;
    Game game_;
    std::unique_ptr<WindowRegistry> registry_;
};

}  // namespace deedwell::ui
