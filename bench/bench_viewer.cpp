// Cost of the image viewer on captured photos: opening one 1920 x 1080 photo (decode, listing
// of its folder, fitting) and stepping with the next button through a folder of 20 of them,
// each step painted. Bitmaps and JPEG files, as the capture writes them.
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QToolButton>

#include "ImageViewer.h"
#include "SyntheticTarget.h"
#include "UserDialogs.h"
#include "testutils.h"

class BenchViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void open_data();
    void open();
    void browse_data() { open_data(); }
    void browse();

private:
    static constexpr int photoCount = 20;
    TestUtils::Sandbox sandbox;
    QString folder;
    int warnings = 0;
};

void BenchViewer::initTestCase()
{
    UserDialogs::setWarningHandler([this](const QString &, const QString &) {
        ++warnings;
        return true;
    });
    folder = sandbox.root() + QStringLiteral("/media/usb/DCIM");
    QVERIFY(QDir().mkpath(folder));
    const QImage target = SyntheticTarget::render().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(target.size(), QSize(1920, 1080));
    for (int i = 1; i <= photoCount; ++i) {
        // Each photo slightly different, as successive captures are.
        QImage photo = target.copy();
        photo.setPixel(i, i, qRgb(255, 0, 0));
        const QString base = folder + QStringLiteral("/IMG%1").arg(i, 5, 10, QLatin1Char('0'));
        QVERIFY(photo.save(base + QStringLiteral(".bmp")));
        QVERIFY(photo.save(base + QStringLiteral(".jpg")));
    }
}

void BenchViewer::cleanupTestCase()
{
    UserDialogs::setWarningHandler(nullptr);
}

void BenchViewer::open_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("bmp") << QStringLiteral("bmp");
    QTest::newRow("jpg") << QStringLiteral("jpg");
}

void BenchViewer::open()
{
    QFETCH(QString, suffix);
    const QString path = folder + QStringLiteral("/IMG00001.") + suffix;
    bool opened = false;
    QBENCHMARK {
        ImageViewer viewer;
        opened = viewer.openImage(path);
    }
    QVERIFY(opened);
}

void BenchViewer::browse()
{
    QFETCH(QString, suffix);
    ImageViewer viewer;
    QVERIFY(viewer.openImage(folder + QStringLiteral("/IMG00001.") + suffix));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    auto *next = viewer.findChild<QToolButton *>(QStringLiteral("tb_NavigationNext"));
    QVERIFY(next);

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < photoCount; ++i) {
        QTest::mouseClick(next, Qt::LeftButton);
        // The step is complete once the new photo is painted.
        QCoreApplication::processEvents();
    }
    const qint64 elapsed = timer.nsecsElapsed();
    QCOMPARE(viewer.windowTitle().section(QLatin1Char('\t'), 1, 1), QStringLiteral("IMG00001.") + suffix);
    QCOMPARE(warnings, 0);
    qInfo("%s: %d steps in %.1f ms, %.1f ms a step", QTest::currentDataTag(), photoCount, elapsed / 1e6,
          elapsed / 1e6 / photoCount);
}

QTEST_MAIN(BenchViewer)
#include "bench_viewer.moc"
