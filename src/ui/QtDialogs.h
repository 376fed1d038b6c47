#pragma once
// The game's message boxes, as Qt message boxes.
//
// Every box is application-modal (exec): while one is open no other window
// can change the cash underneath a running month.

#include <string>

#include "state/GameState.h"
#include "state/Ports.h"

namespace deedwell::ui {

class QtDialogs : public Dialogs {
  public:
    // The information boxes take their title from GameTitle; the state is
    // attached once the Game exists, since the Game needs the dialogs first.
    void AttachState(const GameState* state) { state_ = state; }

    void ShowMessage(const std::string& text) override;
    void ShowPlain(const std::string& text) override;
    bool AskYesNo(const std::string& title, const std::string& text) override;

  private:
    std::string GameTitle() const;

    const GameState* state_ = nullptr;
};

}  // namespace deedwell::ui
