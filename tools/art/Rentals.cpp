// The nine rentals, cheapest first: three small apartments, three small houses
// and townhouses, three bigger family houses. All are kept in ordinary repair.

#include <QLinearGradient>
#include <QPainterPath>

#include "HouseKit.h"
#include "Houses.h"

namespace art {
namespace {

constexpr double kWalk = kSidewalkY;

// Neighbouring buildings cut by the picture's edges, for the city rentals.
void Neighbour(QPainter& p, Look& look, const QRectF& r, const QColor& c) {
    BrickWall(p, look, RectPoly(r), c);
    WindowStyle win{.columns = 2, .rows = 2, .curtains = false};
    for (double y = r.top() + 20; y < r.bottom() - 50; y += 62)
        for (double x = r.left() + 14; x < r.right() - 30; x += 52)
            Window(p, look, QRectF(x, y, 28, 36), win);
    FlatRoofEdge(p, look, QRectF(r.left() - 4, r.top() - 8, r.width() + 8, 10), Darker(c, 0.2));
}

void FireEscape(QPainter& p, double x, double top, double floorH, int floors) {
    p.save();
    const QColor iron(44, 46, 52);
    p.setPen(QPen(iron, 1.6));
    for (int f = 0; f < floors; ++f) {
        const double y = top + f * floorH;
        p.fillRect(QRectF(x, y, 84, 3), iron);
        p.drawLine(QPointF(x, y - 16), QPointF(x + 84, y - 16));
        for (double xx = x; xx <= x + 84; xx += 7) p.drawLine(QPointF(xx, y - 16), QPointF(xx, y));
        if (f + 1 < floors) p.drawLine(QPointF(x + 10, y), QPointF(x + 70, y + floorH));
    }
    p.restore();
}

// 1: a studio in a narrow brick walk-up on a city street.
void WalkUp(QPainter& p, Look& look, double g) {
    Neighbour(p, look, QRectF(-20, 120, 180, g - 120), QColor(150, 140, 128));
    Neighbour(p, look, QRectF(480, 150, 180, g - 150), QColor(176, 120, 96));
    BrickWall(p, look, RectPoly(QRectF(160, 90, 320, g - 90)), QColor(156, 70, 54));
    FlatRoofEdge(p, look, QRectF(154, 78, 332, 14), QColor(120, 110, 100));
    WindowStyle win{.frame = QColor(240, 236, 226), .columns = 2, .rows = 2};
    for (int floor = 0; floor < 3; ++floor)
        for (int col = 0; col < 3; ++col)
            Window(p, look, QRectF(190 + col * 96, 112 + floor * 76, 40, 50), win);
    FireEscape(p, 372, 172, 76, 3);
    // Street-level entrance with a stoop and a shop awning beside it.
    Door(p, look, QRectF(206, g - 78, 34, 64), QColor(40, 60, 50), true);
    Steps(p, 223, g, 50, 3);
    const QRectF shop(288, g - 86, 170, 80);
    p.fillRect(shop, QColor(70, 90, 110));
    p.fillRect(shop.adjusted(8, 10, -8, -8), QColor(160, 196, 214));
    QPolygonF awning = Poly({{280, g - 96}, {466, g - 96}, {476, g - 74}, {270, g - 74}});
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        QPolygonF stripe = Poly({{280 + i * 18.6, g - 96},
                                 {289.3 + i * 18.6, g - 96},
                                 {280.6 + i * 20.6, g - 74},
                                 {270 + i * 20.6, g - 74}});
        p.setBrush(i % 2 ? QColor(240, 238, 230) : QColor(40, 120, 110));
        p.drawPolygon(stripe);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 80, 74), 1));
    p.drawPolygon(awning);
    Tree(p, look.rng, QPointF(140, kWalk + 10), 130, QColor(80, 140, 70));
}

