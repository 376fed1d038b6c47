#include "HouseKit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace art {

QColor Look::Paint(const QColor& c) const {
    float h, s, v, a;
    c.getHsvF(&h, &s, &v, &a);
    if (stage == 1) {
        QColor faded = QColor::fromHsvF(h, s * 0.5f, v * 0.86f, a);
        return Mix(faded, QColor(158, 148, 128), 0.28);
    }
    if (stage == 3)
        return QColor::fromHsvF(h, std::min(1.0f, s * 1.12f), std::min(1.0f, v * 1.04f), a);
    return c;
}

QPolygonF RectPoly(const QRectF& r) {
    QPolygonF poly;
    poly << r.topLeft() << r.topRight() << r.bottomRight() << r.bottomLeft();
    return poly;
}

// ---------------------------------------------------------------- landscape

static void Lawn(QPainter& p, Look& look, const QRectF& r) {
    Rng& rng = look.rng;
    p.save();
    p.setPen(Qt::NoPen);
    if (look.Worn()) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(150, 146, 92));
        g.setColorAt(1, QColor(138, 128, 80));
        p.fillRect(r, g);
        // Bare and burnt patches: the lawn of a house nobody has looked after.
        for (int i = 0; i < 26; ++i) {
            const QPointF c(r.left() + rng.Next() * r.width(), r.top() + rng.Next() * r.height());
            const double rw = rng.Range(18, 60);
            const QColor patch = rng.Next() < 0.6 ? QColor(146, 116, 76) : QColor(112, 128, 70);
            p.setBrush(WithAlpha(patch, 170));
            p.drawEllipse(c, rw, rw * 0.3);
        }
        p.setPen(QPen(QColor(120, 130, 60), 1.2));
        for (int i = 0; i < 70; ++i) {
            const QPointF c(r.left() + rng.Next() * r.width(), r.top() + rng.Next() * r.height());
            p.drawLine(c, c + QPointF(rng.Range(-3, 3), -rng.Range(4, 9)));
        }
    } else {
        const QColor base = look.Fresh() ? QColor(92, 172, 66) : QColor(112, 164, 72);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, Lighter(base, 0.08));
        g.setColorAt(1, Darker(base, 0.06));
        p.fillRect(r, g);
        if (look.Fresh()) {
            // Mowing stripes.
            for (int i = 0; i < 16; i += 2) {
                QPolygonF band;
                const double x0 = r.left() - 200 + i * 56;
                band << QPointF(x0, r.bottom()) << QPointF(x0 + 56, r.bottom())
                     << QPointF(x0 + 56 + 120, r.top()) << QPointF(x0 + 120, r.top());
                p.setBrush(QColor(255, 255, 255, 22));
                p.drawPolygon(band);
            }
        } else {
            for (int i = 0; i < 30; ++i) {
                const QPointF c(r.left() + rng.Next() * r.width(),
                                r.top() + rng.Next() * r.height());
                p.setBrush(QColor(90, 140, 60, 60));
                p.drawEllipse(c, rng.Range(15, 40), rng.Range(3, 7));
            }
        }
    }
    p.restore();
}

void BringCloser(QPainter& p, int w, double ground) {
    p.translate(w / 2.0, ground);
    p.scale(1.1, 1.1);
    p.translate(-w / 2.0, -ground);
}

