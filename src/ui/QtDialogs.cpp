#include "ui/QtDialogs.h"

#include <QMessageBox>

#include "ui/Text.h"

namespace deedwell::ui {

namespace {
// A box shows above every window, the unit window (kept on top) included.
int Run(QMessageBox& box) {
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

// The plain boxes carry the application's own name.
constexpr const char* kApplicationTitle = "Deedwell";
// What GameTitle holds once the defaults are set.
constexpr const char* kFallbackGameTitle = "Tarnwick Game";
}  // namespace

std::string QtDialogs::GameTitle() const {
    if (state_ && !state_->GameTitle.empty()) return state_->GameTitle;
    return kFallbackGameTitle;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Information, LabelCaption(GameTitle()), MessageText(text),
                    QMessageBox::Ok);
    Run(box);
}

void QtDialogs::ShowPlain(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Q(kApplicationTitle), MessageText(text), QMessageBox::Ok);
    Run(box);
}

bool QtDialogs::AskYesNo(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, LabelCaption(title), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No);
    return Run(box) == QMessageBox::Yes;
}

}  // namespace deedwell::ui
