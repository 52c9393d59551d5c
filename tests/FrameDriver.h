#ifndef FRAMEDRIVER_H
#define FRAMEDRIVER_H

#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <random>
#include <utility>

#include "DialogAnswers.h"
#include "Frame.h"
#include "GraphicsView.h"
#include "Menu.h"
#include "Shape.h"
#include "ShapeRoutes.h"
#include "TextDialog.h"
#include "testutils.h"

// A main window shown for one test function and driven by real mouse events on its view; its
// message boxes are answered (see DialogAnswers).
class FrameDriver : protected DialogAnswers
{
public:
    // The item of `tool` fed the clicks as the window feeds it, with a move onto each point
    // before its click, but kept apart from the window: owned by the caller, in no scene. With
    // `rightClick` a right click after the clicks finishes it (the right click adds no point of
    // its own: where the tool's right click is a point, it is the last click). A tool that
    // searches the picture takes the clicks as the edge points its search found.
    static Shape *feed(int tool, const QVector<QPointF> &clicks, bool rightClick = false)
    {
        const ShapeRoute *route = ShapeRoutes::find(tool);
        Shape *item = route->create();
        const bool search = route->search != ShapeRoute::NoSearch;
        const bool unsetLast = search || (rightClick && !route->rightClickIsPoint);
        item->setPoint(clicks.first(), 1, 1);
        for (int k = 1; k < clicks.size(); ++k) {
            if (!search && route->drawsAt(k))
                item->drawing(clicks.at(k));
            if (k + 1 < clicks.size() || unsetLast)
                item->setPoint(clicks.at(k), quint8(k + 1), 1);
            else
                item->endDraw(clicks.at(k));
        }
        if (unsetLast)
            item->endDraw(Shape::unsetPoint());
        return item;
    }

    // `count` points of a circle, no three of them in a line.
    static QVector<QPointF> rimPoints(int count)
    {
        QVector<QPointF> points;
        for (int k = 1; k <= count; ++k)
            points << QPointF(900 + 300 * std::cos(k * 0.61), 500 + 300 * std::sin(k * 0.61));
        return points;
    }

protected:
    FrameDriver()
    {
        QObject::connect(&answering, &QTimer::timeout, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                nextAnswer ? std::exchange(nextAnswer, nullptr)(dialog) : dialog->reject();
        });
    }
    void openFrame()
    {
        answerDialogs();
        GlobalVar::resetToDefaults();
        frame = new Frame(nullptr);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
    }
    void closeFrame()
    {
        answering.stop();
        nextAnswer = nullptr;
        delete frame;
        frame = nullptr;
        forgetDialogs();
    }
    QWidget *viewport() const { return frame->view()->viewport(); }
    static void click(QWidget *w, QPointF p, Qt::MouseButton b = Qt::LeftButton) { TestUtils::click(w, p, b); }
    static void move(QWidget *w, QPointF p, Qt::MouseButtons b = Qt::NoButton) { TestUtils::move(w, p, b); }
    template<class T = QToolButton>
    T *panel(const char *name) const { return frame->menu()->findChild<T *>(QLatin1String(name)); }
    // The text of a cell of the results table; empty where it has none.
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = panel<QTableWidget>("tw_DataTable")->item(row, column);
        return item ? item->text() : QString();
    }

    // Arms `tool` and clicks the points in turn, moving the mouse onto each before its click.
    // Returns the last finished item, or the one in progress when none is finished.
    Shape *draw(ToolId tool, const QVector<QPointF> &clicks)
    {
        frame->armTool(tool);
        for (int i = 0; i < clicks.size(); ++i) {
            if (i > 0)
                TestUtils::move(viewport(), clicks.at(i));
            TestUtils::click(viewport(), clicks.at(i));
        }
        return GlobalVar::shapeList.isEmpty() ? frame->currentShape() : GlobalVar::shapeList.last();
    }

    // Until closeFrame() the next modal dialog goes to `nextAnswer`, which closes it; any other
    // is rejected, as the user would close it.
    void answerModalDialogs() { answering.start(0); }

    // The look changed as the user types into the dialog's boxes, which keep each value within
    // their range, and one of its switches flipped, or none; each drawn from `random`.
    void changeLook(std::mt19937 &random)
    {
        const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const int digits = pick(0, 6), size = pick(6, 40), width = pick(0, 6), flip = pick(0, 5);
        nextAnswer = [=](QDialog *dialog) {
            auto *text = qobject_cast<TextDialog *>(dialog);
            text->findChild<QSpinBox *>(QStringLiteral("sb_TextLength"))->setValue(digits);
            text->findChild<QSpinBox *>(QStringLiteral("sb_TextSize"))->setValue(size);
            text->findChild<QSpinBox *>(QStringLiteral("sb_LineWidth"))->setValue(width);
            void (TextDialog::*const switches[])() = {&TextDialog::slot_textSwitchChanged, &TextDialog::slot_textOutlineChanged,
                                                       &TextDialog::slot_lineEditableChanged, &TextDialog::slot_lineMovableChanged};
            if (flip < 4)
                (text->*switches[flip])();
            text->accept();
        };
        panel("tb_Font")->click();
        nextAnswer = nullptr;
    }

    TestUtils::Sandbox sandbox;
    Frame *frame = nullptr;
    std::function<void(QDialog *)> nextAnswer;
    QTimer answering;
};

#endif // FRAMEDRIVER_H
