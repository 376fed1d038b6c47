// The yardstick for the game's start-up: a Qt program that shows one empty
// window and ends as soon as that window has painted.

#include <QApplication>
#include <QWidget>

#include "app/FirstPaintExit.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    deedwell::FirstPaintExit exitAfterPaint;
    application.installEventFilter(&exitAfterPaint);
    QWidget window;
    window.resize(640, 400);
    window.show();
    return QApplication::exec();
}
