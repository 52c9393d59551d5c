#ifndef LABELSWEEP_H
#define LABELSWEEP_H

#include <QObject>
#include <QTimer>
#include <QVector>

// Writes every item's label anew after the unit or the calibration changed, and redraws every
// item after the digits, the label mode, the text size or the pen changed.
//
// Each label written anew repaints its item, and ten thousand of them would repaint the whole
// view in one go, for far longer than the screen may stand still. So beyond `bandSize` items the
// labels are written in bands from the top of the picture down, `bandSize` items a band and one
// band each time the event loop has served what was waiting: the view repaints one band at a
// time, and the pointer and keys are answered in between. Up to `bandSize` items are all written
// before start() returns.
//
// The items of a band are looked up in GlobalVar::shapeList when it is written, so items deleted
// or added in the meantime are no concern, and an item reshaped in the meantime has written its
// label in the new unit itself. A click or a key first writes everything that is left, so
// whatever it starts (a capture, an export, a drag) sees every label in the new unit.
class LabelSweep : public QObject
{
    Q_OBJECT

public:
    static constexpr int bandSize = 500;

    enum Refresh {
        // The unit or the calibration changed: only the labels whose text changed are redrawn.
        Labels,
        // The look changed: every item is redrawn, and gets the area its new text and pen need.
        LabelsAndLook
    };

    explicit LabelSweep(QObject *parent = nullptr);

    // Starts over with every item. What an earlier sweep had left to redraw is redrawn as well.
    void start(Refresh refresh = Labels);
    // Writes what is left now.
    void finish();
    bool isRunning() const { return nextBand < bandTops.size(); }

signals:
    // Every label is written: the results table may be rebuilt.
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Writes band `nextBand` and moves on; the last band ends the sweep.
    void writeBand();

    // Band k holds the items whose top lies from bandTops[k] up to bandTops[k + 1]; the first
    // band is open above, the last one below.
    QVector<qreal> bandTops;
    int nextBand = 0;
    bool restyle = false;
    QTimer nextBandTimer;
};

#endif // LABELSWEEP_H
