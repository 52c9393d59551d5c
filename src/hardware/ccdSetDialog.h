#ifndef CCDSETDIALOG_H
#define CCDSETDIALOG_H

#include <QDialog>

#include <memory>

#include "Control.h"

class QSlider;

namespace Ui {
class ccdSetDialog;
}

// The camera settings: exposure, contrast, colour gains, gamma ("HDR") and sharpening, each
// written to the camera as soon as its slider moves and kept in GlobalVar::IMX185, with auto
// exposure, auto white balance and a lock. OK stores the settings in "./config". Constructing
// the dialog applies "./config" (or its defaults) to the camera, which the main window does
// once at start.
class ccdSetDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ccdSetDialog(QWidget *parent = nullptr);
    ~ccdSetDialog() override;

    void initCcdParameter();
    void readCcdParameter();
    void writeCcdParameter();
    // One step each; non-zero when nothing is left to do.
    int autoExposure();
    int autoWhiteBalance();
    void Delay_ms(int ms);

    // A run of auto exposure or white balance stops after this many steps at the latest.
    static constexpr int maxAutoSteps = 300;
    // The pause between two steps, in which the camera delivers a new frame (40 ms).
    static void setStepPause(int ms);
    // Steps the last auto exposure or white balance run took.
    int autoSteps() const { return lastAutoSteps; }

private slots:
    void on_horizontalSlider_exposure_valueChanged(int v);
    void on_horizontalSlider_contrast_valueChanged(int v);
    void on_horizontalSlider_red_valueChanged(int v);
    void on_horizontalSlider_green_valueChanged(int v);
    void on_horizontalSlider_blue_valueChanged(int v);
    void on_horizontalSlider_hdr_valueChanged(int v);
    void on_horizontalSlider_se_valueChanged(int v);
    void on_pushButton_ae_clicked();
    void on_pushButton_awb_clicked();
    void on_pushButton_yes_clicked();
    void on_pushButton_no_clicked();
    void on_pushButton_lock_clicked();

protected:
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum AutoRun { NoRun, ExposureRun, WhiteBalanceRun };
    // Runs one of the step functions until it is done, the bound is reached or the dialog
    // closes.
    void runAuto(AutoRun run, int (ccdSetDialog::*step)());
    void setSlider(QSlider *slider, int value, void (ccdSetDialog::*handler)(int));
    void applyLock();
    void retranslate();

    std::unique_ptr<Ui::ccdSetDialog> ui;
    std::unique_ptr<Control> control;
    bool stopAuto = false;
    bool autoRunning = false;
    int lastAutoSteps = 0;
    // The run that last reached the bound without the picture settling: its last values stay,
    // and the status line says so until the next run.
    AutoRun unsettled = NoRun;
    // The exact colour gains of a white balance run.
    float whiteBalanceRed = 0;
    float whiteBalanceBlue = 0;
};

#endif // CCDSETDIALOG_H
