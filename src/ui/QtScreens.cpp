#include "ui/QtScreens.h"

#include "ui/BANKER.h"
#include "ui/ChooseUnit.h"
#include "ui/GameScreen.h"
#include "ui/HouseSeller.h"
#include "ui/Improve.h"
#include "ui/MakePayment.h"
#include "ui/Mortgage.h"
#include "ui/OurHome.h"
#include "ui/RealEstate.h"
#include "ui/SellHouse.h"
#include "ui/ViewProperties.h"
#include "ui/NoGoal.h"
#include "ui/ShowHint.h"
#include "ui/WindowRegistry.h"
#include "ui/YESGOAL.h"

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
    // The portfolio's windows, and the bank's list, count homes by row too.
    registry_->Close<MakePayment>();
    registry_->Close<Improve>();
    registry_->Close<Mortgage>();
    registry_->Close<ViewProperties>();
    // The sale window steps through the homes by row.
    registry_->Close<SellHouse>();
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

namespace deedwell::ui {

void QtScreens::RefreshPortfolio() {
    if (!registry_) return;
    if (ViewProperties* portfolio = registry_->Find<ViewProperties>()) portfolio->HouseHasChanged();
}

}  // namespace deedwell::ui

namespace deedwell::ui {

void QtScreens::RefreshRealtorCount() {
    if (!registry_) return;
    // Only an open realtor window shows the count; it is never opened for it.
    if (HouseSeller* realtor = registry_->Find<HouseSeller>()) realtor->CountOffers();
}

}  // namespace deedwell::ui

namespace deedwell::ui {

void QtScreens::RefreshListingBrowser() {
    if (!registry_) return;
    if (RealEstate* browser = registry_->Find<RealEstate>()) browser->HouseHasChanged();
}

void QtScreens::CloseBanker() {
    if (registry_) registry_->Close<BANKER>();
}

void QtScreens::ReloadBanker() {
    if (!registry_) return;
    if (BANKER* banker = registry_->Find<BANKER>()) banker->ReloadHouse();
}

}  // namespace deedwell::ui

namespace deedwell::ui {

void QtScreens::ShowHint(const std::string& title, const std::string& text) {
    if (!registry_) return;
    registry_->ShowUnlessShowing<ui::ShowHint>()->SetHint(title, text);
}

void QtScreens::ShowGoalWindow(bool won, const std::string& text) {
    if (!registry_) return;
    if (won) {
        if (registry_->IsShowing<YESGOAL>()) return;
        registry_->ShowUnlessShowing<YESGOAL>()->SetNetStatus(text);
    } else {
        registry_->ShowUnlessShowing<NoGoal>();
    }
}

}  // namespace deedwell::ui
