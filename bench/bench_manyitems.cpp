// A day's worth of measurements and far beyond: 10,000 finished segments on the scene. A click
// that selects one (the hit test), one mouse move while a handle of one is dragged, and a unit
// change that writes every label and the whole results table again, each timed end to end
// through the main window, with what it repaints. None may freeze the screen for long.
#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QTest>

#include <cstdio>

#include "Frame.h"
#include "GraphicsView.h"
#include "MeasureLine.h"
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
        frame->scene->addItem(line);
        const QPointF start(20 + (i * 37) % 1500, 20 + (i * 53) % 1000);
        line->setPoint(start, 1, quint16(i + 1));
        line->endDraw(start + QPointF(40, 15));
        GlobalVar::shapeList << line;
    }
    frame->menu->updateDataTable();
    QCoreApplication::processEvents();
    std::printf("%d items placed and listed in %.0f ms\n", count, setup.nsecsElapsed() / 1e6);

    QWidget *viewport = frame->view->viewport();
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
    TestUtils::release(viewport, handle + QPointF(20, 20));
    // The unit change in two parts: labels and table written, then the repaint it caused.
    QElapsedTimer unitTimer;
    unitTimer.start();
    frame->slot_changeRulerUnit(2);
    const double unitWrite = unitTimer.nsecsElapsed() / 1e6;
    QCoreApplication::processEvents();
    const double unit = unitTimer.nsecsElapsed() / 1e6;

    std::printf("hit test (click that selects): %.1f ms\n", hit);
    std::printf("drag move (slowest of 20): %.1f ms\n", worstMove);
    std::printf("unit change: %.1f ms (labels and table %.1f ms, repaint %.1f ms)\n", unit,
                unitWrite, unit - unitWrite);
    std::printf("longest freeze ms: %.1f\n", qMax(hit, qMax(worstMove, unit)));
    delete frame;
    return 0;
}
