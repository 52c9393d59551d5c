#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "CustomLine.h"
#include "LinePropertyDialog.h"
#include "LinesConfigFile.h"
#include "ReferenceLines.h"
#include "testutils.h"
#include "UserDialogs.h"

// Reference lines: dragging along their free axis, the hover tag, and the property dialog,
// driven through real mouse events on a view and real widgets in the dialog; and the custom
// lines spread, replaced, cleared and loaded from a configuration file. (A line moved by the
// user is saved through the panel.)
class TestCustomLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dragFollowsOneAxis_data();
    void dragFollowsOneAxis();
    void hoverTag();
    void propertyDialog();
    void contextMenuSavesAfterDialog();
    void rebuildAndClear();
    void loadSavedLines();

private:
    CustomLine *addLine(const QString &name, const QPointF &position);
    QWidget *viewport() const { return view->viewport(); }

    static QVector<QPointF> positions(const QVector<CustomLine *> &lines)
    {
        QVector<QPointF> result;
        for (const CustomLine *line : lines)
            result << line->pos();
        return result;
    }
    int linesOnScene() const
    {
        int count = 0;
        for (const QGraphicsItem *item : scene->items())
            count += item->type() == CustomLine::Type;
        return count;
    }

    TestUtils::Sandbox sandbox;
    QGraphicsScene *scene = nullptr;
    QGraphicsView *view = nullptr;
    ReferenceLines *lines = nullptr;
};

void TestCustomLine::init()
{
    scene = new QGraphicsScene(0, 0, 1920, 1080);
    view = new QGraphicsView(scene);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFixedSize(1920, 1080);
    view->setSceneRect(0, 0, 1920, 1080);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    lines = new ReferenceLines(scene, scene);
}

void TestCustomLine::cleanup()
{
    lines->clearCustom();
    delete view;
    delete scene;
    UserDialogs::setColorHandler(nullptr);
}

CustomLine *TestCustomLine::addLine(const QString &name, const QPointF &position)
{
    auto *line = new CustomLine;
    line->name = name;
    line->position = position;
    line->pen = QPen(QBrush(Qt::red), 1, Qt::SolidLine);
    line->initialLine();
    scene->addItem(line);
    return line;
}

void TestCustomLine::dragFollowsOneAxis_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("horizontal follows y only") << "horizontal" << QPointF(0, 540) << QPointF(300, 200) << QPointF(0, 740);
    QTest::newRow("vertical follows x only") << "vertical" << QPointF(800, 0) << QPointF(300, 200) << QPointF(1100, 0);
    // Off the picture the line stays on its edge, where the settings can keep it.
    QTest::newRow("vertical past the right edge") << "vertical" << QPointF(1800, 0) << QPointF(300, 0) << QPointF(1920, 0);
    QTest::newRow("vertical past the left edge") << "vertical" << QPointF(100, 0) << QPointF(-150, 0) << QPointF(0, 0);
    QTest::newRow("horizontal past the bottom") << "horizontal" << QPointF(0, 1000) << QPointF(0, 200) << QPointF(0, 1080);
    QTest::newRow("horizontal past the top") << "horizontal" << QPointF(0, 50) << QPointF(0, -90) << QPointF(0, 0);
}

void TestCustomLine::dragFollowsOneAxis()
{
    QFETCH(QString, name);
    QFETCH(QPointF, position);
    QFETCH(QPointF, by);
    QFETCH(QPointF, expected);
    CustomLine *line = addLine(name, position);
    QSignalSpy saved(line, &CustomLine::signal_saveLinesProperty);

    // Grabbed on the line, away from its ends.
    const QPointF grab = position + (line->isHorizontal() ? QPointF(500, 0) : QPointF(0, 300));
    TestUtils::drag(viewport(), grab, grab + by);
    QCOMPARE(line->position, expected);
    QCOMPARE(line->pos(), expected);
    QCOMPARE(saved.count(), 1);
    // The press neither selects nor moves the line by itself.
    QVERIFY(!line->isSelected());
}

