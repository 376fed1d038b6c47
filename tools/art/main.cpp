// deedwell_art DATA_DIR: paints every picture of the program directory into
// DATA_DIR. The output is committed; the game never runs this program.

#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "Canvas.h"
#include "Houses.h"
#include "Rooms.h"
#include "Scenery.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: deedwell_art DATA_DIR\n");
        return 2;
    }
    // Text on the title pictures needs the font machinery of a GUI application.
    QGuiApplication app(argc, argv);
    const QString data = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int c = 1; c <= art::kHouseCategories; ++c)
        for (int s = 1; s <= art::kHouseStages; ++s)
            ok &= art::SaveJpeg(art::PaintHouse(c, s),
                                QString("%1/realestate/%2/%3.jpg").arg(data).arg(c).arg(s));
    for (int n = 1; n <= art::kRentals; ++n)
        ok &= art::SaveJpeg(art::PaintRental(n), QString("%1/renthouses/%2.jpg").arg(data).arg(n));
    ok &= art::SaveRooms(data);
    ok &= art::SaveScenery(data);
    return ok ? 0 : 1;
}
