#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QUndoStack>

#include "ccdSetDialog.h"
#include "CustomLine.h"
#include "DialogAnswers.h"
#include "Frame.h"
#include "FrameDriver.h"
#include "GraphicsView.h"
#include "ImageViewer.h"
#include "MeasureLine.h"
#include "MeasurementDocument.h"
#include "Menu.h"
#include "NumericKeypadDialog.h"
#include "PanelBehaviour.h"
#include "PanelIcons.h"
#include "ParamFile.h"
#include "ResultsTable.h"
#include "SimulatedCamera.h"
#include "StatisticsView.h"
#include "testutils.h"
#include "TextDialog.h"
#include "ToleranceDialog.h"
#include "ToolTable.h"
#include "ui_Menu.h"
#include "upgradeDialog.h"
#include "UserDialogs.h"

Q_DECLARE_METATYPE(const ToolDescription *)

// The control panel driven as a user drives it: its buttons, the results table, the files it
// writes and what survives a restart. Message boxes are answered through the dialog seam.
// Statistics and tolerances through the main window: the view follows new items, undo, redo,
// the selection and the unit; a tolerance typed on the keypad judges the item and the next ones
// of its tool, shows in the table, the drawing and the CSV, and is a step of the history. And
// every tool of the tool table is complete: a panel button or menu action with its icons, a
// route the main window follows, a translated tool tip, and (for measurements) a row in the
// results table once an item of it is drawn. A tool added to ToolId without all of these fails
// here. The line and text dialog on its own, then through the font button of the panel over
// measurements already drawn.
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
    void statisticsFollow();
    void toleranceFlow();
    void everyIdDescribedOnce();
    void complete_data();
    void complete();
    void switchesAndPreviewCross();
    void coloursAndLimits();
    void fontButtonRestylesEverything();

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
    Shape *line(qreal length, qreal y)
    {
        return draw(ToolId::Line, {QPointF(100, y), QPointF(100 + length, y)});
    }
    StatisticsView *openView()
    {
        QTest::mouseClick(frame->menu()->findChild<QToolButton *>(QStringLiteral("tb_Statistics")), Qt::LeftButton);
        return frame->menu()->findChild<StatisticsView *>();
    }
    // Clicks field `column` of value row `row` and types `keys` (keypad codes, "s" for the sign).
    void type(ToleranceDialog *dialog, int row, int column, const QStringList &keys)
    {
        QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("l_Field_%1_%2").arg(row).arg(column)), Qt::LeftButton);
        NumericKeypadDialog *keypad = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            keypad = keypad ? keypad : qobject_cast<NumericKeypadDialog *>(w);
        QVERIFY(keypad);
        for (const QString &key : keys) {
            if (key == QLatin1String("s"))
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pb_Sign")), Qt::LeftButton);
            else
                keypad->slot_button_Clicked(key);
        }
    }
    void undo() { frame->document()->undoStack()->undo(); }
    void redo() { frame->document()->undoStack()->redo(); }
    static QWidget *child(QWidget *dialog, const char *name) { return dialog->findChild<QWidget *>(QLatin1String(name)); }
    // A press in the middle of a switch or swatch, as the user gives it.
    static void press(QWidget *dialog, const char *name)
    {
        QTest::mouseClick(dialog, Qt::LeftButton, Qt::NoModifier, child(dialog, name)->geometry().center());
    }
    // Whether the preview shows red at this point of the preview area.
    static bool redAt(QWidget *dialog, const QPoint &inPreview)
    {
        const QImage image = dialog->grab().toImage();
        return image.pixelColor(child(dialog, "f_Screen")->pos() + inPreview) == QColor(255, 0, 0);
    }

    QColor nextColor;
};

void TestMenu::init()
{
    QFile::remove(ParamFile::path());
    QDir(sandbox.root() + QStringLiteral("/media/usb/DCIM")).removeRecursively();
    QDir(sandbox.root() + QStringLiteral("/mnt/DCIM")).removeRecursively();
    openFrame();
    nextColor = QColor();
    UserDialogs::setColorHandler([this](const QColor &, QWidget *, const QString &) { return nextColor; });
}