double Landscape(QPainter& p, Look& look, int w, int h) {
    const double horizon = h * 0.60;
    const double groundY = h * 0.80;
    const double sidewalkY = kSidewalkY * h / kSceneH;
    if (look.Worn())
        Sky(p, QRectF(0, 0, w, horizon + 2), QColor(128, 160, 192), QColor(212, 218, 220));
    else if (look.Fresh())
        Sky(p, QRectF(0, 0, w, horizon + 2), QColor(64, 140, 226), QColor(196, 228, 252));
    else
        Sky(p, QRectF(0, 0, w, horizon + 2), QColor(96, 158, 220), QColor(204, 226, 244));
    if (look.Fresh()) {
        QRadialGradient sun(QPointF(w * 0.86, h * 0.12), h * 0.16);
        sun.setColorAt(0, QColor(255, 250, 220, 255));
        sun.setColorAt(0.35, QColor(255, 244, 190, 200));
        sun.setColorAt(1, QColor(255, 244, 190, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sun);
        p.drawEllipse(QPointF(w * 0.86, h * 0.12), h * 0.16, h * 0.16);
    }
    Clouds(p, look.rng, QRectF(0, h * 0.05, w, h * 0.22), look.Worn() ? 5 : 3,
           look.Worn() ? QColor(236, 238, 240, 235) : QColor(255, 255, 255, 235));
    // Far hills, then a line of trees behind the lot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 182, 170));
    QPainterPath hills;
    hills.moveTo(0, horizon);
    for (int x = 0; x <= w; x += 20)
        hills.lineTo(x, horizon - 30 - 18 * std::sin(x * 0.011) - 10 * std::sin(x * 0.027 + 1));
    hills.lineTo(w, horizon);
    p.drawPath(hills);
    TreeLine(p, look.rng, w, horizon + 4, 46,
             look.Worn() ? QColor(104, 122, 82) : QColor(76, 128, 78));
    Lawn(p, look, QRectF(0, horizon, w, sidewalkY - horizon));
    Pavement(p, w, sidewalkY, h);
    return groundY;
}

// ---------------------------------------------------------------- walls

static void Peel(QPainter& p, Look& look, const QRectF& area, int count) {
    Rng& rng = look.rng;
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.Next() * area.width(),
                        area.top() + rng.Next() * area.height());
        QPainterPath blob;
        const double r = rng.Range(4, 11);
        blob.moveTo(c + QPointF(r, 0));
        for (int k = 1; k < 9; ++k) {
            const double a = k * 2 * M_PI / 9;
            const double rr = r * rng.Range(0.5, 1.3);
            blob.lineTo(c + QPointF(std::cos(a) * rr, std::sin(a) * rr * 0.7));
        }
        blob.closeSubpath();
        p.setPen(QPen(QColor(90, 84, 74, 120), 0.8));
        p.setBrush(QColor(214, 208, 196, 210));
        p.drawPath(blob);
    }
    // Rust and rain streaks.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count / 2; ++i) {
        const double x = area.left() + rng.Next() * area.width();
        const double y = area.top() + rng.Next() * area.height() * 0.6;
        QLinearGradient g(x, y, x, y + 40);
        g.setColorAt(0, QColor(80, 70, 50, 70));
        g.setColorAt(1, QColor(80, 70, 50, 0));
        p.setBrush(g);
        p.drawRect(QRectF(x, y, rng.Range(2, 5), 40));
    }
}

// Later strokes stay inside `shape`.
static void ClipTo(QPainter& p, const QPolygonF& shape) {
    QPainterPath clip;
    clip.addPolygon(shape);
    p.setClipPath(clip);
}

// Fills `shape` without an outline and keeps later strokes inside it.
static void FillAndClip(QPainter& p, const QPolygonF& shape, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPolygon(shape);
    ClipTo(p, shape);
}

static void WallLight(QPainter& p, const QRectF& b) {
    QLinearGradient g(b.topLeft(), b.topRight());
    g.setColorAt(0, QColor(255, 255, 255, 26));
    g.setColorAt(1, QColor(0, 0, 0, 30));
    p.fillRect(b, g);
}

void SidingWall(QPainter& p, Look& look, const QPolygonF& wall, const QColor& c, double spacing) {
    const QRectF b = wall.boundingRect();
    const QColor paint = look.Paint(c);
    p.save();
    FillAndClip(p, wall, paint);
    WallLight(p, b);
    for (double y = b.top() + spacing; y < b.bottom(); y += spacing) {
        p.setPen(QPen(Darker(paint, 0.14), 1));
        p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
        p.setPen(QPen(Lighter(paint, 0.18), 1));
        p.drawLine(QPointF(b.left(), y + 1), QPointF(b.right(), y + 1));
    }
    if (look.Worn()) Peel(p, look, b, static_cast<int>(b.width() * b.height() / 2500) + 4);
    p.restore();
}

