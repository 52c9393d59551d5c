// Accuracy of snapped clicks on the simulator's synthetic target, whose geometry is known
// exactly: clicks a few pixels off the true edges of the disc, the ring, the rectangle and the
// wedge, snapped to whole pixels as point detection does and with the sub-pixel refinement.
// The target is taken as it is and moved by fractions of a pixel and turned by a few degrees,
// always rendered by the simulator. Printed per placement and way: the errors of the disc
// radius and the ring radii (circles fitted to 12 snapped points), of the rectangle's width
// and height, of the wedge angle, and the largest distance of a snapped point from its true
// edge; last the largest edge error of the refinement over all placements.
//
// The one-click circle and the edge line are measured the same way: clicks anywhere inside the
// disc and the ring's hole, and pairs of clicks a few pixels off the rectangle's sides, searched
// in the picture as the tools search it. Printed per placement: their largest radius, centre,
// line offset and angle errors. All of it once more with the sensor's gain raised (and the
// shutter shortened to keep the brightness), so that the picture carries visible noise.
//
// With KORVELIN_ACCURACY_PICTURE=<file.png> it also writes a picture of the circle fitted to
// 12 refined clicks on the disc of the still target.
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <cmath>
#include <functional>

#include "CircleFit.h"
#include "Control.h"
#include "EdgeSearch.h"
#include "GlobalVar.h"
#include "LineFit.h"
#include "PointDetector.h"
#include "SimulatedCamera.h"
#include "SubPixelEdge.h"
#include "SyntheticTarget.h"
#include "TargetGeometry.h"
#include "testutils.h"

namespace {
using namespace TargetGeometry;

struct Placement
{
    const char *name;
    qreal dx, dy, degrees;
};

const Placement placements[] = {
    {"still", 0.0, 0.0, 0.0},
    {"shifted (0.25, 0.5)", 0.25, 0.5, 0.0},
    {"shifted (0.62, 0.37)", 0.62, 0.37, 0.0},
    {"turned 2 deg, shifted (0.3, 0.8)", 0.3, 0.8, 2.0},
    {"turned -3.5 deg, shifted (0.71, 0.14)", 0.71, 0.14, -3.5},
};

QTransform transformOf(const Placement &placement)
{
    // Turned about the middle of the features, then shifted.
    QTransform t;
    t.translate(placement.dx, placement.dy);
    t.translate(800, 640);
    t.rotate(placement.degrees);
    t.translate(-800, -640);
    return t;
}

// A reproducible offset of a click from its true edge point: 2 to 4 pixels across the edge,
// either side, and up to a pixel along it.
class Jitter
{
public:
    qreal next()
    {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 8) & 0xFFFF) / 65535.0;
    }
    QPointF offset(const QPointF &normal)
    {
        const qreal across = (2.0 + 2.0 * next()) * (next() < 0.5 ? -1 : 1);
        const qreal along = 2.0 * next() - 1.0;
        return normal * across + QPointF(-normal.y(), normal.x()) * along;
    }

private:
    quint32 seed = 20240611u;
};

using Snap = std::function<QPointF(const QPointF &)>;

struct Figures
{
    qreal maxEdge = 0;
    // Distance of a snapped point (in target coordinates) from its true edge.
    void edge(qreal error) { maxEdge = std::max(maxEdge, std::abs(error)); }
};

// A line through points by total least squares: a point on it and its unit direction.
struct Line
{
    QPointF point, direction;
    qreal distance(const QPointF &p) const
    {
        const QPointF d = p - point;
        return d.x() * -direction.y() + d.y() * direction.x();
    }
};

Line fitLine(const QVector<QPointF> &points)
{
    QPointF mean;
    for (const QPointF &p : points)
        mean += p;
    mean /= points.size();
    qreal sxx = 0, sxy = 0, syy = 0;
    for (const QPointF &p : points) {
        const QPointF d = p - mean;
        sxx += d.x() * d.x();
        sxy += d.x() * d.y();
        syy += d.y() * d.y();
    }
    const qreal angle = 0.5 * std::atan2(2 * sxy, sxx - syy);
    return {mean, QPointF(std::cos(angle), std::sin(angle))};
}

