#pragma once
// Small helpers for the standard controls.

#include <QListWidget>

namespace deedwell::ui {

// The row of the entry the player selected, -1 when none is. (The current row
// alone is not enough: a list sets it when it merely receives the focus.)
inline int SelectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace deedwell::ui