void BrickWall(QPainter& p, Look& look, const QPolygonF& wall, const QColor& c) {
    const QRectF b = wall.boundingRect();
    const QColor paint = look.Paint(c);
    p.save();
    ClipTo(p, wall);
    p.fillRect(b, Lighter(paint, 0.45));  // mortar
    const double bh = 6, bw = 16;
    Rng& rng = look.rng;
    p.setPen(Qt::NoPen);
    int row = 0;
    for (double y = b.top(); y < b.bottom(); y += bh, ++row) {
        const double off = (row % 2) * bw / 2;
        for (double x = b.left() - off; x < b.right(); x += bw) {
            const double v = rng.Range(-0.08, 0.08);
            QColor brick = v > 0 ? Lighter(paint, v) : Darker(paint, -v);
            if (look.Worn() && rng.Next() < 0.05) brick = Darker(paint, 0.35);
            p.setBrush(brick);
            p.drawRect(QRectF(x + 0.6, y + 0.6, bw - 1.2, bh - 1.2));
        }
    }
    WallLight(p, b);
    if (look.Worn()) Peel(p, look, b, 4);
    p.restore();
}

void StuccoWall(QPainter& p, Look& look, const QPolygonF& wall, const QColor& c) {
    const QRectF b = wall.boundingRect();
    const QColor paint = look.Paint(c);
    p.save();
    FillAndClip(p, wall, paint);
    Rng& rng = look.rng;
    for (int i = 0; i < static_cast<int>(b.width() * b.height() / 60); ++i) {
        p.setBrush(rng.Next() < 0.5 ? WithAlpha(Darker(paint, 0.2), 40)
                                    : WithAlpha(Lighter(paint, 0.3), 40));
        p.drawEllipse(QPointF(b.left() + rng.Next() * b.width(), b.top() + rng.Next() * b.height()),
                      1.2, 1.2);
    }
    WallLight(p, b);
    if (look.Worn()) {
        Peel(p, look, b, static_cast<int>(b.width() * b.height() / 4000) + 3);
        p.setPen(QPen(QColor(70, 64, 56, 160), 1));
        for (int i = 0; i < 4; ++i) {
            QPointF a(b.left() + rng.Next() * b.width(), b.top() + rng.Next() * b.height());
            QPainterPath crack;
            crack.moveTo(a);
            for (int k = 0; k < 5; ++k) {
                a += QPointF(rng.Range(-6, 6), rng.Range(4, 9));
                crack.lineTo(a);
            }
            p.setBrush(Qt::NoBrush);
            p.drawPath(crack);
        }
    }
    p.restore();
}

// ---------------------------------------------------------------- openings

