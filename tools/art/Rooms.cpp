// Kitchens and bathrooms, seen straight on into a box room: level 1 is a tired
// room of decades ago, level 2 an ordinary tidy one, level 3 a new modern one.
// The listing browser shows the whole room (ks_, bath_); the improvements
// window shows a closer crop of the same room (k_, b_).

#include "Rooms.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Canvas.h"
#include "HouseKit.h"

namespace art {
namespace {

constexpr int kW = 640, kH = 480;
const QRectF kBack(100, 60, 440, 290);  // the far wall
constexpr double kFloorY = 350;

// A point on the floor: u runs 0..1 from the left wall to the right wall,
// v runs 0..1 from the far wall to the picture's bottom edge.
QPointF FloorPoint(double u, double v) {
    const double y = kFloorY + (kH - kFloorY) * v;
    const double width = kBack.width() + (kW - kBack.width()) * v;
    return QPointF(kW / 2.0 + (u - 0.5) * width, y);
}

// Depth steps that shrink towards the far wall.
double Depth(int row, int rows) {
    return std::pow(static_cast<double>(row) / rows, 1.5);
}

void Shell(QPainter& p, const QColor& wall, const QColor& ceiling) {
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 0, kW, kH), Darker(wall, 0.12));
    p.setBrush(ceiling);
    p.drawPolygon(
        Poly({{0, 0}, {kW, 0}, {kBack.right(), kBack.top()}, {kBack.left(), kBack.top()}}));
    p.setBrush(Darker(wall, 0.08));
    p.drawPolygon(Poly({{0, 0}, {kBack.left(), kBack.top()}, {kBack.left(), kFloorY}, {0, kH}}));
    p.setBrush(Darker(wall, 0.16));
    p.drawPolygon(
        Poly({{kW, 0}, {kBack.right(), kBack.top()}, {kBack.right(), kFloorY}, {kW, kH}}));
    QLinearGradient g(kBack.topLeft(), kBack.bottomLeft());
    g.setColorAt(0, Lighter(wall, 0.06));
    g.setColorAt(1, wall);
    p.fillRect(kBack, g);
}

void CheckerFloor(QPainter& p, const QColor& a, const QColor& b, int cols, int rows) {
    p.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const double u0 = double(c) / cols, u1 = double(c + 1) / cols;
            const double v0 = Depth(r, rows), v1 = Depth(r + 1, rows);
            p.setBrush((r + c) % 2 ? a : b);
            p.drawPolygon(Poly(
                {FloorPoint(u0, v0), FloorPoint(u1, v0), FloorPoint(u1, v1), FloorPoint(u0, v1)}));
        }
}

void TileFloor(QPainter& p, const QColor& tile, const QColor& grout, int cols, int rows) {
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawPolygon(Poly({FloorPoint(0, 0), FloorPoint(1, 0), FloorPoint(1, 1), FloorPoint(0, 1)}));
    p.setPen(QPen(grout, 1.2));
    for (int c = 0; c <= cols; ++c)
        p.drawLine(FloorPoint(double(c) / cols, 0), FloorPoint(double(c) / cols, 1));
    for (int r = 0; r <= rows; ++r)
        p.drawLine(FloorPoint(0, Depth(r, rows)), FloorPoint(1, Depth(r, rows)));
}

void PlankFloor(QPainter& p, Rng& rng, const QColor& wood) {
    const int cols = 14;
    p.setPen(Qt::NoPen);
    for (int c = 0; c < cols; ++c) {
        double v = 0;
        while (v < 1) {
            const double next = std::min(1.0, v + rng.Range(0.25, 0.6));
            const double shade = rng.Range(-0.08, 0.08);
            p.setBrush(shade > 0 ? Lighter(wood, shade) : Darker(wood, -shade));
            const double u0 = double(c) / cols, u1 = double(c + 1) / cols;
            p.drawPolygon(Poly({FloorPoint(u0, v), FloorPoint(u1, v), FloorPoint(u1, next),
                                FloorPoint(u0, next)}));
            v = next;
        }
    }
    p.setPen(QPen(Darker(wood, 0.3), 0.8));
    for (int c = 0; c <= cols; ++c)
        p.drawLine(FloorPoint(double(c) / cols, 0), FloorPoint(double(c) / cols, 1));
    // A soft sheen from the window.
    QRadialGradient g(FloorPoint(0.5, 0.3), 200);
    g.setColorAt(0, QColor(255, 255, 255, 40));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(Poly({FloorPoint(0, 0), FloorPoint(1, 0), FloorPoint(1, 1), FloorPoint(0, 1)}));
}

