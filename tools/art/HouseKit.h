#pragma once
// Building parts for the house pictures. Every part asks the Look how worn the
// house is, so one drawing of a house gives all three of its stages: stage 1
// (bad) fades the paint, peels it, boards a window, sags the gutter and browns
// the lawn; stage 2 is the ordinary house; stage 3 (excellent) freshens the
// paint and adds flower boxes, trimmed hedges and flower beds.

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include "Canvas.h"

namespace art {

// Every outdoor house scene has this size and this ground plan.
constexpr int kSceneW = 640, kSceneH = 480;
constexpr double kSidewalkY = kSceneH * 0.885;

class Look {
  public:
    Look(int stage, std::uint64_t seed) : stage(stage), rng(seed) {}

    // The paint colour as this stage shows it.
    QColor Paint(const QColor& c) const;
    bool Worn() const { return stage == 1; }
    bool Fresh() const { return stage == 3; }

    const int stage;
    Rng rng;
    int windowsDrawn = 0;
    int boardedWindow = 1;  // which window (in drawing order) is boarded when worn
    int crackedWindow = 3;
};

struct WindowStyle {
    QColor frame = QColor(248, 248, 244);
    QColor shutter = QColor();  // invalid colour: no shutters
    int columns = 2, rows = 2;  // panes
    bool arched = false;
    bool flowerBox = false;  // shown only when fresh
    bool curtains = true;
};

// The standard scene: sky, distant trees, lawn, pavement and road.
// Returns the y of the ground line where houses stand.
double Landscape(QPainter& p, Look& look, int w, int h);
// Brings what is drawn next closer than the landscape's own scale, about the
// middle of the ground line at height `ground`.
void BringCloser(QPainter& p, int w, double ground);

// Walls. The polygon is the wall outline; siding lines are clipped to it.
void SidingWall(QPainter& p, Look& look, const QPolygonF& wall, const QColor& c,
                double spacing = 7);
void BrickWall(QPainter& p, Look& look, const QPolygonF& wall, const QColor& c);
void StuccoWall(QPainter& p, Look& look, const QPolygonF& wall, const QColor& c);
QPolygonF RectPoly(const QRectF& r);
inline QPolygonF Poly(std::initializer_list<QPointF> pts) {
    return QPolygonF(QList<QPointF>(pts));
}

void Window(QPainter& p, Look& look, const QRectF& r, const WindowStyle& s = {});
void Door(QPainter& p, Look& look, const QRectF& r, const QColor& c, bool glassTop = false);
void Roof(QPainter& p, Look& look, const QPolygonF& outline, const QColor& c, double rowHeight = 8);
void FlatRoofEdge(QPainter& p, Look& look, const QRectF& r, const QColor& c);
void EaveShadow(QPainter& p, const QRectF& band);
void Gutter(QPainter& p, Look& look, double x1, double x2, double y, double groundY);
void Chimney(QPainter& p, Look& look, const QRectF& r, const QColor& c);
void Foundation(QPainter& p, const QRectF& r);
void Steps(QPainter& p, double cx, double groundY, double width, int count);
void Walkway(QPainter& p, double doorX, double doorW, double groundY, double sidewalkY);
void Column(QPainter& p, Look& look, const QRectF& r, const QColor& c);
void Lamp(QPainter& p, QPointF base, double height);
void Mailbox(QPainter& p, Look& look, QPointF base);

// Planting along the front of a house between x1 and x2 at the ground line,
// leaving the door gap free. Worn: weeds and a dead shrub; fresh: hedges and
// flower beds.
void FrontPlanting(QPainter& p, Look& look, double x1, double x2, double groundY, double gapX1,
                   double gapX2);
// Trees at both sides of the lot.
void SideTrees(QPainter& p, Look& look, double groundY, int w, double leftX, double rightX);
// A shadow the house casts on the lawn.
void HouseShadow(QPainter& p, double x1, double x2, double groundY);

}  // namespace art