static void Boards(QPainter& p, Look& look, const QRectF& r) {
    Rng& rng = look.rng;
    const QColor wood(160, 128, 88);
    for (int i = 0; i < 3; ++i) {
        p.save();
        const double y = r.top() + r.height() * (0.22 + 0.28 * i);
        p.translate(r.center().x(), y);
        p.rotate(rng.Range(-12, 12));
        const QRectF plank(-r.width() * 0.62, -r.height() * 0.1, r.width() * 1.24,
                           r.height() * 0.2);
        p.setPen(QPen(Darker(wood, 0.4), 1));
        p.setBrush(Mix(wood, QColor(130, 110, 80), rng.Next() * 0.5));
        p.drawRect(plank);
        p.setPen(QPen(Darker(wood, 0.25), 0.6));
        p.drawLine(QPointF(plank.left() + 2, 0), QPointF(plank.right() - 2, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        p.drawEllipse(QPointF(plank.left() + 4, 0), 1.3, 1.3);
        p.drawEllipse(QPointF(plank.right() - 4, 0), 1.3, 1.3);
        p.restore();
    }
}

static void Crack(QPainter& p, Look& look, const QRectF& r) {
    Rng& rng = look.rng;
    const QPointF hit(r.left() + r.width() * rng.Range(0.3, 0.7), r.top() + r.height() * 0.4);
    p.setPen(QPen(QColor(235, 240, 245, 200), 0.9));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + rng.Range(0, 0.5);
        QPointF q = hit;
        QPainterPath path;
        path.moveTo(q);
        for (int k = 0; k < 3; ++k) {
            q += QPointF(std::cos(a) * r.width() * 0.12 + rng.Range(-2, 2),
                         std::sin(a) * r.width() * 0.12 + rng.Range(-2, 2));
            path.lineTo(q);
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

static void Shutter(QPainter& p, const QRectF& r, const QColor& c, double tilt) {
    p.save();
    p.translate(r.center());
    p.rotate(tilt);
    const QRectF s(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    p.setPen(QPen(Darker(c, 0.35), 1));
    p.setBrush(c);
    p.drawRect(s);
    p.setPen(QPen(Darker(c, 0.25), 1));
    for (double y = s.top() + 4; y < s.bottom() - 2; y += 4)
        p.drawLine(QPointF(s.left() + 2, y), QPointF(s.right() - 2, y));
    p.restore();
}

void Window(QPainter& p, Look& look, const QRectF& r, const WindowStyle& s) {
    const int index = ++look.windowsDrawn;
    const QColor frame = look.Paint(s.frame);
    p.save();
    if (s.shutter.isValid()) {
        const QColor sc = look.Paint(s.shutter);
        const double sw = r.width() * 0.36;
        const bool hanging = look.Worn() && index % 3 == 2;
        Shutter(p, QRectF(r.left() - sw - 4, r.top() - 2, sw, r.height() + 4), sc, 0);
        if (!(look.Worn() && index % 4 == 0))  // a lost shutter
            Shutter(p,
                    QRectF(r.right() + 4 + (hanging ? 3 : 0), r.top() + (hanging ? 6 : -2), sw,
                           r.height() + 4),
                    sc, hanging ? 14 : 0);
    }
    QPainterPath glass;
    if (s.arched) {
        glass.moveTo(r.left(), r.bottom());
        glass.lineTo(r.left(), r.top() + r.width() / 2);
        glass.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
        glass.lineTo(r.right(), r.bottom());
        glass.closeSubpath();
    } else {
        glass.addRect(r);
    }
    // Frame and sill.
    p.setPen(Qt::NoPen);
    p.setBrush(Darker(frame, 0.1));
    QPainterPathStroker stroker;
    stroker.setWidth(7);
    stroker.setJoinStyle(Qt::MiterJoin);
    p.drawPath(stroker.createStroke(glass));
    p.setBrush(frame);
    stroker.setWidth(5);
    p.drawPath(stroker.createStroke(glass));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    if (look.Worn()) {
        g.setColorAt(0, QColor(104, 112, 110));
        g.setColorAt(1, QColor(58, 62, 60));
    } else {
        g.setColorAt(0, QColor(170, 205, 230));
        g.setColorAt(0.55, QColor(96, 128, 160));
        g.setColorAt(1, QColor(60, 82, 110));
    }
    p.setBrush(g);
    p.drawPath(glass);
    p.save();
    p.setClipPath(glass);
    if (s.curtains && !look.Worn()) {
        const QColor cur = look.Fresh() ? QColor(250, 244, 228) : QColor(236, 226, 206);
        p.setBrush(WithAlpha(cur, 220));
        QPainterPath left, right;
        left.moveTo(r.topLeft());
        left.lineTo(r.left() + r.width() * 0.3, r.top());
        left.quadTo(r.left() + r.width() * 0.12, r.center().y(), r.left() + r.width() * 0.22,
                    r.bottom());
        left.lineTo(r.bottomLeft());
        left.closeSubpath();
        p.drawPath(left);
        QTransform mirror;
        mirror.translate(r.center().x() * 2, 0);
        mirror.scale(-1, 1);
        p.drawPath(mirror.map(left));
    }
    // A soft reflection of the sky.
    QPolygonF shine;
    shine << QPointF(r.left() + r.width() * 0.45, r.top())
          << QPointF(r.left() + r.width() * 0.65, r.top())
          << QPointF(r.left() + r.width() * 0.2, r.bottom()) << QPointF(r.left(), r.bottom());
    p.setBrush(QColor(255, 255, 255, look.Worn() ? 25 : 45));
    p.drawPolygon(shine);
    p.restore();
    // Panes.
    p.setPen(QPen(frame, 2.2));
    for (int c = 1; c < s.columns; ++c) {
        const double x = r.left() + r.width() * c / s.columns;
        p.drawLine(QPointF(x, r.top() + (s.arched ? 0 : 1)), QPointF(x, r.bottom()));
    }
    for (int row = 1; row < s.rows; ++row) {
        const double y = r.top() + r.height() * row / s.rows;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Darker(frame, 0.05));
    p.drawRect(QRectF(r.left() - 6, r.bottom() + 2, r.width() + 12, 4));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(r.left() - 5, r.bottom() + 6, r.width() + 10, 2));
    if (look.Worn() && index == look.boardedWindow) Boards(p, look, r);
    if (look.Worn() && index == look.crackedWindow) Crack(p, look, r);
    if (look.Fresh() && s.flowerBox) {
        const QRectF box(r.left() - 3, r.bottom() + 6, r.width() + 6, 9);
        FlowerBed(p, look.rng, box.adjusted(0, -9, 0, 0), static_cast<int>(r.width() / 4));
        p.setBrush(QColor(118, 84, 58));
        p.drawRect(box.adjusted(0, 3, 0, 0));
    }
    p.restore();
}

void Door(QPainter& p, Look& look, const QRectF& r, const QColor& c, bool glassTop) {
    const QColor paint = look.Paint(c);
    const QColor trim = look.Paint(QColor(246, 244, 238));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Darker(trim, 0.1));
    p.drawRect(r.adjusted(-6, -6, 6, 0));
    p.setBrush(trim);
    p.drawRect(r.adjusted(-4, -4, 4, 0));
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, Lighter(paint, 0.08));
    g.setColorAt(1, Darker(paint, 0.12));
    p.setBrush(g);
    p.drawRect(r);
    // Raised panels.
    const double pw = r.width() * 0.3, ph = r.height() * 0.32;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) {
            const QRectF panel(r.left() + r.width() * (0.14 + col * 0.42),
                               r.top() + r.height() * (0.12 + row * 0.44), pw, ph);
            if (glassTop && row == 0) continue;
            p.setPen(QPen(Darker(paint, 0.25), 1));
            p.setBrush(Lighter(paint, 0.05));
            p.drawRect(panel);
        }
    if (glassTop) {
        const QRectF lite(r.left() + r.width() * 0.16, r.top() + r.height() * 0.1, r.width() * 0.68,
                          r.height() * 0.32);
        p.setPen(QPen(trim, 2));
        p.setBrush(look.Worn() ? QColor(80, 86, 84) : QColor(150, 186, 210));
        p.drawRect(lite);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 180, 90));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.16, r.top() + r.height() * 0.55), 2.4, 2.4);
    if (look.Worn()) {
        p.setBrush(QColor(60, 50, 40, 60));
        p.drawRect(QRectF(r.left(), r.bottom() - r.height() * 0.18, r.width(), r.height() * 0.18));
        p.setPen(QPen(QColor(60, 50, 40, 110), 1));
        p.drawLine(QPointF(r.left() + 4, r.top() + r.height() * 0.3),
                   QPointF(r.left() + r.width() * 0.5, r.top() + r.height() * 0.38));
    }
    if (look.Fresh() && !glassTop) {
        // A wreath.
        const QPointF wc(r.center().x(), r.top() + r.height() * 0.27);
        const double wr = r.width() * 0.2;
        p.setPen(QPen(QColor(46, 120, 58), wr * 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(wc, wr, wr);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 40, 50));
        p.drawEllipse(wc + QPointF(0, wr), wr * 0.35, wr * 0.25);
    }
    p.restore();
}

