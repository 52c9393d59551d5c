#include <QDir>
#include <QGraphicsScene>
#include <QTest>
#include <QToolButton>

#include "FrameDriver.h"
#include "ImageViewer.h"
#include "MeasurementDocument.h"
#include "MeasurementFile.h"
#include "Menu.h"
#include "StillPicture.h"
#include "StorageActions.h"
#include "ToolTable.h"

Q_DECLARE_METATYPE(const ToolDescription *)
Q_DECLARE_METATYPE(MeasurementFile::Status)

namespace {
// The item of `tool` clicked as the window clicks it: `presses` points, then the finishing
// click on the next point, or a right click.
Shape *clicked(const ToolDescription &tool, int presses)
{
    const ShapeRoute &route = tool.route;
    const bool rightClick = presses < route.finishClick - 1;
    const int points = route.search != ShapeRoute::NoSearch ? 12 : presses + (rightClick && !route.rightClickIsPoint ? 0 : 1);
    Shape *item = FrameDriver::feed(route.code, FrameDriver::rimPoints(points), rightClick);
    if (route.calibration)
        item->label = QStringLiteral("10X");
    return item;
}

QVector<QPointF> scenePoints(const Shape *item)
{
    QVector<QPointF> points;
    for (const QPointF &p : item->clickedPoints())
        points << (Shape::isSet(p) ? item->mapToScene(p) : p);
    return points;
}

QByteArray sampleFile()
{
    QVector<Shape *> items;
    for (const ToolDescription &tool : ToolTable::all())
        items << clicked(tool, tool.route.finishClick - 1);
    const QByteArray bytes = MeasurementFile::encode(MeasurementFile::Settings(), items);
    qDeleteAll(items);
    return bytes;
}
} // namespace

class TestMeasurementFile : public QObject, protected FrameDriver
{
    Q_OBJECT

private slots:
    void init() { answerDialogs(); }
    void cleanup()
    {
        closeFrame();
        StillPicture::show(QImage());
        StorageActions::freeDiskProbe = nullptr;
    }

    void roundTrip_data();
    void roundTrip();
    void damage_data();
    void damage();
    void captureAndReopen();
};

void TestMeasurementFile::roundTrip_data()
{
    QTest::addColumn<const ToolDescription *>("tool");
    QTest::addColumn<int>("presses");
    for (const ToolDescription &tool : ToolTable::all()) {
        QTest::newRow(tool.name) << &tool << tool.route.finishClick - 1;
        // Finished early by a right click, where the tool allows it.
        const int from = tool.route.rightClickFinishesFrom;
        if (from > 0)
            QTest::addRow("%s early", tool.name) << &tool << from;
    }
}

// Every tool's item, moved and with its label moved, comes back with the same points, name and
// value in the unit in use.
void TestMeasurementFile::roundTrip()
{
    QFETCH(const ToolDescription *, tool);
    QFETCH(int, presses);
    GlobalVar::currentUnit = QStringLiteral("mm");
    GlobalVar::currentRealRuler = 0.0123f;
    QGraphicsScene scene(0, 0, 1920, 1080);
    Shape *item = clicked(*tool, presses);
    scene.addItem(item);
    item->setPos(25.125, -13.5);
    item->setLabelOffset(QPointF(4, 30));
    QVERIFY(item->isComplete());
    // A tolerance on its first value, one it fails.
    if (!item->values().isEmpty()) {
        const MeasuredValue first = item->values().first();
        const auto tolerance = Tolerance::make(GlobalVar::currentUnit, {{first.key, {first.shownNumber() + 1.0, -0.5, 0.5}}});
        QVERIFY(tolerance);
        item->setTolerance(*tolerance);
        QCOMPARE(item->verdict(), Tolerance::Outside);
    }

    const MeasurementFile::Contents contents = MeasurementFile::decode(MeasurementFile::encode({}, {item}));
    QCOMPARE(contents.status, MeasurementFile::Status::Read);
    const MeasurementFile::Items read = MeasurementFile::rebuild(contents.records);
    QCOMPARE(read.skipped, 0);
    QCOMPARE(read.items.size(), 1);
    QVERIFY2(read.differing.isEmpty(), qPrintable(read.differing.join(',')));
    Shape *back = read.items.first();
    QCOMPARE(back->property(), item->property());
    QCOMPARE(back->label, item->label);
    QCOMPARE(scenePoints(back), scenePoints(item));
    QCOMPARE(back->labelOffset(), item->labelOffset());
    QCOMPARE(back->tolerance(), item->tolerance());
    QCOMPARE(back->verdict(), item->verdict());
    delete back;
    delete item;
}

