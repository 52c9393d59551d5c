#include "CalibrationWorkflow.h"

#include "CalibrateCircle.h"
#include "CalibrateDialog.h"
#include "CalibrateLine.h"
#include "MeasurementDocument.h"
#include "NumericKeypadDialog.h"
#include "QtCompat.h"
#include "UserDialogs.h"

CalibrationWorkflow::CalibrationWorkflow(MeasurementDocument *document, Limits limits, QObject *parent)
    : QObject(parent)
    , document(document)
    , limits(std::move(limits))
{
    ensureDialog();
}

CalibrationWorkflow::~CalibrationWorkflow()
{
    delete calibrateDialog;
}

CalibrateDialog *CalibrationWorkflow::dialog() const
{
    return calibrateDialog;
}

void CalibrationWorkflow::ensureDialog()
{
    if (calibrateDialog)
        return;
    calibrateDialog = new CalibrateDialog;
    calibrateDialog->hide();
    connect(calibrateDialog, &CalibrateDialog::signal_updateRealRuler, this, &CalibrationWorkflow::answer);
}

bool CalibrationWorkflow::open(Shape *shape, int kind, const QSize &area)
{
    // Only a finished calibration item of the armed kind is named, never a measurement.
    if (!shape || shape->property() != kind)
        return false;
    qreal pixel = 0;
    QPointF anchor;
    if (auto *line = qgraphicsitem_cast<CalibrateLine *>(shape)) {
        pixel = line->pixelMeasure();
        anchor = line->dialogAnchor();
    } else if (auto *circle = qgraphicsitem_cast<CalibrateCircle *>(shape)) {
        pixel = circle->pixelMeasure();
        anchor = circle->dialogAnchor();
    } else {
        return false;
    }
    shape->setFlag(QGraphicsItem::ItemIsSelectable, false);
    shape->setFlag(QGraphicsItem::ItemIsMovable, false);
    item = shape;
    ensureDialog();
    naming = true;
    calibrateDialog->slot_updateRealPixel(pixel);
    const QPointF at = shape->mapToScene(anchor) + QPointF(4, 4);
    const int keypadHeight = calibrateDialog->keypad ? calibrateDialog->keypad->height() : 250;
    const qreal x = qMin(at.x(), qreal(area.width() - calibrateDialog->width()));
    const qreal y = qMin(at.y(), qreal(area.height() - calibrateDialog->height() - keypadHeight));
    calibrateDialog->move(int(x), int(y));
    calibrateDialog->show();
    return true;
}

void CalibrationWorkflow::putAway()
{
    ensureDialog();
    if (!naming)
        return;
    naming = false;
    calibrateDialog->hide();
    if (calibrateDialog->keypad)
        calibrateDialog->keypad->hide();
    calibrateDialog->disconnectSignalSlot();
}

void CalibrationWorkflow::forget(Shape *shape)
{
    if (item == shape) {
        item = nullptr;
        close();
    }
}

void CalibrationWorkflow::answer(bool keep)
{
    if (!calibrateDialog)
        return;
    if (!keep) {
        if (Shape *shape = item) {
            item = nullptr;
            document->discard(shape);
            delete shape;
        }
        close();
        return;
    }
    const int unit = calibrateDialog->unitIndex;
    QString text = calibrateDialog->nameText + QStringLiteral(", ");
    if (unit == 1)
        text += calibrateDialog->lengthText + tr("mm");
    else if (unit == 2)
        text += calibrateDialog->lengthText + tr("inch");
    else
        text += QString::number(calibrateDialog->realPixel, 'f', GlobalVar::textDigiLength) + tr("pixels");
    const QString name = text.section(QLatin1Char(','), 0, 0);
    const auto refuse = [this](const QString &message) {
        UserDialogs::warning(nullptr, tr("Warning"), message, calibrateDialog->geometry().bottomLeft() + QPoint(10, 10));
    };
    for (const ruler &stored : qAsConst(GlobalVar::rulerList)) {
        if (stored.name.section(QLatin1Char(','), 0, 0) == name) {
            refuse(tr("This name of calibration already exists!\nPlease change the name!"));
            return;
        }
    }
    // The parameter file reads back only so many: a further one would be gone after a restart.
    if (GlobalVar::rulerList.size() >= limits.largestCount) {
        refuse(tr("At most %1 calibrations can be kept!\nPlease delete one first!").arg(limits.largestCount));
        return;
    }
    const double pixel = calibrateDialog->realPixel;
    const double length = unit == 0 ? pixel : double(calibrateDialog->realRuler);
    if (!limits.keeps(pixel, length)) {
        refuse(tr("The calibration is out of range and could not be kept!\n"
                  "Please check the length and the drawn item!"));
        return;
    }
    Shape *shape = item;
    item = nullptr;
    if (shape) {
        shape->label = name;
        shape->refreshLook();
    }
    ruler record;
    record.name = text;
    record.unit = quint8(unit);
    record.pixel = float(pixel);
    record.length = float(length);
    GlobalVar::rulerList.append(record);
    close();
    emit accepted(shape, record);
}

void CalibrationWorkflow::close()
{
    naming = false;
    if (!calibrateDialog)
        return;
    disconnect(calibrateDialog, nullptr, this, nullptr);
    calibrateDialog->close();
    calibrateDialog = nullptr;
}
