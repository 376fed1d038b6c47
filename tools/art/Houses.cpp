// The eight house styles of the property market. Each is one drawing; the
// Look turns it into a run-down, an ordinary or an excellent house.

#include "Houses.h"

#include <QPainterPath>

#include "HouseKit.h"

namespace art {
namespace {

constexpr int kW = kSceneW, kH = kSceneH;
constexpr double kSidewalk = kSidewalkY;

void Ranch(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 90, 590);
    HouseShadow(p, 100, 580, g);
    Walkway(p, 292, 30, g, kSidewalk);
    const QColor siding(150, 178, 140), roof(92, 84, 80), shutter(50, 82, 62);
    // Attached garage on the right, a little lower and set back.
    SidingWall(p, look, RectPoly(QRectF(470, 306, 104, g - 306)), siding);
    QRectF garage(484, 324, 78, g - 324);
    p.setPen(QPen(look.Paint(QColor(200, 200, 196)).darker(130), 1));
    p.setBrush(look.Paint(QColor(236, 234, 228)));
    p.drawRect(garage);
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(garage.left(), garage.top() + garage.height() * i / 4),
                   QPointF(garage.right(), garage.top() + garage.height() * i / 4));
    Roof(p, look, Poly({{462, 308}, {584, 308}, {562, 276}, {476, 276}}), roof);
    // Main body.
    SidingWall(p, look, RectPoly(QRectF(110, 298, 362, g - 298)), siding);
    EaveShadow(p, QRectF(110, 298, 362, 12));
    Foundation(p, QRectF(106, g - 8, 370, 8));
    look.boardedWindow = 2;
    WindowStyle wide{.shutter = shutter, .columns = 4, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(140, 318, 104, 44), wide);
    WindowStyle plain{.shutter = shutter, .columns = 2, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(342, 318, 44, 44), plain);
    Window(p, look, QRectF(410, 318, 44, 44), plain);
    Door(p, look, QRectF(278, 316, 30, g - 316 - 6), QColor(150, 60, 48));
    Steps(p, 293, g, 40, 1);
    Roof(p, look, Poly({{94, 302}, {488, 302}, {432, 244}, {150, 244}}), roof);
    Chimney(p, look, QRectF(176, 222, 22, 30), QColor(150, 84, 64));
    Gutter(p, look, 96, 486, 302, g);
    FrontPlanting(p, look, 112, 470, g, 262, 324);
    Mailbox(p, look, QPointF(246, kSidewalk - 2));
}

void Colonial(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 140, 500);
    HouseShadow(p, 150, 490, g);
    Walkway(p, 320, 34, g, kSidewalk);
    const QColor brick(166, 74, 56), roof(64, 66, 74), shutter(34, 40, 48);
    Chimney(p, look, QRectF(162, 140, 26, 60), QColor(150, 70, 56));
    Chimney(p, look, QRectF(452, 140, 26, 60), QColor(150, 70, 56));
    BrickWall(p, look, RectPoly(QRectF(150, 212, 340, g - 212)), brick);
    // White cornice and the band between the floors.
    p.fillRect(QRectF(146, 210, 348, 7), look.Paint(QColor(244, 242, 236)));
    p.fillRect(QRectF(150, 292, 340, 4), look.Paint(QColor(236, 232, 224)));
    EaveShadow(p, QRectF(150, 217, 340, 10));
    Foundation(p, QRectF(146, g - 8, 348, 8));
    look.boardedWindow = 7;
    look.crackedWindow = 2;
    WindowStyle up{.shutter = shutter, .columns = 2, .rows = 3, .flowerBox = false};
    for (int i = 0; i < 5; ++i) Window(p, look, QRectF(176 + i * 64, 234, 32, 46), up);
    WindowStyle down{.shutter = shutter, .columns = 2, .rows = 3, .flowerBox = true};
    for (int i : {0, 1, 3, 4}) Window(p, look, QRectF(176 + i * 64, 312, 32, 50), down);
    // Door under a small portico.
    Door(p, look, QRectF(304, 318, 32, g - 318 - 8), QColor(30, 58, 96), false);
    p.setPen(QPen(look.Paint(QColor(240, 238, 232)), 2));
    p.setBrush(look.Paint(QColor(200, 220, 232)));
    p.drawChord(QRectF(302, 300, 36, 28), 0, 180 * 16);
    Column(p, look, QRectF(286, 306, 8, g - 306 - 8), QColor(246, 244, 238));
    Column(p, look, QRectF(346, 306, 8, g - 306 - 8), QColor(246, 244, 238));
    Roof(p, look, Poly({{280, 306}, {360, 306}, {320, 288}}), QColor(246, 244, 238), 40);
    Steps(p, 320, g, 56, 2);
    Roof(p, look, Poly({{138, 214}, {502, 214}, {458, 160}, {182, 160}}), roof);
    Gutter(p, look, 140, 500, 214, g);
    FrontPlanting(p, look, 152, 488, g, 278, 362);
    Lamp(p, QPointF(390, kSidewalk - 6), 56);
}