void StripedPaper(QPainter& p, const QRectF& r, const QColor& base, const QColor& stripe) {
    p.fillRect(r, base);
    for (double x = r.left(); x < r.right(); x += 22) {
        p.fillRect(QRectF(x, r.top(), 8, r.height()), stripe);
        p.fillRect(QRectF(x + 12, r.top(), 2, r.height()), Darker(stripe, 0.2));
    }
}

void WallTiles(QPainter& p, const QRectF& r, const QColor& tile, const QColor& grout, double tw,
               double th, bool staggered) {
    p.fillRect(r, grout);
    p.setPen(Qt::NoPen);
    int row = 0;
    for (double y = r.top(); y < r.bottom(); y += th, ++row) {
        const double off = staggered && row % 2 ? tw / 2 : 0;
        for (double x = r.left() - off; x < r.right(); x += tw) {
            const QRectF t = QRectF(x + 0.8, y + 0.8, tw - 1.6, th - 1.6).intersected(r);
            QLinearGradient g(t.topLeft(), t.bottomRight());
            g.setColorAt(0, Lighter(tile, 0.12));
            g.setColorAt(1, tile);
            p.setBrush(g);
            p.drawRect(t);
        }
    }
}

void Cabinets(QPainter& p, const QRectF& r, int doors, const QColor& c, int handle, bool raised) {
    p.setPen(QPen(Darker(c, 0.35), 1));
    p.setBrush(c);
    p.drawRect(r);
    const double dw = r.width() / doors;
    for (int i = 0; i < doors; ++i) {
        const QRectF d(r.left() + i * dw + 3, r.top() + 3, dw - 6, r.height() - 6);
        QLinearGradient g(d.topLeft(), d.topRight());
        g.setColorAt(0, Lighter(c, 0.08));
        g.setColorAt(1, Darker(c, 0.06));
        p.setPen(QPen(Darker(c, 0.3), 1));
        p.setBrush(g);
        p.drawRect(d);
        if (raised) {
            p.setPen(QPen(Darker(c, 0.22), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(d.adjusted(6, 6, -6, -6), 5, 5);
        }
        const double hx = i % 2 ? d.left() + 7 : d.right() - 7;
        p.setPen(Qt::NoPen);
        if (handle == 0) {  // small round knobs
            p.setBrush(QColor(200, 170, 90));
            p.drawEllipse(QPointF(hx, r.top() < 200 ? d.bottom() - 10 : d.top() + 10), 3, 3);
        } else if (handle == 1) {  // short pulls
            p.setBrush(QColor(180, 180, 184));
            const double y = r.top() < 200 ? d.bottom() - 22 : d.top() + 8;
            p.drawRoundedRect(QRectF(hx - 1.5, y, 3, 14), 1.5, 1.5);
        } else {  // long bar pulls
            p.setBrush(QColor(60, 62, 66));
            const double y = r.top() < 200 ? d.bottom() - 40 : d.top() + 8;
            p.drawRoundedRect(QRectF(hx - 1.5, y, 3, 32), 1.5, 1.5);
        }
    }
}

void Counter(QPainter& p, const QRectF& r, const QColor& c, bool stone) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(r);
    p.setBrush(Lighter(c, 0.2));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 2));
    if (stone) {
        p.setPen(QPen(QColor(180, 180, 186, 120), 0.8));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(r.left() + i * 70, r.top() + 2),
                       QPointF(r.left() + i * 70 + 40, r.bottom()));
    }
}

