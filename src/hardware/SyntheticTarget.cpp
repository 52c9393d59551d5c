#include "SyntheticTarget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cmath>

#include "TargetGeometry.h"

namespace {
using namespace TargetGeometry;

QColor grey(int level)
{
    return QColor(level, level, level);
}

// A fixed pseudo-random texture, the same on every start, so pictures are reproducible.
void addTexture(QImage &image)
{
    quint32 seed = 0x2545F491u;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int delta = int((seed >> 24) % (2 * textureAmplitude + 1)) - textureAmplitude;
            const int level = qBound(0, qRed(row[x]) + delta, 255);
            row[x] = qRgb(level, level, level);
        }
    }
}

void drawRuler(QPainter &painter)
{
    painter.fillRect(rulerBody, grey(rulerLevel));
    for (int k = 0; k < tickCount; ++k) {
        const qreal x = firstTickX + k * tickPitch;
        const qreal length = (k % majorTickEvery == 0) ? majorTickLength : minorTickLength;
        painter.fillRect(QRectF(x - tickWidth / 2, rulerBody.top(), tickWidth, length),
                         grey(featureLevel));
    }
    QFont font = painter.font();
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(grey(featureLevel));
    for (int k = 0; k < tickCount; k += majorTickEvery) {
        const qreal x = firstTickX + k * tickPitch;
        painter.drawText(QRectF(x - 40, rulerBody.top() + majorTickLength + 6, 80, 24),
                         Qt::AlignCenter, QString::number(k * tickPitch));
    }
}

void drawCircle(QPainter &painter, const Circle &circle, int level)
{
    // As a polygon of many sides: the painter's own antialiased ellipse comes out smaller than
    // the circle, by 0.035 px at a radius of 60; these chords fall short of it by 0.0002 px at
    // most.
    constexpr int sides = 2048;
    QPolygonF rim;
    rim.reserve(sides);
    for (int k = 0; k < sides; ++k) {
        const qreal a = 2 * M_PI * k / sides;
        rim << circle.centre + circle.radius * QPointF(std::cos(a), std::sin(a));
    }
    painter.setBrush(grey(level));
    painter.drawPolygon(rim);
}
} // namespace

QImage SyntheticTarget::render()
{
    return render(QTransform());
}

QImage SyntheticTarget::render(const QTransform &placement)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(grey(backgroundLevel));

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setTransform(placement);
    painter.setPen(Qt::NoPen);
    drawRuler(painter);
    painter.setPen(Qt::NoPen);
    drawCircle(painter, disc, featureLevel);
    drawCircle(painter, ringOuter, featureLevel);
    drawCircle(painter, ringInner, backgroundLevel);
    painter.fillRect(rectangle, grey(featureLevel));
    painter.setBrush(grey(featureLevel));
    painter.drawPolygon(QPolygonF() << wedgeBase << wedgeFoot << wedgeTop);
    painter.end();

    addTexture(image);
    return image;
}
