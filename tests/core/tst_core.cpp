#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "BmpEncoder.h"
#include "GlobalVar.h"
#include "SafeFile.h"
#include "SystemPaths.h"
#include "testutils.h"
#include "TextSizeCache.h"

namespace {
QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files)
           + QDir::temp().entryList({QStringLiteral("korvelin-settings-*")}, QDir::Files);
}
} // namespace

// The process-wide helpers: scales, free space, label bands and text rectangles. Captures are
// written by our own bitmap encoder; the files must stay what the toolkit's writer made of the
// same picture, byte for byte. A write that fails at any step leaves the previous file as it
// was, says so, and leaves no temporary file behind.
class TestCore : public QObject
{
    Q_OBJECT

private slots:
    // Settings copies are counted in a temporary folder of this test's own: other programs and
    // tests running beside it leave theirs in the shared one.
    void initTestCase() { qputenv("TMPDIR", ownTemp.path().toLocal8Bit()); }
    void cleanup() { SafeFile::setFailingStep(SafeFile::NoStep); }
    void kscale_data();
    void kscale();
    void freeDisk();
    void bands();
    void textRects();
    void sameBytesAsTheToolkit_data();
    void sameBytesAsTheToolkit();
    void replacesWhole();
    void failureKeepsOldFile_data();
    void failureKeepsOldFile();
    void fullFileSystem();

private:
    TestUtils::Sandbox sandbox;
    QTemporaryDir ownTemp;
    QTemporaryDir dir;
};

void TestCore::kscale_data()
{
    QTest::addColumn<qulonglong>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("1024 stays in bytes") << 1024ULL << "1024.00 B";
    QTest::newRow("1025 is kilobytes") << 1025ULL << "1.00 KB";
    QTest::newRow("2^20 stays in kilobytes") << 1048576ULL << "1024.00 KB";
    QTest::newRow("2^30 stays in megabytes") << 1073741824ULL << "1024.00 MB";
    QTest::newRow("2^30 + 1 is gigabytes") << 1073741825ULL << "1.00 GB";
}

void TestCore::kscale()
{
    QFETCH(qulonglong, bytes);
    QFETCH(QString, text);
    QCOMPARE(GlobalVar::kscale((unsigned long)bytes), text);
}

void TestCore::freeDisk()
{
    const QRegularExpression disk(
        QStringLiteral("^Total space:\\d+\\.\\d{3}MB; Available space:\\d+\\.\\d{3}MB$"));
    // Callers hand the helper a camera path resolved under the sandbox root.
    QVERIFY(disk.match(GlobalVar::getFreeDisk(SystemPaths::resolve(QStringLiteral("/media/usb/")))).hasMatch());
    QVERIFY(GlobalVar::getFreeDisk(SystemPaths::resolve(QStringLiteral("/media/no-such-stick/"))).isEmpty());
}

void TestCore::bands()
{
    // A null segment has angle 0: its outer band is the axis-aligned square of side 4 * size.
    const QPolygonF dot = GlobalVar::getOuterShape(QLineF(50, 60, 50, 60), 2.0f);
    QCOMPARE(dot.size(), 5);
    QCOMPARE(dot.boundingRect().toRect(), QRect(46, 56, 8, 8));

    // Along a horizontal segment the outer band reaches 4 pixels past both ends and to both
    // sides; the inner band lies between the end squares.
    const QLineF line(100, 200, 300, 200);
    QCOMPARE(GlobalVar::getOuterShape(line, 2.0f).boundingRect().toRect(), QRect(96, 196, 208, 8));
    QCOMPARE(GlobalVar::getInnerShape(line, 2.0f).boundingRect().toRect(), QRect(104, 196, 192, 8));

    // Along a slanted segment the band follows the segment: its middle is on the line, its
    // corners are 4 pixels off to each side.
    const QLineF slanted(0, 0, 300, 400);
    const QPolygonF band = GlobalVar::getOuterShape(slanted, 2.0f);
    for (const QPointF &inside : {QPointF(150, 200), QPointF(302, 402), QPointF(-2, -2), QPointF(2, -2)})
        QVERIFY(band.containsPoint(inside, Qt::OddEvenFill));
    for (const QPointF &outside : {QPointF(160, 200), QPointF(304, 405), QPointF(-4, -5)})
        QVERIFY(!band.containsPoint(outside, Qt::OddEvenFill));
}