void TestCustomLine::hoverTag()
{
    CustomLine *line = addLine(QStringLiteral("horizontal"), QPointF(0, 540));
    TestUtils::move(viewport(), QPointF(300, 500));
    QVERIFY(!line->coordItem->isVisible());

    TestUtils::move(viewport(), QPointF(300, 541));
    QVERIFY(line->coordItem->isVisible());
    QCOMPARE(line->coordItem->text(), QStringLiteral("(0, 540)"));
    QCOMPARE(line->coordItem->scenePos(), QPointF(300, 548));
    QCOMPARE(line->pen.style(), Qt::DashLine);
    QCOMPARE(int(line->cursor().shape()), int(Qt::OpenHandCursor));

    // The tag stays where the pointer entered.
    TestUtils::move(viewport(), QPointF(900, 541));
    QCOMPARE(line->coordItem->scenePos(), QPointF(300, 548));

    TestUtils::move(viewport(), QPointF(900, 600));
    QVERIFY(!line->coordItem->isVisible());
    QCOMPARE(line->pen.style(), Qt::SolidLine);
    QCOMPARE(line->pen.color(), QColor(Qt::red));
}

void TestCustomLine::propertyDialog()
{
    CustomLine *line = addLine(QStringLiteral("horizontal"), QPointF(0, 540));
    LinePropertyDialog dialog(nullptr, line);
    dialog.show();
    auto *x = dialog.findChild<QSpinBox *>(QStringLiteral("sb_xAxis"));
    auto *y = dialog.findChild<QSpinBox *>(QStringLiteral("sb_yAxis"));
    auto *width = dialog.findChild<QSpinBox *>(QStringLiteral("sb_lineWidth"));
    QVERIFY(x && y && width);
    QVERIFY(!x->isEnabled());
    QVERIFY(y->isEnabled());
    QCOMPARE(y->value(), 540);
    QCOMPARE(width->value(), 1);
    // Setting the initial values did not touch the line.
    QCOMPARE(line->pos(), QPointF(0, 540));

    y->setValue(700);
    QCOMPARE(line->pos(), QPointF(0, 700));
    // The stored position catches up only when the dialog closes.
    QCOMPARE(line->position, QPointF(0, 540));

    // Widths are 1 to 3, positions whole pixels within the picture.
    width->setValue(5);
    QCOMPARE(line->pen.width(), 3);
    width->setValue(0);
    QCOMPARE(line->pen.width(), 1);
    y->setValue(5000);
    QCOMPARE(line->pos(), QPointF(0, 1080));
    QCOMPARE(x->maximum(), 1920);

    QWidget *swatch = dialog.findChild<QWidget *>(QStringLiteral("w_lineColor"));
    QVERIFY(swatch);

    QColor offered;
    QColor answer = QColor(0, 128, 255);
    UserDialogs::setColorHandler([&](const QColor &initial, QWidget *, const QString &) {
        offered = initial;
        return answer;
    });
    // A click on the swatch opens the chooser with the line's colour.
    QTest::mouseClick(swatch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(offered, QColor(Qt::red));
    QCOMPARE(line->pen.color(), QColor(0, 128, 255));
    QCOMPARE(swatch->styleSheet(), QStringLiteral("background-color: rgb(0, 128, 255);"));

    // Cancelled: colour and swatch stay.
    answer = QColor();
    QTest::mouseClick(swatch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(offered, QColor(0, 128, 255));
    QCOMPARE(line->pen.color(), QColor(0, 128, 255));
    QCOMPARE(swatch->styleSheet(), QStringLiteral("background-color: rgb(0, 128, 255);"));

    // A click beside the swatch opens nothing.
    offered = QColor();
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(5, 80));
    QVERIFY(!offered.isValid());
}

void TestCustomLine::contextMenuSavesAfterDialog()
{
    CustomLine *line = addLine(QStringLiteral("vertical"), QPointF(800, 0));
    QSignalSpy saved(line, &CustomLine::signal_saveLinesProperty);
    QString title;
    // The dialog runs modally: answer it from a timer as a user would, then close it.
    QTimer::singleShot(0, this, [&title]() {
        auto *dialog = qobject_cast<LinePropertyDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        dialog->findChild<QSpinBox *>(QStringLiteral("sb_xAxis"))->setValue(1200);
        dialog->findChild<QSpinBox *>(QStringLiteral("sb_lineWidth"))->setValue(2);
        dialog->accept();
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(800, 300), view->mapToGlobal(QPoint(800, 300)));
    QApplication::sendEvent(viewport(), &menu);

    QCOMPARE(title, QStringLiteral("Line property"));
    QCOMPARE(line->position, QPointF(1200, 0));
    QCOMPARE(line->lineWidth, 2);
    QCOMPARE(saved.count(), 1);
}

void TestCustomLine::rebuildAndClear()
{
    CustomLine *cross = lines->add(QStringLiteral("vertical"), QPointF(800, 0), QPen(Qt::red));
    lines->rebuild(true, 3);
    QCOMPARE(positions(GlobalVar::horizontalLineList), (QVector<QPointF>{{0, 270}, {0, 540}, {0, 810}}));
    QVERIFY(GlobalVar::horizontalLineList.first()->isHorizontal());
    lines->rebuild(false, 1);
    QCOMPARE(positions(GlobalVar::verticalLineList), QVector<QPointF>{QPointF(800, 0)});
    CustomLine *vertical = GlobalVar::verticalLineList.first();
    QCOMPARE(linesOnScene(), 1 + 3 + 1);

    // Rebuilding one direction replaces its lines only, on the scene as well.
    lines->rebuild(true, 2);
    QCOMPARE(positions(GlobalVar::horizontalLineList), (QVector<QPointF>{{0, 360}, {0, 720}}));
    QCOMPARE(GlobalVar::verticalLineList, QVector<CustomLine *>{vertical});
    QCOMPARE(linesOnScene(), 1 + 2 + 1);
    lines->rebuild(true, 0);
    QVERIFY(GlobalVar::horizontalLineList.isEmpty());
    QCOMPARE(linesOnScene(), 2);

    // Clearing takes every custom line, not the cross hair.
    lines->rebuild(true, 4);
    lines->clearCustom();
    QVERIFY(GlobalVar::horizontalLineList.isEmpty() && GlobalVar::verticalLineList.isEmpty());
    QCOMPARE(linesOnScene(), 1);
    QVERIFY(scene->items().contains(cross));
}

void TestCustomLine::loadSavedLines()
{
    lines->rebuild(true, 2);
    lines->rebuild(false, 1);
    GlobalVar::horizontalLineList.at(1)->pen = QPen(QColor(0, 0, 255), 3);
    GlobalVar::horizontalLineList.at(1)->position = QPointF(0, 1000.5);
    GlobalVar::verticalLineList.at(0)->pen = QPen(QColor(0, 128, 0), 2);
    const QString path = sandbox.path(QStringLiteral("CFG00001.ini"));
    QVERIFY(LinesConfigFile::save(path, GlobalVar::horizontalLineList, GlobalVar::verticalLineList));
    // The keys and colour numbers that stored files hold.
    const QSettings file(path, QSettings::IniFormat);
    QCOMPARE(file.value("hline/total").toInt(), 2);
    QCOMPARE(file.value("vline/total").toInt(), 1);
    QCOMPARE(file.value("hline/color2").toString(), QStringLiteral("4278190335"));

    lines->clearCustom();
    lines->load(path);
    QCOMPARE(positions(GlobalVar::horizontalLineList), (QVector<QPointF>{{0, 360}, {0, 1000.5}}));
    QCOMPARE(positions(GlobalVar::verticalLineList), QVector<QPointF>{QPointF(800, 0)});
    auto pen = [](const CustomLine *line) { return QPen(line->pen.color(), line->pen.width()); };
    QCOMPARE(pen(GlobalVar::horizontalLineList.at(0)), QPen(QColor(255, 0, 0), 1));
    QCOMPARE(pen(GlobalVar::horizontalLineList.at(1)), QPen(QColor(0, 0, 255), 3));
    QCOMPARE(pen(GlobalVar::verticalLineList.at(0)), QPen(QColor(0, 128, 0), 2));
    QVERIFY(GlobalVar::verticalLineList.at(0)->isVertical());
    QCOMPARE(GlobalVar::verticalLineList.at(0)->scene(), scene);

    // An empty file (a copy cut short) holds no lines: opening it leaves those shown alone.
    QVERIFY(LinesConfigFile::holdsLines(path));
    const QString empty = sandbox.path(QStringLiteral("CFG00002.ini"));
    QVERIFY(TestUtils::writeFile(empty, QByteArray()));
    QVERIFY(!LinesConfigFile::holdsLines(empty));
}

QTEST_MAIN(TestCustomLine)
#include "tst_customline.moc"
