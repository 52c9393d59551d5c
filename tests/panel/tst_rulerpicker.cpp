#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "DialogAnswers.h"
#include "RulerPicker.h"
#include "testutils.h"

// The calibration drop-down and the unit selector on bare combo boxes.
class TestRulerPicker : public QObject, private DialogAnswers
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listAndUnits();
    void deleting();
    void shownCalibrationSurvives();
    void repeatedNames();

private:
    TestUtils::Sandbox sandbox;
    QWidget *panel = nullptr;
    QComboBox *rulers = nullptr;
    QComboBox *units = nullptr;
    RulerPicker *picker = nullptr;
};

void TestRulerPicker::init()
{
    panel = new QWidget;
    rulers = new QComboBox(panel);
    units = new QComboBox(panel);
    units->addItems({"pixel", "mm", "um", "inch", "mil"});
    picker = new RulerPicker(panel, rulers, units);
    GlobalVar::rulerList = {{QStringLiteral("A, 12.000pixels"), 12, 12, 0},
                            {QStringLiteral("B, 0.5mm"), 100, 0.5, 1},
                            {QStringLiteral("C, 0.1inch"), 100, 0.1, 2}};
    answerDialogs();
}

void TestRulerPicker::cleanup()
{
    delete panel;
    GlobalVar::rulerList.clear();
    forgetDialogs();
}

void TestRulerPicker::listAndUnits()
{
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

void TestRulerPicker::deleting()
{
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
void TestRulerPicker::shownCalibrationSurvives()
{
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
void TestRulerPicker::repeatedNames()
{
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

QTEST_MAIN(TestRulerPicker)
#include "tst_rulerpicker.moc"
