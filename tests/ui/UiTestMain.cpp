// The widget tests run inside one QApplication, offscreen unless told
// otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>

#include "ui/Style.h"

namespace {
// The offscreen platform cannot raise windows and says so each time.
QtMessageHandler defaultHandler = nullptr;
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    defaultHandler(type, context, text);
}
}  // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    deedwell::ui::ApplyStyle(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