// 2: garden apartments, two floors of doors along an open walkway.
void GardenApartments(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 80, 560);
    HouseShadow(p, 80, 560, g);
    const QColor wall(226, 208, 176), trim(250, 248, 240), door(40, 120, 128);
    StuccoWall(p, look, RectPoly(QRectF(80, 230, 480, g - 230)), wall);
    Roof(p, look, Poly({{66, 234}, {574, 234}, {540, 196}, {100, 196}}), QColor(150, 90, 66));
    EaveShadow(p, QRectF(80, 234, 480, 10));
    // Upper walkway with a railing.
    p.fillRect(QRectF(80, 302, 480, 8), look.Paint(trim));
    p.fillRect(QRectF(80, 310, 480, 4), QColor(0, 0, 0, 50));
    WindowStyle win{.frame = trim, .columns = 2, .rows = 1};
    for (int floor = 0; floor < 2; ++floor) {
        const double top = floor == 0 ? 246 : 322;
        for (int u = 0; u < 4; ++u) {
            const double x = 100 + u * 118;
            Door(p, look, QRectF(x, top + 4, 24, 52), door);
            Window(p, look, QRectF(x + 42, top + 14, 48, 28), win);
            p.setBrush(QColor(255, 230, 170));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(x + 32, top + 14), 2.5, 3);
        }
    }
    p.setPen(QPen(look.Paint(trim), 2));
    p.drawLine(QPointF(80, 282), QPointF(560, 282));
    for (double x = 84; x < 560; x += 10) p.drawLine(QPointF(x, 282), QPointF(x, 302));
    // Stairs up at the right end.
    p.setPen(QPen(look.Paint(QColor(120, 110, 100)), 3));
    p.drawLine(QPointF(566, 302), QPointF(620, g));
    p.setPen(QPen(look.Paint(QColor(150, 140, 130)), 2));
    for (int i = 1; i < 9; ++i) {
        const double t = i / 9.0;
        p.drawLine(QPointF(560 + 54 * t, 302 + (g - 302) * t),
                   QPointF(566 + 54 * t, 302 + (g - 302) * t));
    }
    // Parking bays in front.
    p.fillRect(QRectF(0, g + 6, kSceneW, kWalk - g - 6), QColor(112, 114, 118));
    p.setPen(QPen(QColor(236, 236, 230), 2));
    for (double x = 40; x < kSceneW; x += 90)
        p.drawLine(QPointF(x, g + 8), QPointF(x + 8, kWalk - 2));
    FrontPlanting(p, look, 84, 556, g - 2, 556, 556);
}

// 3: a small modern block with glass balconies.
void ModernBlock(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 170, 470);
    HouseShadow(p, 170, 470, g);
    Walkway(p, 320, 34, g, kWalk);
    StuccoWall(p, look, RectPoly(QRectF(170, 130, 300, g - 130)), QColor(240, 240, 236));
    // A warm timber panel down one side.
    SidingWall(p, look, RectPoly(QRectF(390, 130, 80, g - 130)), QColor(184, 130, 84), 6);
    FlatRoofEdge(p, look, QRectF(162, 118, 316, 14), QColor(70, 74, 80));
    WindowStyle big{.frame = QColor(60, 64, 70), .columns = 3, .rows = 1, .curtains = false};
    WindowStyle slim{.frame = QColor(60, 64, 70), .columns = 1, .rows = 2, .curtains = false};
    for (int floor = 0; floor < 4; ++floor) {
        const double y = 144 + floor * 60;
        if (floor < 3) {
            Window(p, look, QRectF(190, y, 110, 40), big);
            p.fillRect(QRectF(184, y + 26, 122, 22), QColor(180, 220, 236, 120));
            p.fillRect(QRectF(184, y + 24, 122, 3), QColor(70, 74, 80));
            p.fillRect(QRectF(184, y + 48, 122, 4), QColor(200, 200, 196));
        }
        Window(p, look, QRectF(320, y, 40, 44), big);
        Window(p, look, QRectF(414, y, 30, 44), slim);
    }
    Door(p, look, QRectF(200, g - 64, 60, 64), QColor(60, 64, 70), true);
    p.fillRect(QRectF(188, g - 76, 84, 8), QColor(60, 64, 70));
    FrontPlanting(p, look, 172, 468, g, 180, 280);
    Lamp(p, QPointF(150, kWalk - 4), 60);
}

