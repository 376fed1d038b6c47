#include "ui/Pause.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace deedwell::ui {

void Pause(double seconds) {
    const int ms = seconds > 0 ? static_cast<int>(std::lround(seconds * 1000)) : 0;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace deedwell::ui
