// Decorative pictures. None of them paints a text that a window shows in a
// label; the only words painted are the game's name on the title card and the
// words on the two yard signs.

#include "Scenery.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Canvas.h"
#include "HouseKit.h"

namespace art {
namespace {

QFont Font(const QString& family, double pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(bold);
    return f;
}

// A city skyline along baseY with lit windows; night darkens the buildings.
void Skyline(QPainter& p, Rng& rng, double width, double baseY, double maxH, const QColor& body,
             bool lit) {
    p.setPen(Qt::NoPen);
    double x = -10;
    while (x < width) {
        const double w = rng.Range(28, 62);
        const double h = rng.Range(0.3, 1.0) * maxH;
        const QRectF b(x, baseY - h, w, h);
        p.setBrush(Mix(body, QColor(0, 0, 0), rng.Range(0, 0.15)));
        p.drawRect(b);
        if (rng.Next() < 0.3) p.drawRect(QRectF(b.center().x() - 2, b.top() - 14, 4, 14));  // mast
        if (lit) {
            for (double wy = b.top() + 6; wy < baseY - 6; wy += 9)
                for (double wx = b.left() + 5; wx < b.right() - 5; wx += 8)
                    if (rng.Next() < 0.38) {
                        p.setBrush(QColor(255, 222, 140, static_cast<int>(rng.Range(140, 240))));
                        p.drawRect(QRectF(wx, wy, 3.5, 4.5));
                    }
        }
        x += w + rng.Range(-6, 4);
    }
}

void SmallHouse(QPainter& p, QPointF base, double w, const QColor& wall, const QColor& roof) {
    const double h = w * 0.62;
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(QRectF(base.x() - w / 2, base.y() - h, w, h));
    p.setBrush(roof);
    p.drawPolygon(Poly({{base.x() - w * 0.62, base.y() - h + 2},
                        {base.x() + w * 0.62, base.y() - h + 2},
                        {base.x(), base.y() - h - w * 0.45}}));
    p.setBrush(QColor(255, 226, 150));
    p.drawRect(QRectF(base.x() - w * 0.32, base.y() - h * 0.7, w * 0.2, w * 0.2));
    p.drawRect(QRectF(base.x() + w * 0.12, base.y() - h * 0.7, w * 0.2, w * 0.2));
    p.setBrush(Darker(wall, 0.45));
    p.drawRect(QRectF(base.x() - w * 0.08, base.y() - h * 0.5, w * 0.16, h * 0.5));
}

void Key(QPainter& p, QPointF at, double size, double angle, const QColor& metal) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(Darker(metal, 0.4), 1.2));
    p.setBrush(metal);
    QPainterPath key;
    key.addEllipse(QPointF(0, 0), size * 0.32, size * 0.32);
    key.addRect(QRectF(size * 0.25, -size * 0.07, size * 0.9, size * 0.14));
    key.addRect(QRectF(size * 0.9, size * 0.05, size * 0.08, size * 0.16));
    key.addRect(QRectF(size * 1.03, size * 0.05, size * 0.08, size * 0.12));
    key.setFillRule(Qt::WindingFill);
    p.drawPath(key.simplified());
    p.setBrush(Darker(metal, 0.5));
    p.drawEllipse(QPointF(-size * 0.08, 0), size * 0.1, size * 0.1);
    p.restore();
}

void Confetti(QPainter& p, Rng& rng, const QRectF& area, int count) {
    static const QColor colours[] = {QColor(240, 80, 90),   QColor(250, 200, 60),
                                     QColor(80, 170, 240),  QColor(110, 200, 120),
                                     QColor(200, 120, 230), QColor(255, 150, 70)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(area.left() + rng.Next() * area.width(),
                    area.top() + rng.Next() * area.height());
        p.rotate(rng.Range(0, 180));
        p.setBrush(colours[rng.Int(6)]);
        if (rng.Next() < 0.5)
            p.drawRect(QRectF(-4, -2, 8, 4));
        else
            p.drawEllipse(QPointF(0, 0), 2.6, 2.6);
        p.restore();
    }
}

