// A day's worth of measurements and far beyond: 10,000 finished segments on the scene. A click
// that selects one (the hit test), one mouse move while a handle of one is dragged, a unit
// change that writes every label and the whole results table again, and a change of digits and
// text size that redraws every item, each timed end to end through the main window, with what
// it repaints. None may freeze the screen for long.
#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QTest>

#include <cstdio>

#include "Counting.h"
#include "Frame.h"
#include "GlobalVar.h"
#include "GraphicsView.h"
#include "LabelSweep.h"
#include "MeasureLine.h"
#include "Shape.h"
#include "Menu.h"
#include "testutils.h"

namespace {

template<typename Action>
double ms(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// Counts the view's repaints.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// Times a change that rewrites every label, band by band, each band repainted before the next
// is written: the longest single turn of the event loop is what the screen stands still for,
// the whole until the last band is repainted is how long the change takes.
struct Sweep
{
    double whole = 0;
    double longestTurn = 0;
    int turns = 0;
    int paints = 0;
};

template<typename Action>
Sweep sweep(const char *name, Frame *frame, Action action)
{
    PaintCounter paints;
    frame->view()->viewport()->installEventFilter(&paints);
    Sweep result;
    QElapsedTimer timer;
    timer.start();
    Counting::begin();
    result.longestTurn = ms(action);
    result.turns = 1;
    // Two turns after the last band: one for the scene to collect it, one to repaint it.
    for (int after = 0; after < 2; ++result.turns) {
        if (!frame->labelSweep()->isRunning())
            ++after;
        result.longestTurn = qMax(result.longestTurn, ms([]() {}));
    }
    result.whole = timer.nsecsElapsed() / 1e6;
    Counting::end(name);
    result.paints = paints.count;
    return result;
}

int labelsNotEndingWith(const QString &end)
{
    int stale = 0;
    for (const Shape *shape : qAsConst(GlobalVar::shapeList))
        stale += !shape->label.endsWith(end);
    return stale;
}

void print(const char *what, const Sweep &s)
{
    std::printf("%s: %.1f ms in %d turns, %d repaints, the longest turn %.1f ms\n", what, s.whole,
                s.turns, s.paints, s.longestTurn);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestUtils::Sandbox sandbox;
    auto *frame = new Frame(nullptr);
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame))
        std::printf("the main window was not shown\n");

    // A calibration of 0.02 mm a pixel, so that a change of unit writes every label anew.
    ruler calibration;
    calibration.name = QStringLiteral("bench");
    calibration.pixel = 50.0f;
    calibration.length = 0.02f;
    calibration.unit = 1;
    GlobalVar::rulerList << calibration;
    frame->slot_changeRulerValue(GlobalVar::rulerList.size() - 1);

    const int count = 10000;
    QElapsedTimer setup;
    setup.start();
    for (int i = 0; i < count; ++i) {
        auto *line = new MeasureLine;
        frame->scene()->addItem(line);
        const QPointF start(20 + (i * 37) % 1500, 20 + (i * 53) % 1000);
        line->setPoint(start, 1, quint16(i + 1));
        line->endDraw(start + QPointF(40, 15));
        GlobalVar::shapeList << line;
    }
    frame->menu()->updateDataTable();
    QCoreApplication::processEvents();
    std::printf("%d items placed and listed in %.0f ms\n", count, setup.nsecsElapsed() / 1e6);

    QWidget *viewport = frame->view()->viewport();
    // The last segment drawn lies on top of the others at its place.
    const MeasureLine *target = static_cast<MeasureLine *>(GlobalVar::shapeList.last());
    const QPointF start(20 + ((count - 1) * 37) % 1500, 20 + ((count - 1) * 53) % 1000);
    const double hit = ms([&]() { TestUtils::click(viewport, start + QPointF(20, 7.5)); });
    if (!target->isSelected())
        std::printf("the click did not select the segment\n");
    const QPointF handle = start + QPointF(40, 15);
    TestUtils::press(viewport, handle);
    double worstMove = 0;
    for (int k = 1; k <= 20; ++k)
        worstMove = qMax(worstMove, ms([&]() { TestUtils::move(viewport, handle + QPointF(k, k), Qt::LeftButton); }));
    // The release rebuilds the results table; a second turn repaints the item.
    const double release = ms([&]() {
        TestUtils::release(viewport, handle + QPointF(20, 20));
        QCoreApplication::processEvents();
    });
    const Sweep unit = sweep("unit change with 10000 items", frame, [&]() { frame->slot_changeRulerUnit(2); });
    if (const int stale = labelsNotEndingWith(GlobalVar::currentUnit))
        std::printf("%d labels were not written in the new unit\n", stale);
    // One more digit and a bigger text, as the font button's dialog sets them.
    const Sweep look = sweep("digits and text size with 10000 items", frame, [&]() {
        GlobalVar::textDigiLength = 4;
        GlobalVar::shapeTextFont.setPointSize(GlobalVar::shapeTextFont.pointSize() + 4);
        frame->menu()->applyLook();
    });
    if (const int stale = labelsNotEndingWith(QStringLiteral(".0000") + GlobalVar::currentUnit))
        std::printf("%d labels were not written with the new digits\n", stale);

    std::printf("hit test (click that selects): %.1f ms\n", hit);
    std::printf("drag move (slowest of 20): %.1f ms, release %.1f ms\n", worstMove, release);
    print("unit change", unit);
    print("digits and text size", look);
    std::printf("longest freeze ms: %.1f\n",
                qMax(qMax(hit, release), qMax(worstMove, qMax(unit.longestTurn, look.longestTurn))));
    delete frame;
    return 0;
}
