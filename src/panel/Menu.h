#ifndef MENU_H
#define MENU_H

#include <QDialog>
#include <QPoint>
#include <QPointer>

#include <memory>

class CustomLine;
struct ItemLook;
struct ruler;
class CustomToolButton;
class MeasurementDocument;
class PanelBehaviour;
class PanelFiles;
class PanelSaveDialog;
class QAction;
class QFileDialog;
class QGraphicsScene;
class QListWidget;
class QMenu;
class QToolBar;
class QToolButton;
class ReferenceLines;
class ResultsTable;
class RulerPicker;
class Shape;
class StatisticsView;
class StorageActions;
class ToolPalette;

namespace Ui {
class Menu;
}

// The control panel at the right edge: the tool palette, the cross hair and custom reference
// lines on `scene`, the assist buttons, the results table with its CSV export, the language
// buttons, and the parameter and configuration files. It fades out when the pointer leaves it,
// unless it is pinned. It tells the main window what the user chose through its signals.
class Menu : public QDialog
{
    Q_OBJECT

public:
    // The document holds the finished items and their history; without one the panel keeps its
    // own.
    explicit Menu(QWidget *parent, QGraphicsScene *scene = nullptr, MeasurementDocument *document = nullptr);
    ~Menu() override;

    // Once, after the main window connected its slots: restores "./param".
    void initMenu();
    // Disarms the tool and shows every tool button in its normal look.
    void initMainButton();
    // Rebuilds the results table from the finished items.
    void updateDataTable();
    // The values of one finished item changed: its row alone is written again.
    void updateDataRow(Shape *shape);
    // The look chosen in the line and text dialog reaches every item on the scene.
    void applyLook();
    // Fading and the hidden controls.
    PanelBehaviour *panelBehaviour() const { return behaviour; }
    // Writes the results table as a CSV file; false (after a warning) when it failed.
    bool exportDataTable(const QString &fileName);

    // The next free file name "<prefix>NNNNN" (no extension) in the DCIM folder of the USB
    // stick, or of the internal storage for "CFG"; empty after a warning when there is no
    // medium, too little space or no number left.
    QString isFileExist(const QString &prefix, const QString &extensions);
    // The save dialog the exports share while it is open, and the export it is for (0: none).
    QFileDialog *fileDialog() const;
    int fileAction() const;

    // Lists the calibrations in the drop-down and shows the last one, after a calibration was
    // added; the list is saved.
    void updateRulerTable();

    void saveParam(signed char kind);
    void initParam();
    // Saves the custom lines to `path` and makes it the configuration file in use.
    void saveConfig(const QString &path);

    // Shows the calibration a measurement file was made with, adding it to the list when no
    // calibration of its name is there, and the unit its values were shown in; none: pixels.
    void showCalibration(const ruler &calibration, int shownUnit);
    // Makes `look` the look in use, as the line and text dialog would.
    void useLook(const ItemLook &look);
    // Freezes the camera or lets it run again, and shows which on the freeze button.
    void setFrozen(bool frozen);

    QAction *calibrateLineAction = nullptr;
    QAction *calibrateCircleAction = nullptr;
    CustomLine *horizontalCrossLine = nullptr;
    CustomLine *verticalCrossLine = nullptr;
    bool bFreeze = false;

signals:
    // A tool was armed (its code) or none is armed any more.
    void signal_toolArmed(int code);
    void signal_toolDisarmed();
    // The undo and redo buttons.
    void signal_undoRequested();
    void signal_redoRequested();
    // The delete button hid every item; the calibration item under work is to go for good.
    void signal_shapesHidden();
    // Save the picture with the measurements to this file.
    void signal_captureRequested(const QString &path);
    void signal_repaintRequested();
    // The digits, the label mode, the text size or the pen changed: every item is to be redrawn.
    void signal_lookChanged();
    void signal_changeRulerValue(int index);
    void signal_changeRulerUnit(int index);
    // Open this picture in the main window with the measurements kept beside it.
    void signal_openImage(const QString &path);
    // The freeze button was pressed while a still picture is shown in place of the live one.
    void signal_liveRequested();
    // The user asked for the upgrade dialog; `version` is the version label's text.
    void signal_upgradeRequested(const QString &version);
    void signal_changeLangToSimplifiedChinese();
    void signal_changeLangToTraditionalChinese();
    void signal_changeLangToEnglish();

public slots:
    void slot_rulerShowItem(const QString &text);
    void slot_rulerDeleteItem(const QString &text);
    void slot_tableDelete();
    void slot_tableAllDelete();
    void slot_saveLinesProperty();
    // Saves the picture with the measurements to the name chosen in the save dialog, or to the
    // next free "IMG" bitmap.
    void slot_saveImage();

private slots:
    void on_tb_CrossLine_clicked();
    void on_tb_PointDetect_clicked();
    void on_tb_SubPixel_clicked(bool checked);
    void on_tb_Delete_clicked();
    void on_tb_Font_clicked();
    void on_tb_FolderOpen_clicked();
    void on_tb_Freeze_clicked();
    void on_tb_Config_clicked();
    void on_tb_Capture_clicked();
    void on_tb_DataSave_clicked();
    void on_tb_Statistics_clicked();
    void on_cb_Unit_currentIndexChanged(int index);
    void on_tw_DataTable_cellClicked(int row, int column);
    void on_tw_DataTable_customContextMenuRequested(const QPoint &pos);
    void on_tb_UpgradeApplication_clicked();
    void on_tb_HorizontalLineOkey_clicked();
    void on_tb_VerticalLineOkey_clicked();
    void on_tb_CustomRead_clicked();
    void on_tb_CustomSave_clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void translateUI();
    void setLanguage(quint8 language);
    void showCrossHair(bool shown);
    // The look in use reaches the items, the cross hair and the parameter file.
    void takeLook();
    // Opens the tolerance dialog of a listed item.
    void editTolerance(Shape *shape);

    std::unique_ptr<Ui::Menu> ui;
    QGraphicsScene *scene = nullptr;
    MeasurementDocument *document = nullptr;
    ToolPalette *palette = nullptr;
    ResultsTable *results = nullptr;
    StorageActions *storage = nullptr;
    PanelSaveDialog *saveDialog = nullptr;
    PanelBehaviour *behaviour = nullptr;
    PanelFiles *files = nullptr;
    ReferenceLines *referenceLines = nullptr;
    RulerPicker *rulerPicker = nullptr;
    QPointer<StatisticsView> statisticsView;
};

#endif // MENU_H
