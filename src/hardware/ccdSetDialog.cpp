#include "ccdSetDialog.h"
#include "ui_ccdSetDialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QSettings>

#include "AutoAdjust.h"
#include "FileRepairs.h"
#include "FreshSettings.h"
#include "GlobalVar.h"
#include "SafeFile.h"
#include "SettingsReader.h"
#include "UserDialogs.h"

namespace {
const char *const configFile = "./config";
constexpr int passwordStamp = 47219;

int stepPause = 40;

// Sensor registers of the shutter (low and high byte) and the gain.
constexpr quint32 shutterLow = 0x2002;
constexpr quint32 shutterHigh = 0x2102;
constexpr quint32 gainRegister = 0x1402;

constexpr int shortestExposure = 1125;

int exposureSliderValue(const ccdParameter &p)
{
    return p.gain != 0 ? int(p.gain / 2 + shortestExposure) : int(shortestExposure - p.exposure);
}

// The red and blue sliders set the gain in steps of 240 from 8000.
int colourGainSlider(float gain)
{
    return (int(gain) - 8000) / 240;
}

quint32 colourGainOfSlider(int value)
{
    return quint32(value) * 240 + 8000;
}
} // namespace

ccdSetDialog::ccdSetDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ccdSetDialog)
    , control(new Control)
{
    ui->setupUi(this);
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    for (auto pair : {std::make_pair(ui->horizontalSlider_contrast, ui->label_contrast),
                      std::make_pair(ui->horizontalSlider_red, ui->label_red),
                      std::make_pair(ui->horizontalSlider_green, ui->label_green),
                      std::make_pair(ui->horizontalSlider_blue, ui->label_blue),
                      std::make_pair(ui->horizontalSlider_hdr, ui->label_hdr),
                      std::make_pair(ui->horizontalSlider_se, ui->label_se)})
        connect(pair.first, &QSlider::valueChanged, pair.second, QOverload<int>::of(&QLabel::setNum));
    retranslate();
    applyLock();
    initCcdParameter();
}

ccdSetDialog::~ccdSetDialog() = default;

void ccdSetDialog::setStepPause(int ms)
{
    stepPause = qMax(0, ms);
}

void ccdSetDialog::retranslate()
{
    setWindowTitle(tr("Camera setting"));
    ui->pushButton_lock->setText(GlobalVar::cameraConfigLock ? tr("Lock") : tr("Unlock"));
    if (unsettled == ExposureRun)
        ui->label_status->setText(tr("Exposure did not settle; last values kept"));
    else if (unsettled == WhiteBalanceRun)
        ui->label_status->setText(tr("White balance did not settle; last values kept"));
    else
        ui->label_status->clear();
}

void ccdSetDialog::applyLock()
{
    const bool usable = GlobalVar::cameraConfigLock;
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->horizontalSlider_exposure, ui->horizontalSlider_contrast, ui->horizontalSlider_red,
             ui->horizontalSlider_green, ui->horizontalSlider_blue, ui->horizontalSlider_hdr,
             ui->horizontalSlider_se})
        w->setEnabled(usable);
    // One automatic run at a time: a second one would run inside the first one's loop.
    ui->pushButton_ae->setEnabled(usable && !autoRunning);
    ui->pushButton_awb->setEnabled(usable && !autoRunning);
}

void ccdSetDialog::initCcdParameter()
{
    ccdParameter &p = GlobalVar::IMX185;
    // A file that isn't settings at all is kept aside, not overwritten.
    FileRepairs::keepAsideIfUnreadable(QString::fromLatin1(configFile), {QStringLiteral("ccd")});
    const bool stamped = FreshSettings(QString::fromLatin1(configFile))
                             .settings()
                             .value(QStringLiteral("ccd/image.password"))
                             .toInt()
                         == passwordStamp;
    {
        if (stamped) {
            readCcdParameter();
        } else {
            p.gain = 0;
            p.exposure = 450;
            p.contrast = 30;
            p.red = 20000;
            p.green = 10000;
            p.blue = 20000;
            p.sharpen = 2000;
            p.gamma = 1;
            writeCcdParameter();
        }
    }
    // Every stored setting reaches the camera, also one whose slider already shows it.
    setSlider(ui->horizontalSlider_exposure, exposureSliderValue(p),
              &ccdSetDialog::on_horizontalSlider_exposure_valueChanged);
    setSlider(ui->horizontalSlider_contrast, int(p.contrast),
              &ccdSetDialog::on_horizontalSlider_contrast_valueChanged);
    setSlider(ui->horizontalSlider_red, int((p.red - 8000) / 240),
              &ccdSetDialog::on_horizontalSlider_red_valueChanged);
    setSlider(ui->horizontalSlider_green, int((p.green - 8000) / 80),
              &ccdSetDialog::on_horizontalSlider_green_valueChanged);
    setSlider(ui->horizontalSlider_blue, int((p.blue - 8000) / 240),
              &ccdSetDialog::on_horizontalSlider_blue_valueChanged);
    setSlider(ui->horizontalSlider_hdr, int(p.gamma), &ccdSetDialog::on_horizontalSlider_hdr_valueChanged);
    setSlider(ui->horizontalSlider_se, int(p.sharpen / 100), &ccdSetDialog::on_horizontalSlider_se_valueChanged);
}