// ---------------------------------------------------------------- roofs

void Roof(QPainter& p, Look& look, const QPolygonF& outline, const QColor& c, double rowHeight) {
    const QRectF b = outline.boundingRect();
    const QColor paint = look.Paint(c);
    Rng& rng = look.rng;
    p.save();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, Lighter(paint, 0.1));
    g.setColorAt(1, Darker(paint, 0.12));
    FillAndClip(p, outline, g);
    int row = 0;
    for (double y = b.top() + rowHeight; y < b.bottom() + rowHeight; y += rowHeight, ++row) {
        p.setPen(QPen(Darker(paint, 0.3), 1));
        p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
        p.setPen(QPen(Darker(paint, 0.2), 0.8));
        const double off = (row % 2) * 7;
        for (double x = b.left() - off; x < b.right(); x += 14)
            p.drawLine(QPointF(x, y - rowHeight), QPointF(x, y));
    }
    if (look.Worn()) {
        // Missing shingles, moss and a patching tarp.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            const QPointF c(b.left() + rng.Range(0.1, 0.9) * b.width(),
                            b.top() + rng.Range(0.3, 0.9) * b.height());
            p.setBrush(QColor(50, 42, 36, 170));
            p.drawRect(QRectF(c.x(), c.y(), 14 * rng.Range(1, 2), rowHeight));
        }
        for (int i = 0; i < 10; ++i) {
            p.setBrush(QColor(96, 120, 60, 70));
            p.drawEllipse(QPointF(b.left() + rng.Next() * b.width(),
                                  b.top() + rng.Range(0.4, 1) * b.height()),
                          rng.Range(6, 16), rng.Range(3, 6));
        }
        const QPointF t(b.left() + b.width() * 0.62, b.top() + b.height() * 0.45);
        QPolygonF tarp;
        tarp << t << t + QPointF(b.width() * 0.16, -4)
             << t + QPointF(b.width() * 0.18, b.height() * 0.28)
             << t + QPointF(4, b.height() * 0.3);
        p.setBrush(QColor(54, 104, 176));
        p.setPen(QPen(QColor(30, 60, 110), 1));
        p.drawPolygon(tarp);
        p.setPen(QPen(QColor(240, 240, 240, 150), 0.8));
        p.drawLine(tarp[0], tarp[2]);
    }
    p.restore();
    p.save();
    p.setPen(QPen(Darker(paint, 0.45), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    p.restore();
}

void FlatRoofEdge(QPainter& p, Look& look, const QRectF& r, const QColor& c) {
    const QColor paint = look.Paint(c);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(paint);
    p.drawRect(r);
    p.setBrush(Lighter(paint, 0.2));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.3));
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRect(QRectF(r.left(), r.bottom(), r.width(), 4));
    p.restore();
}

