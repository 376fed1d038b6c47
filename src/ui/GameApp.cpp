#include "ui/GameApp.h"

#include "state/GameState.h"
#include "ui/Splash.h"

namespace deedwell::ui {

GameApp::GameApp(const std::filesystem::path& dataRoot)
    : records_(dataRoot),
      game_(records_, random_, clock_, dialogs_, screens_),
      registry_(std::make_unique<WindowRegistry>(game_)) {
    dialogs_.AttachState(&game_.state);
    screens_.AttachRegistry(registry_.get());
}

void GameApp::Start() {
    InitDefaults(game_.state);
    registry_->ShowUnlessShowing<Splash>();
}

}  // namespace deedwell::ui
