#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include "CustomLine.h"
#include "FreeName.h"
#include "LinesConfigFile.h"
#include "ParamFile.h"
#include "ResultsCsv.h"
#include "testutils.h"

// The widget-free parts of the panel's storage: free file names, the CSV bytes and their
// safe writing, the parameter file and configuration files of custom lines.
class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freeName_data();
    void freeName();
    void digitStrings();
    void csvBytes();
    void csvWriteFailureLeavesNothing();
    void firstStartParameters();
    void parametersRoundTrip();
    void rulersAfterDeletion();
    void linesConfigRoundTrip();

private:
    TestUtils::Sandbox sandbox;
    QString folder;
};

void TestStorage::init()
{
    GlobalVar::resetToDefaults();
    QFile::remove(ParamFile::path());
    folder = sandbox.path(QStringLiteral("dcim-") + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
}

void TestStorage::freeName_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("extensions");
    QTest::addColumn<int>("next");
    QTest::newRow("empty folder") << QStringList() << "IMG" << "bmp,jpg" << 1;
    QTest::newRow("both image types count, short names and gaps do not")
        << QStringList{"IMG00001.bmp", "IMG00003.jpg", "IMG7.bmp"} << "IMG" << "bmp,jpg" << 4;
    QTest::newRow("eight letters that are not digits") << QStringList{"IMGABCDE.bmp"} << "IMG" << "bmp,jpg" << 1;
    QTest::newRow("other prefixes do not count") << QStringList{"EXT00005.csv", "IMG00002.bmp"} << "IMG" << "bmp" << 3;
    QTest::newRow("other extensions do not count") << QStringList{"EXT00005.txt", "EXT00002.csv"} << "EXT" << "csv" << 3;
    QTest::newRow("last number") << QStringList{"CFG99998.ini"} << "CFG" << "ini" << 99999;
    QTest::newRow("beyond five digits") << QStringList{"CFG99999.ini"} << "CFG" << "ini" << 100000;
}

void TestStorage::freeName()
{
    QFETCH(QStringList, files);
    QFETCH(QString, prefix);
    QFETCH(QString, extensions);
    QFETCH(int, next);
    for (const QString &file : files) {
        QFile f(folder + QLatin1Char('/') + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(FreeName::nextNumber(folder, prefix, extensions), next);
}

void TestStorage::digitStrings()
{
    QCOMPARE(FreeName::isDigitString(QStringLiteral("00042")), 42);
    QCOMPARE(FreeName::isDigitString(QString()), 0);
    QCOMPARE(FreeName::isDigitString(QStringLiteral("0004a")), -1);
    QCOMPARE(FreeName::isDigitString(QStringLiteral("-0004")), -1);
    QCOMPARE(FreeName::baseName(QStringLiteral("EXT"), 7), QStringLiteral("EXT00007"));
}

void TestStorage::csvBytes()
{
    const QByteArray bytes = ResultsCsv::compose({QStringLiteral("index"), QStringLiteral("item"), QStringLiteral("value")},
                                                 {{QStringLiteral("1"), QStringLiteral("L1"), QStringLiteral("L1=12.500mm")},
                                                  {QStringLiteral("2"), QStringLiteral("C1"), QStringLiteral("R1=1.0mm\nD1=2.0mm")}});
    QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF"
                               "index,item,value,\r\n"
                               "1,L1,\"L1=12.500mm\",\r\n"
                               "2,C1,\"R1=1.0mm\nD1=2.0mm\",\r\n"));
    // Chinese headers are written in UTF-8.
    const QByteArray chinese = ResultsCsv::compose({QStringLiteral("序号")}, {});
    QCOMPARE(chinese, QByteArray("\xEF\xBB\xBF") + QStringLiteral("序号,\r\n").toUtf8());

    const QString path = folder + QStringLiteral("/EXT00001.csv");
    QVERIFY(ResultsCsv::writeFile(path, bytes));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void TestStorage::csvWriteFailureLeavesNothing()
{
    QString error;
    const QString path = folder + QStringLiteral("/no-such-folder/EXT00001.csv");
    QVERIFY(!ResultsCsv::writeFile(path, "data", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(path));
    // No temporary file is left behind next to a target that could not be written.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void TestStorage::firstStartParameters()
{
    ParamFile::save(1);
    ParamFile::save(4);
    CustomLine vertical, horizontal;
    vertical.position = QPointF(800, 0);
    vertical.pen = ParamFile::referencePen();
    horizontal.position = QPointF(0, 540);
    horizontal.pen = ParamFile::referencePen();
    ParamFile::save(5, &vertical, &horizontal);

    const QSettings file(ParamFile::path(), QSettings::IniFormat);
    QStringList keys = file.allKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"crosshair/colorx", "crosshair/colory", "crosshair/on", "crosshair/px", "crosshair/py",
                                "crosshair/widthx", "crosshair/widthy", "image/type", "param/detect", "param/linecolor",
                                "param/lineeditable", "param/linemovable", "param/linewidth", "param/textcolor",
                                "param/textlabel", "param/textlength", "param/textsize"}));
    QCOMPARE(file.value("param/linewidth").toString(), QStringLiteral("1"));
    QCOMPARE(file.value("param/linecolor").toString(), QStringLiteral("4294901760"));
    QCOMPARE(file.value("param/textcolor").toString(), QStringLiteral("4278190335"));
    QCOMPARE(file.value("param/textsize").toString(), QStringLiteral("12"));
    QCOMPARE(file.value("param/textlength").toString(), QStringLiteral("3"));
    QCOMPARE(file.value("param/textlabel").toString(), QStringLiteral("true"));
    QCOMPARE(file.value("param/detect").toString(), QStringLiteral("false"));
    QCOMPARE(file.value("image/type").toString(), QStringLiteral("bmp"));
    QCOMPARE(file.value("crosshair/px").toInt(), 800);
    QCOMPARE(file.value("crosshair/py").toInt(), 540);
    QCOMPARE(file.value("crosshair/colory").toString(), QStringLiteral("4294901760"));
}

