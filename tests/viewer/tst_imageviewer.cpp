#include <QBuffer>
#include <QDir>
#include <QGraphicsScene>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QWheelEvent>
#include <QtEndian>

#include <cmath>
#include <memory>

#include "ImageView.h"
#include "ImageViewer.h"
#include "DialogAnswers.h"
#include "testutils.h"

// The image viewer through its real buttons and view: fitting, zoom limits, rotation, browsing in
// name order, deletion and the files on a stick that cannot be shown. Message boxes are answered
// through the dialogs seam.
class TestImageViewer : public QObject, private DialogAnswers
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void navigationBarAndTitle();
    void browsesOneTypeInNameOrder();
    void zoomStaysWithinLimits();
    void panningAndRotation();
    void unreadableFiles_data();
    void unreadableFiles();
    void unreadablePhotoWhileBrowsing();
    void deleteUntilNoneIsLeft();
    void deleteOfPhotoNotInListTouchesNothing();
    void failedDeleteKeepsList();

private:
    // A photo of `size` in the test folder, in the format its suffix names.
    void photo(const QString &name, const QSize &size = QSize(320, 240));
    void writeBytes(const QString &name, const QByteArray &bytes) { QVERIFY(TestUtils::writeFile(file(name), bytes)); }
    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }
    // Opens `name` in a shown viewer.
    bool open(const QString &name);
    void press(const char *button);
    void wheel(int delta);
    // A plain picture of `size` encoded as `format` says.
    static QByteArray encoded(const QSize &size, const char *format)
    {
        QImage image(size, QImage::Format_RGB888);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        return image.save(&buffer, format) ? bytes : QByteArray();
    }
    // The file name and zoom the title shows.
    QString shownName() const { return viewer->windowTitle().section(QLatin1Char('\t'), 1, 1); }
    QString shownZoom() const { return viewer->windowTitle().section(QLatin1Char('\t'), 0, 0); }
    ImageView *view() const { return viewer->findChild<ImageView *>(); }
    // The zoom the title shows for a photo of `size` fitted to the 866 x 559 dialog.
    static QString fitText(qreal width, qreal height)
    {
        return QString::number(qRound(qMin(866 / width, 559 / height) * 100)) + QLatin1Char('%');
    }
    // The view's turn in degrees, 0 ... 359.
    int viewAngle() const
    {
        const QTransform t = view()->transform();
        return (qRound(std::atan2(t.m12(), t.m11()) * 180 / M_PI) + 360) % 360;
    }

    TestUtils::Sandbox sandbox;
    std::unique_ptr<ImageViewer> viewer;
    QString folder;
};

void TestImageViewer::init()
{
    folder = sandbox.root() + QStringLiteral("/media/usb/DCIM");
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    answerDialogs();
}

void TestImageViewer::cleanup()
{
    viewer.reset();
    forgetDialogs();
}

void TestImageViewer::photo(const QString &name, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(int(qHash(name) % 360), 200, 200));
    QVERIFY(image.save(file(name)));
}

bool TestImageViewer::open(const QString &name)
{
    viewer.reset(new ImageViewer);
    if (!viewer->openImage(file(name)))
        return false;
    viewer->show();
    return QTest::qWaitForWindowExposed(viewer.get());
}

void TestImageViewer::press(const char *button)
{
    auto *tb = viewer->findChild<QToolButton *>(QLatin1String(button));
    QVERIFY2(tb, button);
    QTest::mouseClick(tb, Qt::LeftButton, Qt::NoModifier, tb->rect().center());
}

