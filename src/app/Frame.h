#ifndef FRAME_H
#define FRAME_H

#include <QDialog>
#include <QPointF>
#include <QPointer>
#include <QVector>

#include <memory>

#include "ShapeRoute.h"
#include "ViewMouseHandler.h"

class CalibrateDialog;
class GraphicsView;
class LabelSweep;
class LanguageSwitch;
class MeasurementDocument;
class Menu;
class QGraphicsScene;
class QShortcut;
class Shape;

namespace Ui {
class Frame;
}

// The main window: a frameless, full-screen, transparent layer over the live picture. It owns
// the scene with every measurement item and routes each press, move and release on the view to
// the item being drawn, by the armed tool and the clicks already made.
class Frame : public QDialog, public ViewMouseHandler
{
    Q_OBJECT

public:
    explicit Frame(QWidget *parent = nullptr);
    ~Frame() override;

    // Arms a drawing tool (code as in the routing table) or disarms it. An item still half
    // drawn under the previous tool is discarded, so no item is continued by the wrong tool.
    void armTool(int code);
    void disarmTool();
    // An item is about to be deleted elsewhere (results table): the window lets go of it.
    void forgetShape(Shape *shape);

    // Shows the calibration dialog near `anchor` for the calibration item under work.
    void calibrateRuler(const QPointF &anchor);

    // The point moved to the nearest strong edge of the live picture, or p itself (no edge
    // near, outside the picture, or no photo).
    QPointF detectPoint(QPointF p);
    // Saves the live picture with every item drawn over it; the format follows the suffix.
    // False, and no file left, when no photo could be taken or the file could not be written.
    bool captureImageTo(const QString &path);
    // F12: the picture with the measurements, as the next free "IMG" bitmap on the stick; a
    // warning when it could not be saved.
    void captureImage();

    void viewMouseMoveEvent(QMouseEvent *event) override;
    void viewMousePressEvent(QMouseEvent *event) override;
    void viewMouseReleaseEvent(QMouseEvent *event) override;
    void viewWheelEvent(QWheelEvent *event) override;
    void viewContextMenuEvent(QContextMenuEvent *event) override;
    void viewSceneMouseMoved() override;
    void viewScenePressed() override;
    void viewSceneReleased() override;

    QGraphicsScene *scene = nullptr;
    GraphicsView *view = nullptr;
    Menu *menu = nullptr;
    MeasurementDocument *document = nullptr;
    // Writes the labels anew after a change of unit or calibration.
    LabelSweep *labelSweep = nullptr;

    float realPixel = 0.0f;
    float realRuler = 0.0f;
    quint8 rulerUnit = 0;
    QString unitText;
    float baseRealPixel = 0.0f;
    float baseRealRuler = 0.0f;
    quint8 baseRulerUnit = 0;

    quint8 pointIndex = 0;
    quint16 serialCounter[ShapeRoute::CounterCount] = {};
    int shapeType = 0;
    Shape *previousShape = nullptr;
    Shape *currentShape = nullptr;
    bool bMousePressed = false;
    // The last right press was taken here (drawing, or naming a calibration): the context
    // menu that comes with it is taken too, so no reference line under the pointer opens
    // its own dialog over the calibration dialog.
    bool bRightPressTaken = false;
    bool bDrawing = false;
    bool bCalibrating = false;
    QPointer<CalibrateDialog> calibrateDialog;
    // The calibration item the dialog is open for.
    Shape *calibrationShape = nullptr;

signals:
    // The pixel measure of the calibration item under work, for the calibration dialog.
    void signal_updateRealPixel(qreal pixel);
    // The finished items or their values changed: the results table is to be rebuilt.
    void signal_updateDataTable();
    // One finished item is being dragged or reshaped: its row is to follow.
    void signal_updateDataRow(Shape *shape);
    // The tool was disarmed from the view (right click): the panel shows no tool armed.
    void signal_initMainButton();

public slots:
    void slot_updateRealRuler(bool isRuler);
    void slot_changeRulerValue(int index);
    void slot_changeRulerUnit(int index);
    void slot_changeLangToSimplifiedChinese();
    void slot_changeLangToTraditionalChinese();
    void slot_changeLangToEnglish();
    // Ctrl+Z and the panel's undo button: the item under construction is abandoned first, then
    // the latest step is taken back. Redo does it again.
    void undo();
    void redo();
    // Backspace while drawing: the item loses its last click; Escape abandons it (or, with no
    // item begun, disarms the tool), as a right click does.
    void removeLastClick();
    void abandonItem();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_tb_ZoomIn_clicked();
    void on_tb_ZoomOut_clicked();
    void on_tb_ZoomFix_clicked();
    void on_tb_ZoomOriginal_clicked();
    void slot_livePictureChanged();
    void slot_captureRequested(const QString &path);
    void slot_shapesHidden();
    void slot_upgradeRequested(const QString &version);

private:
    QPointF scenePoint(const QMouseEvent *event) const;
    void leftPress(const QPointF &p, const ShapeRoute &route);
    void rightPress(const QPointF &p, const ShapeRoute &route);
    void createShape(const QPointF &p, const ShapeRoute &route);
    void finishShape(const QPointF &p, const ShapeRoute &route);
    void discardCurrentShape();
    void updateDrawingKeys();
    void ensureCalibrateDialog();
    bool openCalibrationDialog();
    void closeCalibrateDialog();
    void refreshLabels();
    void restyleItems();

    std::unique_ptr<Ui::Frame> ui;
    std::unique_ptr<LanguageSwitch> language;
    bool livePicturePending = false;
    QShortcut *backspaceKey = nullptr;
    QShortcut *escapeKey = nullptr;
    // The clicks of the item under construction, as they were placed.
    QVector<QPointF> clicks;
};

#endif // FRAME_H