void KitchenWindow(QPainter& p, const QRectF& r, const QColor& frame, int level) {
    p.setPen(QPen(frame, 6));
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(140, 190, 236));
    sky.setColorAt(0.7, QColor(206, 232, 248));
    sky.setColorAt(0.7, QColor(120, 170, 100));
    sky.setColorAt(1, QColor(100, 150, 84));
    p.setBrush(sky);
    p.drawRect(r);
    p.setPen(QPen(frame, 3));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    if (level == 1) {
        // Frilly cafe curtains.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 160, 80));
        p.drawRect(QRectF(r.left() - 6, r.top() - 8, r.width() + 12, 18));
        p.drawRect(QRectF(r.left() - 4, r.center().y(), r.width() + 8, r.height() / 2 + 4));
        p.setBrush(QColor(240, 200, 120));
        for (double x = r.left(); x < r.right(); x += 12)
            p.drawEllipse(QPointF(x + 6, r.center().y() + 20), 3, 3);
    } else if (level == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 246, 230));
        p.drawRect(QRectF(r.left() - 6, r.top() - 6, r.width() + 12, 20));
    }
}

void Sink(QPainter& p, double cx, double counterY, const QColor& metal) {
    p.setPen(Qt::NoPen);
    p.setBrush(Darker(metal, 0.35));
    p.drawRoundedRect(QRectF(cx - 34, counterY - 1, 68, 5), 2, 2);
    p.setBrush(metal);
    p.drawRect(QRectF(cx - 3, counterY - 30, 6, 30));
    QPainterPath spout;
    spout.moveTo(cx - 3, counterY - 28);
    spout.quadTo(cx - 3, counterY - 40, cx + 14, counterY - 38);
    spout.lineTo(cx + 14, counterY - 32);
    spout.quadTo(cx + 3, counterY - 34, cx + 3, counterY - 28);
    spout.closeSubpath();
    p.drawPath(spout);
}

void Fridge(QPainter& p, const QRectF& r, const QColor& c, bool steel) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, Lighter(c, 0.15));
    g.setColorAt(0.5, c);
    g.setColorAt(1, Darker(c, 0.15));
    p.setPen(QPen(Darker(c, 0.4), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, steel ? 3 : 10, steel ? 3 : 10);
    if (steel) {
        p.drawLine(QPointF(r.center().x(), r.top()),
                   QPointF(r.center().x(), r.top() + r.height() * 0.62));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.62),
                   QPointF(r.right(), r.top() + r.height() * 0.62));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 82, 86));
        p.drawRect(QRectF(r.center().x() - 8, r.top() + 30, 3, 70));
        p.drawRect(QRectF(r.center().x() + 5, r.top() + 30, 3, 70));
        p.drawRect(QRectF(r.left() + 20, r.top() + r.height() * 0.66, r.width() - 40, 3));
    } else {
        p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.35),
                   QPointF(r.right(), r.top() + r.height() * 0.35));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 204));
        p.drawRoundedRect(QRectF(r.right() - 12, r.top() + 20, 4, 40), 2, 2);
        p.drawRoundedRect(QRectF(r.right() - 12, r.top() + r.height() * 0.4, 4, 60), 2, 2);
    }
}

void Range(QPainter& p, const QRectF& r, const QColor& c, bool steel) {
    p.setPen(QPen(Darker(c, 0.4), 1));
    p.setBrush(c);
    p.drawRect(r);
    const QRectF oven(r.left() + 8, r.top() + 22, r.width() - 16, r.height() - 30);
    p.setBrush(steel ? QColor(40, 42, 46) : Darker(c, 0.15));
    p.drawRect(oven);
    p.setBrush(QColor(20, 20, 24, steel ? 200 : 120));
    p.drawRect(oven.adjusted(10, 12, -10, -14));
    p.setPen(Qt::NoPen);
    p.setBrush(steel ? QColor(60, 62, 66) : QColor(60, 60, 60));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(r.left() + 14 + i * (r.width() - 28) / 3, r.top() + 11), 4, 4);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(QRectF(r.left() - 2, r.top() - 4, r.width() + 4, 4));
}