void Cottage(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 200, 450);
    HouseShadow(p, 200, 440, g);
    Walkway(p, 281, 26, g, kSidewalk);
    const QColor wall(236, 224, 190), roof(150, 66, 58), trim(250, 248, 240);
    // A stone chimney on the right gable end.
    StuccoWall(p, look, RectPoly(QRectF(210, 296, 222, g - 296)), wall);
    EaveShadow(p, QRectF(210, 296, 222, 12));
    Roof(p, look, Poly({{194, 300}, {448, 300}, {388, 196}, {254, 196}}), roof, 7);
    StuccoWall(p, look, RectPoly(QRectF(416, 200, 24, 46)), QColor(150, 146, 140));
    // The front cross gable over the door, steep and storybook.
    StuccoWall(p, look, Poly({{236, 312}, {326, 312}, {326, g}, {236, g}}), wall);
    StuccoWall(p, look, Poly({{236, 314}, {326, 314}, {281, 250}}), wall);
    Roof(p, look, Poly({{226, 318}, {236, 318}, {281, 252}, {326, 318}, {336, 318}, {281, 236}}),
         roof, 7);
    Foundation(p, QRectF(206, g - 7, 230, 7));
    look.boardedWindow = 2;
    WindowStyle round{.frame = trim, .columns = 1, .rows = 1, .arched = true, .curtains = false};
    Window(p, look, QRectF(270, 270, 22, 26), round);
    WindowStyle small{
        .frame = trim, .shutter = QColor(70, 110, 90), .columns = 3, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(350, 320, 48, 40), small);
    Door(p, look, QRectF(266, 326, 30, g - 326 - 6), QColor(60, 110, 96));
    WindowStyle dormer{.frame = trim, .columns = 2, .rows = 1, .curtains = true};
    StuccoWall(p, look, Poly({{350, 268}, {394, 268}, {394, 246}, {372, 226}, {350, 246}}), wall);
    Roof(p, look, Poly({{344, 250}, {372, 222}, {400, 250}, {394, 250}, {372, 230}, {350, 250}}),
         roof, 7);
    Window(p, look, QRectF(360, 248, 24, 18), dormer);
    Gutter(p, look, 196, 446, 300, g);
    FrontPlanting(p, look, 212, 430, g, 256, 306);
    // A picket fence in front of the garden.
    const QColor fence = look.Paint(QColor(248, 246, 240));
    p.setPen(QPen(Darker(fence, 0.25), 1));
    p.setBrush(fence);
    for (double x = 120; x < 540; x += 12) {
        if (x > 250 && x < 310) continue;
        const double tilt = look.Worn() && static_cast<int>(x) % 5 == 0 ? 5 : 0;
        QPolygonF picket = Poly({{x, g + 32},
                                 {x + 7, g + 32},
                                 {x + 7 + tilt, g + 8},
                                 {x + 3.5 + tilt, g + 3},
                                 {x + tilt, g + 8}});
        p.drawPolygon(picket);
    }
    p.fillRect(QRectF(120, g + 14, 132, 3), fence);
    p.fillRect(QRectF(310, g + 14, 232, 3), fence);
}