void Lightbulb(QPainter& p, QPointF c, double r, bool glow) {
    if (glow) {
        QRadialGradient halo(c, r * 2.4);
        halo.setColorAt(0, QColor(255, 236, 140, 170));
        halo.setColorAt(1, QColor(255, 236, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, r * 2.4, r * 2.4);
    }
    QPainterPath bulb;
    bulb.addEllipse(c, r, r);
    bulb.addRect(QRectF(c.x() - r * 0.45, c.y() + r * 0.5, r * 0.9, r * 0.7));
    bulb.setFillRule(Qt::WindingFill);
    bulb = bulb.simplified();
    QRadialGradient g(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    g.setColorAt(0, QColor(255, 252, 220));
    g.setColorAt(1, QColor(252, 206, 70));
    p.setPen(QPen(QColor(200, 150, 40), r * 0.06));
    p.setBrush(g);
    p.drawPath(bulb);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 136, 146));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(c.x() - r * 0.5, c.y() + r * (1.2 + i * 0.22), r, r * 0.18),
                          r * 0.08, r * 0.08);
    // A small coiled filament on two thin wires.
    p.setPen(QPen(QColor(200, 140, 40), r * 0.035));
    p.drawLine(QPointF(c.x() - r * 0.15, c.y() + r * 0.55),
               QPointF(c.x() - r * 0.25, c.y() + r * 0.05));
    p.drawLine(QPointF(c.x() + r * 0.15, c.y() + r * 0.55),
               QPointF(c.x() + r * 0.25, c.y() + r * 0.05));
    p.setPen(QPen(QColor(230, 120, 30), r * 0.06));
    p.setBrush(Qt::NoBrush);
    QPainterPath coil;
    coil.moveTo(c.x() - r * 0.25, c.y() + r * 0.05);
    for (int i = 1; i <= 6; ++i)
        coil.lineTo(c.x() - r * 0.25 + i * r * 0.5 / 6, c.y() + r * (i % 2 ? -0.05 : 0.05));
    p.drawPath(coil);
    p.setPen(QPen(QColor(255, 255, 255, 180), r * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4), 110 * 16, 50 * 16);
}

void LetterBox(QPainter& p, const QRectF& area, bool letter, bool open, const QColor& body) {
    // Seen from the side: a rounded-top box on a post, its door at the right end.
    const double cx = area.center().x() - 8;
    const double w = area.width() * 0.56, h = area.height() * 0.32;
    const double top = area.top() + area.height() * 0.24;
    const QRectF boxRect(cx - w / 2, top, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 86, 58));
    p.drawRect(QRectF(cx - 5, top + h, 10, area.bottom() - top - h));
    QPainterPath box;
    box.addRoundedRect(boxRect, h / 2, h / 2);
    box.addRect(QRectF(boxRect.left(), top + h / 2, w, h / 2));
    box.addRect(QRectF(boxRect.right() - h / 2, top, h / 2, h));
    box.setFillRule(Qt::WindingFill);
    box = box.simplified();
    QLinearGradient g(0, top, 0, top + h);
    g.setColorAt(0, Lighter(body, 0.25));
    g.setColorAt(1, Darker(body, 0.2));
    p.setPen(QPen(Darker(body, 0.45), 1.2));
    p.setBrush(g);
    p.drawPath(box);
    if (open) {
        // The door hangs open below the mouth, which shows dark and empty.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(QRectF(boxRect.right() - 5, top + 3, 5, h - 3));
        p.setPen(QPen(Darker(body, 0.45), 1.2));
        p.setBrush(Darker(body, 0.1));
        p.drawRect(QRectF(boxRect.right(), top + h - 4, h * 0.95, 6));
    } else {
        p.setPen(QPen(Darker(body, 0.45), 1.2));
        p.drawLine(QPointF(boxRect.right() - 6, top + 2), QPointF(boxRect.right() - 6, top + h));
    }
    if (letter) {
        p.save();
        p.translate(boxRect.right() - 4, top + h * 0.5);
        p.rotate(-14);
        p.setPen(QPen(QColor(150, 150, 150), 1));
        p.setBrush(QColor(252, 252, 246));
        const QRectF env(-2, -h * 0.3, w * 0.5, h * 0.6);
        p.drawRect(env);
        p.drawLine(env.topLeft(), QPointF(env.center().x(), env.center().y()));
        p.drawLine(env.topRight(), QPointF(env.center().x(), env.center().y()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 50, 50));
        p.drawEllipse(env.center(), 3, 3);
        p.restore();
    }
    // The flag on the near side: raised when there is mail.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 44, 44));
    if (letter) {
        p.drawRect(QRectF(cx - w * 0.25, top - h * 0.75, 4, h * 1.1));
        p.drawRect(QRectF(cx - w * 0.25, top - h * 0.75, w * 0.24, h * 0.34));
    } else {
        p.drawRect(QRectF(cx - w * 0.25, top + h * 0.45, w * 0.34, 4));
    }
}