void EaveShadow(QPainter& p, const QRectF& band) {
    QLinearGradient g(band.topLeft(), band.bottomLeft());
    g.setColorAt(0, QColor(0, 0, 0, 80));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(band, g);
}

void Gutter(QPainter& p, Look& look, double x1, double x2, double y, double groundY) {
    const QColor c = look.Worn() ? QColor(150, 146, 136) : QColor(238, 238, 234);
    p.save();
    p.setPen(QPen(Darker(c, 0.3), 1));
    p.setBrush(c);
    if (look.Worn()) {
        // Sagging in the middle, torn loose at the right end.
        QPainterPath path;
        const double mid = x1 + (x2 - x1) * 0.55;
        path.moveTo(x1, y);
        path.quadTo(mid, y + 22, x2 - 30, y + 8);
        path.lineTo(x2 - 10, y + 26);
        QPainterPathStroker s;
        s.setWidth(5);
        s.setCapStyle(Qt::FlatCap);
        p.drawPath(s.createStroke(path));
        p.drawRect(QRectF(x1 + 4, y + 4, 5, (groundY - y) * 0.45));
        p.save();
        p.translate(x1 + 6, y + 4 + (groundY - y) * 0.62);
        p.rotate(24);
        p.drawRect(QRectF(-2.5, 0, 5, (groundY - y) * 0.3));
        p.restore();
    } else {
        p.drawRoundedRect(QRectF(x1, y - 1, x2 - x1, 5), 2, 2);
        p.drawRect(QRectF(x2 - 9, y + 3, 5, groundY - y - 6));
        p.drawRect(QRectF(x2 - 13, groundY - 6, 12, 4));
    }
    p.restore();
}

