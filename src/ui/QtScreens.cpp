#include "ui/QtScreens.h"

#include "ui/ChooseUnit.h"
#include "ui/GameScreen.h"
#include "ui/OurHome.h"
#include "ui/WindowRegistry.h"

namespace deedwell::ui {

void QtScreens::RefreshAll() {
    if (!registry_) return;
    if (GameScreen* screen = registry_->Find<GameScreen>()) screen->RefreshAll();
}

void QtScreens::ShowHomeWindow() {
    if (registry_) registry_->ShowUnlessShowing<OurHome>();
}

void QtScreens::RefreshHomeInformation() {
    if (!registry_) return;
    if (OurHome* home = registry_->Find<OurHome>()) home->RefreshInformation();
}

void QtScreens::ScheduleSecondGeneration() {
    if (registry_) registry_->ScheduleSecondGeneration();
}

}  // namespace deedwell::ui

namespace deedwell::ui {

void QtScreens::DisplayMonth() {
    if (!registry_) return;
    if (GameScreen* screen = registry_->Find<GameScreen>()) screen->DisplayMonth();
}

void QtScreens::CloseHomeWindow() {
    if (registry_) registry_->Close<OurHome>();
}

void QtScreens::CloseRowWindows() {
    if (!registry_) return;
    // Both hold ledger rows by number, which a sale has just moved.
    registry_->Close<ChooseUnit>();
    registry_->Close<OurHome>();
}

void QtScreens::RefreshOffersIndicator() {
    if (!registry_) return;
    if (GameScreen* screen = registry_->Find<GameScreen>()) screen->DrawOffers();
}

void QtScreens::RefreshGoalCharts() {
    if (!registry_) return;
    if (GameScreen* screen = registry_->Find<GameScreen>()) screen->DrawCharts();
}

}  // namespace deedwell::ui
