#include "ui/WindowRegistry.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <vector>

#include "market/Generator.h"
#include "market/Listings.h"
#include "ui/Pause.h"

namespace deedwell::ui {

WindowRegistry::WindowRegistry(Game& game, QObject* parent)
    : QObject(parent),
      endProgram([] { QCoreApplication::exit(0); }),
      pause([](double seconds) { ui::Pause(seconds); }),
      game_(game) {}

WindowRegistry::~WindowRegistry() {
    // Closing windows ask questions; at the end nothing may ask anything.
    quitting_ = true;
    std::vector<QPointer<QWidget>> alive;
    for (auto& [type, window] : windows_) alive.push_back(window);
    for (auto& window : alive) delete window.data();
}

void WindowRegistry::Adopt(std::type_index type, QWidget* window) {
    // A window of this type that was closed but not yet deleted is replaced.
    auto it = windows_.find(type);
    if (it != windows_.end() && !it->second.isNull() && it->second != window) {
        it->second->deleteLater();
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_[type] = window;
    window->adjustSize();
    CentreOnScreen(window);
    window->show();
}

void WindowRegistry::EndProgram() {
    if (quitting_) return;
    quitting_ = true;
    if (endProgram) endProgram();
}

void WindowRegistry::Pause(double seconds) {
    if (pause) pause(seconds);
}

void WindowRegistry::ScheduleSecondGeneration() {
    if (secondGenerationScheduled_) return;
    secondGenerationScheduled_ = true;
    QTimer::singleShot(500, this, [this] { RunSecondGeneration(); });
}

void WindowRegistry::RunSecondGeneration() {
    // Nobody sees this run, so it needs no pauses: it finishes in one go and
    // nothing else can happen in the middle of it.
    if (quitting_) return;
    const int size = static_cast<int>(game_.state.MarketSize.value_or(80));
    for (int i = 0; i <= size; ++i) {
        const ListingValues values = BuildVars(game_);
        WriteHouseFile(game_, values, static_cast<std::int64_t>(i));
    }
    ++secondGenerationsRun_;
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace deedwell::ui
