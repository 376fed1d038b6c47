#pragma once
// A game with its windows on test fakes: the shipped listings and rentals in
// a temporary program directory, scripted chance, a fixed clock, recorded
// message boxes, and the real window registry. Ending the program and
// pausing are recorded instead of done.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "state/Game.h"
#include "state/GameState.h"
#include "support/Fakes.h"
#include "ui/QtScreens.h"
#include "ui/WindowRegistry.h"

namespace deedwell::testing {

struct UiGame {
    UiGame() {
        shell.CopyShippedRecords();
        screens.AttachRegistry(&registry);
        registry.endProgram = [this] { ++endRequests; };
        registry.pause = [this](double seconds) { pauses.push_back(seconds); };
        InitDefaults(game.state);
    }
    ~UiGame() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Lets closed windows go, as the event loop would between two clicks.
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TestGame shell;  // program directory, chance, clock and message boxes
    ui::QtScreens screens;
    Game game{shell.records, shell.random, shell.clock, shell.dialogs, screens};
    ui::WindowRegistry registry{game};
    int endRequests = 0;
    std::vector<double> pauses;
};

// The control `name` of `window`; fails the test when there is none.
template <class T>
T* Control(QWidget* window, const char* name) {
    T* control = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

inline void Click(QWidget* window, const char* buttonName) {
    QWidget* button = Control<QWidget>(window, buttonName);
    if (button) QTest::mouseClick(button, Qt::LeftButton);
}

inline std::string TextOf(QWidget* window, const char* labelName) {
    auto* label = Control<QLabel>(window, labelName);
    return label ? label->text().toStdString() : std::string("<missing>");
}

}  // namespace deedwell::testing
