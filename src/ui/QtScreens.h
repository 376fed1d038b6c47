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
    void ShowHint(const std::string& title, const std::string& text) override;
    void ShowGoalWindow(bool won, const std::string& text) override;
    void RefreshRealtorCount() override;
    void RefreshPortfolio() override;

    void RefreshListingBrowser() override;
    void CloseBanker() override;
    void ReloadBanker() override;

  private:
    WindowRegistry* registry_ = nullptr;
};

}  // namespace deedwell::ui