void PendantLight(QPainter& p, double x, double y, const QColor& shade) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawLine(QPointF(x, 0), QPointF(x, y));
    QPainterPath dome;
    dome.moveTo(x - 22, y + 22);
    dome.cubicTo(x - 22, y - 4, x + 22, y - 4, x + 22, y + 22);
    dome.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(dome);
    QRadialGradient glow(QPointF(x, y + 26), 60);
    glow.setColorAt(0, QColor(255, 240, 200, 140));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, y + 26), 60, 40);
}

void Plant(QPainter& p, Rng& rng, QPointF base, double size) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.save();
        p.translate(base);
        p.rotate(-70 + i * 17 + rng.Range(-5, 5));
        p.setBrush(i % 2 ? QColor(60, 140, 70) : QColor(40, 116, 60));
        p.drawEllipse(QRectF(-size * 0.12, -size, size * 0.24, size * 0.9));
        p.restore();
    }
    p.setBrush(QColor(236, 232, 224));
    p.drawPolygon(Poly({{base.x() - size * 0.3, base.y()},
                        {base.x() + size * 0.3, base.y()},
                        {base.x() + size * 0.22, base.y() + size * 0.5},
                        {base.x() - size * 0.22, base.y() + size * 0.5}}));
}

// ------------------------------------------------------------ kitchens

QImage Kitchen(int level) {
    QImage img = NewCanvas(kW, kH);
    QPainter p(&img);
    Smooth(p);
    Rng rng(300 + level);
    const double counterY = 262;
    if (level == 1) {
        Shell(p, QColor(214, 176, 110), QColor(226, 214, 186));
        StripedPaper(p, kBack, QColor(222, 184, 120), QColor(196, 120, 60));
        CheckerFloor(p, QColor(212, 190, 120), QColor(150, 110, 70), 8, 6);
        KitchenWindow(p, QRectF(266, 96, 108, 96), QColor(240, 232, 210), 1);
        Cabinets(p, QRectF(104, 74, 150, 92), 3, QColor(120, 76, 44), 0, true);
        Cabinets(p, QRectF(386, 74, 150, 92), 3, QColor(120, 76, 44), 0, true);
        Fridge(p, QRectF(104, 176, 66, kFloorY - 176), QColor(150, 160, 70), false);
        Cabinets(p, QRectF(172, counterY + 10, 256, kFloorY - counterY - 14), 4,
                 QColor(120, 76, 44), 0, true);
        Counter(p, QRectF(170, counterY, 260, 12), QColor(160, 170, 80), false);
        Range(p, QRectF(432, counterY - 6, 76, kFloorY - counterY + 2), QColor(220, 170, 60),
              false);
        Sink(p, 320, counterY, QColor(170, 170, 160));
        // Peeling wallpaper, a water stain and a bare bulb.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 226, 196));
        p.drawPolygon(Poly({{520, 210}, {540, 196}, {540, 240}}));
        p.setBrush(QColor(150, 120, 80, 70));
        p.drawEllipse(QPointF(420, 20), 50, 14);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.drawLine(QPointF(320, 0), QPointF(320, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 190));
        p.drawEllipse(QPointF(320, 36), 7, 9);
    } else if (level == 2) {
        Shell(p, QColor(240, 230, 196), QColor(248, 246, 238));
        WallTiles(p, QRectF(kBack.left(), 196, kBack.width(), counterY - 196),
                  QColor(246, 244, 236), QColor(200, 196, 186), 20, 20, false);
        TileFloor(p, QColor(222, 210, 186), QColor(190, 178, 156), 8, 6);
        KitchenWindow(p, QRectF(266, 90, 108, 96), QColor(250, 250, 246), 2);
        Cabinets(p, QRectF(104, 70, 150, 110), 3, QColor(210, 170, 110), 1, true);
        Cabinets(p, QRectF(386, 70, 150, 110), 3, QColor(210, 170, 110), 1, true);
        Fridge(p, QRectF(104, 176, 70, kFloorY - 176), QColor(244, 244, 242), false);
        Cabinets(p, QRectF(176, counterY + 10, 252, kFloorY - counterY - 14), 4,
                 QColor(210, 170, 110), 1, true);
        Counter(p, QRectF(174, counterY, 256, 12), QColor(214, 200, 170), false);
        Range(p, QRectF(432, counterY - 6, 76, kFloorY - counterY + 2), QColor(246, 246, 244),
              false);
        Sink(p, 320, counterY, QColor(190, 192, 196));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 240));
        p.drawEllipse(QPointF(320, 14), 46, 10);
    } else {
        Shell(p, QColor(236, 238, 240), QColor(250, 250, 250));
        WallTiles(p, QRectF(kBack.left(), 60, kBack.width(), counterY - 60), QColor(250, 250, 252),
                  QColor(214, 216, 220), 26, 13, true);
        PlankFloor(p, rng, QColor(176, 132, 90));
        KitchenWindow(p, QRectF(258, 84, 124, 110), QColor(50, 52, 58), 3);
        // Open shelves instead of some upper cabinets.
        for (double y : {110.0, 160.0}) {
            p.fillRect(QRectF(400, y, 130, 5), QColor(150, 110, 76));
            p.fillRect(QRectF(190, y, 60, 5), QColor(150, 110, 76));
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(i % 2 ? QColor(240, 240, 236) : QColor(60, 90, 120));
            p.drawRoundedRect(QRectF(410 + i * 22, 88, 16, 22), 3, 3);
        }
        Plant(p, rng, QPointF(220, 150), 22);
        Fridge(p, QRectF(460, 150, 76, kFloorY - 150), QColor(196, 200, 204), true);
        Cabinets(p, QRectF(104, counterY + 10, 352, kFloorY - counterY - 14), 5, QColor(40, 62, 92),
                 2, false);
        Counter(p, QRectF(102, counterY, 356, 12), QColor(240, 240, 242), true);
        // A slim cooktop with its hood, and the sink under the window.
        p.fillRect(QRectF(120, counterY - 3, 80, 4), QColor(30, 30, 34));
        p.setBrush(QColor(196, 200, 204));
        p.drawPolygon(Poly({{130, 206}, {190, 206}, {180, 186}, {140, 186}}));
        p.fillRect(QRectF(154, 60, 12, 126), QColor(196, 200, 204));
        Sink(p, 320, counterY, QColor(70, 72, 76));
        // The island with stools.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(QPointF(320, 456), 200, 16);
        Cabinets(p, QRectF(150, 356, 340, 96), 4, QColor(40, 62, 92), 2, false);
        Counter(p, QRectF(140, 344, 360, 14), QColor(244, 244, 246), true);
        for (double x : {200.0, 320.0, 440.0}) {
            p.fillRect(QRectF(x - 3, 400, 6, 80), QColor(60, 60, 64));
            p.setBrush(QColor(180, 130, 90));
            p.drawRoundedRect(QRectF(x - 24, 394, 48, 10), 4, 4);
        }
        for (double x : {220.0, 320.0, 420.0}) PendantLight(p, x, 200, QColor(40, 44, 50));
        Plant(p, rng, QPointF(470, 330), 20);
    }
    return img;
}