void Bungalow(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 130, 510);
    HouseShadow(p, 140, 500, g);
    Walkway(p, 390, 30, g, kSidewalk);
    const QColor siding(190, 160, 104), trim(236, 226, 204), roof(74, 92, 74), stone(150, 140, 130);
    SidingWall(p, look, RectPoly(QRectF(150, 280, 340, g - 280)), siding, 9);
    // The big front gable with a shingled face and an attic vent.
    SidingWall(p, look, Poly({{170, 282}, {470, 282}, {320, 208}}), Darker(siding, 0.1), 5);
    WindowStyle attic{.frame = trim, .columns = 3, .rows = 1, .curtains = false};
    Window(p, look, QRectF(298, 246, 44, 20), attic);
    // Porch roof band and the tapered columns on stone piers.
    EaveShadow(p, QRectF(150, 300, 340, 18));
    look.boardedWindow = 3;
    WindowStyle group{.frame = trim, .columns = 3, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(188, 318, 110, 40), group);
    Door(p, look, QRectF(376, 314, 30, g - 314 - 10), QColor(120, 70, 40), true);
    WindowStyle side{.frame = trim, .columns = 2, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(428, 318, 36, 40), side);
    p.fillRect(QRectF(144, g - 10, 352, 10), look.Paint(QColor(160, 150, 140)));  // porch floor
    for (double x : {156.0, 330.0, 470.0}) {
        StuccoWall(p, look, RectPoly(QRectF(x - 10, g - 44, 24, 34)), stone);
        QPolygonF col = Poly({{x - 5, g - 44}, {x + 9, g - 44}, {x + 6, 302}, {x - 2, 302}});
        p.setPen(Qt::NoPen);
        p.setBrush(look.Paint(trim));
        p.drawPolygon(col);
    }
    p.fillRect(QRectF(140, 294, 360, 10), look.Paint(trim));
    Roof(p, look, Poly({{128, 286}, {160, 286}, {320, 206}, {480, 286}, {512, 286}, {320, 190}}),
         roof);
    // Exposed rafter tails, a craftsman signature.
    p.setPen(QPen(look.Paint(QColor(110, 76, 50)), 3));
    for (double x = 140; x <= 500; x += 24) p.drawLine(QPointF(x, 286), QPointF(x, 292));
    Steps(p, 391, g, 44, 2);
    FrontPlanting(p, look, 150, 490, g, 350, 430);
    Mailbox(p, look, QPointF(470, kSidewalk - 2));
}

void AFrame(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 190, 450);
    Conifer(p, QPointF(150, g + 4), 130, look.Worn() ? QColor(90, 110, 70) : QColor(40, 100, 66));
    HouseShadow(p, 180, 460, g);
    Walkway(p, 320, 30, g, kSidewalk);
    const QColor wood(184, 122, 70), roof(70, 74, 70), trim(240, 234, 222);
    SidingWall(p, look, Poly({{214, g}, {426, g}, {320, 170}}), wood, 10);
    // The glass gable: a triangle of panes over a band of tall windows.
    look.boardedWindow = 4;
    WindowStyle tall{.frame = trim, .columns = 1, .rows = 2, .curtains = false};
    for (int i = 0; i < 4; ++i) {
        if (i == 1 || i == 2) continue;
        Window(p, look, QRectF(254 + i * 34, 300, 26, 50), tall);
    }
    Door(p, look, QRectF(304, 304, 32, g - 304 - 16), QColor(70, 96, 120), true);
    WindowStyle tri{.frame = trim, .columns = 3, .rows = 1, .curtains = false};
    Window(p, look, QRectF(276, 236, 88, 44), tri);
    // Deck with a railing.
    const QColor deck = look.Paint(QColor(160, 110, 70));
    p.fillRect(QRectF(180, g - 16, 280, 16), Darker(deck, 0.1));
    p.fillRect(QRectF(180, g - 18, 280, 4), deck);
    p.setPen(QPen(deck, 3));
    p.drawLine(QPointF(180, g - 42), QPointF(290, g - 42));
    p.drawLine(QPointF(350, g - 42), QPointF(460, g - 42));
    p.setPen(QPen(deck, 2));
    for (double x = 184; x <= 458; x += 12)
        if (x < 290 || x > 350) p.drawLine(QPointF(x, g - 42), QPointF(x, g - 18));
    // The roof comes down to the ground on both sides.
    Roof(p, look,
         Poly({{172, g + 2}, {214, g + 2}, {320, 176}, {426, g + 2}, {468, g + 2}, {320, 142}}),
         roof, 9);
    Steps(p, 320, g + 2, 50, 1);
    FrontPlanting(p, look, 190, 450, g + 6, 290, 350);
}

