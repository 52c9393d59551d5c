#ifndef CALIBRATEDIALOG_H
#define CALIBRATEDIALOG_H

#include <QDialog>
#include <QPointer>

#include <memory>

class NumericKeypadDialog;

namespace Ui {
class CalibrateDialog;
}

// Names a drawn calibration and gives it its real length and unit. Both fields are typed on
// the numeric keypad, which opens below the dialog when a field is pressed. OK and Cancel are
// reported to the main window, which stores the calibration.
class CalibrateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalibrateDialog(QWidget *parent = nullptr);
    ~CalibrateDialog() override;

    // Empties both fields and detaches the keypad (a new calibration item was started).
    void disconnectSignalSlot();
    // Why OK cannot store this calibration, or empty when it can.
    QString refusal() const;

    QPointer<NumericKeypadDialog> keypad;
    bool bNameInput = false;
    bool bLengthInput = false;
    float realPixel = 0.0f;
    float realRuler = 0.0f;
    int unitIndex = 0;
    QString nameText;
    QString lengthText;

signals:
    void signal_updateRealRuler(bool isRuler);

public slots:
    void slot_updateRealPixel(qreal pixel);
    void slot_updateRulerUnit(int index);
    void slot_on_ClickedOKay();
    void slot_on_ClickedCancel();
    void slot_on_ChangeName(const QString &code);
    void slot_on_ChangeLength(const QString &code);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void openKeypad(bool forName);
    void closeKeypad();
    void showRuler(const QString &text);
    QPoint warningPosition() const;

    std::unique_ptr<Ui::CalibrateDialog> ui;
    QPoint dragOffset;
};

#endif // CALIBRATEDIALOG_H
