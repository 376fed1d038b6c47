#pragma once
// What the rules ask of the windows, answered through the window registry.

#include "state/Ports.h"

namespace deedwell::ui {

class WindowRegistry;

class QtScreens : public Screens {
  public:
    // The registry is attached once it exists, since it needs the Game, and
    // the Game needs the screens first. Until then every request is ignored.
    void AttachRegistry(WindowRegistry* registry) { registry_ = registry; }

    void RefreshAll() override;
    void ShowHomeWindow() override;
    void RefreshHomeInformation() override;
    void ScheduleSecondGeneration() override;
    void DisplayMonth() override;
    void CloseHomeWindow() override;
    void CloseRowWindows() override;
    void RefreshOffersIndicator() override;
    void RefreshGoalCharts() override;

  private:
    WindowRegistry* registry_ = nullptr;
};

}  // namespace deedwell::ui
