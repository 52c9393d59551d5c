#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "CustomLine.h"
#include "DialogAnswers.h"
#include "Frame.h"
#include "FrameDriver.h"
#include "GraphicsView.h"
#include "ImageViewer.h"
#include "MeasureLine.h"
#include "Menu.h"
#include "PanelBehaviour.h"
#include "ParamFile.h"
#include "SimulatedCamera.h"
#include "ccdSetDialog.h"
#include "upgradeDialog.h"
#include "UserDialogs.h"
#include "testutils.h"

// The control panel driven as a user drives it: its buttons, the results table, the files it
// writes and what survives a restart. Message boxes are answered through the dialog seam.
class TestMenu : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void toolArming();
    void resultsTable();
    void manyResultsKeepTheirRows();
    void deleting();
    void exportEndToEnd();
    void restartRestoresSettings();
    void fadeAndHiddenControls();
    void cameraButtonsAndCapture();
    void captureNamesAndFailures();

private:
    QToolButton *button(const char *name) const { return panel(name); }
    Menu *menu() const { return frame->menu(); }
    QTableWidget *table() const { return panel<QTableWidget>("tw_DataTable"); }
    void drawSegment(const QPointF &a, const QPointF &b);
    // Accepts the panel's pending save dialog with the name it proposes.
    void acceptSaveDialog();
    // Once the event loop runs (inside the dialog's own loop), records the title of the shown
    // window of type W, modal where `modal` says so, and closes it.
    template<class W>
    void closeWhenShown(QString *title, bool modal)
    {
        QTimer::singleShot(0, this, [title, modal]() {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (auto *shown = qobject_cast<W *>(window)) {
                    *title = shown->isVisible() && (!modal || shown->isModal()) ? shown->windowTitle() : QString();
                    shown->reject();
                }
            }
        });
    }
};

void TestMenu::init()
{
    QFile::remove(ParamFile::path());
    QDir(sandbox.root() + QStringLiteral("/media/usb/DCIM")).removeRecursively();
    QDir(sandbox.root() + QStringLiteral("/mnt/DCIM")).removeRecursively();
    openFrame();
}

void TestMenu::cleanup()
{
    closeFrame();
}

void TestMenu::drawSegment(const QPointF &a, const QPointF &b)
{
    click(viewport(), a);
    move(viewport(), b);
    click(viewport(), b);
}

void TestMenu::acceptSaveDialog()
{
    QFileDialog *dialog = menu()->fileDialog();
    QVERIFY(dialog && dialog->isVisible() && dialog->acceptMode() == QFileDialog::AcceptSave);
    QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
}

// The panel's buttons arm the main window's tool.
void TestMenu::toolArming()
{
    QToolButton *line = button("tb_FreeLine");
    line->click();
    QCOMPARE(frame->armedTool(), 3);
    QVERIFY(frame->isDrawing());
    QVERIFY(line->styleSheet().contains(QLatin1String("/line-select.png")));
    button("tb_Circle")->click();
    QCOMPARE(frame->armedTool(), 15);
    button("tb_Circle")->click();
    QCOMPARE(frame->armedTool(), 0);
    QVERIFY(!frame->isDrawing());

    // A right click on the view with nothing in progress disarms and resets the icon too.
    line->click();
    drawSegment(QPointF(100, 100), QPointF(200, 100));
    click(frame->view()->viewport(), QPointF(300, 300), Qt::RightButton);
    QCOMPARE(frame->armedTool(), 0);
    QVERIFY(!line->styleSheet().contains(QLatin1String("select")));

    // The cross hair toggle hides both lines and is remembered.
    button("tb_CrossLine")->click();
    QVERIFY(!GlobalVar::bCrossShow);
    QVERIFY(!menu()->verticalCrossLine->isVisible());
    QVERIFY(button("tb_CrossLine")->styleSheet().contains(QLatin1String("crossline-hide.png")));
    QCOMPARE(QSettings(ParamFile::path(), QSettings::IniFormat).value("crosshair/on").toBool(), false);
}

// The rows and their values are checked against the items by the random session.
void TestMenu::resultsTable()
{
    button("tb_FreeLine")->click();
    drawSegment(QPointF(100, 100), QPointF(400, 500));
    drawSegment(QPointF(100, 600), QPointF(200, 600));
    // A click on a row disarms the tool and selects its item only.
    emit table()->cellClicked(1, 0);
    QCOMPARE(frame->armedTool(), 0);
    QVERIFY(!GlobalVar::shapeList.at(0)->isSelected() && GlobalVar::shapeList.at(1)->isSelected());
}

