#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <QWheelEvent>

#include "CalibrateCircle.h"
#include "CalibrateDialog.h"
#include "CustomLine.h"
#include "DialogAnswers.h"
#include "FrameDriver.h"
#include "KeypadInput.h"
#include "LinePropertyDialog.h"
#include "Menu.h"
#include "NumericKeypadDialog.h"
#include "ParamFile.h"
#include "RulerPicker.h"
#include "RulerUnits.h"
#include "testutils.h"

// Calibrations from the drawn item through the dialog and keypad to the values of every item,
// the unit selector and the parameter file; the drop-down and the unit selector also on bare
// combo boxes. Message boxes are answered through the seam.
class TestCalibration : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keypadRules_data();
    void keypadRules();
    void unitConversions_data();
    void unitConversions();
    void calibrateAndMeasure();
    void refusedCalibrations();
    void rightClickOnlyNamesCalibrations();
    void circleCalibration();
    void fullRulerListRefusesMore();
    void selectorNamesTheUnitShown_data();
    void selectorNamesTheUnitShown();
    void listAndUnits();
    void deleting();
    void shownCalibrationSurvives();
    void repeatedNames();

private:
    // Types `keys` ("10X" or "5"; C clears, < deletes) on the keypad of the field, then Enter.
    void type(const char *field, const QString &keys)
    {
        CalibrateDialog *dialog = frame->calibrateDialog();
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QLineEdit *>(QLatin1String(field)), Qt::LeftButton);
        NumericKeypadDialog *keypad = dialog->keypad;
        QVERIFY(keypad && keypad->isVisible());
        const QHash<QChar, QString> named{{'X', "pb_X"}, {'.', "pb_Dot"}, {'C', "pb_Clear"}, {'<', "pb_Del"}, {'\n', "pb_Enter"}};
        for (const QChar key : keys + QLatin1Char('\n'))   // and Enter
            QTest::mouseClick(keypad->findChild<QPushButton *>(named.value(key, "pb_N" + QString(key))), Qt::LeftButton);
        QVERIFY(!dialog->keypad);
    }
    // Presses a button of the calibration dialog ("pb_Okay", "pb_Cancel").
    void press(const char *button)
    {
        QTest::mouseClick(frame->calibrateDialog()->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    // Presses OK and expects it refused with one warning beginning with `text`, the dialog open.
    void refused(const char *text)
    {
        const int before = warnings.size();
        press("pb_Okay");
        QCOMPARE(warnings.size(), before + 1);
        QVERIFY2(warnings.last().startsWith(QLatin1String(text)), qPrintable(warnings.last()));
        QVERIFY(frame->calibrateDialog()->isVisible());
    }
    // Draws a calibration segment with the panel's Line action and right-clicks it.
    void calibrateSegment(const QPointF &a, const QPointF &b)
    {
        frame->menu()->calibrateLineAction->trigger();
        QCOMPARE(frame->armedTool(), 1);
        click(viewport(), a);
        move(viewport(), b);
        click(viewport(), b);
        QVERIFY(!frame->isDrawing());
        click(viewport(), b, Qt::RightButton);
    }
    // The drop-down and unit selector on bare combo boxes, with three calibrations listed.
    void barePicker()
    {
        bare.reset(new QWidget);
        rulers = new QComboBox(bare.get());
        units = new QComboBox(bare.get());
        units->addItems({"pixel", "mm", "um", "inch", "mil"});
        picker = new RulerPicker(bare.get(), rulers, units);
        GlobalVar::rulerList = {{QStringLiteral("A, 12.000pixels"), 12, 12, 0},
                                {QStringLiteral("B, 0.5mm"), 100, 0.5, 1},
                                {QStringLiteral("C, 0.1inch"), 100, 0.1, 2}};
    }

    std::unique_ptr<QWidget> bare;
    QComboBox *rulers = nullptr;
    QComboBox *units = nullptr;
    RulerPicker *picker = nullptr;
};

void TestCalibration::init()
{
    QFile::remove(ParamFile::path());
    openFrame();
}

void TestCalibration::cleanup()
{
    closeFrame();
    bare.reset();
    GlobalVar::rulerList.clear();
}

void TestCalibration::keypadRules_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<bool>("allowX");
    QTest::addColumn<QString>("result");
    QTest::newRow("digits, point and X") << "" << QStringList{"1", "0", "10", "5", "11"} << 7 << true << "10.5X";
    QTest::newRow("point refused first and twice") << "" << QStringList{"10", "3", "10", "1", "10", "4"} << 7 << true << "3.14";
    QTest::newRow("after X only delete acts") << "10X" << QStringList{"5", "10", "11", "12", "7"} << 7 << true << "107";
    QTest::newRow("name stops at seven") << "1234567" << QStringList{"8", "11"} << 7 << true << "1234567";
    QTest::newRow("length ignores X, takes twelve") << "12345678901" << QStringList{"11", "2", "3"} << 12 << false
                                                     << "123456789012";
    QTest::newRow("clear and delete on empty") << "42" << QStringList{"13", "12", "7"} << 7 << true << "7";
}

