#ifndef TARGETGEOMETRY_H
#define TARGETGEOMETRY_H

#include <QPointF>
#include <QRectF>

// The exact geometry of the simulator's synthetic metrology target, in picture pixels (equal to
// scene coordinates). Everything drawn on the target is listed here, so measurements can be
// checked against known truth. All of it lies left of x = 1560, clear of the control panel at
// the right edge.
//
// Edges are drawn antialiased on the exact outlines below: a circle's rim lies at its radius,
// a rectangle's sides on its borders.
namespace TargetGeometry {

constexpr int width = 1920;
constexpr int height = 1080;

// Grey levels of the background, the ruler's body and the dark features. Every pixel then
// carries a light texture of at most +/- textureAmplitude levels.
constexpr int backgroundLevel = 190;
constexpr int rulerLevel = 236;
constexpr int featureLevel = 40;
constexpr int textureAmplitude = 6;

// A horizontal ruler across the top: ticks every tickPitch pixels, a long tick every
// majorTickEvery ticks. Tick k is centred on x = firstTickX + k * tickPitch, tickWidth pixels
// wide, and runs from the ruler's top edge down by its length.
constexpr QRectF rulerBody(40.0, 60.0, 1480.0, 120.0);
constexpr int firstTickX = 80;
constexpr int tickPitch = 20;
constexpr int tickCount = 71;            // 0 ... 1400 pixels
constexpr int majorTickEvery = 5;        // a long tick each 100 pixels
constexpr qreal tickWidth = 2.0;
constexpr qreal minorTickLength = 30.0;
constexpr qreal majorTickLength = 60.0;

struct Circle
{
    QPointF centre;
    qreal radius;
};

// A dark disc.
constexpr Circle disc{QPointF(340.0, 560.0), 150.0};
// A dark ring: two concentric rims, outer and inner.
constexpr Circle ringOuter{QPointF(760.0, 600.0), 120.0};
constexpr Circle ringInner{QPointF(760.0, 600.0), 60.0};

// A dark axis-aligned rectangle: two pairs of parallel edges.
constexpr QRectF rectangle(1080.0, 300.0, 400.0, 240.0);

// A dark right triangle with angled hypotenuse: a 3-4-5 triangle of 300, 400 and 500 pixels.
// Its angle at wedgeBase is atan(300 / 400) = 36.8699 degrees.
constexpr QPointF wedgeBase(1040.0, 980.0);
constexpr QPointF wedgeFoot(1440.0, 980.0);   // 400 pixels to the right of the base corner
constexpr QPointF wedgeTop(1440.0, 680.0);    // 300 pixels above the foot

} // namespace TargetGeometry

#endif // TARGETGEOMETRY_H
