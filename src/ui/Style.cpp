#include "ui/Style.h"

#include <QApplication>
#include <QFile>

// The style sheet is compiled into this library; a static library's
// resources must be registered by name before first use.
static void RegisterStyleResource() {
    Q_INIT_RESOURCE(deedwell);
}

namespace deedwell::ui {

void ApplyStyle(QApplication& application) {
    RegisterStyleResource();
    QFile sheet(QStringLiteral(":/deedwell/deedwell.qss"));
    if (sheet.open(QIODevice::ReadOnly)) {
        application.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }
}

}  // namespace deedwell::ui