void Chimney(QPainter& p, Look& look, const QRectF& r, const QColor& c) {
    BrickWall(p, look, RectPoly(r), c);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(look.Paint(QColor(120, 120, 118)));
    p.drawRect(QRectF(r.left() - 3, r.top() - 5, r.width() + 6, 6));
    p.restore();
}

void Foundation(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(168, 164, 156));
    g.setColorAt(1, QColor(138, 134, 128));
    p.fillRect(r, g);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 2), QColor(0, 0, 0, 50));
}

void Steps(QPainter& p, double cx, double groundY, double width, int count) {
    p.save();
    p.setPen(QPen(QColor(120, 116, 110), 1));
    for (int i = 0; i < count; ++i) {
        const double w = width + (count - 1 - i) * 0;
        const QRectF step(cx - w / 2 - (count - i) * 3, groundY - (count - i) * 5,
                          w + (count - i) * 6, 5);
        p.setBrush(i % 2 ? QColor(196, 192, 184) : QColor(184, 180, 172));
        p.drawRect(step);
    }
    p.restore();
}

void Walkway(QPainter& p, double doorX, double doorW, double groundY, double sidewalkY) {
    QPolygonF walk;
    walk << QPointF(doorX - doorW * 0.6, groundY) << QPointF(doorX + doorW * 0.6, groundY)
         << QPointF(doorX + doorW * 1.0, sidewalkY) << QPointF(doorX - doorW * 1.0, sidewalkY);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 196, 182));
    p.drawPolygon(walk);
    p.setPen(QPen(QColor(170, 162, 150), 1));
    for (double t = 0.2; t < 1; t += 0.2) {
        const double y = groundY + (sidewalkY - groundY) * t;
        const double hw = doorW * (0.6 + 0.4 * t);
        p.drawLine(QPointF(doorX - hw, y), QPointF(doorX + hw, y));
    }
    p.restore();
}

void Column(QPainter& p, Look& look, const QRectF& r, const QColor& c) {
    const QColor paint = look.Paint(c);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, Darker(paint, 0.12));
    g.setColorAt(0.35, Lighter(paint, 0.15));
    g.setColorAt(1, Darker(paint, 0.25));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.setBrush(Darker(paint, 0.05));
    p.drawRect(QRectF(r.left() - 3, r.top(), r.width() + 6, 5));
    p.drawRect(QRectF(r.left() - 3, r.bottom() - 5, r.width() + 6, 5));
    p.restore();
}

void Lamp(QPainter& p, QPointF base, double height) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(44, 46, 50));
    p.drawRect(QRectF(base.x() - 2, base.y() - height, 4, height));
    p.drawRect(QRectF(base.x() - 7, base.y() - height - 16, 14, 3));
    p.setBrush(QColor(255, 236, 170));
    p.drawRect(QRectF(base.x() - 5, base.y() - height - 13, 10, 12));
    p.setBrush(QColor(44, 46, 50));
    QPolygonF cap;
    cap << QPointF(base.x() - 8, base.y() - height - 16)
        << QPointF(base.x() + 8, base.y() - height - 16)
        << QPointF(base.x(), base.y() - height - 23);
    p.drawPolygon(cap);
    p.restore();
}