void TestMenu::manyResultsKeepTheirRows()
{
    for (int i = 0; i < 300; ++i) {
        auto *line = new MeasureLine;
        frame->scene()->addItem(line);
        line->setPoint(QPointF(10, 10 + i), 1, quint16(i + 1));
        line->endDraw(QPointF(20, 10 + i));
        GlobalVar::shapeList << line;
    }
    menu()->updateDataTable();
    // The export holds every result.
    QVERIFY(menu()->exportDataTable(sandbox.path(QStringLiteral("many.csv"))));
    QCOMPARE(TestUtils::readFile(sandbox.path(QStringLiteral("many.csv"))).count("\r\n"), 301);

    // A language change lays the table out again without losing rows.
    button("tb_English")->click();
    QTRY_COMPARE(table()->rowCount(), 300);
    QCOMPARE(cell(299, 1), QStringLiteral("L300"));
}

// Asking, refusing, deleting one row and the rows that move up are tested on the bare table; here
// the main window lets go of its item, and the delete button hides the items but keeps them.
void TestMenu::deleting()
{
    button("tb_FreeLine")->click();
    for (int i = 0; i < 3; ++i)
        drawSegment(QPointF(100, 100 + 100 * i), QPointF(300, 100 + 100 * i));
    QCOMPARE(frame->currentShape(), GlobalVar::shapeList.at(2));
    menu()->slot_tableAllDelete();
    QCOMPARE(questions, 1);
    QVERIFY(GlobalVar::shapeList.isEmpty());
    QVERIFY(!frame->currentShape());

    // Nothing to delete: no question. The tool still works after its last item was deleted.
    menu()->slot_tableAllDelete();
    QCOMPARE(questions, 1);
    drawSegment(QPointF(100, 100), QPointF(300, 100));
    button("tb_Delete")->click();
    QCOMPARE(GlobalVar::shapeList.size(), 1);
    QVERIFY(!GlobalVar::shapeList.first()->isVisible());
    QCOMPARE(cell(0, 1), GlobalVar::shapeList.first()->labelName());
}

void TestMenu::exportEndToEnd()
{
    // The line tool from the panel, a segment on the view, the save button, the dialog.
    const QString folder = sandbox.root() + QStringLiteral("/media/usb/DCIM/");
    button("tb_FreeLine")->click();
    drawSegment(QPointF(190, 560), QPointF(490, 560));
    button("tb_DataSave")->click();
    QCOMPARE(menu()->fileDialog()->selectedFiles().value(0), folder + QStringLiteral("EXT00001.csv"));
    // A second save while the dialog is open does nothing.
    QFileDialog *dialog = menu()->fileDialog();
    button("tb_DataSave")->click();
    QCOMPARE(menu()->fileDialog(), dialog);
    acceptSaveDialog();
    QCOMPARE(TestUtils::readFile(folder + QStringLiteral("EXT00001.csv")),
             QByteArray("\xEF\xBB\xBF"
                        "index,item,value,\r\n"
                        "1,L1,\"L1=300.000pixels\",\r\n"));
    // The next export proposes the next number; after a cancel the button opens a new dialog, and
    // a name typed without extension is saved as a CSV file all the same.
    button("tb_DataSave")->click();
    QVERIFY(menu()->fileDialog()->selectedFiles().value(0).endsWith(QLatin1String("EXT00002.csv")));
    menu()->fileDialog()->reject();
    button("tb_DataSave")->click();
    menu()->fileDialog()->selectFile(folder + QStringLiteral("parts"));
    acceptSaveDialog();
    QVERIFY(QFile::exists(folder + QStringLiteral("parts.csv")));
    QVERIFY(!QFile::exists(folder + QStringLiteral("parts")));
}