// 4: a tiny one-storey house with a front porch.
void TinyHouse(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 220, 420);
    HouseShadow(p, 220, 420, g);
    Walkway(p, 320, 26, g, kWalk);
    const QColor siding(240, 212, 110), trim(250, 248, 240);
    SidingWall(p, look, RectPoly(QRectF(220, 290, 200, g - 290)), siding);
    SidingWall(p, look, Poly({{222, 292}, {418, 292}, {320, 226}}), siding);
    WindowStyle vent{.frame = trim, .columns = 1, .rows = 1, .curtains = false};
    Window(p, look, QRectF(310, 258, 20, 20), vent);
    EaveShadow(p, QRectF(220, 292, 200, 10));
    WindowStyle win{.frame = trim, .columns = 2, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(240, 316, 40, 40), win);
    Window(p, look, QRectF(362, 316, 40, 40), win);
    Door(p, look, QRectF(305, 314, 30, g - 314 - 8), QColor(64, 110, 150));
    p.fillRect(QRectF(290, g - 8, 60, 8), QColor(170, 160, 150));
    Roof(p, look, Poly({{206, 294}, {222, 294}, {320, 228}, {418, 294}, {434, 294}, {320, 212}}),
         QColor(96, 96, 104));
    FrontPlanting(p, look, 222, 418, g, 290, 350);
    Mailbox(p, look, QPointF(266, kWalk - 2));
}

// 5: a row of three townhouses; the middle one is to let.
void Townhouses(QPainter& p, Look& look, double g) {
    HouseShadow(p, 70, 570, g);
    const QColor colours[3] = {QColor(170, 96, 80), QColor(112, 140, 170), QColor(206, 186, 140)};
    for (int i = 0; i < 3; ++i) {
        const double x = 70 + i * 168;
        Walkway(p, x + 56, 20, g, kWalk);
        if (i == 1)
            SidingWall(p, look, RectPoly(QRectF(x, 180, 164, g - 180)), colours[i]);
        else
            BrickWall(p, look, RectPoly(QRectF(x, 180, 164, g - 180)), colours[i]);
        FlatRoofEdge(p, look, QRectF(x - 2, 168, 168, 14), QColor(240, 238, 230));
        WindowStyle win{
            .frame = QColor(248, 246, 240), .columns = 2, .rows = 2, .flowerBox = i == 1};
        Window(p, look, QRectF(x + 22, 200, 40, 46), win);
        Window(p, look, QRectF(x + 96, 200, 40, 46), win);
        Window(p, look, QRectF(x + 96, 282, 40, 50), win);
        Door(p, look, QRectF(x + 42, 292, 30, g - 292 - 14),
             i == 1 ? QColor(30, 70, 60) : QColor(60, 50, 46), true);
        Steps(p, x + 57, g, 36, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(x + 162, 180, 2, g - 180));
    }
    Tree(p, look.rng, QPointF(40, g + 20), 150, QColor(80, 140, 70));
    Tree(p, look.rng, QPointF(606, g + 20), 140, QColor(80, 140, 70));
    Bush(p, look.rng, QPointF(300, g + 8), 40, QColor(70, 130, 60));
}

// 6: a small shingled cottage with a carport.
void CarportCottage(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 140, 560);
    HouseShadow(p, 150, 540, g);
    Walkway(p, 282, 26, g, kWalk);
    const QColor shingle(140, 156, 170), trim(250, 248, 240), roof(70, 60, 56);
    SidingWall(p, look, RectPoly(QRectF(160, 296, 250, g - 296)), shingle, 6);
    EaveShadow(p, QRectF(160, 296, 250, 10));
    WindowStyle win{
        .frame = trim, .shutter = QColor(200, 170, 80), .columns = 2, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(190, 318, 38, 40), win);
    Window(p, look, QRectF(340, 318, 38, 40), win);
    Door(p, look, QRectF(268, 316, 30, g - 316 - 4), QColor(200, 170, 80));
    Roof(p, look, Poly({{146, 300}, {424, 300}, {370, 240}, {200, 240}}), roof);
    // The carport: a flat roof on posts with a small car under it.
    p.fillRect(QRectF(410, 318, 130, 8), look.Paint(trim));
    for (double x : {414.0, 532.0}) p.fillRect(QRectF(x, 326, 6, g - 326), look.Paint(trim));
    QPainterPath car;
    car.addRoundedRect(QRectF(432, g - 30, 92, 22), 8, 8);
    car.addRoundedRect(QRectF(448, g - 46, 56, 22), 8, 8);
    car.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 60));
    p.drawPath(car);
    p.setBrush(QColor(170, 200, 220));
    p.drawRect(QRectF(454, g - 42, 20, 12));
    p.drawRect(QRectF(478, g - 42, 20, 12));
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(QPointF(452, g - 6), 8, 8);
    p.drawEllipse(QPointF(504, g - 6), 8, 8);
    FrontPlanting(p, look, 162, 408, g, 256, 310);
}

