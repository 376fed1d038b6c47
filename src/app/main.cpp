// Deedwell: start-up. Picks the program directory, applies the look, and
// hands over to the splash window; from there the windows lead the way.

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/FirstPaintExit.h"
#include "audio/SdlPlayback.h"
#include "ui/DataRoot.h"
#include "ui/GameApp.h"
#include "ui/Pictures.h"
#include "ui/Style.h"
#include "ui/Text.h"
#include "ui/frmPlayer.h"

namespace {

namespace fs = std::filesystem;

// For measuring start-up only: DEEDWELL_EXIT_AFTER_FIRST_WINDOW=1 ends the
// program once its first window has painted. Nothing is written.
bool ExitAfterFirstWindow() {
    const char* value = std::getenv("DEEDWELL_EXIT_AFTER_FIRST_WINDOW");
    return value && std::strcmp(value, "1") == 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("deedwell"));
    // The program ends through the main screen's exit question or a start-up
    // window closed early, never because a window happened to be the last.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    deedwell::ui::ApplyStyle(application);

    const fs::path executableDir = QCoreApplication::applicationDirPath().toStdString();
    deedwell::ui::DataRootPlaces places;
    places.executableDir = executableDir;
    places.installedData = executableDir.parent_path() / "share" / "deedwell";
    places.userData =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    const fs::path root = deedwell::ui::ChooseDataRoot(places);

    const QPixmap icon = deedwell::ui::DecorPicture(root, "icon");
    if (!icon.isNull()) QApplication::setWindowIcon(QIcon(icon));

    deedwell::FirstPaintExit firstPaintExit;
    if (ExitAfterFirstWindow()) application.installEventFilter(&firstPaintExit);

    // The music outlives every window, so it is made before the game and
    // goes after it; without a sound device it stays silent.
    deedwell::audio::SdlPlayback playback;
    deedwell::ui::GameMusic music(playback);

    deedwell::ui::GameApp game(root);
    game.registry().music = &music;
    game.Start();
    return QApplication::exec();
}