void TestMenu::restartRestoresSettings()
{
    // First start wrote the start values.
    QVERIFY(ParamFile::contains(QStringLiteral("param/linewidth")));
    QVERIFY(!ParamFile::contains(QStringLiteral("international/language")));
    // Refined snapping is off and has no key until it is first switched.
    QVERIFY(!ParamFile::contains(QStringLiteral("detect/subpixel")));
    QVERIFY(!button("tb_SubPixel")->isChecked());

    button("tb_English")->click();
    // Only the chosen language's button is framed.
    QVERIFY(!button("tb_English")->styleSheet().isEmpty());
    QVERIFY(button("tb_SimplifiedChinese")->styleSheet().isEmpty());
    button("tb_PointDetect")->click();
    button("tb_SubPixel")->click();
    menu()->findChild<QSpinBox *>(QStringLiteral("sb_HorizontalLines"))->setValue(3);
    button("tb_HorizontalLineOkey")->click();
    // Drag the vertical cross hair line to x = 1000.
    TestUtils::drag(frame->view()->viewport(), QPointF(800, 300), QPointF(1000, 300));
    // Custom lines reach a file only through "Save".
    menu()->saveConfig(sandbox.path(QStringLiteral("lines.ini")));

    closeFrame();
    openFrame();
    QCOMPARE(GlobalVar::language, quint8(2));
    QVERIFY(GlobalVar::bDetectAuto);
    QVERIFY(button("tb_PointDetect")->styleSheet().contains(QLatin1String("target-auto.png")));
    QVERIFY(GlobalVar::bSubPixel);
    QVERIFY(button("tb_SubPixel")->isChecked());
    QCOMPARE(menu()->verticalCrossLine->pos(), QPointF(1000, 0));
    QCOMPARE(GlobalVar::horizontalLineList.size(), 3);
    QCOMPARE(GlobalVar::horizontalLineList.at(0)->pos(), QPointF(0, 270));
    QCOMPARE(menu()->findChild<QSpinBox *>(QStringLiteral("sb_HorizontalLines"))->value(), 3);
    QCOMPARE(GlobalVar::sConfigFileName, sandbox.path(QStringLiteral("lines.ini")));
}

void TestMenu::fadeAndHiddenControls()
{
    QEvent leave(QEvent::Leave);
    // Pinned (the start state): the timer has no effect.
    QCoreApplication::sendEvent(menu(), &leave);
    menu()->panelBehaviour()->fadeIfIdle();
    QVERIFY(!menu()->panelBehaviour()->isFaded());
    QVERIFY(table()->isVisible());

    button("tb_Pin")->click();
    QVERIFY(!menu()->panelBehaviour()->isPinned());
    QCoreApplication::sendEvent(menu(), &leave);
    menu()->panelBehaviour()->fadeIfIdle();
    QVERIFY(menu()->panelBehaviour()->isFaded());
    QCOMPARE(menu()->panelBehaviour()->opacity(), 0.0);
    QVERIFY(!table()->isVisible());

    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(1610, 10));
    QCoreApplication::sendEvent(menu(), &enter);
    QVERIFY(!menu()->panelBehaviour()->isFaded());
    QVERIFY(table()->isVisible());
    // The idle timer leaves a panel the pointer is on.
    menu()->panelBehaviour()->fadeIfIdle();
    QVERIFY(!menu()->panelBehaviour()->isFaded());

    // Three presses on the version label, with others between them, show the upgrade button;
    // the next press elsewhere hides it.
    QWidget *version = menu()->findChild<QWidget *>(QStringLiteral("l_Version"));
    QWidget *upgrade = button("tb_UpgradeApplication");
    const QPoint on = version->geometry().center(), off(150, 1070);
    const QVector<QPoint> presses{on, on, off, on, off, on, on, on};
    for (int i = 0; i < presses.size(); ++i) {
        QTest::mouseClick(menu(), Qt::LeftButton, Qt::NoModifier, presses.at(i));
        QCOMPARE(upgrade->isVisible(), i == 3 || i == 7);
    }

    // The revealed button opens the upgrade dialog, modal, and hides itself.
    QString shownTitle;
    closeWhenShown<upgradeDialog>(&shownTitle, true);
    qobject_cast<QToolButton *>(upgrade)->click();
    QCOMPARE(shownTitle, QStringLiteral("upgrade"));
    QVERIFY(!upgrade->isVisible());
}