void TestStorage::parametersRoundTrip()
{
    GlobalVar::shapeGraphPen.setWidth(3);
    GlobalVar::shapeGraphPen.setColor(QColor(0, 200, 0));
    GlobalVar::shapeTextColor = QColor(10, 20, 30, 128);
    GlobalVar::shapeTextFont.setPointSize(20);
    GlobalVar::bEditable = false;
    GlobalVar::bTextON = false;
    GlobalVar::textDigiLength = 4;
    GlobalVar::bDetectAuto = true;
    GlobalVar::language = 2;
    ParamFile::save(1);
    ParamFile::save(3);

    GlobalVar::resetToDefaults();
    ParamFile::read(1);
    ParamFile::read(3);
    QCOMPARE(GlobalVar::shapeGraphPen.width(), 3);
    QCOMPARE(GlobalVar::shapeGraphPen.color(), QColor(0, 200, 0));
    // The text colour keeps its alpha; line colours are always opaque.
    QCOMPARE(GlobalVar::shapeTextColor, QColor(10, 20, 30, 128));
    QCOMPARE(GlobalVar::shapeTextFont.pointSize(), 20);
    QVERIFY(!GlobalVar::bEditable);
    QVERIFY(GlobalVar::bMovable);
    QVERIFY(!GlobalVar::bTextON);
    QCOMPARE(GlobalVar::textDigiLength, qint8(4));
    QVERIFY(GlobalVar::bDetectAuto);
    QCOMPARE(GlobalVar::language, quint8(2));
    QCOMPARE(ParamFile::opaqueColor(QRgb(2164195328u)), QColor(255, 0, 0, 255));
}

void TestStorage::rulersAfterDeletion()
{
    for (int i = 0; i < 3; ++i)
        GlobalVar::rulerList.append({QStringLiteral("R%1,0.01mm").arg(i), 500.0f + i, 5.0f, quint8(1)});
    ParamFile::save(2);
    GlobalVar::rulerList.removeAt(1);
    ParamFile::save(2);
    // Keys of the third ruler stay, but only two are listed and loaded.
    QVERIFY(ParamFile::contains(QStringLiteral("ruler/pixel2")));
    GlobalVar::rulerList.clear();
    ParamFile::read(2);
    QCOMPARE(GlobalVar::rulerList.size(), 2);
    QCOMPARE(GlobalVar::rulerList.at(1).name, QStringLiteral("R2,0.01mm"));
    QCOMPARE(GlobalVar::rulerList.at(1).pixel, 502.0f);
    QCOMPARE(GlobalVar::rulerList.at(1).unit, quint8(1));
}

void TestStorage::linesConfigRoundTrip()
{
    QVector<CustomLine *> horizontal, vertical;
    for (int k = 1; k <= 2; ++k) {
        auto *line = new CustomLine;
        line->position = QPointF(0, 100 * k);
        line->pen = QPen(QColor(0, 0, 255), k);
        horizontal << line;
    }
    const QString path = folder + QStringLiteral("/CFG00001.ini");
    QVERIFY(LinesConfigFile::save(path, horizontal, vertical));
    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value("hline/total").toInt(), 2);
    QCOMPARE(file.value("vline/total").toInt(), 0);
    QCOMPARE(file.value("hline/color2").toString(), QStringLiteral("4278190335"));

    const LinesConfigFile::Lines lines = LinesConfigFile::read(path);
    QCOMPARE(lines.horizontal.size(), 2);
    QCOMPARE(lines.vertical.size(), 0);
    QCOMPARE(lines.horizontal.at(1).position, 200.0);
    QCOMPARE(lines.horizontal.at(1).width, 2);
    QCOMPARE(lines.horizontal.at(1).color, QColor(0, 0, 255));
    qDeleteAll(horizontal);
}

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