void TestCore::textRects()
{
    // A label's box starts at its corner and is as large as its text: one line as the font
    // measures it, several lines as wide as the widest one and one under the other. Two
    // consecutive line breaks make three lines; the empty middle one adds its height too.
    const QFontMetrics metrics(GlobalVar::shapeTextFont);
    const QRectF one = GlobalVar::getMultiLineTextRect(QPointF(10, 20), QStringLiteral("L3=12.500mm"));
    QCOMPARE(one, QRectF(QPointF(10, 20), QSizeF(metrics.boundingRect(QStringLiteral("L3=12.500mm")).size())));
    const QString text = QStringLiteral("L7=3.250mm\n\nL8");
    const QRectF small = GlobalVar::getMultiLineTextRect(QPointF(0, 0), text);
    QCOMPARE(small.width(), qreal(metrics.boundingRect(QStringLiteral("L7=3.250mm")).width()));
    QCOMPARE(small.height(), qreal(metrics.boundingRect(QStringLiteral("L7=3.250mm")).height() + metrics.height()
                                   + metrics.boundingRect(QStringLiteral("L8")).height()));
    QCOMPARE(GlobalVar::getMultiLineTextRect(QPointF(5, 6), QString()), QRectF(5, 6, 0, 0));

    // Sizes are remembered per text, but never across a change of font.
    const QFont before = GlobalVar::shapeTextFont;
    QFont bigger = before;
    bigger.setPixelSize(40);
    GlobalVar::shapeTextFont = bigger;
    QVERIFY(GlobalVar::getMultiLineTextRect(QPointF(0, 0), text).height() > small.height());
    GlobalVar::shapeTextFont = before;
    QCOMPARE(GlobalVar::getMultiLineTextRect(QPointF(0, 0), text), small);

    // A full cache starts afresh and still answers right.
    TextSizeCache sizes(2);
    for (const QString &t : {QStringLiteral("a"), QStringLiteral("bb=1"), QStringLiteral("ccc\nd"), QStringLiteral("a")})
        QCOMPARE(sizes.size(bigger, t), TextSizeCache::measure(bigger, t));
}

void TestCore::sameBytesAsTheToolkit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("format");
    QTest::newRow("rows without padding") << 8 << 3 << int(QImage::Format_RGB32);
    QTest::newRow("rows padded by 2 bytes") << 2 << 2 << int(QImage::Format_RGB32);
    QTest::newRow("rows padded by 3 bytes") << 7 << 4 << int(QImage::Format_RGB32);
    QTest::newRow("one pixel, padded by 1 byte") << 1 << 1 << int(QImage::Format_RGB32);
    QTest::newRow("with alpha") << 6 << 3 << int(QImage::Format_ARGB32);
    QTest::newRow("other format") << 9 << 2 << int(QImage::Format_RGB888);
    QTest::newRow("camera picture") << 1920 << 1080 << int(QImage::Format_RGB32);
    QTest::newRow("nothing to encode") << 0 << 0 << int(QImage::Format_RGB32);
}

void TestCore::sameBytesAsTheToolkit()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, format);
    QImage image(width, height, QImage::Format(format));
    // Every channel different, so swapped or shifted bytes show.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 37 + y) & 255, (x * 11 + y * 53) & 255, (y * 7 + 3) & 255, 255));
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(2835);

    QByteArray expected;
    QBuffer buffer(&expected);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QCOMPARE(image.save(&buffer, "bmp"), !image.isNull());
    QCOMPARE(BmpEncoder::encode(image), expected);
}