void TestMenu::cameraButtonsAndCapture()
{
    // Freeze holds the simulator's picture, and lets it go again.
    SimulatedCamera *camera = SimulatedCamera::active();
    QVERIFY(camera);
    button("tb_Freeze")->click();
    QVERIFY(camera->isFrozen());
    QVERIFY(button("tb_Freeze")->styleSheet().contains(QLatin1String("freeze-on.png")));
    button("tb_Freeze")->click();
    QVERIFY(!camera->isFrozen());

    // The camera settings open beside the panel.
    button("tb_Config")->click();
    auto *settings = menu()->findChild<ccdSetDialog *>();
    QVERIFY(settings && settings->isVisible());
    settings->close();

    // F12 saves the picture as the next free bitmap (drawn with the measurements, as
    // tst_pointdetection shows).
    QTest::keyRelease(frame, Qt::Key_F12);
    QCOMPARE(QImage(sandbox.root() + QStringLiteral("/media/usb/DCIM/IMG00001.bmp")).size(), QSize(1920, 1080));

    // The capture button asks for a name; a .jpg name makes JPEG the type from now on.
    button("tb_Capture")->click();
    QCOMPARE(menu()->fileAction(), 2);
    QVERIFY(menu()->fileDialog()->selectedFiles().value(0).endsWith(QLatin1String("IMG00002.bmp")));
    const QString jpg = sandbox.root() + QStringLiteral("/media/usb/DCIM/IMG00002.jpg");
    menu()->fileDialog()->selectFile(jpg);
    acceptSaveDialog();
    QCOMPARE(GlobalVar::imageType, QStringLiteral("jpg"));
    QCOMPARE(QImage(jpg).size(), QSize(1920, 1080));
    button("tb_Capture")->click();
    QVERIFY(menu()->fileDialog()->selectedFiles().value(0).endsWith(QLatin1String("IMG00003.jpg")));
    menu()->fileDialog()->reject();
    QVERIFY(warnings.isEmpty());

    // The open button shows a capture in the viewer, the saved type offered first.
    QString offeredFolder, offeredFilter, shownTitle;
    UserDialogs::setOpenFileHandler([&](const QString &, const QString &folder, const QString &filter) {
        offeredFolder = folder;
        offeredFilter = filter;
        return jpg;
    });
    closeWhenShown<ImageViewer>(&shownTitle, false);
    button("tb_FolderOpen")->click();
    QCOMPARE(offeredFolder, sandbox.root() + QStringLiteral("/media/usb/DCIM/"));
    QVERIFY(offeredFilter.startsWith(QLatin1String("Image (*.jpg)")));
    QVERIFY2(shownTitle.contains(QLatin1String("IMG00002.jpg")), qPrintable(shownTitle));
    QVERIFY(button("tb_FolderOpen")->styleSheet().contains(QLatin1String("folder.png")));

    // Without a stick: a warning and no dialog.
    offeredFolder.clear();
    QVERIFY(QDir(sandbox.root() + QStringLiteral("/media/usb")).removeRecursively());
    button("tb_FolderOpen")->click();
    QVERIFY(offeredFolder.isEmpty());
    QCOMPARE(warnings, QStringList{"U disk isn't exists! Please insert U disk!"});
    QVERIFY(QDir().mkpath(sandbox.root() + QStringLiteral("/media/usb")));
}

// A name typed without extension is saved in the type of the chosen filter (the completion of
// names is tested on its own), a name with one sets the type; a capture that cannot be saved says
// so, from the button and from F12 alike.
void TestMenu::captureNamesAndFailures()
{
    const QString folder = sandbox.root() + QStringLiteral("/media/usb/DCIM/");
    auto captureAs = [&](const QString &typed, const QString &filter) {
        button("tb_Capture")->click();
        menu()->fileDialog()->selectNameFilter(filter);
        menu()->fileDialog()->selectFile(folder + typed);
        acceptSaveDialog();
    };
    captureAs(QStringLiteral("shot"), QStringLiteral("Image (*.jpg)"));
    QCOMPARE(QImage(folder + QStringLiteral("shot.jpg"), "JPG").size(), QSize(1920, 1080));
    QCOMPARE(GlobalVar::imageType, QStringLiteral("jpg"));
    captureAs(QStringLiteral("Part.7.BMP"), QStringLiteral("Image (*.jpg)"));
    QCOMPARE(QImage(folder + QStringLiteral("Part.7.BMP"), "BMP").size(), QSize(1920, 1080));
    QCOMPARE(GlobalVar::imageType, QStringLiteral("bmp"));
    QVERIFY(warnings.isEmpty());
    QCOMPARE(questions, 0);

    // The completed name is an existing file: replaced only when the user agrees.
    const QString old = folder + QStringLiteral("shot.bmp");
    QVERIFY(TestUtils::writeFile(old, "old"));
    answer = false;
    captureAs(QStringLiteral("shot"), QStringLiteral("Image (*.bmp)"));
    QCOMPARE(questions, 1);
    QCOMPARE(TestUtils::readFile(old), QByteArray("old"));
    answer = true;
    captureAs(QStringLiteral("shot"), QStringLiteral("Image (*.bmp)"));
    QCOMPARE(questions, 2);
    QCOMPARE(QImage(old, "BMP").size(), QSize(1920, 1080));
    QVERIFY(warnings.isEmpty());

    // Without a photo nothing is saved, and the user hears of it.
    SimulatedCamera::active()->setDmaStalled(true);
    captureAs(QStringLiteral("none"), QStringLiteral("Image (*.bmp)"));
    QCOMPARE(warnings, QStringList{"The picture could not be saved!"});
    QTest::keyRelease(frame, Qt::Key_F12);
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(warnings.last(), QStringLiteral("The picture could not be saved!"));
    SimulatedCamera::active()->setDmaStalled(false);
    QCOMPARE(QDir(folder).entryList({"none*", "IMG*"}), QStringList());
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