void Mailbox(QPainter& p, Look& look, QPointF base) {
    p.save();
    p.translate(base);
    if (look.Worn()) p.rotate(-9);
    p.setPen(Qt::NoPen);
    p.setBrush(look.Worn() ? QColor(110, 90, 70) : QColor(120, 88, 60));
    p.drawRect(QRectF(-2, -34, 4, 34));
    const QColor box = look.Worn()    ? QColor(120, 110, 100)
                       : look.Fresh() ? QColor(40, 70, 130)
                                      : QColor(60, 64, 70);
    p.setBrush(box);
    QPainterPath body;
    body.addRoundedRect(QRectF(-12, -46, 24, 14), 6, 6);
    p.drawPath(body);
    if (!look.Worn()) {
        p.setBrush(QColor(210, 40, 40));
        p.drawRect(QRectF(10, -52, 2.5, 10));
    }
    p.restore();
}

void FrontPlanting(QPainter& p, Look& look, double x1, double x2, double groundY, double gapX1,
                   double gapX2) {
    Rng& rng = look.rng;
    const double spans[2][2] = {{x1, gapX1}, {gapX2, x2}};
    for (const auto& span : spans) {
        const double a = span[0], b = span[1];
        if (b - a < 20) continue;
        if (look.Worn()) {
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 96, 66));
            p.drawRect(QRectF(a, groundY - 2, b - a, 8));
            p.restore();
            p.setPen(QPen(QColor(140, 150, 70), 1.3));
            for (int i = 0; i < static_cast<int>((b - a) / 5); ++i) {
                const QPointF r(a + rng.Next() * (b - a), groundY + rng.Range(0, 6));
                p.drawLine(r, r + QPointF(rng.Range(-4, 4), -rng.Range(6, 16)));
            }
            if (rng.Next() < 0.8) {
                // A dead shrub.
                const QPointF c(a + (b - a) * rng.Range(0.3, 0.7), groundY + 4);
                p.setPen(QPen(QColor(110, 84, 56), 1.4));
                for (int k = 0; k < 7; ++k)
                    p.drawLine(c, c + QPointF(rng.Range(-16, 16), -rng.Range(10, 24)));
            }
        } else if (look.Fresh()) {
            const double hedgeH = 16;
            HedgeBox(p, QRectF(a + 2, groundY - hedgeH + 4, b - a - 4, hedgeH),
                     QColor(58, 128, 56));
            FlowerBed(p, rng, QRectF(a, groundY + 4, b - a, 14), static_cast<int>((b - a) / 3.5));
        } else {
            const int n = std::max(1, static_cast<int>((b - a) / 70));
            for (int i = 0; i < n; ++i)
                Bush(p, rng, QPointF(a + (b - a) * (i + 0.5) / n, groundY + 6), 46,
                     QColor(70, 130, 60));
        }
    }
}

void SideTrees(QPainter& p, Look& look, double groundY, int w, double leftX, double rightX) {
    Rng& rng = look.rng;
    const QColor leaves = look.Worn()    ? QColor(142, 140, 70)
                          : look.Fresh() ? QColor(60, 150, 62)
                                         : QColor(74, 136, 64);
    if (leftX > 40) Tree(p, rng, QPointF(std::min(leftX - 30, 70.0), groundY + 10), 170, leaves);
    if (rightX < w - 40) {
        if (look.Fresh())
            Conifer(p, QPointF(std::max(rightX + 30, w - 60.0), groundY + 12), 150,
                    QColor(40, 110, 70));
        else
            Tree(p, rng, QPointF(std::max(rightX + 30, w - 65.0), groundY + 12), 150, leaves);
    }
}

void HouseShadow(QPainter& p, double x1, double x2, double groundY) {
    QPolygonF s;
    s << QPointF(x1, groundY) << QPointF(x2, groundY) << QPointF(x2 + 30, groundY + 14)
      << QPointF(x1 + 30, groundY + 14);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPolygon(s);
    p.restore();
}

}  // namespace art
