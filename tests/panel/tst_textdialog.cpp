#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "CustomLine.h"
#include "FrameDriver.h"
#include "Menu.h"
#include "ParamFile.h"
#include "TextDialog.h"
#include "UserDialogs.h"

using TestUtils::click;

// The line and text dialog on its own, then the font button of the panel over a main window
// with measurements already drawn.
class TestTextDialog : public QObject, private FrameDriver
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void switchesAndPreviewCross();
    void coloursAndLimits();
    void fontButtonRestylesEverything();

private:
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

void TestTextDialog::init()
{
    QFile::remove(ParamFile::path());
    GlobalVar::resetToDefaults();
    nextColor = QColor();
    UserDialogs::setColorHandler([this](const QColor &, QWidget *, const QString &) { return nextColor; });
}

void TestTextDialog::cleanup()
{
    closeFrame();
    UserDialogs::setColorHandler(nullptr);
}

void TestTextDialog::switchesAndPreviewCross()
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

void TestTextDialog::coloursAndLimits()
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

void TestTextDialog::fontButtonRestylesEverything()
{
    openFrame();
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

QTEST_MAIN(TestTextDialog)
#include "tst_textdialog.moc"