void ccdSetDialog::setSlider(QSlider *slider, int value, void (ccdSetDialog::*handler)(int))
{
    const int bounded = qBound(slider->minimum(), value, slider->maximum());
    if (slider->value() == bounded)
        (this->*handler)(bounded);
    else
        slider->setValue(bounded);
}

void ccdSetDialog::readCcdParameter()
{
    // Missing or unusable values take the start values; numbers stay within what the sliders
    // can set, so no value below a gain's floor wraps round.
    FreshSettings file(QString::fromLatin1(configFile));
    SettingsReader in(file.settings());
    auto read = [&in](const char *key, int fallback, int minimum, int maximum) {
        return quint32(in.integer(QLatin1String("ccd/image.") + QLatin1String(key), fallback, minimum, maximum));
    };
    ccdParameter &p = GlobalVar::IMX185;
    p.gain = read("gain", 0, 0, 30);
    p.exposure = read("exposure", 450, 0, 1125);
    p.contrast = read("contrast", 30, 0, 100);
    p.red = read("red", 20000, 8000, 32000);
    p.green = read("green", 10000, 8000, 16000);
    p.blue = read("blue", 20000, 8000, 32000);
    p.sharpen = read("sharpen", 2000, 0, 10000);
    p.gamma = read("gamma", 1, 0, 3);
    if (in.repaired())
        FileRepairs::noteRepaired(QString::fromLatin1(configFile));
    if (in.repaired() || in.incomplete())
        writeCcdParameter();
}

void ccdSetDialog::writeCcdParameter()
{
    QString error;
    const bool written = SafeFile::editSettings(
        QString::fromLatin1(configFile),
        [](QSettings &settings) {
            const ccdParameter &p = GlobalVar::IMX185;
            settings.setValue(QStringLiteral("ccd/image.password"), uint(passwordStamp));
            settings.setValue(QStringLiteral("ccd/image.gain"), uint(p.gain));
            settings.setValue(QStringLiteral("ccd/image.exposure"), uint(p.exposure));
            settings.setValue(QStringLiteral("ccd/image.contrast"), uint(p.contrast));
            settings.setValue(QStringLiteral("ccd/image.red"), uint(p.red));
            settings.setValue(QStringLiteral("ccd/image.green"), uint(p.green));
            settings.setValue(QStringLiteral("ccd/image.blue"), uint(p.blue));
            settings.setValue(QStringLiteral("ccd/image.sharpen"), uint(p.sharpen));
            settings.setValue(QStringLiteral("ccd/image.gamma"), uint(p.gamma));
        },
        &error);
    if (!written)
        UserDialogs::warning(this, tr("Warning"),
                             tr("The camera settings could not be saved to \"%1\" and the file is as before.\n%2")
                                 .arg(QString::fromLatin1(configFile), error));
}

void ccdSetDialog::on_horizontalSlider_exposure_valueChanged(int v)
{
    ccdParameter &p = GlobalVar::IMX185;
    if (v > shortestExposure) {
        p.gain = quint32(v - shortestExposure) * 2;
        p.exposure = 0;
    } else {
        p.gain = 0;
        p.exposure = quint32(shortestExposure - v);
    }
    control->imx185Write(shutterLow, p.exposure & 0xFF);
    control->imx185Write(shutterHigh, (p.exposure >> 8) & 0xFF);
    control->imx185Write(gainRegister, p.gain);

    int shown;
    if (v > shortestExposure)
        shown = v - shortestExposure + 200;
    else if (v < 375)
        shown = v / 5;
    else
        shown = (v - 375) / 6 + 75;
    ui->label_exposure->setNum(shown);
}

void ccdSetDialog::on_horizontalSlider_contrast_valueChanged(int v)
{
    GlobalVar::IMX185.contrast = quint32(v);
    control->contrastWrite(quint32(v / 2));
}

void ccdSetDialog::on_horizontalSlider_red_valueChanged(int v)
{
    GlobalVar::IMX185.red = colourGainOfSlider(v);
    control->redGainWrite(GlobalVar::IMX185.red);
}

