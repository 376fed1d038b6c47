#include "ui/YESGOAL.h"

#include "simulation/Goals.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_YESGOAL.h"

namespace deedwell::ui {

YESGOAL::YESGOAL(WindowRegistry& registry)
    // Kept above every other window: it arrives in the middle of a month.
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::YESGOAL>()) {
    ui_->setupUi(this);
    setWindowTitle(LabelCaption(registry_.game().state.GameTitle));
    ui_->Picture->setPixmap(DecorPicture(registry_.game().records.Root(), "goal_won"));
    ui_->Command1->setText(Q(GoalCaptions::WinContinue));
    ui_->Command2->setText(Q(GoalCaptions::WinExit));
    connect(ui_->Command1, &QPushButton::clicked, this, &QWidget::close);
    // Ends at once: no exit question, nothing saved.
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { registry_.EndProgram(); });
}

YESGOAL::~YESGOAL() = default;

void YESGOAL::SetNetStatus(const std::string& text) {
    ui_->NetStatus->setText(Q(text));
    FitKeepingCentre(this);
}

}  // namespace deedwell::ui