class Measurer
{
public:
    Measurer(const Snap &snap, const QTransform &placement)
        : snap(snap), toScene(placement), toTarget(placement.inverted())
    {
    }

    // Snaps a click near the target point `onEdge` (normal `normal`, target coordinates) and
    // gives the snapped point back in target coordinates.
    QPointF snapNear(const QPointF &onEdge, const QPointF &normal)
    {
        const QPointF click = toScene.map(onEdge + jitter.offset(normal));
        return toTarget.map(snap(QPointF(std::round(click.x()), std::round(click.y()))));
    }

    QVector<QPointF> rim(const Circle &circle, int count, qreal startDegrees)
    {
        QVector<QPointF> points;
        for (int k = 0; k < count; ++k) {
            const qreal a = qDegreesToRadians(startDegrees + 360.0 * k / count);
            const QPointF normal(std::cos(a), std::sin(a));
            const QPointF p = snapNear(circle.centre + normal * circle.radius, normal);
            figures.edge(QLineF(circle.centre, p).length() - circle.radius);
            points << p;
        }
        return points;
    }

    // Points along the segment a-b, clear of its ends, whose outward normal is `normal`.
    QVector<QPointF> side(const QPointF &a, const QPointF &b, const QPointF &normal, int count)
    {
        QVector<QPointF> points;
        const Line truth{a, (b - a) / QLineF(a, b).length()};
        for (int k = 0; k < count; ++k) {
            const qreal f = 0.2 + 0.6 * k / (count - 1);
            const QPointF p = snapNear(a + (b - a) * f, normal);
            figures.edge(truth.distance(p));
            points << p;
        }
        return points;
    }

    Figures figures;

private:
    Snap snap;
    QTransform toScene, toTarget;
    Jitter jitter;
};

void report(const char *placement, const char *way, const Snap &snap, const QTransform &t,
            qreal *maxEdge)
{
    Measurer m(snap, t);
    const CircleFit::Result d = CircleFit::fit(m.rim(disc, 12, 7.0));
    const CircleFit::Result outer = CircleFit::fit(m.rim(ringOuter, 12, 3.0));
    const CircleFit::Result inner = CircleFit::fit(m.rim(ringInner, 12, 11.0));

    const QRectF &r = rectangle;
    const Line left = fitLine(m.side(r.topLeft(), r.bottomLeft(), QPointF(-1, 0), 5));
    const Line right = fitLine(m.side(r.topRight(), r.bottomRight(), QPointF(1, 0), 5));
    const Line top = fitLine(m.side(r.topLeft(), r.topRight(), QPointF(0, -1), 5));
    const Line bottom = fitLine(m.side(r.bottomLeft(), r.bottomRight(), QPointF(0, 1), 5));
    const qreal width = std::abs(right.distance(left.point));
    const qreal height = std::abs(bottom.distance(top.point));

    const QPointF hyp = (wedgeTop - wedgeBase) / QLineF(wedgeBase, wedgeTop).length();
    const Line base = fitLine(m.side(wedgeBase, wedgeFoot, QPointF(0, 1), 6));
    const Line slope = fitLine(m.side(wedgeBase, wedgeTop, QPointF(hyp.y(), -hyp.x()), 6));
    qreal angle = std::abs(qRadiansToDegrees(std::atan2(base.direction.x() * slope.direction.y()
                                                            - base.direction.y() * slope.direction.x(),
                                                        base.direction.x() * slope.direction.x()
                                                            + base.direction.y() * slope.direction.y())));
    if (angle > 90)
        angle = 180 - angle;
    const qreal trueAngle = qRadiansToDegrees(std::atan2(300.0, 400.0));

    qInfo("%-38s %-8s disc R %+.3f  ring R %+.3f / %+.3f  rect W %+.3f H %+.3f  wedge %+.4f deg"
          "  max edge %.3f px",
          placement, way, d.radius - disc.radius, outer.radius - ringOuter.radius,
          inner.radius - ringInner.radius, width - rectangle.width(), height - rectangle.height(),
          angle - trueAngle, m.figures.maxEdge);
    *maxEdge = std::max(*maxEdge, m.figures.maxEdge);
}

