#include "Canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {

double Rng::Next() {
    // xorshift64*: small, fast, and the same on every machine.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t r = state_ * 0x2545F4914F6CDD1Dull;
    return static_cast<double>(r >> 11) / 9007199254740992.0;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Darker(const QColor& c, double amount) {
    QColor black(0, 0, 0, c.alpha());
    return Mix(c, black, amount);
}

QColor Lighter(const QColor& c, double amount) {
    QColor white(255, 255, 255, c.alpha());
    return Mix(c, white, amount);
}

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QImage NewCanvas(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void Sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void Cloud(QPainter& p, QPointF c, double width, const QColor& col) {
    p.save();
    p.setPen(Qt::NoPen);
    const double h = width * 0.32;
    QPainterPath path;
    path.addEllipse(QRectF(c.x() - width / 2, c.y() - h * 0.35, width, h * 0.7));
    path.addEllipse(QRectF(c.x() - width * 0.32, c.y() - h * 0.85, width * 0.38, h * 0.95));
    path.addEllipse(QRectF(c.x() - width * 0.05, c.y() - h * 1.05, width * 0.42, h * 1.15));
    path.setFillRule(Qt::WindingFill);
    p.setBrush(WithAlpha(Darker(col, 0.08), col.alpha()));
    p.drawPath(path.translated(0, h * 0.12));
    p.setBrush(col);
    p.drawPath(path);
    p.restore();
}

void Clouds(QPainter& p, Rng& rng, const QRectF& band, int count, const QColor& c) {
    for (int i = 0; i < count; ++i) {
        const double x = band.left() + band.width() * (i + rng.Range(0.15, 0.85)) / count;
        const double y = band.top() + rng.Range(0.2, 0.9) * band.height();
        Cloud(p, QPointF(x, y), rng.Range(70, 130), c);
    }
}

void TreeLine(QPainter& p, Rng& rng, double width, double baseY, double height, const QColor& c) {
    QPainterPath path;
    path.moveTo(0, baseY);
    for (double x = -20; x < width + 40; x += rng.Range(18, 34)) {
        const double r = rng.Range(0.55, 1.0) * height * 0.5;
        path.addEllipse(QPointF(x, baseY - height * 0.5 - rng.Range(-0.2, 0.3) * height), r * 1.1,
                        r);
    }
    path.addRect(QRectF(0, baseY - height * 0.5, width, height * 0.5 + 2));
    path.setFillRule(Qt::WindingFill);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
}

void Tree(QPainter& p, Rng& rng, QPointF base, double height, const QColor& leaves) {
    p.save();
    p.setPen(Qt::NoPen);
    const double tw = height * 0.09;
    QLinearGradient trunk(base.x() - tw, 0, base.x() + tw, 0);
    trunk.setColorAt(0, QColor(120, 84, 56));
    trunk.setColorAt(1, QColor(78, 54, 36));
    p.setBrush(trunk);
    p.drawRect(QRectF(base.x() - tw / 2, base.y() - height * 0.55, tw, height * 0.55));
    const double r = height * 0.3;
    const QPointF crown(base.x(), base.y() - height * 0.68);
    struct Blob {
        double dx, dy, s;
    };
    const Blob blobs[] = {{-0.55, 0.25, 0.75}, {0.55, 0.25, 0.75}, {0, -0.35, 0.85},
                          {-0.3, -0.05, 0.8},  {0.3, -0.05, 0.8},  {0, 0.2, 0.8}};
    for (const Blob& b : blobs) {
        const QPointF c = crown + QPointF(b.dx * r, b.dy * r);
        const double rr = r * b.s * rng.Range(0.9, 1.1);
        QRadialGradient g(c + QPointF(-rr * 0.3, -rr * 0.4), rr * 1.3);
        g.setColorAt(0, Lighter(leaves, 0.18));
        g.setColorAt(1, Darker(leaves, 0.22));
        p.setBrush(g);
        p.drawEllipse(c, rr, rr);
    }
    p.restore();
}

void Conifer(QPainter& p, QPointF base, double height, const QColor& c) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 66, 44));
    p.drawRect(
        QRectF(base.x() - height * 0.04, base.y() - height * 0.15, height * 0.08, height * 0.15));
    for (int i = 0; i < 3; ++i) {
        const double y0 = base.y() - height * (0.1 + i * 0.27);
        const double w = height * (0.42 - i * 0.1);
        QPolygonF tri;
        tri << QPointF(base.x() - w / 2, y0) << QPointF(base.x() + w / 2, y0)
            << QPointF(base.x(), y0 - height * 0.45);
        p.setBrush(Darker(c, 0.08 * (2 - i)));
        p.drawPolygon(tri);
        QPolygonF lit;
        lit << QPointF(base.x() - w / 2, y0) << QPointF(base.x(), y0)
            << QPointF(base.x(), y0 - height * 0.45);
        p.setBrush(Lighter(c, 0.12));
        p.drawPolygon(lit);
    }
    p.restore();
}

