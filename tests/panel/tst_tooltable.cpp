#include <QDialog>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include "FrameDriver.h"
#include "PanelIcons.h"
#include "ToolTable.h"
#include "ui_Menu.h"

#include <cmath>

Q_DECLARE_METATYPE(const ToolDescription *)

// Every tool of the tool table is complete: a panel button or menu action with its icons, a
// route the main window follows, a translated tool tip, and (for measurements) a row in the
// results table once an item of it is drawn. A tool added to ToolId without all of these fails
// here.
class TestToolTable : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void everyIdDescribedOnce();
    void complete_data();
    void complete();
};

void TestToolTable::everyIdDescribedOnce()
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

void TestToolTable::complete_data()
{
    QTest::addColumn<const ToolDescription *>("tool");
    for (ToolId id : allToolIds)
        QTest::newRow(ToolTable::find(id)->name) << ToolTable::find(id);
}

void TestToolTable::complete()
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
    QVector<QPointF> clicks;
    for (int k = 1; k <= (searches ? 12 : tool->route.finishClick); ++k)
        clicks << QPointF(900 + 300 * std::cos(k * 0.61), 500 + 300 * std::sin(k * 0.61));
    if (searches) {
        // The edge points a search found stand for the clicks.
        for (int k = 1; k <= 12; ++k)
            shape->setPoint(clicks.at(k - 1), quint8(k), 1);
        shape->endDraw(Shape::unsetPoint());
    } else {
        delete shape;
        shape = FrameDriver::feed(code, clicks);
    }
    QCOMPARE(!shape->labelValues().isEmpty(), tool->measurement);
    delete shape;
}

QTEST_MAIN(TestToolTable)
#include "tst_tooltable.moc"
