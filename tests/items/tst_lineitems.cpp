#include <QTest>
#include <QtMath>

#include "FrameDriver.h"
#include "MeasureLine.h"

// Segments, horizontal and vertical lines drawn, reshaped and read through real mouse events
// on the main window's view.
class TestLineItems : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init() { openFrame(); }
    void cleanup() { closeFrame(); }
    void lengths_data();
    void lengths();
    void nullSegment();
};

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
    const auto *line = static_cast<MeasureLine *>(draw(ToolId(code), {first, second}));
    QCOMPARE(line->startPoint, first);
    QCOMPARE(line->endPoint, end);
    const qreal length = std::hypot(end.x() - first.x(), end.y() - first.y());
    QCOMPARE(line->label, QStringLiteral("L1=L1=%1pixels").arg(length, 0, 'f', 3));
    // The measured segment starts at its lower end on screen.
    QVERIFY(line->measuredLine.p1().y() >= line->measuredLine.p2().y());
    QCOMPARE(line->shownLabel(), QStringLiteral("L1=%1pixels").arg(length, 0, 'f', 3));
}

void TestLineItems::nullSegment()
{
    const auto *line = static_cast<MeasureLine *>(draw(ToolId::Line, {QPointF(300, 300), QPointF(300, 300)}));
    QCOMPARE(line->measuredLine.angle(), 0.0);
    // Its handles are axis-aligned 8-pixel squares.
    QVERIFY(line->shape().contains(QPointF(303, 303)));
    QVERIFY(!line->shape().contains(QPointF(305, 300)));
}

QTEST_MAIN(TestLineItems)
#include "tst_lineitems.moc"