void Apartments(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 130, 510);
    HouseShadow(p, 130, 510, g);
    Walkway(p, 320, 40, g, kSidewalk);
    const QColor brick(200, 160, 120), trim(236, 232, 224);
    BrickWall(p, look, RectPoly(QRectF(130, 88, 380, g - 88)), brick);
    FlatRoofEdge(p, look, QRectF(124, 76, 392, 14), QColor(170, 150, 130));
    // Storey bands.
    for (int floor = 1; floor < 5; ++floor)
        p.fillRect(QRectF(130, 88 + floor * 58 - 4, 380, 4), look.Paint(trim));
    look.boardedWindow = 27;
    look.crackedWindow = 9;
    WindowStyle win{.frame = trim, .columns = 2, .rows = 2};
    for (int floor = 0; floor < 5; ++floor) {
        for (int col = 0; col < 6; ++col) {
            if (floor == 4 && (col == 2 || col == 3)) continue;  // the entrance
            const QRectF r(146 + col * 60, 100 + floor * 58, 32, 36);
            Window(p, look, r, win);
            if (floor < 4 && (col == 1 || col == 4)) {
                // Small balconies with railings.
                const QColor rail = look.Paint(QColor(60, 64, 70));
                p.fillRect(QRectF(r.left() - 8, r.bottom() + 4, r.width() + 16, 3), rail);
                p.setPen(QPen(rail, 1.2));
                for (double x = r.left() - 7; x <= r.right() + 8; x += 6)
                    p.drawLine(QPointF(x, r.bottom() - 10), QPointF(x, r.bottom() + 4));
                p.drawLine(QPointF(r.left() - 8, r.bottom() - 10),
                           QPointF(r.right() + 8, r.bottom() - 10));
            }
        }
    }
    // Entrance: glass doors under a canopy.
    const QRectF entry(282, 330, 76, g - 330);
    p.fillRect(entry.adjusted(-4, -4, 4, 0), look.Paint(trim));
    Door(p, look, QRectF(286, 336, 33, g - 336), QColor(70, 80, 90), true);
    Door(p, look, QRectF(321, 336, 33, g - 336), QColor(70, 80, 90), true);
    p.setPen(Qt::NoPen);
    p.setBrush(look.Paint(QColor(40, 110, 90)));
    p.drawRect(QRectF(270, 318, 100, 10));
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(QRectF(272, 328, 96, 5));
    Steps(p, 320, g, 76, 1);
    FrontPlanting(p, look, 132, 508, g, 266, 374);
    Lamp(p, QPointF(250, kSidewalk - 4), 64);
    Lamp(p, QPointF(390, kSidewalk - 4), 64);
}