void TestMenu::cleanup()
{
    closeFrame();
    UserDialogs::setColorHandler(nullptr);
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

void TestMenu::statisticsFollow()
{
    StatisticsView *view = openView();
    QVERIFY(view && view->shownRows().isEmpty());
    line(100, 200);
    QCOMPARE(view->shownRows().value(0).mid(2, 4), (QStringList{"pixels", "1", "100.000", "-"}));
    line(200, 300);
    line(300, 400);
    QCOMPARE(view->shownRows().value(0).mid(3, 6), (QStringList{"3", "200.000", "100.000", "100.000", "300.000", "200.000"}));
    undo();
    QCOMPARE(view->shownRows().value(0).mid(3, 2), (QStringList{"2", "150.000"}));
    redo();
    QCOMPARE(view->shownRows().value(0).at(3), QStringLiteral("3"));

    // Two selected rows are their own scope; one selected row is not.
    table()->selectRow(0);
    QCOMPARE(view->shownRows().value(0).at(3), QStringLiteral("3"));
    table()->selectionModel()->select(table()->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(view->shownRows().value(0).mid(3, 2), (QStringList{"2", "200.000"}));
    table()->clearSelection();

    // A calibration of 0.01 mm per pixel, then um.
    GlobalVar::rulerList.append({QStringLiteral("x"), 100.0f, 0.01f, 1});
    frame->slot_changeRulerValue(0);
    QTRY_COMPARE(view->shownRows().value(0).mid(2, 3), (QStringList{"mm", "3", "2.000"}));
    frame->slot_changeRulerUnit(2);
    QTRY_COMPARE(view->shownRows().value(0).mid(2, 3), (QStringList{"um", "3", "2000.000"}));
}

void TestMenu::toleranceFlow()
{
    Shape *first = line(100, 200);
    ResultsTable *results = table()->findChild<ResultsTable *>();
    emit results->toleranceRequested(first);
    auto *dialog = frame->menu()->findChild<ToleranceDialog *>();
    QVERIFY(dialog);
    // 100 -5 +5 pixels, but first with the lower tolerance typed above the upper one.
    type(dialog, 0, 0, {"1", "0", "0"});
    type(dialog, 0, 1, {"6", "14"});
    type(dialog, 0, 2, {"5", "14"});
    dialog->findChild<QCheckBox *>()->setChecked(true);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pb_Ok")), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QVERIFY(first->tolerance().isEmpty());
    type(dialog, 0, 1, {"13", "5", "s", "14"});
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pb_Ok")), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(first->tolerance().limits().value("L"), (Tolerance::Limits{100, -5, 5}));

    // The next item of the tool gets the same limits; one outside is marked on screen and in the
    // table.
    Shape *second = line(106, 300);
    QVERIFY(first->verdict() == Tolerance::Within && second->verdict() == Tolerance::Outside);
    QVERIFY(second->shownLabel().startsWith(Shape::failureMarker() + QLatin1Char(' ')));
    QCOMPARE(table()->columnCount(), 4);
    QCOMPARE(table()->item(0, 3)->text() + table()->item(1, 3)->text(), QStringLiteral("OKNG"));
    QVERIFY(frame->menu()->exportDataTable(sandbox.path(QStringLiteral("judged.csv"))));
    const QByteArray csv = TestUtils::readFile(sandbox.path(QStringLiteral("judged.csv")));
    QVERIFY(csv.contains("index,item,value,Result,\r\n1,L1,\"L1=100.000pixels\",OK,\r\n"));
    QVERIFY(csv.endsWith("2,L2,\"L2=106.000pixels\",NG,\r\n"));
    QVERIFY(TestUtils::readFile(sandbox.path(QStringLiteral("judged_statistics.csv"))).contains("pixels,2,103.000,"));

    // Setting the tolerance is a step: without it no item has one, and the CSV keeps its three
    // columns.
    undo();
    undo();
    QVERIFY(first->tolerance().isEmpty() && table()->columnCount() == 3);
    QVERIFY(frame->menu()->exportDataTable(sandbox.path(QStringLiteral("plain.csv"))));
    QVERIFY(TestUtils::readFile(sandbox.path(QStringLiteral("plain.csv"))).endsWith("1,L1,\"L1=100.000pixels\",\r\n"));
    redo();
    QCOMPARE(first->verdict(), Tolerance::Within);
}

void TestMenu::everyIdDescribedOnce()
{
    QSet<int> codes;
    QSet<QString> names;
    for (const ToolDescription &tool : ToolTable::all()) {
        codes << toolCode(tool.id);
        names << QLatin1String(tool.name);
        QVERIFY2(qstrlen(tool.name) > 0, tool.name);
    }
    QCOMPARE(codes.size(), ToolTable::all().size());
    QCOMPARE(names.size(), ToolTable::all().size());
    for (ToolId id : allToolIds)
        QVERIFY2(ToolTable::find(id), qPrintable(QString::number(toolCode(id))));
    QCOMPARE(codes.size(), int(sizeof allToolIds / sizeof allToolIds[0]));
    QVERIFY(!ToolTable::find(ToolId::None));
    QVERIFY(!ToolTable::find(6));
}

void TestMenu::complete_data()
{
    QTest::addColumn<const ToolDescription *>("tool");
    for (ToolId id : allToolIds)
        QTest::newRow(ToolTable::find(id)->name) << ToolTable::find(id);
}

void TestMenu::complete()
{
    QFETCH(const ToolDescription *, tool);
    const int code = toolCode(tool->id);

    // The route the main window follows, and the item it makes.
    QCOMPARE(ShapeRoutes::find(code), &tool->route);
    QCOMPARE(tool->route.code, code);
    // Only a tool that searches the picture may finish on its first click.
    const bool searches = tool->route.search != ShapeRoute::NoSearch;
    QVERIFY(tool->route.finishClick >= (searches ? 1 : 2));
    Shape *shape = tool->route.create();
    QCOMPARE(shape->property(), code);
    QCOMPARE(shape->type(), int(QGraphicsItem::UserType) + code);
    QCOMPARE(tool->measurement, !tool->route.calibration);
    QCOMPARE(ToolTable::isMeasurement(code), tool->measurement);

    if (tool->measurement) {
        // A palette button with both icons, and a tool tip in both Chinese translations.
        QDialog panel;
        Ui::Menu form;
        form.setupUi(&panel);
        QVERIFY2(panel.findChild<QToolButton *>(QLatin1String(tool->button)), tool->button);
        QVERIFY(QFile::exists(PanelIcons::main(tool->icon, false)));
        QVERIFY(QFile::exists(PanelIcons::main(tool->icon, true)));
        for (const char *language : {"zh_CN", "zh_TW"}) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_%1.qm").arg(QLatin1String(language))));
            const QString translated = translator.translate("ToolPalette", tool->toolTip);
            QVERIFY2(!translated.isEmpty() && translated != QLatin1String(tool->toolTip), tool->toolTip);
        }
    } else {
        QVERIFY(!tool->button);
        QVERIFY(QFile::exists(PanelIcons::assist(tool->icon)));
    }

    // Drawn as the main window draws it, on points of a circle (no three in a line), a
    // measurement has a value; a calibration is unnamed until its dialog. (The results table
    // lists the items ToolTable::isMeasurement names.)
    delete shape;
    shape = FrameDriver::feed(code, FrameDriver::rimPoints(searches ? 12 : tool->route.finishClick));
    QCOMPARE(!shape->labelValues().isEmpty(), tool->measurement);
    delete shape;
}

void TestMenu::switchesAndPreviewCross()
{
    GlobalVar::bCrossShow = true;
    GlobalVar::bEditable = true;
    TextDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The cross runs through the middle of the preview, away from the segment and the text.
    QVERIFY(redAt(&dialog, QPoint(272, 290)));
    QVERIFY(redAt(&dialog, QPoint(520, 153)));
    press(&dialog, "w_CrossSwitchBack");
    QVERIFY(!GlobalVar::bCrossShow);
    QVERIFY(!redAt(&dialog, QPoint(272, 290)));
    // The switch shows that it is off.
    QVERIFY(child(&dialog, "w_CrossSwitchBack")->styleSheet().startsWith(QLatin1String("background-color: rgb(255, 255, 255)")));

    // Each switch flips its own setting and nothing else; twice is back where it was.
    press(&dialog, "w_LineEditableBack");
    QVERIFY(!GlobalVar::bEditable);
    QVERIFY(GlobalVar::bMovable);
    press(&dialog, "w_LineEditableBack");
    QVERIFY(GlobalVar::bEditable);
    press(&dialog, "w_TextOutlineBack");
    QVERIFY(!GlobalVar::bTextOutline);
    QVERIFY(GlobalVar::bTextON);

    // The preview text follows the label switch and the digits.
    QCOMPARE(TextDialog::previewText(), QStringLiteral("L1=3.141mm"));
    dialog.findChild<QSpinBox *>(QStringLiteral("sb_TextLength"))->setValue(4);
    QCOMPARE(TextDialog::previewText(), QStringLiteral("L1=3.1415mm"));
    press(&dialog, "w_TextSwitchBack");
    QVERIFY(!GlobalVar::bTextON);
    QCOMPARE(TextDialog::previewText(), QStringLiteral("L1"));
}

void TestMenu::coloursAndLimits()
{
    GlobalVar::shapeGraphPen.setColor(Qt::green);
    TextDialog dialog;
    dialog.show();
    const QString before = child(&dialog, "w_LineColor")->styleSheet();
    QCOMPARE(before, QStringLiteral("background-color: rgb(0, 255, 0);"));
    // Cancelled: nothing changes.
    press(&dialog, "w_LineColor");
    QCOMPARE(child(&dialog, "w_LineColor")->styleSheet(), before);
    QCOMPARE(GlobalVar::shapeGraphPen.color(), QColor(Qt::green));
    nextColor = QColor(10, 20, 30);
    press(&dialog, "w_TextColor");
    QCOMPARE(GlobalVar::shapeTextColor, nextColor);
    QCOMPARE(child(&dialog, "w_TextColor")->styleSheet(), QStringLiteral("background-color: rgb(10, 20, 30);"));
    QCOMPARE(GlobalVar::shapeGraphPen.color(), QColor(Qt::green));

    struct Limit { const char *name; int low, high; };
    for (const Limit &limit : {Limit{"sb_LineWidth", 1, 3}, Limit{"sb_TextSize", 12, 32}, Limit{"sb_TextLength", 3, 4}}) {
        auto *spin = dialog.findChild<QSpinBox *>(QLatin1String(limit.name));
        spin->setValue(limit.high + 5);
        QCOMPARE(spin->value(), limit.high);
        spin->setValue(limit.low - 5);
        QCOMPARE(spin->value(), limit.low);
    }
    QCOMPARE(GlobalVar::shapeGraphPen.width(), 1);
    QCOMPARE(GlobalVar::shapeTextFont.pointSize(), 12);
    QCOMPARE(int(GlobalVar::textDigiLength), 3);
}

void TestMenu::fontButtonRestylesEverything()
{
    Shape *first = draw(ToolId::Line, {QPointF(100, 100), QPointF(400, 100)});
    draw(ToolId::Line, {QPointF(100, 300), QPointF(200, 300)});
    frame->disarmTool();
    const QRectF smallArea = first->boundingRect();
    Menu *menu = frame->menu();
    CustomLine *crossLine = menu->verticalCrossLine;
    QVERIFY(crossLine->isVisible());

    bool crossStillShownDuringDialog = false;
    nextColor = QColor(0, 0, 255);
    QTimer::singleShot(0, this, [&]() {
        auto *dialog = menu->findChild<TextDialog *>();
        QVERIFY(dialog && dialog->isModal());
        dialog->findChild<QSpinBox *>(QStringLiteral("sb_LineWidth"))->setValue(3);
        press(dialog, "w_LineColor");
        dialog->findChild<QSpinBox *>(QStringLiteral("sb_TextSize"))->setValue(20);
        dialog->findChild<QSpinBox *>(QStringLiteral("sb_TextLength"))->setValue(4);
        press(dialog, "w_TextSwitchBack");
        press(dialog, "w_LineMovableBack");
        press(dialog, "w_CrossSwitchBack");
        press(dialog, "w_TextOutlineBack");
        crossStillShownDuringDialog = crossLine->isVisible();
        dialog->accept();
    });
    menu->findChild<QToolButton *>(QStringLiteral("tb_Font"))->click();
    QVERIFY(!menu->findChild<TextDialog *>());
    QVERIFY(crossStillShownDuringDialog);
    QVERIFY(!crossLine->isVisible());

    // Items drawn before the change show the new digits (the random session checks that the
    // table follows its items).
    QCOMPARE(first->label, QStringLiteral("L1=L1=300.0000pixels"));
    QCOMPARE(first->shownLabel(), QStringLiteral("L1"));
    // The bigger label makes a bigger area to hit and to repaint.
    QVERIFY(first->boundingRect().height() > smallArea.height());
    QVERIFY(!(first->flags() & QGraphicsItem::ItemIsMovable));
    QVERIFY(first->flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(!(crossLine->flags() & QGraphicsItem::ItemIsMovable));

    // Kept over a restart. (The random session restarts after changes of the digits, sizes and
    // the other switches; it changes neither the colour nor the cross.)
    closeFrame();
    openFrame();
    QCOMPARE(GlobalVar::shapeGraphPen.color(), QColor(0, 0, 255));
    QVERIFY(!GlobalVar::bCrossShow);
    QVERIFY(!frame->menu()->verticalCrossLine->isVisible());
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
