#include <QGraphicsScene>
#include <QSettings>
#include <QTest>

#include "CustomLine.h"
#include "LinesConfigFile.h"
#include "ReferenceLines.h"
#include "testutils.h"

// The custom reference lines on a bare scene: spreading, replacing, clearing and loading a
// configuration file. (A line moved by the user is saved through the panel.)
class TestReferenceLines : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rebuildAndClear();
    void loadSavedLines();

private:
    static QVector<QPointF> positions(const QVector<CustomLine *> &lines)
    {
        QVector<QPointF> result;
        for (const CustomLine *line : lines)
            result << line->pos();
        return result;
    }
    int linesOnScene() const
    {
        int count = 0;
        for (const QGraphicsItem *item : scene->items())
            count += item->type() == CustomLine::Type;
        return count;
    }

    TestUtils::Sandbox sandbox;
    QGraphicsScene *scene = nullptr;
    ReferenceLines *lines = nullptr;
};

void TestReferenceLines::init()
{
    scene = new QGraphicsScene(0, 0, 1920, 1080);
    lines = new ReferenceLines(scene, scene);
}

void TestReferenceLines::cleanup()
{
    lines->clearCustom();
    delete scene;
}

void TestReferenceLines::rebuildAndClear()
{
    CustomLine *cross = lines->add(QStringLiteral("vertical"), QPointF(800, 0), QPen(Qt::red));
    lines->rebuild(true, 3);
    QCOMPARE(positions(GlobalVar::horizontalLineList), (QVector<QPointF>{{0, 270}, {0, 540}, {0, 810}}));
    QVERIFY(GlobalVar::horizontalLineList.first()->isHorizontal());
    lines->rebuild(false, 1);
    QCOMPARE(positions(GlobalVar::verticalLineList), QVector<QPointF>{QPointF(800, 0)});
    CustomLine *vertical = GlobalVar::verticalLineList.first();
    QCOMPARE(linesOnScene(), 1 + 3 + 1);

    // Rebuilding one direction replaces its lines only, on the scene as well.
    lines->rebuild(true, 2);
    QCOMPARE(positions(GlobalVar::horizontalLineList), (QVector<QPointF>{{0, 360}, {0, 720}}));
    QCOMPARE(GlobalVar::verticalLineList, QVector<CustomLine *>{vertical});
    QCOMPARE(linesOnScene(), 1 + 2 + 1);
    lines->rebuild(true, 0);
    QVERIFY(GlobalVar::horizontalLineList.isEmpty());
    QCOMPARE(linesOnScene(), 2);

    // Clearing takes every custom line, not the cross hair.
    lines->rebuild(true, 4);
    lines->clearCustom();
    QVERIFY(GlobalVar::horizontalLineList.isEmpty() && GlobalVar::verticalLineList.isEmpty());
    QCOMPARE(linesOnScene(), 1);
    QVERIFY(scene->items().contains(cross));
}

void TestReferenceLines::loadSavedLines()
{
    lines->rebuild(true, 2);
    lines->rebuild(false, 1);
    GlobalVar::horizontalLineList.at(1)->pen = QPen(QColor(0, 0, 255), 3);
    GlobalVar::horizontalLineList.at(1)->position = QPointF(0, 1000.5);
    GlobalVar::verticalLineList.at(0)->pen = QPen(QColor(0, 128, 0), 2);
    const QString path = sandbox.path(QStringLiteral("CFG00001.ini"));
    QVERIFY(LinesConfigFile::save(path, GlobalVar::horizontalLineList, GlobalVar::verticalLineList));
    // The keys and colour numbers that stored files hold.
    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value("hline/total").toInt(), 2);
    QCOMPARE(file.value("vline/total").toInt(), 1);
    QCOMPARE(file.value("hline/color2").toString(), QStringLiteral("4278190335"));

    lines->clearCustom();
    lines->load(path);
    QCOMPARE(positions(GlobalVar::horizontalLineList), (QVector<QPointF>{{0, 360}, {0, 1000.5}}));
    QCOMPARE(positions(GlobalVar::verticalLineList), QVector<QPointF>{QPointF(800, 0)});
    auto pen = [](const CustomLine *line) { return QPen(line->pen.color(), line->pen.width()); };
    QCOMPARE(pen(GlobalVar::horizontalLineList.at(0)), QPen(QColor(255, 0, 0), 1));
    QCOMPARE(pen(GlobalVar::horizontalLineList.at(1)), QPen(QColor(0, 0, 255), 3));
    QCOMPARE(pen(GlobalVar::verticalLineList.at(0)), QPen(QColor(0, 128, 0), 2));
    QVERIFY(GlobalVar::verticalLineList.at(0)->isVertical());
    QCOMPARE(GlobalVar::verticalLineList.at(0)->scene(), scene);

    // An empty file (a copy cut short) holds no lines: opening it leaves those shown alone.
    QVERIFY(LinesConfigFile::holdsLines(path));
    const QString empty = sandbox.path(QStringLiteral("CFG00002.ini"));
    QVERIFY(TestUtils::writeFile(empty, QByteArray()));
    QVERIFY(!LinesConfigFile::holdsLines(empty));
}

QTEST_MAIN(TestReferenceLines)
#include "tst_referencelines.moc"