void TestMeasurementFile::damage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<MeasurementFile::Status>("status");
    const QByteArray good = sampleFile();
    const int all = int(ToolTable::all().size());
    const int lastItem = good.lastIndexOf("\n{");
    QTest::newRow("whole") << good << all << 0 << MeasurementFile::Status::Read;
    QTest::newRow("cut in the last item") << good.left(lastItem + 20) << all - 1 << 1 << MeasurementFile::Status::Read;
    // The first item's first x, and the points of the line.
    const auto firstX = [&good](const QByteArray &text) {
        QByteArray bytes = good;
        const int x = bytes.indexOf("\"points\":[[") + 11;
        return bytes.replace(x, bytes.indexOf(',', x) - x, text);
    };
    QTest::newRow("a coordinate not a number") << firstX("\"nan\"") << all - 1 << 1 << MeasurementFile::Status::Read;
    QTest::newRow("a huge coordinate") << firstX("1e300") << all - 1 << 1 << MeasurementFile::Status::Read;
    QTest::newRow("a huge negative coordinate") << firstX("-1e300") << all - 1 << 1 << MeasurementFile::Status::Read;
    QTest::newRow("an unknown tool") << QByteArray(good).replace("\"tool\":\"angle\"", "\"tool\":\"sextant\"") << all - 1
                                     << 1 << MeasurementFile::Status::Read;
    QByteArray fewer = good;
    const int points = fewer.indexOf("\"points\":", fewer.lastIndexOf('\n', fewer.indexOf("\"tool\":\"line\"")));
    fewer.replace(points, fewer.indexOf("]]", points) + 2 - points, "\"points\":[[1,2]]");
    QTest::newRow("too few points") << fewer << all - 1 << 1 << MeasurementFile::Status::Read;
    const QByteArray emptyTolerance("\"tolerance\":{\"unit\":\"deg\",\"values\":{}},\"tool\":\"angle\"");
    QTest::newRow("an empty tolerance") << QByteArray(good).replace("\"tool\":\"angle\"", emptyTolerance) << all - 1 << 1
                                        << MeasurementFile::Status::Read;
    QTest::newRow("newer major version") << QByteArray(good).replace("\"version\":\"1.0\"", "\"version\":\"2.0\"") << 0 << 0
                                         << MeasurementFile::Status::NewerVersion;
    QTest::newRow("newer minor version") << QByteArray(good).replace("\"version\":\"1.0\"", "\"version\":\"1.7\"") << all << 0
                                         << MeasurementFile::Status::Read;
    QTest::newRow("50 MB") << QByteArray(50 * 1024 * 1024, ' ') << 0 << 0 << MeasurementFile::Status::TooLarge;
    QTest::newRow("a picture") << QByteArray("BM\x36\x00\x10\x00", 6) << 0 << 0 << MeasurementFile::Status::NotMeasurements;
}

// A damaged file costs the items it damaged and no more; a file of a newer kind is refused.
void TestMeasurementFile::damage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, items);
    QFETCH(int, skipped);
    QFETCH(MeasurementFile::Status, status);
    const MeasurementFile::Contents contents = MeasurementFile::decode(bytes);
    QCOMPARE(contents.status, status);
    const MeasurementFile::Items read = MeasurementFile::rebuild(contents.records);
    QCOMPARE(read.items.size(), items);
    QCOMPARE(read.skipped + contents.damagedRecords, skipped);
    QVERIFY(read.differing.isEmpty());
    if (status != MeasurementFile::Status::Read)
        QVERIFY(!MeasurementFile::refusal(status).isEmpty());
    qDeleteAll(read.items);
}