void TestCalibration::keypadRules()
{
    QFETCH(QString, start);
    QFETCH(QStringList, codes);
    QFETCH(int, maxLength);
    QFETCH(bool, allowX);
    QFETCH(QString, result);
    QString text = start;
    for (const QString &code : codes)
        QVERIFY(!KeypadInput::apply(text, code, maxLength, allowX));
    QCOMPARE(text, result);
    QVERIFY(KeypadInput::apply(text, QStringLiteral("14"), maxLength, allowX));
    QCOMPARE(text, result);
}

void TestCalibration::unitConversions_data()
{
    QTest::addColumn<int>("baseUnit");
    QTest::addColumn<float>("baseRuler");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QString>("text");
    QTest::newRow("mm to pixels gives the pixel measure") << 1 << 0.01f << 0 << 500.0 << "pixels";
    QTest::newRow("mm to mm") << 1 << 0.01f << 1 << 0.01 << "mm";
    QTest::newRow("mm to um") << 1 << 0.01f << 2 << 10.0 << "um";
    QTest::newRow("mm to inch") << 1 << 0.01f << 3 << 0.01 / 25.4 << "inch";
    QTest::newRow("mm to mil") << 1 << 0.01f << 4 << 0.01 / 25.4 * 1000 << "mil";
    QTest::newRow("inch to mm") << 2 << 0.001f << 1 << 0.0254 << "mm";
    QTest::newRow("inch to um") << 2 << 0.001f << 2 << 25.4 << "um";
    QTest::newRow("inch to mil") << 2 << 0.001f << 4 << 1.0 << "mil";
}

void TestCalibration::unitConversions()
{
    QFETCH(int, baseUnit);
    QFETCH(float, baseRuler);
    QFETCH(int, index);
    QFETCH(double, expected);
    QFETCH(QString, text);
    RulerUnits::Display display;
    QVERIFY(RulerUnits::convert(baseUnit, 500.0f, baseRuler, index, &display));
    QVERIFY2(qAbs(display.ruler - expected) <= 1e-6 * qMax(1.0, expected), qPrintable(QString::number(display.ruler)));
    QCOMPARE(display.text, text);
    // A pixel calibration and unknown units convert to nothing.
    QVERIFY(!RulerUnits::convert(0, 500.0f, 500.0f, index, &display));
    QVERIFY(!RulerUnits::convert(baseUnit, 500.0f, baseRuler, 5, &display));
}

