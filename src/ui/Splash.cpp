#include "ui/Splash.h"

#include "ui/GameGen.h"
#include "ui/Pictures.h"
#include "ui/WindowRegistry.h"
#include "ui/frmPlayer.h"
#include "ui_Splash.h"

namespace deedwell::ui {

Splash::Splash(WindowRegistry& registry)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      registry_(registry),
      ui_(std::make_unique<Ui::Splash>()),
      timer1_(new QTimer(this)) {
    ui_->setupUi(this);
    ui_->Picture->setPixmap(DecorPicture(registry_.game().records.Root(), "splash"));

    timer1_->setObjectName("Timer1");
    timer1_->setSingleShot(true);
    timer1_->setInterval(3000);
    connect(timer1_, &QTimer::timeout, this, &Splash::Timer1Tick);
    timer1_->start();
}

Splash::~Splash() = default;

void Splash::Timer1Tick() {
    timer1_->stop();
    if (registry_.music) registry_.ShowUnlessShowing<frmPlayer>();
    registry_.ShowUnlessShowing<GameGen>();
    close();
}

}  // namespace deedwell::ui
