// The yardstick for the game's start-up: a Qt program that shows one empty
// window and ends as soon as that window has painted.

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaintExit exitAfterPaint;
    application.installEventFilter(&exitAfterPaint);
    QWidget window;
    window.resize(640, 400);
    window.show();
    return QApplication::exec();
}