void TestCore::replacesWhole()
{
    const QString path = dir.filePath(QStringLiteral("results.csv"));
    QVERIFY(SafeFile::write(path, "first version, rather long\n"));
    QVERIFY(SafeFile::write(path, "second\n"));
    QCOMPARE(TestUtils::readFile(path), QByteArray("second\n"));

    // Settings edits keep the keys they do not touch.
    const QString ini = dir.filePath(QStringLiteral("param"));
    QVERIFY(SafeFile::editSettings(ini, [](QSettings &s) { s.setValue(QStringLiteral("a/one"), 1); }));

    // Without a temporary folder the edit takes a copy beside the file.
    const QByteArray temporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.filePath(QStringLiteral("gone")).toLocal8Bit());
    const bool edited = SafeFile::editSettings(ini, [](QSettings &s) { s.setValue(QStringLiteral("c/three"), 3); });
    qputenv("TMPDIR", temporary);
    QVERIFY(edited);
    QSettings read(ini, QSettings::IniFormat);
    QCOMPARE(read.value(QStringLiteral("a/one")).toInt(), 1);
    QCOMPARE(read.value(QStringLiteral("c/three")).toInt(), 3);

    // Files of the user's under the names of the temporary file stay as they were.
    const QString csv = dir.filePath(QStringLiteral("parts.csv"));
    const QStringList own{csv + ".part", csv + ".1.part"};
    for (const QString &file : own)
        QVERIFY(TestUtils::writeFile(file, "the user's own"));
    QVERIFY(SafeFile::write(csv, "values\n"));
    QCOMPARE(TestUtils::readFile(csv), QByteArray("values\n"));
    for (const QString &file : own) {
        QCOMPARE(TestUtils::readFile(file), QByteArray("the user's own"));
        QFile::remove(file);
    }

    // No folder to write in.
    QString error;
    QVERIFY(!SafeFile::write(dir.filePath(QStringLiteral("none/file")), "x", &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(leftovers(dir.path()).isEmpty());
}

void TestCore::failureKeepsOldFile_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("settings");
    for (int step = SafeFile::Open; step <= SafeFile::Rename; ++step) {
        QTest::newRow(qPrintable(QStringLiteral("bytes, step %1").arg(step))) << step << false;
        QTest::newRow(qPrintable(QStringLiteral("settings, step %1").arg(step))) << step << true;
    }
}

void TestCore::failureKeepsOldFile()
{
    QFETCH(int, step);
    QFETCH(bool, settings);
    const QString path = dir.filePath(QStringLiteral("config"));
    QVERIFY(SafeFile::write(path, "[ccd]\nimage.gain=4\n"));
    const QByteArray before = TestUtils::readFile(path);

    SafeFile::setFailingStep(SafeFile::Step(step));
    QString error;
    const bool written = settings
        ? SafeFile::editSettings(path, [](QSettings &s) { s.setValue(QStringLiteral("ccd/image.gain"), 8); }, &error)
        : SafeFile::write(path, "something else entirely", &error);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(TestUtils::readFile(path), before);
    QVERIFY(leftovers(dir.path()).isEmpty());
}

void TestCore::fullFileSystem()
{
    if (geteuid() != 0)
        QSKIP("a small file system can be mounted only as root");
    QTemporaryDir mount;
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount.path()}) != 0)
        QSKIP("this machine does not allow mounting a small file system");
    const QString path = mount.filePath(QStringLiteral("capture.bmp"));
    const QByteArray small(20000, 'a');
    QVERIFY(SafeFile::write(path, small));
    QString error;
    QVERIFY(!SafeFile::write(path, QByteArray(200000, 'b'), &error));
    QVERIFY(!error.isEmpty());
    const QByteArray kept = TestUtils::readFile(path);
    const QStringList left = leftovers(mount.path());
    QProcess::execute(QStringLiteral("umount"), {mount.path()});
    QCOMPARE(kept, small);
    QVERIFY(left.isEmpty());
}

QTEST_MAIN(TestCore)
#include "tst_core.moc"