void TestCalibration::calibrateAndMeasure()
{
    // 500 pixels are 5 mm; the dialog opens beside the segment, left of the panel.
    calibrateSegment(QPointF(100, 500), QPointF(600, 500));
    CalibrateDialog *dialog = frame->calibrateDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->realPixel, 500.0f);
    QVERIFY(dialog->geometry().right() < frame->menu()->geometry().left());
    // A keypad closed from the keyboard comes back with the next press on its field.
    QTest::mouseClick(dialog->findChild<QLineEdit *>(QStringLiteral("l_Name")), Qt::LeftButton);
    QVERIFY(dialog->keypad);
    QTest::keyClick(dialog->keypad, Qt::Key_Escape);
    QTRY_VERIFY(!dialog->keypad);
    // A press on the other field takes the keypad there; what the first one had stays.
    QTest::mouseClick(dialog->findChild<QLineEdit *>(QStringLiteral("l_Length")), Qt::LeftButton);
    QTest::mouseClick(dialog->keypad->findChild<QPushButton *>(QStringLiteral("pb_N5")), Qt::LeftButton);
    type("l_Name", QStringLiteral("9C10X"));
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("l_Length"))->text(), QStringLiteral("5"));
    type("l_Length", QStringLiteral("7<"));
    press("pb_Okay");
    QVERIFY(warnings.isEmpty());
    QTRY_VERIFY(!frame->calibrateDialog());

    QCOMPARE(GlobalVar::rulerList.size(), 1);
    const ruler &r = GlobalVar::rulerList.first();
    QCOMPARE(r.name, QStringLiteral("10X, 5mm"));
    QCOMPARE(r.pixel, 500.0f);
    QCOMPARE(r.length, 0.01f);
    QCOMPARE(r.unit, quint8(1));
    QCOMPARE(GlobalVar::shapeList.first()->label, QStringLiteral("10X"));
    QCOMPARE(panel<QComboBox>("cb_Ruler")->currentText(), QStringLiteral("10X"));
    QCOMPARE(panel<QComboBox>("cb_Unit")->currentIndex(), 1);
    QCOMPARE(GlobalVar::currentUnit, QStringLiteral("mm"));

    // A 1250-pixel segment reads 12.500mm, in the table too.
    Shape *line = draw(ToolId::Line, {QPointF(100, 800), QPointF(1350, 800)});
    QCOMPARE(line->label, QStringLiteral("L1=L1=12.500mm"));
    QCOMPARE(cell(0, 2), QStringLiteral("L1=12.500mm"));
}

void TestCalibration::refusedCalibrations()
{
    // Empty fields, and a length of 0, which would make every value 0. (A name in use and the
    // dialog's Cancel are the calibration tool's test.)
    calibrateSegment(QPointF(100, 500), QPointF(400, 500));
    refused("The Name or Length is empty!");
    type("l_Name", QStringLiteral("1"));
    type("l_Length", QStringLiteral("0"));
    refused("The length must be a number greater than 0!");

    // A length that gives far below a nanometre per pixel is no calibration the parameter
    // file keeps: it is refused rather than lost at the next start.
    type("l_Length", QStringLiteral("C0.0000000001"));
    refused("The calibration is out of range");
    press("pb_Cancel");

    // Both clicks on one point: a calibration over 0 pixels is refused.
    calibrateSegment(QPointF(700, 700), QPointF(700, 700));
    type("l_Name", QStringLiteral("2"));
    type("l_Length", QStringLiteral("3"));
    refused("The calibration measures 0 pixels!");
    QVERIFY(GlobalVar::rulerList.isEmpty());
}

void TestCalibration::rightClickOnlyNamesCalibrations()
{
    // A segment measured, then the calibration tool armed: a right click on the view must not
    // open the dialog for the measurement.
    draw(ToolId::Line, {QPointF(100, 200), QPointF(300, 200)});
    frame->menu()->calibrateLineAction->trigger();
    click(viewport(), QPointF(300, 200), Qt::RightButton);
    QVERIFY(!frame->calibrateDialog()->isVisible() && !frame->isCalibrating());

    // The right click that names a finished calibration opens the calibration dialog alone:
    // neither the press nor its context menu reaches a reference line under the pointer.
    auto *reference = new CustomLine;
    reference->name = QStringLiteral("vertical");
    reference->position = QPointF(400, 0);
    reference->pen = QPen(QBrush(Qt::red), 1, Qt::SolidLine);
    reference->initialLine();
    frame->scene()->addItem(reference);
    int lineDialogs = 0;
    const auto countLineDialogs = [&lineDialogs](QDialog *dialog) {
        lineDialogs += qobject_cast<LinePropertyDialog *>(dialog) != nullptr;
        dialog->reject();
    };
    answerModalDialogs();
    nextAnswer = countLineDialogs;
    // A right click as the platform delivers it: the press, its context menu, the release.
    auto rightClick = [this](const QPointF &at) {
        TestUtils::press(viewport(), at, Qt::RightButton);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at.toPoint(), viewport()->mapToGlobal(at.toPoint()));
        QApplication::sendEvent(viewport(), &menu);
        TestUtils::release(viewport(), at, Qt::RightButton);
    };

    frame->menu()->calibrateLineAction->trigger();
    click(viewport(), QPointF(100, 100));
    move(viewport(), QPointF(400, 100));
    click(viewport(), QPointF(400, 100));
    rightClick(QPointF(400, 100));
    QVERIFY(frame->calibrateDialog() && frame->calibrateDialog()->isVisible());
    QCOMPARE(lineDialogs, 0);
    QVERIFY(frame->scene()->mouseGrabberItem() != reference);

    // With nothing to name, a right click on the line is the line's again.
    press("pb_Cancel");
    QTRY_VERIFY(!frame->calibrateDialog());
    rightClick(QPointF(400, 300));
    QCOMPARE(lineDialogs, 1);
    // Nor with no tool armed.
    frame->disarmTool();
    nextAnswer = countLineDialogs;
    rightClick(QPointF(400, 500));
    QCOMPARE(lineDialogs, 2);
}

