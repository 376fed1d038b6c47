#include "ui/ChooseUnit.h"

#include <QPointer>

#include "property/MoveIn.h"
#include "property/Renting.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_ChooseUnit.h"

namespace deedwell::ui {

ChooseUnit::ChooseUnit(WindowRegistry& registry)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::ChooseUnit>()) {
    ui_->setupUi(this);
    setWindowTitle(LabelCaption(registry_.game().state.GameTitle));
    ui_->CashBar->setText(Q(HomeCashBarText(registry_.game())));
    connect(ui_->Command1, &QPushButton::clicked, this, &ChooseUnit::LetsMoveInClick);
}

ChooseUnit::~ChooseUnit() = default;

void ChooseUnit::LoadHouse(int row) {
    const UnitList units = LoadUnits(registry_.game(), row);
    row_ = row;
    ui_->List1->clear();
    for (const std::string& state : units.entries) ui_->List1->addItem(Q(state));
    if (units.selected >= 0) {
        ui_->List1->setCurrentRow(units.selected);
    } else {
        ui_->List1->clearSelection();
    }
}

void ChooseUnit::LetsMoveInClick() {
    QPointer<ChooseUnit> self(this);
    const bool moved = LetsMoveIn(registry_.game(), row_, SelectedRow(ui_->List1));
    if (self && moved) close();
}

}  // namespace deedwell::ui
