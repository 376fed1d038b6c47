#include "ui/NewGame.h"

#include <QCloseEvent>
#include <QPainter>

#include "ui/Addons.h"
#include "ui/GameScreen.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/WindowRegistry.h"
#include "ui_NewGame.h"

namespace deedwell::ui {

NewGame::NewGame(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      registry_(registry),
      ui_(std::make_unique<Ui::NewGame>()) {
    ui_->setupUi(this);
    backdrop_ = DecorPicture(registry_.game().records.Root(), "newgame");

    QRadioButton* levels[] = {ui_->DiffLevel_0, ui_->DiffLevel_1, ui_->DiffLevel_2,
                              ui_->DiffLevel_3, ui_->DiffLevel_4, ui_->DiffLevel_5,
                              ui_->DiffLevel_6, ui_->DiffLevel_7};
    for (int i = 0; i < static_cast<int>(kIncomeOptions.size()); ++i) {
        levels[i]->setText(Q(kIncomeOptions[static_cast<std::size_t>(i)].caption));
        ui_->DiffLevelGroup->setId(levels[i], i);
    }
    ui_->DiffLevelGroup->setExclusive(true);
    levels[kDefaultIncomeIndex]->setChecked(true);

    for (auto goal : kGoalList) ui_->GoalList->addItem(Q(goal));
    for (auto plan : kPlanList) ui_->Planlist->addItem(Q(plan));
    ui_->GoalBox->setText(Q(kDefaultGoalBox));
    ui_->PlanBox->setText(Q(kDefaultPlanBox));
    ui_->Text1->setText(Q(kDefaultName));
    ui_->Text2->setText(Q(kDefaultAge));
    ui_->RentDemand->setValue(kDefaultSlider);
    ui_->RentLabel->setText(Q(RentLabel(kDefaultSlider)));

    connect(ui_->RentDemand, &QSlider::valueChanged, this,
            [this](int value) { ui_->RentLabel->setText(Q(RentLabel(value))); });
    connect(ui_->Command1, &QPushButton::clicked, this, &NewGame::StartYourLife);

    Load();
    setFixedSize(sizeHint());
}

NewGame::~NewGame() = default;

void NewGame::Load() {
    const NewGameLoadValues remembered = NewGameLoad(registry_.game());
    setWindowTitle(LabelCaption(registry_.game().state.GameTitle));
    ui_->Text1->setText(Q(remembered.name));
    ui_->Text2->setText(Q(remembered.age));
    ui_->GoalList->setCurrentRow(kDefaultGoalIndex);
    ui_->Planlist->setCurrentRow(kDefaultPlanIndex);
}

NewGameChoices NewGame::Choices() const {
    NewGameChoices choices;
    choices.name = Std(ui_->Text1->text());
    choices.age = Std(ui_->Text2->text());
    const int level = ui_->DiffLevelGroup->checkedId();
    choices.incomeIndex = level >= 0 ? level : kDefaultIncomeIndex;
    choices.goalIndex = ui_->GoalList->currentRow();
    choices.goalTicked = ui_->Goal->isChecked();
    choices.goalBox = Std(ui_->GoalBox->text());
    choices.planIndex = ui_->Planlist->currentRow();
    choices.planTicked = ui_->PlanCheck->isChecked();
    choices.planBox = Std(ui_->PlanBox->text());
    choices.slider = ui_->RentDemand->value();
    return choices;
}

void NewGame::StartYourLife() {
    if (started_) return;
    // A refusal has told the player which box to mend; the window stays.
    if (deedwell::StartYourLife(registry_.game(), Choices())) return;
    started_ = true;
    registry_.ShowUnlessShowing<Addons>();
    close();
}

void NewGame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintCovering(painter, rect(), backdrop_);
}

void NewGame::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!started_ && !registry_.IsShowing<GameScreen>()) registry_.EndProgram();
}

}  // namespace deedwell::ui