void TestCalibration::circleCalibration()
{
    // The rim points (300, 310), (310, 300), (320, 310) lie on a circle of diameter 20.
    frame->menu()->calibrateCircleAction->trigger();
    QCOMPARE(frame->armedTool(), 2);
    click(viewport(), QPointF(300, 310));
    click(viewport(), QPointF(310, 300));
    move(viewport(), QPointF(320, 310));
    click(viewport(), QPointF(320, 310));
    auto *circle = qgraphicsitem_cast<CalibrateCircle *>(GlobalVar::shapeList.last());
    QVERIFY(circle && circle->label.isEmpty());
    QCOMPARE(circle->pixelMeasure(), 20.0f);
    click(viewport(), QPointF(320, 310), Qt::RightButton);
    QCOMPARE(frame->calibrateDialog()->realPixel, 20.0f);
    frame->calibrateDialog()->findChild<QComboBox *>(QStringLiteral("cb_Unit"))->setCurrentIndex(0);
    type("l_Name", QStringLiteral("2"));
    QCOMPARE(frame->calibrateDialog()->lengthText, QStringLiteral("20.000"));
    press("pb_Okay");
    QCOMPARE(GlobalVar::rulerList.last().name, QStringLiteral("2, 20.000pixels"));
    QCOMPARE(GlobalVar::rulerList.last().length, 20.0f);

    // A doubled click leaves two points, which lie on many circles: nothing to calibrate with.
    auto *doubled = qgraphicsitem_cast<CalibrateCircle *>(
        draw(ToolId::CalibrateCircle, {QPointF(300, 310), QPointF(300, 310), QPointF(310, 300)}));
    QVERIFY(doubled && doubled != circle);
    QCOMPARE(doubled->pixelMeasure(), 0.0f);
}

void TestCalibration::fullRulerListRefusesMore()
{
    // The parameter file keeps so many calibrations; one more would be stored and then be
    // gone after the next start, so it is refused while the dialog stays open.
    for (int i = 0; i < ParamFile::largestRulerCount; ++i)
        GlobalVar::rulerList << ruler{QString::number(i) + QStringLiteral("X, 1mm"), 100.0f, 0.01f, 1};
    frame->menu()->updateRulerTable();
    calibrateSegment(QPointF(100, 500), QPointF(600, 500));
    type("l_Name", QStringLiteral("7"));
    type("l_Length", QStringLiteral("5"));
    refused("At most 100 calibrations can be kept!");
    QCOMPARE(GlobalVar::rulerList.size(), ParamFile::largestRulerCount);

    // Once one is deleted the new one is taken, and all of them come back after a restart.
    frame->menu()->slot_rulerDeleteItem(QStringLiteral("0X, 1mm"));
    press("pb_Okay");
    QTRY_VERIFY(!frame->calibrateDialog());
    QCOMPARE(GlobalVar::rulerList.last().name, QStringLiteral("7, 5mm"));
    closeFrame();
    openFrame();
    QCOMPARE(GlobalVar::rulerList.size(), ParamFile::largestRulerCount);
    QCOMPARE(GlobalVar::rulerList.last().name, QStringLiteral("7, 5mm"));
    // The last is in use again.
    QCOMPARE(GlobalVar::currentUnit, QStringLiteral("mm"));
    QCOMPARE(GlobalVar::currentRealRuler, 0.01f);
}

