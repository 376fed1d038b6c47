#include "ui/ShowHint.h"

#include <QIcon>

#include "hints/Hints.h"
#include "ui/Pictures.h"
#include "ui/Text.h"
#include "ui/Widgets.h"
#include "ui/WindowRegistry.h"
#include "ui_ShowHint.h"

namespace deedwell::ui {

ShowHint::ShowHint(WindowRegistry& registry)
    // Kept above every other window, so a hint is never lost behind one.
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint),
      registry_(registry),
      ui_(std::make_unique<Ui::ShowHint>()) {
    ui_->setupUi(this);
    setWindowTitle(Q(kHintWindowCaption));
    const auto& root = registry_.game().records.Root();
    ui_->Picture->setPixmap(DecorPicture(root, "hint"));
    const QPixmap icon = DecorPicture(root, "hint_icon");
    if (!icon.isNull()) setWindowIcon(QIcon(icon));
    // A new window each opening, so the box always starts unticked.
    ui_->Check1->setChecked(false);

    connect(ui_->Check1, &QCheckBox::clicked, this, &ShowHint::Check1Click);
    connect(ui_->Command1, &QPushButton::clicked, this, &QWidget::close);
}

ShowHint::~ShowHint() = default;

void ShowHint::SetHint(const std::string& title, const std::string& text) {
    ui_->HintMessage->setText(LabelCaption(text));
    ui_->HintTitle->setText(LabelCaption(title));
    FitKeepingCentre(this);
}

void ShowHint::Check1Click(bool checked) {
    SetHintsOff(registry_.game(), checked);
}

}  // namespace deedwell::ui
