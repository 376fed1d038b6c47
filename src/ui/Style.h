#pragma once
// The game's one style sheet, shared by every window.

class QApplication;

namespace deedwell::ui {

// Sets the shared style sheet on the application.
void ApplyStyle(QApplication& application);

}  // namespace deedwell::ui
