#ifndef FRAMEDRIVER_H
#define FRAMEDRIVER_H

#include <QTest>

#include "Frame.h"
#include "GraphicsView.h"
#include "Shape.h"
#include "testutils.h"

// A main window shown for one test function and driven by real mouse events on its view.
class FrameDriver
{
protected:
    void openFrame()
    {
        GlobalVar::resetToDefaults();
        frame = new Frame(nullptr);
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
    }
    void closeFrame()
    {
        delete frame;
        frame = nullptr;
    }
    QWidget *viewport() const { return frame->view->viewport(); }

    // Arms `tool` and clicks the points in turn, moving the mouse onto each before its click.
    // Returns the last finished item, or the one in progress when none is finished.
    Shape *draw(int tool, const QVector<QPointF> &clicks)
    {
        frame->armTool(tool);
        for (int i = 0; i < clicks.size(); ++i) {
            if (i > 0)
                TestUtils::move(viewport(), clicks.at(i));
            TestUtils::click(viewport(), clicks.at(i));
        }
        return GlobalVar::shapeList.isEmpty() ? frame->currentShape : GlobalVar::shapeList.last();
    }

    TestUtils::Sandbox sandbox;
    Frame *frame = nullptr;
};

#endif // FRAMEDRIVER_H
