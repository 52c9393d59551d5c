#ifndef RULERPICKER_H
#define RULERPICKER_H

#include <QObject>

class CustomToolButton;
class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QToolBar;
class QWidget;

// The calibration corner of the panel: the ruler button with its menu (calibrate on a line or
// on a circle), the drop-down of named calibrations (GlobalVar::rulerList) with a delete
// button per row, and the unit selector, which only a length calibration may convert. The
// selector always names the unit the values are shown in.
class RulerPicker : public QObject
{
    Q_OBJECT

public:
    RulerPicker(QWidget *panel, QComboBox *rulers, QComboBox *units);

    // Lists the calibrations and shows the last one.
    void fill();
    // The same after the list changed.
    void refill();
    void translate();
    // Shows the calibration named `text` (its name before the first comma) and selects it: the
    // one of that whole name, else the first of that display name.
    void showItem(const QString &text);
    // Deletes the calibration `text` after a question; true when the list changed.
    bool deleteItem(const QString &text);
    // The unit selector chose `index`: passed on for the shown calibration unless it is in
    // pixels or none is shown; the selector then goes back to pixel, the unit of the values.
    // A deleted calibration stays in use, and converts, until another is chosen.
    void unitChosen(int index);

    QAction *lineAction = nullptr;
    QAction *circleAction = nullptr;
    QMenu *menu = nullptr;
    CustomToolButton *button = nullptr;
    QToolBar *toolBar = nullptr;
    QListWidget *listWidget = nullptr;

signals:
    void signal_changeRulerValue(int index);
    void signal_changeRulerUnit(int index);
    // The delete button of a row was pressed.
    void signal_deleteRequested(const QString &text);

private:
    // Puts the shown calibration's name back after the drop-down changed its current row.
    void keepShownText();
    // Selects the pixel unit without passing it on.
    void showPixels();

    QComboBox *rulers;
    QComboBox *units;
    // The name in the edit field, and the unit of the calibration it stands for (-1 when
    // none). The rows carry no text of their own, so the drop-down would empty the field
    // whenever its current row moves (the wheel, a deleted row); these keep what the user chose.
    QString shownText;
    int shownUnit = -1;
};

#endif // RULERPICKER_H