void Mansion(QPainter& p, Look& look, double g) {
    HouseShadow(p, 60, 580, g);
    // A wide forecourt in front of the steps.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 206, 190));
    p.drawEllipse(QPointF(320, g + 26), 150, 20);
    Walkway(p, 320, 40, g, kSidewalk);
    const QColor wall(238, 228, 202), roof(72, 84, 100), trim(250, 248, 242);
    // Wings.
    for (double x : {60.0, 420.0}) {
        StuccoWall(p, look, RectPoly(QRectF(x, 226, 160, g - 226)), wall);
        EaveShadow(p, QRectF(x, 226, 160, 10));
        Roof(p, look, Poly({{x - 10, 230}, {x + 170, 230}, {x + 150, 192}, {x + 10, 192}}), roof);
        Chimney(p, look, QRectF(x + 24, 170, 18, 30), QColor(170, 120, 100));
    }
    // Central block, taller, with a pediment and columns.
    StuccoWall(p, look, RectPoly(QRectF(220, 150, 200, g - 150)), wall);
    EaveShadow(p, QRectF(220, 150, 200, 10));
    look.boardedWindow = 5;
    look.crackedWindow = 12;
    WindowStyle tall{
        .frame = trim, .shutter = QColor(50, 70, 90), .columns = 2, .rows = 3, .flowerBox = true};
    WindowStyle upper{.frame = trim, .shutter = QColor(50, 70, 90), .columns = 2, .rows = 2};
    for (double x : {80.0, 130.0, 180.0 - 6, 440.0 + 6, 490.0, 540.0 - 6}) {
        Window(p, look, QRectF(x - 4, 244, 26, 36), upper);
        Window(p, look, QRectF(x - 4, 310, 26, 46), tall);
    }
    WindowStyle center{.frame = trim, .columns = 2, .rows = 3};
    for (double x : {244.0, 302.0, 360.0}) Window(p, look, QRectF(x, 176, 36, 44), center);
    for (double x : {244.0, 360.0}) Window(p, look, QRectF(x, 262, 36, 50), center);
    WindowStyle fan{.frame = trim, .columns = 3, .rows = 1, .arched = true, .curtains = false};
    Window(p, look, QRectF(300, 250, 40, 40), fan);
    Door(p, look, QRectF(294, 314, 26, g - 314 - 12), QColor(30, 50, 40), false);
    Door(p, look, QRectF(320, 314, 26, g - 314 - 12), QColor(30, 50, 40), false);
    for (double x : {232.0, 282.0, 350.0, 400.0})
        Column(p, look, QRectF(x, 150, 10, g - 150 - 12), trim);
    Roof(p, look, Poly({{208, 152}, {432, 152}, {320, 104}}), trim, 60);
    p.setPen(QPen(look.Paint(QColor(200, 196, 186)), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(320, 134), 10, 10);
    Roof(p, look, Poly({{208, 154}, {432, 154}, {432, 146}, {208, 146}}), roof, 20);
    Steps(p, 320, g, 110, 3);
    FrontPlanting(p, look, 62, 578, g, 254, 386);
    if (!look.Worn()) {
        for (double x : {226.0, 414.0}) {
            Bush(p, look.rng, QPointF(x, g + 8), 30, QColor(40, 110, 60));
        }
    }
    Lamp(p, QPointF(190, g + 40), 60);
    Lamp(p, QPointF(450, g + 40), 60);
}

void Duplex(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kW, 140, 500);
    HouseShadow(p, 140, 500, g);
    Walkway(p, 262, 24, g, kSidewalk);
    Walkway(p, 378, 24, g, kSidewalk);
    const QColor siding(132, 184, 190), trim(246, 246, 240), roof(84, 76, 80);
    SidingWall(p, look, RectPoly(QRectF(140, 226, 360, g - 226)), siding);
    EaveShadow(p, QRectF(140, 226, 360, 12));
    // The party wall line, trim down the middle.
    p.fillRect(QRectF(316, 226, 8, g - 226), look.Paint(trim));
    Foundation(p, QRectF(136, g - 8, 368, 8));
    look.boardedWindow = 6;
    WindowStyle win{
        .frame = trim, .shutter = QColor(40, 70, 100), .columns = 2, .rows = 2, .flowerBox = true};
    for (double x : {170.0, 250.0, 362.0, 442.0}) Window(p, look, QRectF(x, 246, 34, 40), win);
    for (double x : {170.0, 442.0}) Window(p, look, QRectF(x, 318, 34, 42), win);
    // Two front doors, each under its own little roof.
    for (double cx : {262.0, 378.0}) {
        Door(p, look, QRectF(cx - 15, 318, 30, g - 318 - 8), QColor(160, 52, 52));
        Roof(p, look, Poly({{cx - 30, 312}, {cx + 30, 312}, {cx + 30, 306}, {cx - 30, 306}}), roof,
             20);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRect(QRectF(cx - 28, 312, 56, 4));
        p.setBrush(QColor(255, 230, 160));
        p.drawEllipse(QPointF(cx + 24, 332), 3, 4);
        Steps(p, cx, g, 40, 1);
    }
    Roof(p, look, Poly({{128, 230}, {512, 230}, {468, 170}, {172, 170}}), roof);
    Chimney(p, look, QRectF(310, 150, 20, 26), QColor(150, 90, 70));
    Gutter(p, look, 130, 510, 230, g);
    FrontPlanting(p, look, 142, 498, g, 240, 400);
    Mailbox(p, look, QPointF(226, kSidewalk - 2));
    Mailbox(p, look, QPointF(414, kSidewalk - 2));
}

}  // namespace

QImage PaintHouse(int category, int stage) {
    QImage img = NewCanvas(kW, kH);
    QPainter p(&img);
    Smooth(p);
    // The lawn, sky and wear are seeded per category, so a house keeps its
    // weeds and clouds in the same places whatever else changes.
    Look look(stage, 1000 + category * 10 + stage);
    const double g = Landscape(p, look, kW, kH);
    BringCloser(p, kW, g);
    switch (category) {
        case 1:
            Ranch(p, look, g);
            break;
        case 2:
            Colonial(p, look, g);
            break;
        case 3:
            Cottage(p, look, g);
            break;
        case 4:
            Bungalow(p, look, g);
            break;
        case 5:
            AFrame(p, look, g);
            break;
        case 6:
            Apartments(p, look, g);
            break;
        case 7:
            Mansion(p, look, g);
            break;
        default:
            Duplex(p, look, g);
            break;
    }
    return img;
}

}  // namespace art