void TestImageViewer::wheel(int delta)
{
    QWidget *viewport = view()->viewport();
    const QPointF pos(200, 150);
    QWheelEvent event(pos, viewport->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

void TestImageViewer::navigationBarAndTitle()
{
    photo(QStringLiteral("IMG00001.bmp"), QSize(640, 480));
    QVERIFY(open(QStringLiteral("IMG00001.bmp")));
    QCOMPARE(view()->geometry(), QRect(0, 0, 866, 559));
    QCOMPARE(viewer->windowTitle(), fitText(640, 480) + QStringLiteral("\tIMG00001.bmp\tImage Viewer"));
    press("tb_ZoomOriginal");
    QCOMPARE(viewer->windowTitle(), QStringLiteral("100%\tIMG00001.bmp\tImage Viewer"));

    // The bar lies over the photo: a click at any button reaches the button, not the view.
    auto *bar = viewer->findChild<QGroupBox *>(QStringLiteral("gb_Navigation"));
    QVERIFY(bar);
    const QList<QToolButton *> buttons = bar->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), 9);
    for (QToolButton *tb : buttons)
        QCOMPARE(viewer->childAt(tb->mapTo(viewer.get(), tb->rect().center())), static_cast<QWidget *>(tb));
    // Centred at the bottom.
    QVERIFY(qAbs(bar->geometry().center().x() - viewer->width() / 2) <= 2);
    QVERIFY(bar->geometry().bottom() > viewer->height() - 30);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_CN.qm")));
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(viewer->windowTitle(), QStringLiteral("100%\tIMG00001.bmp\t图片浏览器"));
    QCOMPARE(bar->findChild<QToolButton *>(QStringLiteral("tb_RotateLeft"))->toolTip(), QStringLiteral("向左旋转"));
    QCOMPARE(viewer->findChild<QToolButton *>(QStringLiteral("tb_Measure"))->toolTip(), QStringLiteral("重新测量此图片"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(viewer->windowTitle(), QStringLiteral("100%\tIMG00001.bmp\tImage Viewer"));
}

void TestImageViewer::browsesOneTypeInNameOrder()
{
    // Written out of name order, with a photo of the other type among them.
    const QStringList names{"IMG00003.bmp", "IMG00010.bmp", "IMG00001.bmp", "IMG00002.jpg", "IMG00002.bmp"};
    for (const QString &name : names)
        photo(name);
    QStringList bitmaps = names.filter(QStringLiteral(".bmp"));
    bitmaps.sort();

    QVERIFY(open(QStringLiteral("IMG00002.bmp")));
    const int index = bitmaps.indexOf(QStringLiteral("IMG00002.bmp"));
    QStringList forward, expected;
    for (int i = 1; i <= bitmaps.size(); ++i) {
        press("tb_NavigationNext");
        forward << shownName();
        expected << bitmaps.at((index + i) % bitmaps.size());
    }
    QCOMPARE(forward, expected);
    // Back from the first photo to the last.
    press("tb_NavigationPrevious");
    QCOMPARE(shownName(), QStringLiteral("IMG00001.bmp"));
    press("tb_NavigationPrevious");
    QCOMPARE(shownName(), bitmaps.last());
    QVERIFY(warnings.isEmpty());

    // A jpg browses only the jpg photos.
    QVERIFY(open(QStringLiteral("IMG00002.jpg")));
    press("tb_NavigationNext");
    QCOMPARE(shownName(), QStringLiteral("IMG00002.jpg"));
}

void TestImageViewer::zoomStaysWithinLimits()
{
    photo(QStringLiteral("IMG00001.bmp"), QSize(1920, 1080));
    QVERIFY(open(QStringLiteral("IMG00001.bmp")));
    QCOMPARE(shownZoom(), fitText(1920, 1080));
    QCOMPARE(view()->transform().m11(), double(float(866.0 / 1920)));

    press("tb_ZoomOriginal");
    press("tb_ZoomIn");
    press("tb_ZoomIn");
    QCOMPARE(shownZoom(), QStringLiteral("121%"));
    for (int i = 0; i < 40; ++i)
        press("tb_ZoomIn");
    QCOMPARE(shownZoom(), QStringLiteral("3200%"));
    QCOMPARE(view()->transform().m11(), 32.0);
    for (int i = 0; i < 80; ++i)
        press("tb_ZoomOut");
    QCOMPARE(shownZoom(), QStringLiteral("10%"));
    press("tb_ZoomFix");
    QCOMPARE(shownZoom(), fitText(1920, 1080));

    // The wheel takes the same steps, within the same limits.
    press("tb_ZoomOriginal");
    wheel(120);
    QCOMPARE(shownZoom(), QStringLiteral("110%"));
    wheel(-120);
    QCOMPARE(shownZoom(), QStringLiteral("100%"));
}

// A drag pans only a photo larger than fits; the turn is kept while browsing.
void TestImageViewer::panningAndRotation()
{
    photo(QStringLiteral("IMG00001.bmp"), QSize(640, 480));
    photo(QStringLiteral("IMG00002.bmp"), QSize(320, 240));
    QVERIFY(open(QStringLiteral("IMG00001.bmp")));
    QWidget *viewport = view()->viewport();
    const QPoint centre = viewport->rect().center();
    const QPointF fitted = view()->mapToScene(centre);
    TestUtils::drag(viewport, QPointF(400, 300), QPointF(300, 250));
    QCOMPARE(view()->mapToScene(centre), fitted);
    for (int i = 0; i < 5; ++i)
        press("tb_ZoomIn");
    const QPointF zoomed = view()->mapToScene(centre);
    TestUtils::drag(viewport, QPointF(400, 300), QPointF(300, 250));
    const QPointF panned = view()->mapToScene(centre);
    // Dragging left and up brings the right and lower part of the photo into view.
    QVERIFY(panned.x() > zoomed.x() + 20 && panned.y() > zoomed.y() + 10);

    QList<int> angles;
    for (const char *button : {"tb_RotateRight", "tb_RotateRight", "tb_RotateRight", "tb_RotateRight",
                               "tb_RotateLeft", "tb_RotateLeft", "tb_RotateLeft", "tb_RotateLeft"}) {
        press(button);
        angles << viewAngle();
    }
    QCOMPARE(angles, (QList<int>{90, 180, 270, 0, 270, 180, 90, 0}));
    // A quarter turn stands the photo upright, and fitting fits it as it stands.
    press("tb_RotateRight");
    press("tb_ZoomFix");
    QCOMPARE(shownZoom(), fitText(480, 640));
    press("tb_NavigationNext");
    QCOMPARE(shownName(), QStringLiteral("IMG00002.bmp"));
    QCOMPARE(viewAngle(), 90);
    QCOMPARE(shownZoom(), fitText(240, 320));
    const QRectF shown = view()->mapFromScene(view()->sceneRect()).boundingRect();
    QVERIFY(QRectF(view()->viewport()->rect()).adjusted(-1, -1, 1, 1).contains(shown));
}

void TestImageViewer::unreadableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    const QByteArray bmp = encoded(QSize(64, 64), "BMP"), jpg = encoded(QSize(64, 64), "JPG");
    QVERIFY(!bmp.isEmpty() && !jpg.isEmpty());
    QTest::newRow("zero-byte jpg") << "IMG00001.jpg" << QByteArray() << false;
    QTest::newRow("not a picture") << "IMG00001.bmp" << QByteArray(500, 'x') << false;
    // A photo cut short is refused, never shown with blank or grey rows as if it were whole.
    for (const int eighths : {1, 4, 7}) {
        QTest::addRow("bmp cut at %d/8", eighths) << "IMG00001.bmp" << bmp.left(bmp.size() * eighths / 8) << false;
        QTest::addRow("jpg cut at %d/8", eighths) << "IMG00001.jpg" << jpg.left(jpg.size() * eighths / 8) << false;
    }
    QTest::newRow("jpg without its end") << "IMG00001.jpg" << jpg.left(jpg.size() - 2) << false;
    QTest::newRow("jpg with bytes after its end") << "IMG00001.jpg" << jpg + QByteArray("trailer") << true;

    // The size fields say 60000 x 60000; the file holds 64 x 64 pixels at most.
    QByteArray hugeBmp = bmp;
    qToLittleEndian<qint32>(60000, hugeBmp.data() + 18);
    qToLittleEndian<qint32>(60000, hugeBmp.data() + 22);
    QTest::newRow("bmp claiming 60000 x 60000") << "IMG00001.bmp" << hugeBmp << false;
    QByteArray hugeJpg = jpg;
    const int frame = hugeJpg.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(frame > 0);
    qToBigEndian<quint16>(60000, hugeJpg.data() + frame + 5);
    qToBigEndian<quint16>(60000, hugeJpg.data() + frame + 7);
    QTest::newRow("jpg claiming 60000 x 60000") << "IMG00001.jpg" << hugeJpg << false;
}

void TestImageViewer::unreadableFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    writeBytes(name, bytes);
    QCOMPARE(open(name), shown);
    QCOMPARE(warnings, shown ? QStringList() : QStringList{QStringLiteral("Can't open this image!")});
    QCOMPARE(view()->scene()->items().size(), shown ? 1 : 0);
}

