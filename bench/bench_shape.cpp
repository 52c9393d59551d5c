// Cost of what an item does on every mouse move while it is drawn or reshaped (recompute of
// geometry, label, handles and bands) and on every hit test and repaint (shape and bounding
// rectangle), with a scene full of other items.
#include <QGraphicsScene>
#include <QTest>

#include "MeasureLine.h"

class BenchShape : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recomputePerMouseMove();
    void recomputeAndHitAreaPerMouseMove();
    void boundingRectPerRepaint();
    void hitTestInFullScene();

private:
    QGraphicsScene scene{0, 0, 1920, 1080};
    MeasureLine *segment = nullptr;
    // Keeps the measured calls from being optimised away.
    volatile qreal sink = 0;
};

void BenchShape::initTestCase()
{
    // 500 finished segments spread over the picture.
    for (int i = 0; i < 500; ++i) {
        auto *item = new MeasureLine;
        scene.addItem(item);
        const QPointF start(20 + (i * 37) % 1800, 20 + (i * 53) % 1000);
        item->setPoint(start, 1, quint16(i + 1));
        item->endDraw(start + QPointF(60, 25));
        segment = item;
    }
}

void BenchShape::recomputePerMouseMove()
{
    int step = 0;
    QBENCHMARK {
        segment->drawing(QPointF(400 + (step % 200), 300 + (step % 100)));
        ++step;
    }
}

// The scene asks for the bounding rectangle after every recompute, so the hit area is rebuilt
// once per mouse move.
void BenchShape::recomputeAndHitAreaPerMouseMove()
{
    int step = 0;
    QBENCHMARK {
        segment->drawing(QPointF(400 + (step % 200), 300 + (step % 100)));
        sink += segment->boundingRect().width();
        ++step;
    }
}

void BenchShape::boundingRectPerRepaint()
{
    QBENCHMARK {
        sink += segment->boundingRect().width();
    }
}

void BenchShape::hitTestInFullScene()
{
    QBENCHMARK {
        sink += scene.items(QPointF(960, 540)).size();
    }
}

QTEST_MAIN(BenchShape)
#include "bench_shape.moc"