void Bush(QPainter& p, Rng& rng, QPointF base, double width, const QColor& c) {
    p.save();
    p.setPen(Qt::NoPen);
    const int n = 4;
    for (int i = 0; i < n; ++i) {
        const double x = base.x() - width / 2 + width * (i + 0.5) / n;
        const double r = width * rng.Range(0.2, 0.3);
        const QPointF ctr(x, base.y() - r * 0.9 - (i % 2) * r * 0.3);
        QRadialGradient g(ctr + QPointF(-r * 0.3, -r * 0.4), r * 1.4);
        g.setColorAt(0, Lighter(c, 0.2));
        g.setColorAt(1, Darker(c, 0.25));
        p.setBrush(g);
        p.drawEllipse(ctr, r, r * 0.9);
    }
    p.restore();
}

void HedgeBox(QPainter& p, const QRectF& r, const QColor& c) {
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Lighter(c, 0.15));
    g.setColorAt(1, Darker(c, 0.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(WithAlpha(Lighter(c, 0.35), 90));
    p.drawRoundedRect(QRectF(r.left() + 2, r.top() + 1, r.width() - 4, r.height() * 0.25), 3, 3);
    p.restore();
}

void FlowerBed(QPainter& p, Rng& rng, const QRectF& bed, int count) {
    static const QColor petals[] = {QColor(235, 70, 90),   QColor(250, 200, 60),
                                    QColor(245, 245, 250), QColor(190, 110, 220),
                                    QColor(255, 140, 60),  QColor(240, 120, 170)};
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 64, 44));
    p.drawRoundedRect(bed.adjusted(0, bed.height() * 0.45, 0, 0), 3, 3);
    for (int i = 0; i < count; ++i) {
        const double x = bed.left() + rng.Range(0.03, 0.97) * bed.width();
        const double y = bed.top() + rng.Range(0.1, 0.8) * bed.height();
        p.setBrush(QColor(60, 130, 50));
        p.drawEllipse(QPointF(x, y + 3), 3.2, 2.2);
        const QColor petal = petals[rng.Int(6)];
        p.setBrush(petal);
        const double r = rng.Range(1.8, 2.8);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(QPointF(x + std::cos(a) * r, y + std::sin(a) * r), r * 0.8, r * 0.8);
        }
        p.setBrush(QColor(250, 220, 90));
        p.drawEllipse(QPointF(x, y), r * 0.5, r * 0.5);
    }
    p.restore();
}

void SoftShadow(QPainter& p, const QRectF& r, int alpha) {
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(g);
    p.translate(r.center());
    p.scale(1.0, r.height() / r.width());
    p.drawEllipse(QPointF(0, 0), r.width() / 2, r.width() / 2);
    p.restore();
}

void Pavement(QPainter& p, double width, double sidewalkY, double height) {
    p.save();
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, sidewalkY, width, 14), QColor(206, 202, 194));
    p.setPen(QPen(QColor(176, 172, 164), 1));
    for (double x = 10; x < width; x += 48)
        p.drawLine(QPointF(x, sidewalkY), QPointF(x, sidewalkY + 14));
    p.fillRect(QRectF(0, sidewalkY + 14, width, 4), QColor(170, 166, 160));
    QLinearGradient road(0, sidewalkY + 18, 0, height);
    road.setColorAt(0, QColor(92, 96, 102));
    road.setColorAt(1, QColor(74, 78, 84));
    p.fillRect(QRectF(0, sidewalkY + 18, width, height - sidewalkY - 18), road);
    p.restore();
}

void ShadowText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& c) {
    p.save();
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(r.translated(2, 3), flags, text);
    p.setPen(c);
    p.drawText(r, flags, text);
    p.restore();
}

static bool EnsureFolder(const QString& path) {
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

bool SaveJpeg(const QImage& img, const QString& path, int quality) {
    // JPEG has no alpha: flatten onto white first so transparent corners do not turn black.
    QImage flat(img.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, img);
    }
    const bool ok = EnsureFolder(path) && flat.save(path, "JPG", quality);
    if (!ok) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return ok;
}

bool SavePng(const QImage& img, const QString& path) {
    const bool ok = EnsureFolder(path) && img.save(path, "PNG");
    if (!ok) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return ok;
}

}  // namespace art