void TestImageViewer::unreadablePhotoWhileBrowsing()
{
    const QString unreadable = QStringLiteral("Can't open this image!");
    photo(QStringLiteral("IMG00001.bmp"), QSize(640, 480));
    writeBytes(QStringLiteral("IMG00002.bmp"), QByteArray());
    photo(QStringLiteral("IMG00003.bmp"));
    QVERIFY(open(QStringLiteral("IMG00001.bmp")));

    press("tb_NavigationNext");
    QCOMPARE(warnings, QStringList{unreadable});
    QCOMPARE(shownName(), QStringLiteral("IMG00001.bmp"));
    QCOMPARE(view()->sceneRect(), QRectF(0, 0, 640, 480));
    // The step has happened: the next one goes past the unreadable file.
    press("tb_NavigationNext");
    QCOMPARE(shownName(), QStringLiteral("IMG00003.bmp"));
    QCOMPARE(view()->sceneRect(), QRectF(0, 0, 320, 240));
    QCOMPARE(view()->scene()->items().size(), 1);

    // Back onto the unreadable one, then delete: the photo on the screen goes, not the file that
    // could not be shown.
    press("tb_NavigationPrevious");
    press("tb_DeleteImage");
    QVERIFY(!QFile::exists(file(QStringLiteral("IMG00003.bmp"))));
    QVERIFY(QFile::exists(file(QStringLiteral("IMG00002.bmp"))));
    QCOMPARE(shownName(), QStringLiteral("IMG00001.bmp"));

    // Deleted, a photo followed by one that cannot be shown leaves the screen, and the one that
    // cannot be shown is not deleted next.
    press("tb_DeleteImage");
    QVERIFY(!QFile::exists(file(QStringLiteral("IMG00001.bmp"))));
    QCOMPARE(warnings, (QStringList{unreadable, unreadable, unreadable}));
    QVERIFY(view()->scene()->items().isEmpty());
    press("tb_DeleteImage");
    QVERIFY(QFile::exists(file(QStringLiteral("IMG00002.bmp"))));
}