// ------------------------------------------------------------ bathrooms

void Toilet(QPainter& p, QPointF base, const QColor& c) {
    p.setPen(QPen(Darker(c, 0.25), 1));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(base.x() - 24, base.y() - 96, 48, 36), 4, 4);
    p.drawRoundedRect(QRectF(base.x() - 30, base.y() - 60, 60, 12), 5, 5);
    QPainterPath bowl;
    bowl.moveTo(base.x() - 28, base.y() - 48);
    bowl.cubicTo(base.x() - 26, base.y() - 20, base.x() - 14, base.y() - 8, base.x() - 12,
                 base.y());
    bowl.lineTo(base.x() + 12, base.y());
    bowl.cubicTo(base.x() + 14, base.y() - 8, base.x() + 26, base.y() - 20, base.x() + 28,
                 base.y() - 48);
    bowl.closeSubpath();
    p.drawPath(bowl);
}

void Mirror(QPainter& p, const QRectF& r, const QColor& frame, bool rounded) {
    p.setPen(QPen(frame, 5));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(210, 226, 232));
    g.setColorAt(1, QColor(150, 170, 180));
    p.setBrush(g);
    if (rounded)
        p.drawRoundedRect(r, r.width() / 2.5, r.width() / 2.5);
    else
        p.drawRect(r);
    p.setPen(QPen(QColor(255, 255, 255, 120), 4));
    p.drawLine(QPointF(r.left() + 14, r.bottom() - 20), QPointF(r.left() + 40, r.top() + 14));
}

