#pragma once
// Pictures in labels. A picture that is missing or unreadable leaves the
// label blank; the game goes on without it.

#include <QPixmap>
#include <filesystem>
#include <string_view>

class QLabel;
class QPainter;
class QRect;

namespace deedwell::ui {

// Loads the picture at `path` into `label`; an empty path or a file that
// cannot be read clears the label.
void ShowPicture(QLabel* label, const std::filesystem::path& path);

// One of the game's decorative pictures, root/pictures/<name>.jpg or .png;
// a null pixmap when there is none.
QPixmap DecorPicture(const std::filesystem::path& root, std::string_view name);

// Paints `picture` over the whole of `area`, keeping its proportions and
// trimming what overhangs (a background picture). A null picture paints
// nothing.
void PaintCovering(QPainter& painter, const QRect& area, const QPixmap& picture);

}  // namespace deedwell::ui