void TestImageViewer::deleteUntilNoneIsLeft()
{
    for (const char *name : {"IMG00001.bmp", "IMG00002.bmp", "IMG00003.bmp", "IMG00004.jpg"})
        photo(QLatin1String(name));
    QVERIFY(open(QStringLiteral("IMG00001.bmp")));
    QSignalSpy finished(viewer.get(), &QDialog::finished);

    answer = false;
    press("tb_DeleteImage");
    QCOMPARE(questions, 1);
    QVERIFY(QFile::exists(file(QStringLiteral("IMG00001.bmp"))));

    // The first of three: the former second one follows.
    answer = true;
    press("tb_DeleteImage");
    QVERIFY(!QFile::exists(file(QStringLiteral("IMG00001.bmp"))));
    QCOMPARE(shownName(), QStringLiteral("IMG00002.bmp"));
    // The last of the list: the first follows, and the deleted ones are no longer browsed.
    press("tb_NavigationNext");
    press("tb_DeleteImage");
    QVERIFY(!QFile::exists(file(QStringLiteral("IMG00003.bmp"))));
    QCOMPARE(shownName(), QStringLiteral("IMG00002.bmp"));
    press("tb_NavigationNext");
    QCOMPARE(shownName(), QStringLiteral("IMG00002.bmp"));
    QVERIFY(warnings.isEmpty());

    // The only one left: the notice, then the viewer closes.
    press("tb_DeleteImage");
    QCOMPARE(questions, 4);
    QCOMPARE(warnings, QStringList{QStringLiteral("All images are delete, will close image viewer!")});
    QVERIFY(!viewer->isVisible());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("IMG00004.jpg")});
}

void TestImageViewer::deleteOfPhotoNotInListTouchesNothing()
{
    // A hidden file can be picked in the open dialog but is not among the photos browsed.
    photo(QStringLiteral(".IMG00007.bmp"));
    photo(QStringLiteral("IMG00001.bmp"));
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QVERIFY(open(QStringLiteral(".IMG00007.bmp")));

    press("tb_DeleteImage");
    QCOMPARE(questions, 0);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first() != QStringLiteral("Can't open this image!"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    QVERIFY(viewer->isVisible());
}

void TestImageViewer::failedDeleteKeepsList()
{
    for (const char *name : {"IMG00001.bmp", "IMG00002.bmp", "IMG00003.bmp"})
        photo(QLatin1String(name));
    QVERIFY(open(QStringLiteral("IMG00001.bmp")));
    // Gone behind the viewer's back, as when another program or a pulled stick removed it.
    QVERIFY(QFile::remove(file(QStringLiteral("IMG00001.bmp"))));

    press("tb_DeleteImage");
    QCOMPARE(questions, 1);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(shownName(), QStringLiteral("IMG00001.bmp"));
    QVERIFY(viewer->isVisible());
    // The entry is still in the list: next and back step over it as before.
    press("tb_NavigationNext");
    QCOMPARE(shownName(), QStringLiteral("IMG00002.bmp"));
    press("tb_NavigationPrevious");
    QCOMPARE(warnings.size(), 2);
    press("tb_NavigationPrevious");
    QCOMPARE(shownName(), QStringLiteral("IMG00003.bmp"));
}

QTEST_MAIN(TestImageViewer)
#include "tst_imageviewer.moc"
