#include <QTest>
#include <QtMath>

#include "Frame.h"
#include "FrameDriver.h"
#include "GraphicsView.h"
#include "MeasureHorizontalLine.h"
#include "MeasureLine.h"
#include "MeasureVerticalLine.h"
#include "testutils.h"

using TestUtils::click;
using TestUtils::move;

// Segments, horizontal and vertical lines drawn, reshaped and read through real mouse events
// on the main window's view.
class TestLineItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lengths_data();
    void lengths();
    void calibratedLength();
    void nullSegment();
    void labelBeforeFirstMove();
    void handleDrags_data();
    void handleDrags();

private:
    MeasureLine *draw(int code, const QPointF &first, const QPointF &second);

};

void TestLineItems::init()
{
    openFrame();
}

void TestLineItems::cleanup()
{
    closeFrame();
}

MeasureLine *TestLineItems::draw(int code, const QPointF &first, const QPointF &second)
{
    frame->armTool(code);
    click(viewport(), first);
    move(viewport(), (first + second) / 2);
    move(viewport(), second);
    click(viewport(), second);
    frame->disarmTool();
    return static_cast<MeasureLine *>(GlobalVar::shapeList.last());
}

void TestLineItems::lengths_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPointF>("first");
    QTest::addColumn<QPointF>("second");
    QTest::addColumn<QPointF>("end");
    const QPointF a(100, 700), b(400, 300);
    QTest::newRow("free segment") << 3 << a << b << b;
    QTest::newRow("free segment, reverse order") << 3 << b << a << a;
    QTest::newRow("horizontal ignores the mouse's y") << 4 << a << b << QPointF(400, 700);
    QTest::newRow("horizontal, reverse order") << 4 << b << a << QPointF(100, 300);
    QTest::newRow("vertical ignores the mouse's x") << 5 << a << b << QPointF(100, 300);
    QTest::newRow("vertical, reverse order") << 5 << b << a << QPointF(400, 700);
}

void TestLineItems::lengths()
{
    QFETCH(int, code);
    QFETCH(QPointF, first);
    QFETCH(QPointF, second);
    QFETCH(QPointF, end);
    MeasureLine *line = draw(code, first, second);
    QCOMPARE(line->property(), code);
    QCOMPARE(line->startPoint, first);
    QCOMPARE(line->endPoint, end);
    const qreal length = std::hypot(end.x() - first.x(), end.y() - first.y());
    QCOMPARE(line->label, QStringLiteral("L1=L1=%1pixels").arg(length, 0, 'f', 3));
    // The measured segment starts at its lower end on screen.
    QVERIFY(line->measuredLine.p1().y() >= line->measuredLine.p2().y());
    QCOMPARE(line->shownLabel(), QStringLiteral("L1=%1pixels").arg(length, 0, 'f', 3));
}

void TestLineItems::calibratedLength()
{
    GlobalVar::currentUnit = QStringLiteral("mm");
    GlobalVar::currentRealRuler = 0.01f;
    // Two segments of counter A: the numbers go on.
    draw(3, QPointF(100, 500), QPointF(100, 400));
    const MeasureLine *line = draw(3, QPointF(100, 900), QPointF(1100, 150));
    QCOMPARE(line->label, QStringLiteral("L2=L2=12.500mm"));
    GlobalVar::bTextON = false;
    QCOMPARE(line->shownLabel(), QStringLiteral("L2"));
}

void TestLineItems::nullSegment()
{
    const MeasureLine *line = draw(3, QPointF(300, 300), QPointF(300, 300));
    QCOMPARE(line->label, QStringLiteral("L1=L1=0.000pixels"));
    QCOMPARE(line->measuredLine.angle(), 0.0);
    // Its handles are axis-aligned 8-pixel squares.
    QVERIFY(line->shape().contains(QPointF(303, 303)));
    QVERIFY(!line->shape().contains(QPointF(305, 300)));
}

void TestLineItems::labelBeforeFirstMove()
{
    frame->armTool(3);
    click(viewport(), QPointF(200, 200));
    const auto *line = static_cast<MeasureLine *>(frame->currentShape);
    QVERIFY(line->label.isEmpty());
    QVERIFY(!Shape::isSet(line->endPoint));
    move(viewport(), QPointF(230, 240));
    QCOMPARE(line->label, QStringLiteral("L1=L1=50.000pixels"));
}

void TestLineItems::handleDrags_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    // Each line is drawn from (200, 400) to (600, 400) (vertical: to (200, 800)), then one
    // handle is dragged to (500, 600).
    QTest::newRow("free, start handle") << 3 << 1 << QPointF(500, 600) << QPointF(600, 400);
    QTest::newRow("free, end handle") << 3 << 2 << QPointF(200, 400) << QPointF(500, 600);
    QTest::newRow("horizontal, start handle moves the line to the new height")
        << 4 << 1 << QPointF(500, 600) << QPointF(600, 600);
    QTest::newRow("horizontal, end handle keeps the height") << 4 << 2 << QPointF(200, 400) << QPointF(500, 400);
    QTest::newRow("vertical, start handle moves the line sideways")
        << 5 << 1 << QPointF(500, 600) << QPointF(500, 800);
    QTest::newRow("vertical, end handle keeps the x") << 5 << 2 << QPointF(200, 400) << QPointF(200, 600);
}

void TestLineItems::handleDrags()
{
    QFETCH(int, code);
    QFETCH(int, handle);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    const QPointF first(200, 400);
    const QPointF second = code == 5 ? QPointF(200, 800) : QPointF(600, 400);
    MeasureLine *line = draw(code, first, second);

    click(viewport(), (first + second) / 2);   // selects
    QVERIFY(line->isSelected());
    TestUtils::drag(viewport(), handle == 1 ? first : second, QPointF(500, 600));
    QCOMPARE(line->startPoint, start);
    QCOMPARE(line->endPoint, end);
    QCOMPARE(line->pos(), QPointF(0, 0));
    QCOMPARE(line->labelValues(),
             QStringLiteral("L1=%1pixels").arg(QLineF(start, end).length(), 0, 'f', 3));
}

QTEST_MAIN(TestLineItems)
#include "tst_lineitems.moc"
