#ifndef CALIBRATIONWORKFLOW_H
#define CALIBRATIONWORKFLOW_H

#include <QObject>
#include <QPointer>
#include <QSize>

#include <functional>

#include "GlobalVar.h"

class CalibrateDialog;
class MeasurementDocument;
class Shape;

// Naming a finished calibration item: the calibration dialog opens beside it, and its answer
// either keeps the calibration (its name on the item, a new entry in GlobalVar::rulerList) or
// gives the item up. A refused calibration (a name in use, too many, out of range) leaves the
// dialog open with a warning beside it.
class CalibrationWorkflow : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        // How many calibrations may be kept, and whether one is within what can be kept.
        int largestCount = 0;
        std::function<bool(double pixel, double length)> keeps;
    };

    CalibrationWorkflow(MeasurementDocument *document, Limits limits, QObject *parent = nullptr);
    ~CalibrationWorkflow() override;

    // Opens the dialog for `item`, a finished calibration item of the tool `kind`; false (and
    // nothing opened) for any other item. The dialog stands near the item, inside `area` (the
    // screen less the panel at its right).
    bool open(Shape *item, int kind, const QSize &area);
    // A new calibration item was begun: the dialog still open is put away, its item left as it
    // is.
    void putAway();
    // The item is gone: a dialog open for it closes.
    void forget(Shape *item);
    bool isNaming() const { return naming; }
    CalibrateDialog *dialog() const;

signals:
    // A calibration was kept for `item`.
    void accepted(Shape *item, const ruler &record);

private:
    void ensureDialog();
    void answer(bool keep);
    void close();

    MeasurementDocument *document;
    Limits limits;
    QPointer<CalibrateDialog> calibrateDialog;
    // The item the dialog is open for.
    Shape *item = nullptr;
    bool naming = false;
};

#endif // CALIBRATIONWORKFLOW_H
