// Statistics over a day's worth of results and far beyond: 10,000 finished items (segments and
// circles, five values each on average). Opening the statistics view, refreshing it after one
// item changed (what every finished, undone or redone item costs it) and one move of a drag,
// each timed on its own, with the results table's own work left out.
#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QTableWidget>

#include <algorithm>
#include <cstdio>

#include "GlobalVar.h"
#include "MeasureCircle.h"
#include "MeasureLine.h"
#include "MeasurementDocument.h"
#include "ResultsTable.h"
#include "StatisticsView.h"
#include "testutils.h"

namespace {
template<typename Action>
double ms(Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestUtils::Sandbox sandbox;
    QGraphicsScene scene(0, 0, 1920, 1080);
    QTableWidget table;
    MeasurementDocument document(&scene);
    ResultsTable results(&table, &document);
    results.init();
    const int count = 10000;
    for (int i = 0; i < count; ++i) {
        const qreal y = 50 + i % 900;
        Shape *item = nullptr;
        if (i % 2 == 0) {
            item = new MeasureLine;
            item->setPoint(QPointF(100, y), 1, quint16(i + 1));
            item->endDraw(QPointF(400 + i % 37, y));
        } else {
            item = new MeasureCircle;
            item->setPoint(QPointF(600, y), 1, quint16(i + 1));
            item->setPoint(QPointF(700 + i % 13, y + 100), 2, quint16(i + 1));
            item->endDraw(QPointF(800, y));
        }
        scene.addItem(item);
        GlobalVar::shapeList << item;
    }
    results.update();

    StatisticsView *view = nullptr;
    const double open = ms([&] { view = new StatisticsView(&results); });
    Shape *changed = GlobalVar::shapeList.at(count / 2);
    double refresh = 0;
    double move = 0;
    for (int k = 0; k < 20; ++k) {
        changed->drawing(QPointF(450 + k, 50 + (count / 2) % 900));
        refresh = std::max(refresh, ms([&] { view->refresh(); }));
        changed->drawing(QPointF(460 + k, 50 + (count / 2) % 900));
        move = std::max(move, ms([&] { emit results.rowUpdated(changed); }));
    }
    std::printf("%d items, %d rows of statistics\n", count, int(view->shownRows().size()));
    std::printf("statistics view opened: %.1f ms\n", open);
    std::printf("statistics refresh ms: %.2f (slowest of 20, one item changed)\n", refresh);
    std::printf("statistics drag move ms: %.2f (slowest of 20)\n", move);
    delete view;
    qDeleteAll(GlobalVar::shapeList);
    GlobalVar::shapeList.clear();
    return 0;
}