// 7: a two-storey family house with a front garage under its own gable.
void FamilyHouse(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 110, 530);
    HouseShadow(p, 110, 530, g);
    Walkway(p, 250, 28, g, kWalk);
    const QColor siding(214, 198, 168), trim(250, 248, 240), roof(84, 70, 64);
    SidingWall(p, look, RectPoly(QRectF(120, 214, 260, g - 214)), siding);
    Roof(p, look, Poly({{106, 218}, {394, 218}, {350, 166}, {150, 166}}), roof);
    EaveShadow(p, QRectF(120, 218, 260, 10));
    WindowStyle win{
        .frame = trim, .shutter = QColor(110, 80, 60), .columns = 2, .rows = 2, .flowerBox = true};
    for (double x : {150.0, 300.0}) Window(p, look, QRectF(x, 236, 40, 44), win);
    Window(p, look, QRectF(150, 316, 40, 44), win);
    Door(p, look, QRectF(236, 312, 30, g - 312 - 6), QColor(110, 40, 40), true);
    Window(p, look, QRectF(300, 316, 40, 44), win);
    // The garage wing.
    SidingWall(p, look, RectPoly(QRectF(380, 270, 150, g - 270)), siding);
    SidingWall(p, look, Poly({{380, 272}, {530, 272}, {455, 226}}), siding);
    Roof(p, look, Poly({{368, 276}, {380, 276}, {455, 228}, {530, 276}, {542, 276}, {455, 214}}),
         roof);
    const QRectF door(396, 300, 118, g - 300);
    p.setPen(QPen(QColor(190, 186, 178), 1));
    p.setBrush(QColor(246, 244, 238));
    p.drawRect(door);
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(door.left(), door.top() + door.height() * i / 4),
                   QPointF(door.right(), door.top() + door.height() * i / 4));
    p.fillRect(QRectF(396, g, 118, kWalk - g), QColor(190, 186, 178));  // driveway
    FrontPlanting(p, look, 122, 378, g, 222, 280);
}

// 8: a split-level: a low wing and a raised wing over a half-sunk floor.
void SplitLevel(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 100, 560);
    HouseShadow(p, 100, 560, g);
    Walkway(p, 250, 28, g, kWalk);
    const QColor siding(176, 196, 170), brick(176, 110, 90), trim(250, 248, 240), roof(74, 76, 82);
    // Raised wing on the right: brick below, siding above.
    BrickWall(p, look, RectPoly(QRectF(330, 310, 220, g - 310)), brick);
    SidingWall(p, look, RectPoly(QRectF(330, 220, 220, 90)), siding);
    Roof(p, look, Poly({{316, 224}, {564, 224}, {530, 180}, {350, 180}}), roof);
    EaveShadow(p, QRectF(330, 224, 220, 10));
    WindowStyle win{.frame = trim, .columns = 3, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(360, 240, 70, 42), win);
    Window(p, look, QRectF(460, 240, 60, 42), win);
    Window(p, look, QRectF(372, 330, 60, 32), win);
    Window(p, look, QRectF(462, 330, 60, 32), win);
    // Low wing on the left with the entry.
    SidingWall(p, look, RectPoly(QRectF(100, 270, 230, g - 270)), siding);
    Roof(p, look, Poly({{86, 274}, {344, 274}, {300, 236}, {130, 236}}), roof);
    EaveShadow(p, QRectF(100, 274, 230, 10));
    WindowStyle wide{.frame = trim, .columns = 4, .rows = 2, .flowerBox = true};
    Window(p, look, QRectF(124, 300, 96, 48), wide);
    Door(p, look, QRectF(236, 304, 30, g - 304 - 8), QColor(40, 70, 110), true);
    Steps(p, 251, g, 40, 2);
    FrontPlanting(p, look, 102, 548, g, 226, 276);
    Mailbox(p, look, QPointF(200, kWalk - 2));
}