QImage Splash() {
    QImage img = NewCanvas(640, 400);
    QPainter p(&img);
    Smooth(p);
    Rng rng(11);
    Sky(p, QRectF(0, 0, 640, 400), QColor(18, 26, 58), QColor(236, 140, 96));
    QRadialGradient sun(QPointF(320, 330), 200);
    sun.setColorAt(0, QColor(255, 214, 140, 200));
    sun.setColorAt(1, QColor(255, 214, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(320, 330), 200, 120);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 60; ++i)
        p.drawEllipse(QPointF(rng.Next() * 640, rng.Next() * 150), 0.9, 0.9);
    Skyline(p, rng, 640, 340, 110, QColor(46, 40, 70), true);
    for (int i = 0; i < 9; ++i)
        SmallHouse(p, QPointF(30 + i * 72 + rng.Range(-8, 8), 372), rng.Range(40, 54),
                   QColor(70, 56, 84), QColor(40, 32, 52));
    p.fillRect(QRectF(0, 370, 640, 30), QColor(24, 20, 36));
    p.setFont(Font("DejaVu Serif", 92, true));
    ShadowText(p, QRectF(0, 70, 640, 120), Qt::AlignCenter, "Deedwell", QColor(255, 246, 226));
    p.setPen(QPen(QColor(255, 226, 170), 2));
    p.drawLine(QPointF(200, 196), QPointF(440, 196));
    Key(p, QPointF(300, 222), 40, -12, QColor(240, 200, 100));
    return img;
}

