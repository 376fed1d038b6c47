#include "ui/NoGoal.h"

#include "simulation/Goals.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_NoGoal.h"

namespace deedwell::ui {

NoGoal::NoGoal(WindowRegistry& registry)
    // Kept above every other window: it arrives in the middle of a month.
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::NoGoal>()) {
    ui_->setupUi(this);
    setWindowTitle(LabelCaption(registry_.game().state.GameTitle));
    ui_->Picture->setPixmap(DecorPicture(registry_.game().records.Root(), "goal_missed"));
    ui_->Command1->setText(Q(GoalCaptions::LoseContinue));
    ui_->Command2->setText(Q(GoalCaptions::LoseExit));
    connect(ui_->Command1, &QPushButton::clicked, this, &QWidget::close);
    // Ends at once: no exit question, nothing saved.
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { registry_.EndProgram(); });
}

NoGoal::~NoGoal() = default;

}  // namespace deedwell::ui
