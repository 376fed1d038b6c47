#pragma once
// For measuring start-up only: an event filter that ends the program as soon
// as its first window has painted. The game uses it when
// DEEDWELL_EXIT_AFTER_FIRST_WINDOW=1; the bare Qt window it is measured
// against always does, so both stop at the same moment. Qt only, so the bare
// window stays bare.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace deedwell {

class FirstPaintExit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

  private:
    bool done_ = false;
};

}  // namespace deedwell
