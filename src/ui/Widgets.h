#pragma once
// Small helpers for the standard controls.

#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QWidget>

namespace deedwell::ui {

// The row of the entry the player selected, -1 when none is. (The current row
// alone is not enough: a list sets it when it merely receives the focus.)
inline int SelectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

// Colours a label by its "tone" (the style sheet says which colour each tone
// is) and repaints it in that colour at once.
inline void SetTone(QLabel* label, const char* tone) {
    label->setProperty("tone", tone);
    label->style()->unpolish(label);
    label->style()->polish(label);
}

// Fits a window to its new text without moving its middle, so a window
// centred on the screen stays centred.
inline void FitKeepingCentre(QWidget* window) {
    const QPoint centre = window->frameGeometry().center();
    window->adjustSize();
    QRect frame = window->frameGeometry();
    frame.moveCenter(centre);
    window->move(frame.topLeft());
}

}  // namespace deedwell::ui
