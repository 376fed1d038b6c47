#pragma once
// Shared painting vocabulary of the picture generator: a seeded random source,
// colour arithmetic, and the pieces of landscape every outdoor scene reuses
// (sky, clouds, distant trees, lawn, pavement, trees, bushes, flowers).
// Every picture is painted from fixed seeds, so a rerun gives the same bytes.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <cstdint>

namespace art {

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double Next();  // uniform in [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }
    int Int(int n) { return static_cast<int>(Next() * n); }  // 0 .. n-1

  private:
    std::uint64_t state_;
};

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Darker(const QColor& c, double amount);   // 0 keeps, 1 is black
QColor Lighter(const QColor& c, double amount);  // 0 keeps, 1 is white
QColor WithAlpha(QColor c, int alpha);

// A fresh antialiased canvas of the given size.
QImage NewCanvas(int w, int h, const QColor& fill = Qt::white);
void Smooth(QPainter& p);

// Outdoor pieces.
void Sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
void Cloud(QPainter& p, QPointF centre, double width, const QColor& c);
void Clouds(QPainter& p, Rng& rng, const QRectF& band, int count, const QColor& c);
void TreeLine(QPainter& p, Rng& rng, double width, double baseY, double height, const QColor& c);
void Tree(QPainter& p, Rng& rng, QPointF base, double height, const QColor& leaves);
void Conifer(QPainter& p, QPointF base, double height, const QColor& c);
void Bush(QPainter& p, Rng& rng, QPointF base, double width, const QColor& c);
void HedgeBox(QPainter& p, const QRectF& r, const QColor& c);
void FlowerBed(QPainter& p, Rng& rng, const QRectF& bed, int count);
void SoftShadow(QPainter& p, const QRectF& r, int alpha);
void Pavement(QPainter& p, double width, double sidewalkY, double height);

// Text painted into a picture, with a soft drop shadow.
void ShadowText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& c);

bool SaveJpeg(const QImage& img, const QString& path, int quality = 85);
bool SavePng(const QImage& img, const QString& path);

}  // namespace art