void Tub(QPainter& p, const QRectF& r, const QColor& c) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Lighter(c, 0.1));
    g.setColorAt(1, Darker(c, 0.12));
    p.setPen(QPen(Darker(c, 0.3), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    p.setBrush(Lighter(c, 0.2));
    p.drawRoundedRect(QRectF(r.left() - 3, r.top() - 4, r.width() + 6, 8), 4, 4);
}

void Towel(QPainter& p, const QRectF& r, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(r.left() - 6, r.top() - 3, r.width() + 12, 3), QColor(190, 190, 194));
    p.setBrush(c);
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(Darker(c, 0.12));
    p.drawRect(QRectF(r.left(), r.bottom() - 12, r.width(), 4));
}

QImage Bathroom(int level) {
    QImage img = NewCanvas(kW, kH);
    QPainter p(&img);
    Smooth(p);
    Rng rng(400 + level);
    if (level == 1) {
        Shell(p, QColor(226, 196, 200), QColor(232, 226, 214));
        WallTiles(p, QRectF(kBack.left(), 210, kBack.width(), kFloorY - 210), QColor(236, 170, 180),
                  QColor(210, 196, 190), 18, 18, false);
        p.fillRect(QRectF(kBack.left(), 206, kBack.width(), 6), QColor(130, 50, 70));
        CheckerFloor(p, QColor(240, 236, 226), QColor(90, 110, 100), 14, 8);
        Tub(p, QRectF(106, 280, 190, 70), QColor(236, 176, 186));
        // A patterned shower curtain half drawn.
        p.setPen(QPen(QColor(180, 180, 180), 2));
        p.drawLine(QPointF(104, 88), QPointF(298, 88));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {
            p.setBrush(i % 2 ? QColor(150, 200, 190) : QColor(120, 176, 166));
            p.drawRect(QRectF(104 + i * 14, 90, 14, 190));
        }
        p.setBrush(QColor(240, 236, 210));
        for (int i = 0; i < 12; ++i) p.drawEllipse(QPointF(110 + (i % 3) * 26, 110 + i * 14), 4, 4);
        Toilet(p, QPointF(340, kFloorY + 4), QColor(236, 176, 186));
        // A pedestal sink and a small mirror cabinet.
        p.setPen(QPen(QColor(200, 190, 190), 1));
        p.setBrush(QColor(246, 244, 240));
        p.drawRect(QRectF(452, 276, 22, kFloorY - 276));
        p.drawRoundedRect(QRectF(420, 258, 86, 24), 10, 10);
        Mirror(p, QRectF(430, 120, 66, 86), QColor(200, 190, 170), false);
        // Cracks and stains.
        p.setPen(QPen(QColor(90, 70, 70), 1));
        p.drawLine(QPointF(380, 230), QPointF(396, 262));
        p.drawLine(QPointF(396, 262), QPointF(390, 290));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 140, 100, 70));
        p.drawEllipse(QPointF(200, 24), 60, 14);
        p.setBrush(QColor(255, 246, 210));
        p.drawEllipse(QPointF(463, 100), 18, 8);
    } else if (level == 2) {
        Shell(p, QColor(226, 230, 236), QColor(248, 248, 246));
        WallTiles(p, QRectF(kBack.left(), 160, 200, kFloorY - 160), QColor(240, 236, 226),
                  QColor(206, 200, 190), 24, 24, false);
        TileFloor(p, QColor(220, 214, 200), QColor(190, 184, 170), 10, 7);
        Tub(p, QRectF(106, 284, 192, 66), QColor(248, 248, 248));
        p.setPen(QPen(QColor(190, 190, 190), 2));
        p.drawLine(QPointF(104, 96), QPointF(300, 96));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(i % 2 ? QColor(236, 240, 246) : QColor(220, 228, 238));
            p.drawRect(QRectF(240 + i * 12, 98, 12, 184));
        }
        Toilet(p, QPointF(338, kFloorY + 4), QColor(250, 250, 250));
        Cabinets(p, QRectF(400, 270, 134, kFloorY - 270 - 4), 2, QColor(236, 232, 222), 1, true);
        Counter(p, QRectF(396, 260, 142, 12), QColor(226, 220, 206), false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(QPointF(467, 262), 26, 5);
        Mirror(p, QRectF(412, 110, 110, 120), QColor(240, 240, 236), false);
        Towel(p, QRectF(550, 190, 34, 70), QColor(120, 160, 200));
        p.setBrush(QColor(255, 250, 230));
        p.drawRect(QRectF(420, 92, 94, 10));
    } else {
        Shell(p, QColor(206, 208, 210), QColor(246, 246, 246));
        WallTiles(p, kBack, QColor(204, 206, 208), QColor(186, 188, 190), 60, 60, false);
        WallTiles(p, QRectF(100, 60, 200, 290), QColor(120, 126, 132), QColor(100, 104, 110), 40,
                  80, false);
        TileFloor(p, QColor(150, 150, 152), QColor(130, 130, 132), 5, 4);
        // A walk-in shower behind glass, with a rain head.
        p.fillRect(QRectF(170, 84, 60, 4), QColor(180, 180, 186));
        p.setBrush(QColor(180, 180, 186));
        p.drawEllipse(QPointF(230, 90), 18, 5);
        p.setPen(QPen(QColor(210, 230, 236, 160), 2));
        p.setBrush(QColor(200, 230, 240, 60));
        p.drawRect(QRectF(104, 70, 190, 278));
        p.setPen(QPen(QColor(255, 255, 255, 120), 3));
        p.drawLine(QPointF(130, 320), QPointF(190, 120));
        p.drawLine(QPointF(150, 320), QPointF(200, 160));
        // A floating vanity with a basin on it.
        Cabinets(p, QRectF(360, 262, 170, 50), 2, QColor(170, 120, 80), 2, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRect(QRectF(364, 312, 166, 20));
        Counter(p, QRectF(356, 252, 178, 10), QColor(246, 246, 246), true);
        p.setBrush(QColor(252, 252, 252));
        p.drawRoundedRect(QRectF(420, 228, 56, 26), 12, 12);
        p.fillRect(QRectF(444, 212, 4, 18), QColor(60, 60, 64));
        p.fillRect(QRectF(436, 210, 16, 4), QColor(60, 60, 64));
        Mirror(p, QRectF(394, 96, 106, 106), QColor(240, 236, 220), true);
        p.setBrush(QColor(255, 244, 210, 120));
        p.drawRoundedRect(QRectF(388, 90, 118, 118), 40, 40);
        Mirror(p, QRectF(394, 96, 106, 106), QColor(230, 220, 200), true);
        Toilet(p, QPointF(334, kFloorY + 4), QColor(252, 252, 252));
        Towel(p, QRectF(556, 180, 36, 76), QColor(240, 236, 226));
        Plant(p, rng, QPointF(560, 380), 40);
    }
    return img;
}

QImage Crop(const QImage& room) {
    // The improvements window shows the working end of the room larger.
    return room.copy(QRect(70, 40, 500, 375))
        .scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Whole(const QImage& room) {
    return room.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

bool SaveRooms(const QString& dataDir) {
    bool ok = true;
    for (int level = 1; level <= 3; ++level) {
        const QImage kitchen = Kitchen(level);
        const QImage bath = Bathroom(level);
        const QString k = dataDir + "/homecreation/kitchen/";
        const QString b = dataDir + "/homecreation/bathroom/";
        ok &= SaveJpeg(Whole(kitchen), k + QString("ks_%1.jpg").arg(level));
        ok &= SaveJpeg(Crop(kitchen), k + QString("k_%1.jpg").arg(level));
        ok &= SaveJpeg(Whole(bath), b + QString("bath_%1.jpg").arg(level));
        ok &= SaveJpeg(Crop(bath), b + QString("b_%1.jpg").arg(level));
    }
    return ok;
}

}  // namespace art
