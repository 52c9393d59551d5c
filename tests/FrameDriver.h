#ifndef FRAMEDRIVER_H
#define FRAMEDRIVER_H

#include <QTest>

#include "DialogAnswers.h"
#include "Frame.h"
#include "GraphicsView.h"
#include "Shape.h"
#include "ShapeRoutes.h"
#include "testutils.h"

// A main window shown for one test function and driven by real mouse events on its view; its
// message boxes are answered (see DialogAnswers).
class FrameDriver : protected DialogAnswers
{
protected:
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
        delete frame;
        frame = nullptr;
        forgetDialogs();
    }
    QWidget *viewport() const { return frame->view()->viewport(); }

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

    // The item of `tool` fed the clicks as the window feeds it, with a move onto each point
    // before its click, but kept apart from the window: owned by the caller, in no scene.
    static Shape *feed(int tool, const QVector<QPointF> &clicks)
    {
        const ShapeRoute *route = ShapeRoutes::find(tool);
        Shape *item = route->create();
        item->setPoint(clicks.first(), 1, 1);
        for (int k = 1; k < clicks.size(); ++k) {
            if (route->drawsAt(k))
                item->drawing(clicks.at(k));
            if (k + 1 < clicks.size())
                item->setPoint(clicks.at(k), quint8(k + 1), 1);
            else
                item->endDraw(clicks.at(k));
        }
        return item;
    }

    TestUtils::Sandbox sandbox;
    Frame *frame = nullptr;
};

#endif // FRAMEDRIVER_H