// 9: a white farmhouse with a wide porch and a standing-seam roof.
void Farmhouse(QPainter& p, Look& look, double g) {
    SideTrees(p, look, g, kSceneW, 100, 540);
    HouseShadow(p, 100, 540, g);
    Walkway(p, 320, 30, g, kWalk);
    const QColor siding(246, 244, 238), trim(255, 255, 255), roof(70, 96, 90);
    SidingWall(p, look, RectPoly(QRectF(120, 204, 400, g - 204)), siding);
    // Standing-seam metal roof: vertical seams rather than shingle rows.
    QPolygonF main = Poly({{104, 208}, {536, 208}, {480, 148}, {160, 148}});
    p.setPen(Qt::NoPen);
    p.setBrush(look.Paint(roof));
    p.drawPolygon(main);
    p.setPen(QPen(Lighter(look.Paint(roof), 0.2), 1.2));
    for (double x = 110; x < 536; x += 12) {
        const double t = (x - 104) / 432.0;
        p.drawLine(QPointF(x, 208), QPointF(160 + t * 320, 148));
    }
    // Two dormers.
    for (double cx : {240.0, 400.0}) {
        SidingWall(
            p, look,
            Poly({{cx - 22, 196}, {cx + 22, 196}, {cx + 22, 168}, {cx, 150}, {cx - 22, 168}}),
            siding);
        WindowStyle dw{.frame = trim, .columns = 2, .rows = 1};
        Window(p, look, QRectF(cx - 12, 170, 24, 22), dw);
        p.setPen(QPen(look.Paint(roof), 5));
        p.drawLine(QPointF(cx - 28, 172), QPointF(cx, 146));
        p.drawLine(QPointF(cx + 28, 172), QPointF(cx, 146));
    }
    EaveShadow(p, QRectF(120, 208, 400, 10));
    WindowStyle win{.frame = trim, .shutter = QColor(40, 60, 56), .columns = 2, .rows = 3};
    for (double x : {160.0, 300.0, 440.0}) Window(p, look, QRectF(x, 224, 36, 50), win);
    for (double x : {160.0, 440.0}) Window(p, look, QRectF(x, 312, 36, 52), win);
    Door(p, look, QRectF(305, 314, 30, g - 314 - 12), QColor(40, 60, 56), true);
    // The porch roof on slim posts, full width.
    p.setPen(Qt::NoPen);
    p.setBrush(look.Paint(roof));
    p.drawPolygon(Poly({{108, 300}, {532, 300}, {520, 286}, {120, 286}}));
    p.fillRect(QRectF(110, 300, 420, 5), look.Paint(trim));
    for (double x = 118; x <= 520; x += 67)
        p.fillRect(QRectF(x, 304, 6, g - 304 - 10), look.Paint(trim));
    p.fillRect(QRectF(110, g - 12, 420, 12), look.Paint(QColor(180, 170, 156)));
    p.setPen(QPen(look.Paint(trim), 2));
    p.drawLine(QPointF(110, g - 36), QPointF(290, g - 36));
    p.drawLine(QPointF(350, g - 36), QPointF(530, g - 36));
    for (double x = 114; x < 530; x += 9)
        if (x < 290 || x > 350) p.drawLine(QPointF(x, g - 36), QPointF(x, g - 12));
    Steps(p, 320, g, 56, 2);
    FrontPlanting(p, look, 108, 532, g, 286, 354);
    Mailbox(p, look, QPointF(420, kWalk - 2));
}

}  // namespace

QImage PaintRental(int number) {
    QImage img = NewCanvas(kSceneW, kSceneH);
    QPainter p(&img);
    Smooth(p);
    Look look(2, 5000 + number);
    const double g = Landscape(p, look, kSceneW, kSceneH);
    BringCloser(p, kSceneW, g);
    switch (number) {
        case 1:
            WalkUp(p, look, g);
            break;
        case 2:
            GardenApartments(p, look, g);
            break;
        case 3:
            ModernBlock(p, look, g);
            break;
        case 4:
            TinyHouse(p, look, g);
            break;
        case 5:
            Townhouses(p, look, g);
            break;
        case 6:
            CarportCottage(p, look, g);
            break;
        case 7:
            FamilyHouse(p, look, g);
            break;
        case 8:
            SplitLevel(p, look, g);
            break;
        default:
            Farmhouse(p, look, g);
            break;
    }
    return img;
}

}  // namespace art