// The largest errors of the one-click circle and the edge line.
struct ToolFigures
{
    qreal radius = 0, centre = 0, offset = 0, degrees = 0;
    int missed = 0;
    void take(const ToolFigures &other)
    {
        radius = std::max(radius, other.radius);
        centre = std::max(centre, other.centre);
        offset = std::max(offset, other.offset);
        degrees = std::max(degrees, other.degrees);
        missed += other.missed;
    }
};

ToolFigures measureTools(const char *placement, const QImage &picture, const PictureResponse &tone, const QTransform &t)
{
    const QTransform toTarget = t.inverted();
    const auto inTarget = [&toTarget](const QVector<QPointF> &points) {
        QVector<QPointF> mapped;
        for (const QPointF &p : points)
            mapped << toTarget.map(p);
        return mapped;
    };
    Jitter jitter;
    ToolFigures f;
    for (const Circle &c : {disc, ringInner}) {
        for (int k = 0; k < 8; ++k) {
            // Anywhere inside, out to 85 % of the radius.
            const qreal a = qDegreesToRadians(360.0 * jitter.next());
            const qreal r = k == 0 ? 0.0 : 0.85 * c.radius * std::sqrt(jitter.next());
            const QPointF click = t.map(c.centre + QPointF(std::cos(a), std::sin(a)) * r);
            const EdgeSearch::Result found = EdgeSearch::circleAround(picture, click, tone);
            const CircleFit::Result fit = CircleFit::robustFit(inTarget(found.points));
            if (found.failure != EdgeSearch::Found || !fit.valid) {
                ++f.missed;
                continue;
            }
            f.radius = std::max(f.radius, std::abs(fit.radius - c.radius));
            f.centre = std::max(f.centre, QLineF(fit.centre, c.centre).length());
        }
    }
    const QRectF &r = rectangle;
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (int side = 0; side < 4; ++side) {
        const QPointF a = corners[side];
        const QPointF b = corners[(side + 1) % 4];
        const Line truth{a, (b - a) / QLineF(a, b).length()};
        const QPointF normal(truth.direction.y(), -truth.direction.x());
        for (int k = 0; k < 3; ++k) {
            const QPointF from = a + (b - a) * (0.1 + 0.1 * jitter.next()) + jitter.offset(normal);
            const QPointF to = a + (b - a) * (0.8 + 0.1 * jitter.next()) + jitter.offset(normal);
            const EdgeSearch::Result found = EdgeSearch::lineBetween(picture, t.map(from), t.map(to), tone);
            const LineFit::Result line = LineFit::robustFit(inTarget(found.points));
            if (found.failure != EdgeSearch::Found || !line.valid) {
                ++f.missed;
                continue;
            }
            // The fitted segment's ends, measured from the true side.
            f.offset = std::max({f.offset, std::abs(truth.distance(line.segment.p1())),
                                 std::abs(truth.distance(line.segment.p2()))});
            const qreal turn = qRadiansToDegrees(std::asin(truth.direction.x() * line.direction.y()
                                                           - truth.direction.y() * line.direction.x()));
            f.degrees = std::max(f.degrees, std::abs(turn));
        }
    }
    qInfo("%-38s found circle R %.3f C %.3f  edge line offset %.3f angle %.4f deg  missed %d", placement,
          f.radius, f.centre, f.offset, f.degrees, f.missed);
    return f;
}

void setSensor(SimulatedCamera *simulator, quint16 reg, quint16 value)
{
    CameraSeam::Record record;
    record.data = reg | quint32(value) << 16;
    simulator->registerRequest(CameraSeam::Device::Imx185, CameraSeam::WriteRequest, record);
}

