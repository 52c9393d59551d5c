#ifndef FRAME_H
#define FRAME_H

#include <QDialog>

#include <memory>

#include "GlobalVar.h"
#include "MeasurementFile.h"
#include "ToolId.h"

class CalibrateDialog;
class CalibrationWorkflow;
class GraphicsView;
class LabelSweep;
class LanguageSwitch;
class MeasurementDocument;
class Menu;
class QGraphicsScene;
class Shape;
class ToolRouter;

namespace Ui {
class Frame;
}

// The main window: a frameless, full-screen, transparent layer over the live picture. It holds
// the scene with the measurement items, the panel and the tools (their router takes the view's
// mouse events), and serves the window's own jobs: captures, unit changes, languages, the
// upgrade dialog and the simulator's live picture.
class Frame : public QDialog
{
    Q_OBJECT

public:
    explicit Frame(QWidget *parent = nullptr);
    ~Frame() override;

    // Arms a drawing tool (code as in the tool table) or disarms it. An item still half drawn
    // under the previous tool is discarded, so no item is continued by the wrong tool.
    void armTool(int code);
    void armTool(ToolId id) { armTool(toolCode(id)); }
    void disarmTool();
    // An item left the list: the window and its tools let go of it.
    void forgetShape(Shape *shape);

    // The point moved to the nearest strong edge of the live picture, or p itself.
    QPointF detectPoint(QPointF p);
    // Saves the live picture with every item drawn over it; the format follows the suffix.
    // False, and no file left, when no photo could be taken or the file could not be written.
    bool captureImageTo(const QString &path);
    // F12: the picture with the measurements, as the next free "IMG" bitmap on the stick; a
    // warning when it could not be saved.
    void captureImage();

    // Shows the picture in place of the live one, the camera frozen, with the items of the
    // measurement file beside it rebuilt; the items on the screen go first, after a question.
    // False, after a message, when the picture or its file could not be read.
    bool openMeasurement(const QString &picturePath);
    // Puts the items of a measurement file on the scene, with its calibration and look; their
    // history starts there. False, after a message, when the file is refused as a whole.
    bool loadMeasurements(const QString &path);
    // Puts the still picture away and its items with it, after asking when they were changed
    // since it was opened or captured; false when the user keeps it.
    bool returnToLive();
    bool isStillShown() const;
    // What a measurement file keeps besides the items, as the window stands now.
    MeasurementFile::Settings measurementSettings() const;

    QGraphicsScene *scene() const { return graphicsScene; }
    GraphicsView *view() const { return graphicsView; }
    Menu *menu() const { return panel; }
    MeasurementDocument *document() const { return measurements; }
    ToolRouter *tools() const { return router; }
    // Writes the labels anew after a change of unit or calibration.
    LabelSweep *labelSweep() const { return sweep; }
    // The armed tool's code (kept after a calibration finished and disarmed its tool), whether a
    // tool is armed, the item it draws or drew last, and the clicks made on it.
    int armedTool() const;
    bool isDrawing() const;
    Shape *currentShape() const;
    quint8 pointIndex() const;
    quint16 serialCounter(int counter) const;
    CalibrateDialog *calibrateDialog() const;
    bool isCalibrating() const;

signals:
    // The finished items or their values changed: the results table is to be rebuilt.
    void signal_updateDataTable();
    // One finished item is being dragged or reshaped: its row is to follow.
    void signal_updateDataRow(Shape *shape);
    // The tool was disarmed from the view (right click, Escape): the panel shows none armed.
    void signal_initMainButton();

public slots:
    void slot_changeRulerValue(int index);
    void slot_changeRulerUnit(int index);
    void slot_changeLangToSimplifiedChinese();
    void slot_changeLangToTraditionalChinese();
    void slot_changeLangToEnglish();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void on_tb_ZoomIn_clicked() {}
    void on_tb_ZoomOut_clicked() {}
    void on_tb_ZoomFix_clicked() {}
    void on_tb_ZoomOriginal_clicked() {}
    void slot_captureRequested(const QString &path);
    void slot_shapesHidden();
    void slot_upgradeRequested(const QString &version);

private:
    void restyleItems();
    void loadContents(const MeasurementFile::Contents &contents);
    // Every finished item leaves, with its history.
    void clearItems();

    std::unique_ptr<Ui::Frame> ui;
    std::unique_ptr<LanguageSwitch> language;
    QGraphicsScene *graphicsScene = nullptr;
    GraphicsView *graphicsView = nullptr;
    Menu *panel = nullptr;
    MeasurementDocument *measurements = nullptr;
    LabelSweep *sweep = nullptr;
    CalibrationWorkflow *calibration = nullptr;
    ToolRouter *router = nullptr;

    // The calibration chosen, and the unit the values are shown in.
    float baseRealPixel = 0.0f;
    float baseRealRuler = 0.0f;
    quint8 baseRulerUnit = 0;
    float realRuler = 0.0f;
    QString unitText;
    // The calibration chosen (empty name: none) and the unit index the values are shown in.
    ruler calibrationInUse;
    int shownUnit = 0;
};

#endif // FRAME_H
