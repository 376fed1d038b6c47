#include "ui/Pictures.h"

#include <QLabel>
#include <QPainter>
#include <string>

#include "ui/Text.h"

namespace deedwell::ui {

void ShowPicture(QLabel* label, const std::filesystem::path& path) {
    QPixmap picture;
    if (!path.empty()) picture.load(Q(path.string()));
    if (picture.isNull()) {
        label->clear();
    } else {
        label->setPixmap(picture);
    }
}

QPixmap DecorPicture(const std::filesystem::path& root, std::string_view name) {
    for (const char* extension : {".jpg", ".png"}) {
        QPixmap picture(Q((root / "pictures" / (std::string(name) + extension)).string()));
        if (!picture.isNull()) return picture;
    }
    return {};
}

void PaintCovering(QPainter& painter, const QRect& area, const QPixmap& picture) {
    if (picture.isNull() || area.isEmpty()) return;
    // The largest part of the picture with the area's proportions, centred.
    QRect source(QPoint(0, 0), area.size().scaled(picture.size(), Qt::KeepAspectRatio));
    source.moveCenter(picture.rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(area, picture, source);
}

}  // namespace deedwell::ui
