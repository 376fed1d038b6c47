#include "ui/SystemClock.h"

#include <QDate>
#include <QTime>

namespace deedwell::ui {

int SystemClock::Year() const {
    return QDate::currentDate().year();
}

double SystemClock::SecondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

}  // namespace deedwell::ui