// Capture in a calibrated unit, reopen from the viewer, move a point, go back to live; a
// measurement file that cannot be written leaves the picture and says so; a desktop picture
// with its file beside it opens with its items.
void TestMeasurementFile::captureAndReopen()
{
    openFrame();
    GlobalVar::rulerList << ruler{QStringLiteral("10X, 5mm"), 500.0f, 0.01f, 1};
    frame->menu()->updateRulerTable();
    draw(ToolId::Line, {{100, 100}, {400, 500}});
    QTRY_COMPARE(GlobalVar::shapeList.size(), 1);
    const QString value = GlobalVar::shapeList.first()->labelValues();
    QCOMPARE(value, QStringLiteral("L1=5.000mm"));
    const QString dcim = sandbox.root() + QStringLiteral("/media/usb/DCIM/");
    StorageActions::freeDiskProbe = [](const QString &) { return QStringLiteral("Available space:900MB"); };
    frame->captureImage();
    QVERIFY(QFile::exists(dcim + "IMG00001.bmp"));
    const QByteArray kept = TestUtils::readFile(dcim + "IMG00001.kmeas");
    // A measurement file left without its picture is not written over either.
    QVERIFY(QDir().mkpath(dcim + "IMG00002.kmeas"));
    frame->captureImage();
    QVERIFY(QFile::exists(dcim + "IMG00003.bmp"));
    QVERIFY(QFile::exists(dcim + "IMG00003.kmeas"));
    QVERIFY(QDir().rmdir(dcim + "IMG00002.kmeas") && QDir().mkpath(dcim + "shot.kmeas"));
    emit frame->menu()->signal_captureRequested(dcim + "shot.bmp");
    QVERIFY(QFile::exists(dcim + "shot.bmp"));
    QVERIFY(warnings.last().contains("measurement file could not be written"));
    closeFrame();

    // The viewer offers Measure only for a picture with its measurements.
    answerDialogs();
    GlobalVar::rulerList.clear();
    QFile::remove(QStringLiteral("param"));
    ImageViewer viewer;
    QVERIFY(viewer.openImage(dcim + "shot.bmp"));
    auto *measure = viewer.findChild<QToolButton *>(QStringLiteral("tb_Measure"));
    QVERIFY(measure->isHidden());
    QVERIFY(viewer.openImage(dcim + "IMG00001.bmp"));
    QVERIFY(!measure->isHidden());
    measure->click();
    QCOMPARE(viewer.measureRequest(), dcim + "IMG00001.bmp");

    openFrame();
    QVERIFY(frame->openMeasurement(viewer.measureRequest()));
    QVERIFY(frame->isStillShown() && frame->menu()->bFreeze);
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    Shape *line = GlobalVar::shapeList.first();
    QCOMPARE(line->labelValues(), value);
    QCOMPARE(GlobalVar::rulerList.size(), 1);
    QVERIFY(warnings.isEmpty());
    // The still picture is what captures and point detection read.
    QCOMPARE(frame->view()->livePicture().pixel(100, 100), StillPicture::picture().pixel(100, 100));

    // Moved, and captured again: a new name with the new value; the original stays as it was.
    frame->document()->beginEdit({line});
    Shape::State moved = line->state();
    moved.points[1] = QPointF(700, 500);
    line->restore(moved);
    frame->document()->endEdit();
    frame->captureImage();
    QVERIFY(TestUtils::readFile(dcim + "IMG00004.kmeas").contains("7.211mm"));
    QCOMPARE(TestUtils::readFile(dcim + "IMG00001.kmeas"), kept);
    // Changed after the capture, the still picture asks before it goes.
    frame->document()->undoStack()->undo();
    answer = false;
    QVERIFY(!frame->returnToLive());
    QVERIFY(frame->isStillShown());
    answer = true;
    QVERIFY(frame->returnToLive());
    QCOMPARE(questions, 2);
    QVERIFY(!frame->isStillShown() && !frame->menu()->bFreeze);
    QVERIFY(GlobalVar::shapeList.isEmpty());
    closeFrame();

    qputenv("KORVELIN_LIVE_IMAGE", QFile::encodeName(dcim + "IMG00004.bmp"));
    openFrame();
    qunsetenv("KORVELIN_LIVE_IMAGE");
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QCOMPARE(GlobalVar::shapeList.first()->labelValues(), QStringLiteral("L1=7.211mm"));
    QVERIFY(!frame->isStillShown());
    // New items are numbered after the reopened ones.
    draw(ToolId::Line, {{100, 700}, {300, 700}});
    QTRY_COMPARE(GlobalVar::shapeList.size(), 2);
    QCOMPARE(GlobalVar::shapeList.last()->labelName(), QStringLiteral("L2"));

    // A picture deleted in the viewer takes its measurements with it.
    ImageViewer deleting;
    QVERIFY(deleting.openImage(dcim + "IMG00003.bmp"));
    deleting.findChild<QToolButton *>(QStringLiteral("tb_DeleteImage"))->click();
    QVERIFY(!QFile::exists(dcim + "IMG00003.bmp") && !QFile::exists(dcim + "IMG00003.kmeas"));
}

QTEST_MAIN(TestMeasurementFile)
#include "tst_measurementfile.moc"