void TestCalibration::selectorNamesTheUnitShown_data()
{
    // Calibrations as "name=unit" in the parameter file, the one then shown, whether it is
    // deleted and the program restarted, the unit then chosen (-1 none), the unit of the values.
    QTest::addColumn<QStringList>("rulers");
    QTest::addColumn<QString>("show");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("choose");
    QTest::addColumn<QString>("unit");
    const QStringList both{"P, 50.000pixels=0", "A, 1mm=1"};
    QTest::newRow("none chosen") << QStringList() << QString() << false << false << 1 << "pixels";
    QTest::newRow("pixels after mm") << both << "P, 50.000pixels" << false << false << -1 << "pixels";
    QTest::newRow("pixels, mm chosen") << both << "P, 50.000pixels" << false << false << 3 << "pixels";
    QTest::newRow("deleted, still in use") << both << "A, 1mm" << true << false << 2 << "um";
    QTest::newRow("deleted, restarted") << QStringList{"A, 1mm=1"} << "A, 1mm" << true << true << 1 << "pixels";
    QTest::newRow("damaged: mm name, pixel unit") << QStringList{"D, 5mm=0"} << QString() << false << false << -1
                                                  << "pixels";
    QTest::newRow("damaged: pixel name, mm unit") << QStringList{"E, 5pixels=1"} << QString() << false << false << 2
                                                  << "um";
}

void TestCalibration::selectorNamesTheUnitShown()
{
    QFETCH(QStringList, rulers);
    QFETCH(QString, show);
    QFETCH(bool, deleted);
    QFETCH(bool, restart);
    QFETCH(int, choose);
    QFETCH(QString, unit);
    for (const QString &r : rulers)
        GlobalVar::rulerList << ruler{r.section(QLatin1Char('='), 0, 0), 100.0f, 0.01f, quint8(r.section(QLatin1Char('='), 1).toInt())};
    QVERIFY(ParamFile::save(2));
    closeFrame();
    openFrame();
    if (!show.isEmpty())
        frame->menu()->slot_rulerShowItem(show);
    if (deleted)
        frame->menu()->slot_rulerDeleteItem(show);
    if (restart) {
        closeFrame();
        openFrame();
    }
    if (choose >= 0)
        panel<QComboBox>("cb_Unit")->setCurrentIndex(choose);
    const QStringList units{"pixels", "mm", "um", "inch", "mil"};
    QCOMPARE(units.value(panel<QComboBox>("cb_Unit")->currentIndex()), unit);
    Shape *line = draw(ToolId::Line, {QPointF(100, 800), QPointF(600, 800)});
    QVERIFY2(line->label.endsWith(unit), qPrintable(line->label));
}

void TestCalibration::listAndUnits()
{
    barePicker();
    QSignalSpy chosen(picker, &RulerPicker::signal_changeRulerValue);
    QSignalSpy unit(picker, &RulerPicker::signal_changeRulerUnit);
    picker->fill();
    QCOMPARE(picker->listWidget->count(), 3);
    QCOMPARE(picker->listWidget->item(1)->data(Qt::UserRole).toString(), QStringLiteral("B, 0.5mm"));
    QCOMPARE(rulers->currentText(), QStringLiteral("C"));
    QCOMPARE(chosen.last().at(0).toInt(), 2);
    QCOMPARE(units->currentIndex(), 3);

    // A pixel calibration cannot be converted: a warning, and the unit is not passed on.
    picker->showItem(QStringLiteral("A, 12.000pixels"));
    QCOMPARE(chosen.last().at(0).toInt(), 0);
    picker->unitChosen(1);
    QCOMPARE(warnings, QStringList{"Can't convert this pixel to other!"});
    QVERIFY(unit.isEmpty());

    picker->showItem(QStringLiteral("B, 0.5mm"));
    QCOMPARE(units->currentIndex(), 1);
    picker->unitChosen(2);
    QCOMPARE(unit.size(), 1);
    QCOMPARE(unit.first().at(0).toInt(), 2);
    QCOMPARE(warnings.size(), 1);

    // Listing again after a change does not repeat the rows.
    GlobalVar::rulerList.append({QStringLiteral("D, 2mm"), 10, 2, 1});
    picker->refill();
    QCOMPARE(picker->listWidget->count(), 4);
    QCOMPARE(rulers->currentText(), QStringLiteral("D"));
}

