#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "GlobalVar.h"
#include "Menu.h"
#include "ToolPalette.h"
#include "testutils.h"

// The tool palette on a bare widget holding the named buttons, and on a panel with no main
// window behind it.
class TestToolPalette : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void armingAndIcons();
    void panelWithoutMainWindow();

private:
    QToolButton *button(const char *name) const { return panel->findChild<QToolButton *>(QLatin1String(name)); }
    bool looksArmed(const char *name) const { return button(name)->styleSheet().contains(QLatin1String("-select.png")); }

    TestUtils::Sandbox sandbox;
    QWidget *panel = nullptr;
};

void TestToolPalette::init()
{
    panel = new QWidget;
    for (const char *name : {"tb_FreeLine", "tb_HorizontalLine", "tb_VerticalLine", "tb_ParaLine", "tb_CustomParaline",
                             "tb_P2Line", "tb_Angle", "tb_Rectangle", "tb_Polygon", "tb_DualParaLine", "tb_Radian",
                             "tb_Circle", "tb_P2Circle", "tb_L2Circle", "tb_C2Circle", "tb_Concentric",
                             "tb_Paraline2Paraline", "tb_CircleFit", "tb_CrossLine"})
        (new QToolButton(panel))->setObjectName(QLatin1String(name));
}

void TestToolPalette::cleanup()
{
    delete panel;
}

void TestToolPalette::armingAndIcons()
{
    ToolPalette palette(panel);
    QSignalSpy armed(&palette, &ToolPalette::toolArmed);
    QSignalSpy disarmed(&palette, &ToolPalette::toolDisarmed);
    palette.disarm();
    QVERIFY(button("tb_FreeLine")->styleSheet().contains(QLatin1String("/line.png")));
    QVERIFY(button("tb_CrossLine")->styleSheet().contains(QLatin1String("/crossline.png")));

    button("tb_FreeLine")->click();
    QCOMPARE(armed.size(), 1);
    QCOMPARE(armed.takeFirst().at(0).toInt(), 3);
    QCOMPARE(palette.armedTool(), 3);
    QVERIFY(looksArmed("tb_FreeLine"));

    // Another tool takes over; the first shows its normal look again.
    button("tb_Paraline2Paraline")->click();
    QCOMPARE(armed.takeFirst().at(0).toInt(), 20);
    QVERIFY(looksArmed("tb_Paraline2Paraline"));
    QVERIFY(!looksArmed("tb_FreeLine"));

    // Clicking the armed tool disarms it.
    disarmed.clear();
    button("tb_Paraline2Paraline")->click();
    QCOMPARE(disarmed.size(), 1);
    QVERIFY(armed.isEmpty());
    QCOMPARE(palette.armedTool(), 0);
    QVERIFY(!looksArmed("tb_Paraline2Paraline"));

    // A calibration has no button: none looks armed, and the next click on a tool arms it.
    button("tb_Circle")->click();
    palette.arm(1);
    QCOMPARE(armed.last().at(0).toInt(), 1);
    QCOMPARE(palette.armedTool(), 1);
    for (const QToolButton *tool : panel->findChildren<QToolButton *>())
        QVERIFY2(!tool->styleSheet().contains(QLatin1String("-select")), qPrintable(tool->objectName()));
    button("tb_Circle")->click();
    QCOMPARE(palette.armedTool(), 15);

    // The cross-hair button follows the cross hair's visibility.
    GlobalVar::bCrossShow = false;
    palette.disarm();
    QVERIFY(button("tb_CrossLine")->styleSheet().contains(QLatin1String("crossline-hide.png")));
    GlobalVar::bCrossShow = true;
}

void TestToolPalette::panelWithoutMainWindow()
{
    Menu menu(nullptr);
    QSignalSpy armed(&menu, &Menu::signal_toolArmed);
    QSignalSpy disarmed(&menu, &Menu::signal_toolDisarmed);
    auto *line = menu.findChild<QToolButton *>(QStringLiteral("tb_FreeLine"));
    line->click();
    QCOMPARE(armed.size(), 1);
    QCOMPARE(armed.first().at(0).toInt(), 3);
    menu.slot_calibrateCircle();
    QCOMPARE(armed.last().at(0).toInt(), 2);
    QVERIFY(!line->styleSheet().contains(QLatin1String("-select")));
    disarmed.clear();
    menu.initMainButton();
    QCOMPARE(disarmed.size(), 1);
}

QTEST_MAIN(TestToolPalette)
#include "tst_toolpalette.moc"
