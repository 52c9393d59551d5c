#include "LabelSweep.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <limits>

#include "GlobalVar.h"
#include "LabelPlacement.h"
#include "Shape.h"

LabelSweep::LabelSweep(QObject *parent)
    : QObject(parent)
{
    // A zero timer fires once the events waiting, the repaint of the band before among them,
    // have been served.
    nextBandTimer.setSingleShot(true);
    nextBandTimer.setInterval(0);
    connect(&nextBandTimer, &QTimer::timeout, this, &LabelSweep::writeBand);
}

void LabelSweep::start(Refresh refresh)
{
    restyle = refresh == LabelsAndLook || (restyle && isRunning());
    QVector<qreal> tops;
    tops.reserve(GlobalVar::shapeList.size());
    for (const Shape *shape : qAsConst(GlobalVar::shapeList))
        tops << shape->sceneBoundingRect().top();
    std::sort(tops.begin(), tops.end());
    bandTops = {-std::numeric_limits<qreal>::infinity()};
    for (int i = bandSize; i < tops.size(); i += bandSize)
        bandTops << tops.at(i);
    nextBand = 0;
    if (bandTops.size() > 1)
        qApp->installEventFilter(this);
    writeBand();
}

void LabelSweep::finish()
{
    while (isRunning())
        writeBand();
}

void LabelSweep::writeBand()
{
    if (!isRunning())
        return;
    const int band = nextBand++;
    const bool last = !isRunning();
    const qreal from = bandTops.at(band);
    const qreal to = last ? 0.0 : bandTops.at(nextBand);
    QVector<Shape *> written;
    for (Shape *shape : qAsConst(GlobalVar::shapeList)) {
        // Written as a negation, so that an item without a place (no number) still falls into the
        // last band.
        const qreal top = shape->sceneBoundingRect().top();
        if ((band == 0 || !(top < from)) && (last || top < to)) {
            // A label written anew rebuilds the item's area as well.
            bool changed = shape->refreshLabel();
            if (!changed && restyle) {
                shape->refreshLook();
                changed = true;
            }
            if (changed)
                written << shape;
        }
    }
    // The band's labels find their places again at their new sizes, all in one look.
    LabelPlacement::placeAll(written, GlobalVar::shapeList);
    if (isRunning()) {
        nextBandTimer.start();
        return;
    }
    nextBandTimer.stop();
    qApp->removeEventFilter(this);
    emit finished();
}

bool LabelSweep::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        finish();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