void ccdSetDialog::on_horizontalSlider_green_valueChanged(int v)
{
    GlobalVar::IMX185.green = quint32(v) * 80 + 8000;
    control->greenGainWrite(GlobalVar::IMX185.green);
}

void ccdSetDialog::on_horizontalSlider_blue_valueChanged(int v)
{
    GlobalVar::IMX185.blue = colourGainOfSlider(v);
    control->blueGainWrite(GlobalVar::IMX185.blue);
}

void ccdSetDialog::on_horizontalSlider_hdr_valueChanged(int v)
{
    GlobalVar::IMX185.gamma = quint32(v);
    control->gammaWrite(quint32(v));
}

void ccdSetDialog::on_horizontalSlider_se_valueChanged(int v)
{
    GlobalVar::IMX185.sharpen = quint32(v) * 100;
    control->sharpenWrite(GlobalVar::IMX185.sharpen);
}

int ccdSetDialog::autoExposure()
{
    ccdParameter &p = GlobalVar::IMX185;
    quint32 exposure = p.exposure;
    quint32 gain = p.gain;
    if (AutoAdjust::exposureStep(exposure, gain, control->averageBright_Read()))
        return 1;
    ui->horizontalSlider_exposure->setValue(gain != 0 ? int(gain / 2 + shortestExposure)
                                                      : int(shortestExposure - exposure));
    return 0;
}

int ccdSetDialog::autoWhiteBalance()
{
    // The gains move in 1 % steps, finer than the sliders' steps. The run keeps the exact gains
    // for itself; the record and the camera take the slider's value, so they always agree. A
    // gain the user has moved since the last step is taken over from the record.
    const ccdParameter &p = GlobalVar::IMX185;
    if (colourGainOfSlider(colourGainSlider(whiteBalanceRed)) != p.red)
        whiteBalanceRed = float(p.red);
    if (colourGainOfSlider(colourGainSlider(whiteBalanceBlue)) != p.blue)
        whiteBalanceBlue = float(p.blue);
    const quint32 cr = control->averageCr_Read();
    const quint32 cb = control->averageCb_Read();
    if (AutoAdjust::whiteBalanceStep(whiteBalanceRed, whiteBalanceBlue, cr, cb))
        return 1;
    ui->horizontalSlider_red->setValue(colourGainSlider(whiteBalanceRed));
    ui->horizontalSlider_blue->setValue(colourGainSlider(whiteBalanceBlue));
    return 0;
}

void ccdSetDialog::Delay_ms(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents();
    } while (timer.elapsed() < ms);
}

void ccdSetDialog::runAuto(AutoRun run, int (ccdSetDialog::*step)())
{
    // The loop lets events through between steps, so the dialog may close (and be deleted)
    // while it runs.
    QPointer<ccdSetDialog> self(this);
    stopAuto = false;
    autoRunning = true;
    unsettled = NoRun;
    retranslate();
    applyLock();
    int steps = 0;
    bool settled = false;
    while (steps < maxAutoSteps) {
        ++steps;
        if ((this->*step)() != 0) {
            settled = true;
            break;
        }
        Delay_ms(stepPause);
        if (!self)
            return;
        if (stopAuto)
            break;
    }
    lastAutoSteps = steps;
    autoRunning = false;
    // A run the user ended is not one that failed to settle.
    if (!settled && !stopAuto)
        unsettled = run;
    retranslate();
    applyLock();
}

void ccdSetDialog::on_pushButton_ae_clicked()
{
    runAuto(ExposureRun, &ccdSetDialog::autoExposure);
}

void ccdSetDialog::on_pushButton_awb_clicked()
{
    // Green is set through its slider whether or not it stands at 17 already, so the record
    // holds the gain the camera gets (17 x 80 + 8000 = 9360).
    GlobalVar::IMX185.green = 9392;
    setSlider(ui->horizontalSlider_green, 17, &ccdSetDialog::on_horizontalSlider_green_valueChanged);
    runAuto(WhiteBalanceRun, &ccdSetDialog::autoWhiteBalance);
}

void ccdSetDialog::on_pushButton_yes_clicked()
{
    writeCcdParameter();
    close();
}

void ccdSetDialog::on_pushButton_no_clicked()
{
    close();
}

void ccdSetDialog::on_pushButton_lock_clicked()
{
    GlobalVar::cameraConfigLock = !GlobalVar::cameraConfigLock;
    // Locking ends a running auto exposure or white balance.
    stopAuto = true;
    retranslate();
    applyLock();
}

void ccdSetDialog::hideEvent(QHideEvent *event)
{
    stopAuto = true;
    QDialog::hideEvent(event);
}

void ccdSetDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QDialog::changeEvent(event);
}
