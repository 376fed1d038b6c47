#include "ui/Addons.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/GameScreen.h"
#include "ui/Pictures.h"
#include "ui/WindowRegistry.h"
#include "ui_Addons.h"

namespace deedwell::ui {

Addons::Addons(WindowRegistry& registry)
    : QWidget(nullptr), registry_(registry), ui_(std::make_unique<Ui::Addons>()) {
    ui_->setupUi(this);
    // The background picture holds the three panels and the click band that
    // the form's layout lines up with, at the picture's own size.
    backdrop_ = DecorPicture(registry_.game().records.Root(), "addons");
    setFixedSize(backdrop_.isNull() ? sizeHint().expandedTo(QSize(640, 480)) : backdrop_.size());
    ui_->Label7->installEventFilter(this);
}

Addons::~Addons() = default;

bool Addons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Label7 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label7Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Addons::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintCovering(painter, rect(), backdrop_);
}

void Addons::Label7Click() {
    registry_.ShowUnlessShowing<GameScreen>();
    close();
}

void Addons::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!registry_.IsShowing<GameScreen>()) registry_.EndProgram();
}

}  // namespace deedwell::ui
