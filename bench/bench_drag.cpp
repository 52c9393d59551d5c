// Cost of one mouse move while a handle of a finished segment is dragged, end to end: the
// view, the main window, the item's recompute, its row in the results table and the repaint
// of what changed, with 1 and with 256 finished items on the scene. The last line is the
// ratio of the two; a drag should cost the same however many items there are.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QTest>

#include <algorithm>
#include <cstdio>

#include "Counting.h"
#include "Frame.h"
#include "GraphicsView.h"
#include "MeasureLine.h"
#include "Menu.h"
#include "testutils.h"

namespace {

// Nanoseconds per move, the best of a few rounds.
double nsPerMove(int items)
{
    GlobalVar::resetToDefaults();
    auto *frame = new Frame(nullptr);
    frame->show();
    if (!QTest::qWaitForWindowExposed(frame))
        std::printf("the main window was not shown\n");
    // A grid of segments over the picture; the dragged one lies in a free spot at the left.
    MeasureLine *dragged = nullptr;
    for (int i = 0; i < items; ++i) {
        auto *line = new MeasureLine;
        frame->scene()->addItem(line);
        const QPointF start = i == 0 ? QPointF(40, 540) : QPointF(200 + (i % 16) * 85, 30 + (i / 16) * 64);
        line->setPoint(start, 1, quint16(i + 1));
        line->endDraw(start + QPointF(50, 20));
        GlobalVar::shapeList << line;
        if (i == 0)
            dragged = line;
    }
    frame->menu()->updateDataTable();
    QCoreApplication::processEvents();
    QWidget *viewport = frame->view()->viewport();

    // Select the segment, then catch its end handle.
    TestUtils::click(viewport, QPointF(65, 550));
    const QPointF handle(90, 560);
    TestUtils::press(viewport, handle);
    QCoreApplication::processEvents();

    const int moves = 300;
    double best = 1e300;
    for (int round = 0; round < (Counting::active() ? 1 : 5); ++round) {
        QElapsedTimer timer;
        timer.start();
        Counting::begin();
        for (int k = 0; k < moves; ++k) {
            TestUtils::move(viewport, handle + QPointF(k % 40, (k * 7) % 30), Qt::LeftButton);
            // What the move made dirty is painted now, as the next frame would.
            QCoreApplication::processEvents();
        }
        Counting::end(items == 1 ? "drag move with 1 item" : "drag move with 256 items", moves);
        best = std::min(best, double(timer.nsecsElapsed()) / moves);
    }
    TestUtils::release(viewport, handle);
    if (dragged->label.isEmpty())
        std::printf("the dragged segment lost its label\n");
    delete frame;
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestUtils::Sandbox sandbox;
    const double one = nsPerMove(1);
    const double many = nsPerMove(256);
    std::printf("move with 1 item: %.1f us\n", one / 1000);
    std::printf("move with 256 items: %.1f us\n", many / 1000);
    std::printf("drag ratio 256/1: %.2f\n", many / one);
    return 0;
}