void TestCalibration::deleting()
{
    barePicker();
    picker->fill();
    QSignalSpy requested(picker, &RulerPicker::signal_deleteRequested);
    picker->listWidget->itemWidget(picker->listWidget->item(1))->findChild<QPushButton *>()->click();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.first().at(0).toString(), QStringLiteral("B, 0.5mm"));

    answer = false;
    QVERIFY(!picker->deleteItem(QStringLiteral("B, 0.5mm")));
    QCOMPARE(questions, 1);
    QCOMPARE(picker->listWidget->count(), 3);
    QCOMPARE(GlobalVar::rulerList.size(), 3);

    answer = true;
    QVERIFY(picker->deleteItem(QStringLiteral("B, 0.5mm")));
    QCOMPARE(picker->listWidget->count(), 2);
    QCOMPARE(GlobalVar::rulerList.size(), 2);
    QCOMPARE(GlobalVar::rulerList.at(1).name, QStringLiteral("C, 0.1inch"));
    QCOMPARE(picker->listWidget->item(1)->data(Qt::UserRole).toString(), QStringLiteral("C, 0.1inch"));

    // An unknown calibration asks nothing.
    QVERIFY(!picker->deleteItem(QStringLiteral("X, 1mm")));
    QCOMPARE(questions, 2);
}

// The edit field keeps the chosen calibration whatever the drop-down's current row does, and
// the unit selector keeps converting it.
void TestCalibration::shownCalibrationSurvives()
{
    barePicker();
    GlobalVar::rulerList.removeFirst();
    picker->fill();
    picker->showItem(QStringLiteral("B, 0.5mm"));
    QSignalSpy unit(picker, &RulerPicker::signal_changeRulerUnit);

    // The wheel over the closed drop-down moves its current row.
    for (int delta : {-120, 120}) {
        QWheelEvent wheel(QPointF(5, 5), rulers->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(rulers, &wheel);
    }
    QCOMPARE(rulers->currentIndex(), 0);
    QCOMPARE(rulers->currentText(), QStringLiteral("B"));
    picker->unitChosen(2);
    QCOMPARE(unit.size(), 1);

    // Deleting the first row, which is the shown one, keeps it in use.
    QVERIFY(picker->deleteItem(QStringLiteral("B, 0.5mm")));
    QCOMPARE(rulers->currentText(), QStringLiteral("B"));
    picker->unitChosen(3);
    QCOMPARE(unit.size(), 2);
    QCOMPARE(unit.last().at(0).toInt(), 3);

    // Deleting another row while C is shown.
    picker->showItem(QStringLiteral("C, 0.1inch"));
    GlobalVar::rulerList.append({QStringLiteral("D, 2mm"), 10, 2, 1});
    picker->refill();
    picker->showItem(QStringLiteral("C, 0.1inch"));
    QVERIFY(picker->deleteItem(QStringLiteral("D, 2mm")));
    QCOMPARE(rulers->currentText(), QStringLiteral("C"));
    picker->unitChosen(4);
    QCOMPARE(unit.last().at(0).toInt(), 4);

    // With nothing shown a unit change still does nothing.
    picker->showItem(QString());
    rulers->setCurrentIndex(0);
    QCOMPARE(rulers->currentText(), QString());
    picker->unitChosen(1);
    QCOMPARE(unit.size(), 3);
    QVERIFY(warnings.isEmpty());
}

// A hand-edited parameter file may give two calibrations one display name; the row chosen is
// the calibration applied.
void TestCalibration::repeatedNames()
{
    barePicker();
    GlobalVar::rulerList = {{QStringLiteral("B, 0.5mm"), 100, 0.005f, 1},
                            {QStringLiteral("B, 0.1inch"), 100, 0.001f, 2}};
    QSignalSpy chosen(picker, &RulerPicker::signal_changeRulerValue);
    picker->fill();
    QCOMPARE(chosen.last().at(0).toInt(), 1);
    QCOMPARE(units->currentIndex(), 3);

    // The first row clicked in the drop-down.
    QTest::mouseClick(picker->listWidget->itemWidget(picker->listWidget->item(0)), Qt::LeftButton);
    QCOMPARE(chosen.last().at(0).toInt(), 0);
    QCOMPARE(units->currentIndex(), 1);
    picker->showItem(QStringLiteral("B, 0.1inch"));
    QCOMPARE(chosen.last().at(0).toInt(), 1);
    QCOMPARE(units->currentIndex(), 3);

    // A display name alone still finds its first calibration.
    picker->showItem(QStringLiteral("B"));
    QCOMPARE(chosen.last().at(0).toInt(), 0);
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