QImage Loading() {
    QImage img = NewCanvas(480, 320);
    QPainter p(&img);
    Smooth(p);
    Rng rng(12);
    Sky(p, QRectF(0, 0, 480, 320), QColor(26, 40, 84), QColor(120, 110, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    for (int i = 0; i < 50; ++i)
        p.drawEllipse(QPointF(rng.Next() * 480, rng.Next() * 160), 0.8, 0.8);
    p.setBrush(QColor(250, 246, 220));
    p.drawEllipse(QPointF(390, 60), 22, 22);
    p.setBrush(QColor(120, 120, 160, 120));
    p.drawEllipse(QPointF(398, 54), 20, 20);
    Skyline(p, rng, 480, 300, 150, QColor(60, 64, 100), false);
    Skyline(p, rng, 480, 320, 110, QColor(34, 36, 64), true);
    return img;
}

QImage Addons() {
    QImage img = NewCanvas(640, 480);
    QPainter p(&img);
    Smooth(p);
    Sky(p, QRectF(0, 0, 640, 480), QColor(44, 70, 110), QColor(24, 40, 66));
    Rng rng(13);
    Skyline(p, rng, 640, 480, 160, QColor(36, 56, 88), false);
    const QColor tints[3] = {QColor(252, 246, 228), QColor(232, 242, 250), QColor(234, 248, 236)};
    for (int i = 0; i < 3; ++i) {
        const QRectF panel(26 + i * 202, 30, 184, 310);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(panel.translated(4, 6), 14, 14);
        QLinearGradient g(panel.topLeft(), panel.bottomLeft());
        g.setColorAt(0, tints[i]);
        g.setColorAt(1, Darker(tints[i], 0.08));
        p.setBrush(g);
        p.drawRoundedRect(panel, 14, 14);
        p.setBrush(i == 0 ? QColor(210, 150, 60) : QColor(90, 120, 160));
        p.drawRoundedRect(QRectF(panel.left(), panel.top(), panel.width(), 8), 4, 4);
    }
    // The click band under the panels.
    QLinearGradient band(0, 366, 0, 440);
    band.setColorAt(0, QColor(250, 200, 90, 230));
    band.setColorAt(1, QColor(220, 160, 60, 230));
    p.setBrush(band);
    p.drawRoundedRect(QRectF(26, 366, 588, 70), 16, 16);
    return img;
}

QImage OffersNone() {
    QImage img = NewCanvas(160, 120, QColor(232, 232, 230));
    QPainter p(&img);
    Smooth(p);
    // A blank grey yard sign: nothing of ours is on the market.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(36, 20, 6, 92));
    p.drawRect(QRectF(36, 24, 96, 5));
    p.setBrush(QColor(190, 190, 192));
    p.drawRoundedRect(QRectF(56, 36, 70, 46), 4, 4);
    p.setPen(QPen(QColor(150, 150, 150), 1.5));
    p.drawLine(QPointF(72, 29), QPointF(72, 36));
    p.drawLine(QPointF(112, 29), QPointF(112, 36));
    p.setPen(QPen(QColor(160, 160, 162), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(76, 59), QPointF(106, 59));
    p.fillRect(QRectF(0, 108, 160, 12), QColor(200, 200, 198));
    return img;
}

QImage OffersMailbox(bool letter) {
    QImage img = NewCanvas(160, 120, letter ? QColor(255, 246, 214) : QColor(226, 236, 244));
    QPainter p(&img);
    Smooth(p);
    if (letter) {
        QRadialGradient glow(QPointF(92, 50), 70);
        glow.setColorAt(0, QColor(255, 220, 120, 200));
        glow.setColorAt(1, QColor(255, 220, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(92, 50), 70, 60);
    }
    p.fillRect(QRectF(0, 106, 160, 14), letter ? QColor(110, 170, 80) : QColor(140, 170, 120));
    LetterBox(p, QRectF(10, 6, 130, 104), letter, !letter,
              letter ? QColor(40, 90, 160) : QColor(110, 120, 134));
    return img;
}

QImage YardSign(const QString& text, const QColor& board, bool onLawn) {
    QImage img = NewCanvas(320, 240);
    QPainter p(&img);
    Smooth(p);
    QRectF sign(20, 20, 280, 200);
    if (onLawn) {
        Sky(p, QRectF(0, 0, 320, 180), QColor(120, 180, 236), QColor(210, 234, 250));
        p.fillRect(QRectF(0, 180, 320, 60), QColor(100, 168, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 248));
        p.drawRect(QRectF(60, 30, 10, 196));
        p.drawRect(QRectF(60, 36, 210, 9));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(QPointF(66, 226), 24, 5);
        p.setPen(QPen(QColor(120, 120, 120), 2));
        p.drawLine(QPointF(112, 45), QPointF(112, 64));
        p.drawLine(QPointF(240, 45), QPointF(240, 64));
        sign = QRectF(92, 64, 170, 100);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(sign.translated(3, 4), 8, 8);
    p.setBrush(QColor(252, 252, 250));
    p.drawRoundedRect(sign, 8, 8);
    p.setBrush(board);
    const QRectF inner = sign.adjusted(sign.width() * 0.04, sign.width() * 0.04,
                                       -sign.width() * 0.04, -sign.width() * 0.04);
    p.drawRoundedRect(inner, 6, 6);
    p.setFont(Font("DejaVu Sans", inner.height() * (onLawn ? 0.3 : 0.42), true));
    ShadowText(p, inner, Qt::AlignCenter, text, QColor(255, 255, 255));
    return img;
}

QImage GoalWon() {
    QImage img = NewCanvas(480, 360);
    QPainter p(&img);
    Smooth(p);
    Rng rng(21);
    Sky(p, QRectF(0, 0, 480, 360), QColor(80, 160, 236), QColor(220, 240, 252));
    QRadialGradient burst(QPointF(240, 170), 260);
    burst.setColorAt(0, QColor(255, 244, 200, 230));
    burst.setColorAt(1, QColor(255, 244, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(burst);
    p.drawEllipse(QPointF(240, 170), 260, 220);
    for (int i = 0; i < 16; ++i) {  // rays
        p.save();
        p.translate(240, 170);
        p.rotate(i * 22.5);
        p.setBrush(QColor(255, 250, 220, 60));
        p.drawPolygon(Poly({{0, 0}, {300, -22}, {300, 22}}));
        p.restore();
    }
    p.fillRect(QRectF(0, 290, 480, 70), QColor(96, 176, 70));
    SmallHouse(p, QPointF(240, 292), 170, QColor(250, 240, 214), QColor(200, 70, 60));
    p.setBrush(QColor(70, 140, 60));
    Bush(p, rng, QPointF(130, 296), 60, QColor(70, 150, 70));
    Bush(p, rng, QPointF(350, 296), 60, QColor(70, 150, 70));
    // A ring of keys in front.
    p.setPen(QPen(QColor(200, 160, 60), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(240, 318), 18, 18);
    Key(p, QPointF(256, 334), 48, 28, QColor(246, 206, 96));
    Key(p, QPointF(226, 334), 42, 140, QColor(200, 204, 212));
    Confetti(p, rng, QRectF(0, 0, 480, 300), 160);
    // Ribbons.
    p.setPen(QPen(QColor(240, 80, 110), 3));
    for (int i = 0; i < 5; ++i) {
        QPainterPath ribbon;
        const double x = 40 + i * 100;
        ribbon.moveTo(x, 10);
        ribbon.cubicTo(x + 20, 40, x - 20, 70, x + 10, 100);
        p.drawPath(ribbon);
    }
    return img;
}

QImage GoalMissed() {
    QImage img = NewCanvas(480, 360);
    QPainter p(&img);
    Smooth(p);
    Rng rng(22);
    Sky(p, QRectF(0, 0, 480, 260), QColor(92, 100, 112), QColor(150, 156, 164));
    for (int i = 0; i < 6; ++i)
        Cloud(p, QPointF(rng.Next() * 480, rng.Range(20, 90)), rng.Range(140, 220),
              QColor(110, 116, 126, 230));
    for (int i = 0; i < 5; ++i)
        SmallHouse(p, QPointF(50 + i * 96, 262), rng.Range(62, 80), QColor(128, 130, 136),
                   QColor(84, 86, 94));
    p.fillRect(QRectF(0, 260, 480, 14), QColor(150, 150, 152));
    QLinearGradient road(0, 274, 0, 360);
    road.setColorAt(0, QColor(70, 74, 80));
    road.setColorAt(1, QColor(50, 52, 58));
    p.fillRect(QRectF(0, 274, 480, 86), road);
    // Puddles with reflections.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(rng.Next() * 480, rng.Range(290, 350));
        p.setBrush(QColor(130, 136, 146, 150));
        p.drawEllipse(c, rng.Range(30, 60), rng.Range(4, 8));
    }
    // A street lamp, unlit.
    p.setBrush(QColor(40, 42, 46));
    p.drawRect(QRectF(400, 150, 5, 114));
    p.drawRect(QRectF(388, 146, 28, 6));
    // Rain.
    p.setPen(QPen(QColor(200, 210, 224, 140), 1.2));
    for (int i = 0; i < 420; ++i) {
        const QPointF a(rng.Range(-40, 480), rng.Range(-10, 360));
        p.drawLine(a, a + QPointF(5, 16));
    }
    p.setPen(QPen(QColor(190, 200, 214, 160), 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 30; ++i)
        p.drawEllipse(QPointF(rng.Next() * 480, rng.Range(280, 356)), rng.Range(3, 7),
                      rng.Range(1, 2));
    return img;
}

QImage Hint() {
    QImage img = NewCanvas(320, 240);
    QPainter p(&img);
    Smooth(p);
    Sky(p, QRectF(0, 0, 320, 240), QColor(250, 244, 222), QColor(236, 228, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 212, 180));
    p.drawEllipse(QPointF(160, 236), 200, 40);
    // A signpost beside the bulb: the way forward.
    p.setBrush(QColor(150, 108, 70));
    p.drawRect(QRectF(236, 90, 8, 136));
    p.setBrush(QColor(196, 146, 90));
    p.drawPolygon(Poly({{210, 100}, {286, 100}, {300, 114}, {286, 128}, {210, 128}}));
    p.drawPolygon(Poly({{270, 140}, {196, 140}, {182, 154}, {196, 168}, {270, 168}}));
    Lightbulb(p, QPointF(110, 104), 50, true);
    return img;
}

QImage IconImage(int size, int kind) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    Smooth(p);
    const double s = size / 64.0;
    p.scale(s, s);
    if (kind == 0) {  // a musical note
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 160));
        p.drawEllipse(QPointF(20, 48), 9, 7);
        p.drawEllipse(QPointF(46, 42), 9, 7);
        p.drawRect(QRectF(26, 12, 4, 36));
        p.drawRect(QRectF(52, 6, 4, 36));
        p.drawPolygon(Poly({{26, 12}, {56, 6}, {56, 14}, {26, 20}}));
    } else if (kind == 1) {  // a speaker with sound waves
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 90, 160));
        p.drawPolygon(Poly({{8, 24}, {20, 24}, {34, 12}, {34, 52}, {20, 40}, {8, 40}}));
        p.setPen(QPen(QColor(60, 90, 160), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(30, 20, 16, 24), -50 * 16, 100 * 16);
        p.drawArc(QRectF(28, 12, 28, 40), -50 * 16, 100 * 16);
    } else if (kind == 2) {  // the hint icon: a bulb
        Lightbulb(p, QPointF(32, 26), 17, true);
    } else {  // the application icon: a house with a key on a rounded tile
        QLinearGradient g(0, 0, 0, 64);
        g.setColorAt(0, QColor(60, 130, 200));
        g.setColorAt(1, QColor(30, 80, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        p.setBrush(QColor(250, 246, 236));
        p.drawRect(QRectF(16, 30, 32, 22));
        p.setBrush(QColor(232, 96, 70));
        p.drawPolygon(Poly({{10, 32}, {32, 12}, {54, 32}}));
        p.setBrush(QColor(40, 70, 120));
        p.drawRect(QRectF(28, 38, 8, 14));
        p.setBrush(QColor(250, 204, 90));
        p.drawRect(QRectF(19, 35, 6, 6));
        p.drawRect(QRectF(39, 35, 6, 6));
        Key(p, QPointF(44, 50), 14, -30, QColor(250, 204, 90));
    }
    return img;
}

QImage NewGame() {
    QImage img = NewCanvas(640, 480);
    QPainter p(&img);
    Smooth(p);
    // A morning street, kept pale so the form's controls read well on top.
    Look look(2, 31);
    Landscape(p, look, 640, 480);
    Rng rng(32);
    const QColor walls[] = {QColor(236, 214, 170), QColor(190, 214, 226), QColor(230, 190, 180),
                            QColor(200, 220, 190), QColor(236, 230, 210)};
    for (int i = 0; i < 5; ++i)
        SmallHouse(p, QPointF(70 + i * 125, 392), rng.Range(90, 110), walls[i],
                   QColor(120, 90, 80));
    p.fillRect(QRectF(0, 0, 640, 480), QColor(255, 255, 255, 110));
    return img;
}

}  // namespace

bool SaveScenery(const QString& dataDir) {
    const QString dir = dataDir + "/pictures/";
    bool ok = true;
    ok &= SaveJpeg(Splash(), dir + "splash.jpg");
    ok &= SaveJpeg(Loading(), dir + "loading.jpg");
    ok &= SaveJpeg(Addons(), dir + "addons.jpg");
    ok &= SaveJpeg(OffersNone(), dir + "offers_none.jpg");
    ok &= SaveJpeg(OffersMailbox(false), dir + "offers_no.jpg");
    ok &= SaveJpeg(OffersMailbox(true), dir + "offers_yes.jpg");
    ok &= SaveJpeg(YardSign("SOLD", QColor(200, 36, 44), false), dir + "sold.jpg");
    ok &= SaveJpeg(YardSign("FOR SALE", QColor(30, 90, 160), true), dir + "forsale.jpg");
    ok &= SaveJpeg(GoalWon(), dir + "goal_won.jpg");
    ok &= SaveJpeg(GoalMissed(), dir + "goal_missed.jpg");
    ok &= SaveJpeg(Hint(), dir + "hint.jpg");
    ok &= SaveJpeg(NewGame(), dir + "newgame.jpg");
    ok &= SavePng(IconImage(64, 0), dir + "music_note.png");
    ok &= SavePng(IconImage(64, 1), dir + "music_speaker.png");
    ok &= SavePng(IconImage(64, 2), dir + "hint_icon.png");
    ok &= SavePng(IconImage(256, 3), dir + "icon.png");
    return ok;
}

}  // namespace art