void writePicture(const QImage &picture, const PictureResponse &tone, const QString &path)
{
    const float threshold = GlobalVar::threshold;
    Measurer m([&](const QPointF &p) { return SubPixelEdge::locate(picture, p, threshold, tone); }, QTransform());
    const QVector<QPointF> points = m.rim(disc, 12, 7.0);
    const CircleFit::Result fit = CircleFit::fit(points);
    // The disc and a margin, at its own pixels, in a small palette.
    const QRect crop(int(disc.centre.x() - 170), int(disc.centre.y() - 170), 340, 340);
    QImage image = picture.copy(crop);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(-crop.topLeft());
    painter.setPen(QPen(QColor(255, 40, 40), 1.0));
    painter.drawEllipse(fit.centre, fit.radius, fit.radius);
    painter.setPen(QPen(QColor(255, 220, 0), 1.5));
    for (const QPointF &p : points) {
        painter.drawLine(p + QPointF(-4, 0), p + QPointF(4, 0));
        painter.drawLine(p + QPointF(0, -4), p + QPointF(0, 4));
    }
    painter.setPen(QColor(255, 255, 255));
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(QRectF(fit.centre - QPointF(90, 20), QSizeF(180, 40)), Qt::AlignCenter,
                     QStringLiteral("R=%1 px\nRMS=%2 px").arg(fit.radius, 0, 'f', 3).arg(fit.rms, 0, 'f', 3));
    painter.end();
    image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither).save(path);
    qInfo("picture: %s", qPrintable(path));
}
} // namespace

class BenchAccuracy : public QObject
{
    Q_OBJECT

private slots:
    void accuracy();

private:
    TestUtils::Sandbox sandbox;
};

void BenchAccuracy::accuracy()
{
    SimulatedCamera simulator;
    const float threshold = GlobalVar::threshold;
    // The simulator's gamma curve and sharpening (register 64), as the main window takes them
    // from the camera settings.
    const PictureResponse tone(Control::gammaExponent(simulator.ispRegister(0) >> 10),
                               Control::sharpeningShare(simulator.ispRegister(64)));
    const int shutter = simulator.sensorRegister(SimulatedCamera::shutterLowRegister)
                        | simulator.sensorRegister(SimulatedCamera::shutterHighRegister) << 8;
    for (const bool noisy : {false, true}) {
        if (noisy) {
            // 18 dB more gain, and an eighth of the exposure time: as bright, and noisy.
            const int gainSteps = 60;
            const int lines = qRound((1126 - shutter) / std::pow(10.0, gainSteps * 0.3 / 20.0));
            setSensor(&simulator, SimulatedCamera::gainRegister, gainSteps);
            setSensor(&simulator, SimulatedCamera::shutterLowRegister, (1126 - lines) & 0xFF);
            setSensor(&simulator, SimulatedCamera::shutterHighRegister, (1126 - lines) >> 8);
            qInfo("noisy: gain raised by 18 dB, shutter %d lines", lines);
        }
        const char *suffix = noisy ? ", noisy" : "";
        qreal pixelMax = 0;
        qreal refinedMax = 0;
        ToolFigures tools;
        for (const Placement &placement : placements) {
            const QTransform t = transformOf(placement);
            simulator.setScene(SyntheticTarget::render(t));
            const QImage picture = simulator.livePicture();
            report(placement.name, "pixel", [&](const QPointF &p) { return PointDetector::locate(picture, p, threshold); },
                   t, &pixelMax);
            report(placement.name, "refined", [&](const QPointF &p) { return SubPixelEdge::locate(picture, p, threshold, tone); },
                   t, &refinedMax);
            tools.take(measureTools(placement.name, picture, tone, t));
            if (!noisy && placement.dx == 0 && placement.degrees == 0 && qEnvironmentVariableIsSet("KORVELIN_ACCURACY_PICTURE"))
                writePicture(picture, tone, qEnvironmentVariable("KORVELIN_ACCURACY_PICTURE"));
        }
        qInfo("max edge error px, whole pixels%s: %.3f", suffix, pixelMax);
        qInfo("max edge error px%s: %.3f", suffix, refinedMax);
        qInfo("one-click circle max radius error px%s: %.3f", suffix, tools.radius);
        qInfo("one-click circle max centre error px%s: %.3f", suffix, tools.centre);
        qInfo("edge line max offset px%s: %.3f", suffix, tools.offset);
        qInfo("edge line max angle error deg%s: %.4f", suffix, tools.degrees);
        qInfo("searches that found nothing%s: %d", suffix, tools.missed);
    }
}

QTEST_MAIN(BenchAccuracy)
#include "bench_accuracy.moc"
