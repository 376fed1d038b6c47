// The Qt message boxes: icon, title, buttons and line ends of each kind.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <string>

#include "state/GameState.h"
#include "ui/QtDialogs.h"

namespace deedwell::testing {
namespace {

struct SeenBox {
    std::string title;
    std::string text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next modal box with `answer` once it is up, noting what it shows.
void AnswerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                box->standardButtons()};
        box->button(answer)->click();
    });
}

TEST(QtDialogs, EachKindOfBoxLooksAsTheGameExpects) {
    GameState state;
    InitDefaults(state);
    ui::QtDialogs dialogs;
    dialogs.AttachState(&state);
    SeenBox seen;

    AnswerNextBox(seen, QMessageBox::Ok);
    dialogs.ShowMessage("First line\r\nSecond line");
    EXPECT_EQ(seen.title, "Tarnwick Game");
    EXPECT_EQ(seen.text, "First line\nSecond line");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    AnswerNextBox(seen, QMessageBox::Ok);
    dialogs.ShowPlain("One Of Your Homes is Paid Off!");
    EXPECT_EQ(seen.title, "Deedwell");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);

    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_FALSE(dialogs.AskYesNo("Tarnwick Game", "Are you sure you want to exit?"));
    EXPECT_EQ(seen.title, "Tarnwick Game");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);

    AnswerNextBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(dialogs.AskYesNo("Would you like to make the repairs?", "Fix it?"));
    EXPECT_EQ(seen.title, "Would you like to make the repairs?");
}

}  // namespace
}  // namespace deedwell::testing
