#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "Control.h"
#include "DriveFb1.h"
#include "SimulatedCamera.h"
#include "SyntheticTarget.h"
#include "ccdSetDialog.h"
#include "testutils.h"

namespace {
// The simulator, counting the statistics frames it delivers.
class CountingCamera : public SimulatedCamera
{
public:
    bool registerRequest(Device device, unsigned long request, Record &record) override
    {
        if (device == Device::Isp && request == ReadRequest && record.address == 88)
            ++brightnessReads;
        return SimulatedCamera::registerRequest(device, request, record);
    }
    int brightnessReads = 0;
};

const QImage &target()
{
    static const QImage image = SyntheticTarget::render();
    return image;
}

QSlider *slider(QWidget *dialog, const char *name)
{
    return dialog->findChild<QSlider *>(QLatin1String("horizontalSlider_") + QLatin1String(name));
}

QString labelText(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLabel *>(QLatin1String("label_") + QLatin1String(name))->text();
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QLatin1String("pushButton_") + QLatin1String(name));
}

quint32 configValue(const char *key)
{
    QSettings settings(QStringLiteral("./config"), QSettings::IniFormat);
    return settings.value(QLatin1String("ccd/image.") + QLatin1String(key)).toUInt();
}
} // namespace

// The camera settings dialog on the simulated camera: "./config", the slider-to-register
// table, lock, OK and Cancel, and auto exposure and white balance with their bounds.
class TestCameraSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void simulatorModel();
    void defaultConfig();
    void sliderTable_data();
    void sliderTable();
    void storedConfigReachesTheCamera();
    void okCancelAndLock();
    void autoExposureConverges_data();
    void autoExposureConverges();
    void autoWhiteBalanceConverges_data();
    void autoWhiteBalanceConverges();
    void autoLoopsAreBounded();
    void closingEndsAutoLoop();
    void translatedTexts();

private:
    quint32 shutter() const
    {
        return camera->sensorRegister(0x2002) | quint32(camera->sensorRegister(0x2102)) << 8;
    }

    TestUtils::Sandbox sandbox;
    CountingCamera *camera = nullptr;
    QPointer<ccdSetDialog> dialog;
};

void TestCameraSettings::initTestCase()
{
    ccdSetDialog::setStepPause(0);
}

void TestCameraSettings::init()
{
    QFile::remove(QStringLiteral("./config"));
    GlobalVar::resetToDefaults();
    camera = new CountingCamera;
    camera->setScene(target());
    CameraSeam::setInstance(camera);
}

void TestCameraSettings::cleanup()
{
    delete dialog;
    CameraSeam::setInstance(nullptr);
    delete camera;
}

void TestCameraSettings::simulatorModel()
{
    Control control;
    // Brightness follows the shutter and the gain; Cr and Cb follow the red and blue gains.
    quint32 previous = 0;
    for (quint32 shutterValue : {1125u, 1100u, 1000u, 700u, 300u, 0u}) {
        control.imx185Write(0x2002, shutterValue & 0xFF);
        control.imx185Write(0x2102, shutterValue >> 8);
        const quint32 brightness = control.averageBright_Read();
        QVERIFY2(brightness >= previous && (shutterValue == 1125 || brightness > previous),
                 qPrintable(QString::number(shutterValue)));
        previous = brightness;
    }
    control.imx185Write(0x1402, 30);
    QVERIFY(control.averageBright_Read() > previous);

    control.imx185Write(0x2002, 600 & 0xFF);
    control.imx185Write(0x2102, 600 >> 8);
    control.imx185Write(0x1402, 0);
    QCOMPARE(control.averageCr_Read(), 128u);
    QCOMPARE(control.averageCb_Read(), 128u);
    control.redGainWrite(26000);
    const quint32 reddish = control.averageCr_Read();
    QVERIFY(reddish > 128);
    control.redGainWrite(30000);
    QVERIFY(control.averageCr_Read() > reddish);
    control.blueGainWrite(12000);
    QVERIFY(control.averageCb_Read() < 128);

    // Freeze holds the frame; the photo is the frame shown.
    const QImage before = camera->livePicture();
    control.freeze(true);
    control.redGainWrite(10000);
    QCOMPARE(camera->livePicture(), before);
    DriveFb1 fb1;
    const QImage *photo = fb1.readQImage(1920, 1080, 4);
    QVERIFY(photo);
    QCOMPARE(photo->convertToFormat(QImage::Format_RGB32), before);
    control.freeze(false);
    QVERIFY(camera->livePicture() != before);
}

void TestCameraSettings::defaultConfig()
{
    dialog = new ccdSetDialog;
    QCOMPARE(configValue("password"), 47219u);
    QCOMPARE(configValue("exposure"), 450u);
    QCOMPARE(configValue("gain"), 0u);
    QCOMPARE(configValue("contrast"), 30u);
    QCOMPARE(configValue("red"), 20000u);
    QCOMPARE(configValue("green"), 10000u);
    QCOMPARE(configValue("blue"), 20000u);
    QCOMPARE(configValue("sharpen"), 2000u);
    QCOMPARE(configValue("gamma"), 1u);

    QCOMPARE(slider(dialog, "exposure")->value(), 675);
    QCOMPARE(labelText(dialog, "exposure"), QStringLiteral("125"));
    QCOMPARE(slider(dialog, "contrast")->value(), 30);
    QCOMPARE(slider(dialog, "red")->value(), 50);
    QCOMPARE(slider(dialog, "green")->value(), 25);
    QCOMPARE(slider(dialog, "blue")->value(), 50);
    QCOMPARE(slider(dialog, "hdr")->value(), 1);
    QCOMPARE(slider(dialog, "se")->value(), 20);
    QCOMPARE(labelText(dialog, "se"), QStringLiteral("20"));

    QCOMPARE(shutter(), 450u);
    QCOMPARE(camera->sensorRegister(0x1402), quint16(0));
    QCOMPARE(camera->ispRegister(60), 17403u | 15u << 16);   // 256 / 241 in 1/16384
    QCOMPARE(camera->ispRegister(48), 20000u);
    QCOMPARE(camera->ispRegister(52), 10000u);
    QCOMPARE(camera->ispRegister(56), 20000u);
    QCOMPARE(camera->ispRegister(64), 2000u);
    QCOMPARE((camera->ispRegister(0) >> 10) & 3, 1u);
}

void TestCameraSettings::sliderTable_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QVector<quint32>>("record");      // gain, exposure, contrast ... gamma
    QTest::addColumn<QVector<quint32>>("registers");   // shutter, gain, ISP 60, 48, 52, 56, 64, gamma

    const QVector<quint32> rec = {0, 450, 30, 20000, 10000, 20000, 2000, 1};
    const QVector<quint32> regs = {450, 0, 17403u | 15u << 16, 20000, 10000, 20000, 2000, 1};
    auto row = [&](const char *tag, const char *name, int value, const char *label,
                   QVector<quint32> r, QVector<quint32> g) {
        QTest::newRow(tag) << QByteArray(name) << value << QString::fromLatin1(label) << r << g;
    };
    row("longest with gain", "exposure", 1140, "215", {30, 0, 30, 20000, 10000, 20000, 2000, 1},
        {0, 30, regs[2], 20000, 10000, 20000, 2000, 1});
    row("longest", "exposure", 1125, "200", {0, 0, 30, 20000, 10000, 20000, 2000, 1},
        {0, 0, regs[2], 20000, 10000, 20000, 2000, 1});
    row("shortest", "exposure", 0, "0", {0, 1125, 30, 20000, 10000, 20000, 2000, 1},
        {1125, 0, regs[2], 20000, 10000, 20000, 2000, 1});
    row("short", "exposure", 374, "74", {0, 751, 30, 20000, 10000, 20000, 2000, 1},
        {751, 0, regs[2], 20000, 10000, 20000, 2000, 1});
    QVector<quint32> r = rec, g = regs;
    r[2] = 50; g[2] = 18157u | 25u << 16;   // 256 / 231
    row("contrast", "contrast", 50, "50", r, g);
    r = rec; g = regs; r[3] = g[3] = 32000;
    row("red", "red", 100, "100", r, g);
    r = rec; g = regs; r[4] = g[4] = 16000;
    row("green", "green", 100, "100", r, g);
    r = rec; g = regs; r[5] = g[5] = 8000;
    row("blue", "blue", 0, "0", r, g);
    r = rec; g = regs; r[7] = g[7] = 3;
    row("hdr", "hdr", 3, "3", r, g);
    r = rec; g = regs; r[6] = g[6] = 10000;
    row("sharpen", "se", 100, "100", r, g);
}

void TestCameraSettings::sliderTable()
{
    QFETCH(QByteArray, name);
    QFETCH(int, value);
    QFETCH(QString, label);
    QFETCH(QVector<quint32>, record);
    QFETCH(QVector<quint32>, registers);

    dialog = new ccdSetDialog;
    slider(dialog, name.constData())->setValue(value);
    QCOMPARE(labelText(dialog, name.constData()), label);
    const ccdParameter &p = GlobalVar::IMX185;
    QCOMPARE((QVector<quint32>{p.gain, p.exposure, p.contrast, p.red, p.green, p.blue, p.sharpen, p.gamma}),
             record);
    QCOMPARE((QVector<quint32>{shutter(), camera->sensorRegister(0x1402), camera->ispRegister(60),
                               camera->ispRegister(48), camera->ispRegister(52),
                               camera->ispRegister(56), camera->ispRegister(64),
                               (camera->ispRegister(0) >> 10) & 3}),
             registers);
    // Only the gamma bits of the control word are the dialog's.
    QCOMPARE(camera->ispRegister(0) & ~0xC00u, 0u);
}

void TestCameraSettings::storedConfigReachesTheCamera()
{
    {
        QSettings settings(QStringLiteral("./config"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("ccd/image.password"), 47219);
        settings.setValue(QStringLiteral("ccd/image.gain"), 10);
        settings.setValue(QStringLiteral("ccd/image.exposure"), 0);
        settings.setValue(QStringLiteral("ccd/image.contrast"), 0);
        settings.setValue(QStringLiteral("ccd/image.red"), 8000);
        settings.setValue(QStringLiteral("ccd/image.green"), 12000);
        settings.setValue(QStringLiteral("ccd/image.blue"), 8000);
        settings.setValue(QStringLiteral("ccd/image.sharpen"), 0);
        settings.setValue(QStringLiteral("ccd/image.gamma"), 0);
    }
    camera->setFlicker(false);
    dialog = new ccdSetDialog;
    QCOMPARE(slider(dialog, "exposure")->value(), 1130);
    QCOMPARE(camera->sensorRegister(0x1402), quint16(10));
    QCOMPARE(shutter(), 0u);
    // Settings whose sliders start at 0 reach the camera as well.
    QCOMPARE(camera->ispRegister(60), 16384u);
    QCOMPARE(camera->ispRegister(48), 8000u);
    QCOMPARE(camera->ispRegister(52), 12000u);
    QCOMPARE(camera->ispRegister(56), 8000u);
    QCOMPARE(camera->ispRegister(64), 0u);
    QCOMPARE((camera->ispRegister(0) >> 10) & 3, 0u);
    delete dialog;

    // A file without the stamp is replaced by the defaults.
    {
        QSettings settings(QStringLiteral("./config"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("ccd/image.password"), 1234);
    }
    dialog = new ccdSetDialog;
    QCOMPARE(configValue("password"), 47219u);
    QCOMPARE(configValue("red"), 20000u);
    QCOMPARE(camera->ispRegister(48), 20000u);
}

void TestCameraSettings::okCancelAndLock()
{
    dialog = new ccdSetDialog;
    dialog->show();
    slider(dialog, "red")->setValue(80);
    button(dialog, "no")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    QCOMPARE(configValue("red"), 20000u);   // the file keeps the saved value
    QCOMPARE(camera->ispRegister(48), 27200u);   // the camera keeps the new one

    dialog = new ccdSetDialog;   // restores the saved settings
    QCOMPARE(camera->ispRegister(48), 20000u);
    dialog->show();
    slider(dialog, "red")->setValue(80);
    button(dialog, "yes")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
    QCOMPARE(configValue("red"), 27200u);

    dialog = new ccdSetDialog;
    QCOMPARE(button(dialog, "lock")->text(), QStringLiteral("Lock"));
    button(dialog, "lock")->click();
    QVERIFY(!GlobalVar::cameraConfigLock);
    QCOMPARE(button(dialog, "lock")->text(), QStringLiteral("Unlock"));
    QVERIFY(!slider(dialog, "exposure")->isEnabled());
    QVERIFY(!slider(dialog, "se")->isEnabled());
    QVERIFY(!button(dialog, "ae")->isEnabled());
    QVERIFY(!button(dialog, "awb")->isEnabled());
    QVERIFY(button(dialog, "yes")->isEnabled());
    delete dialog;
    // Opened again while locked, the controls stay locked.
    dialog = new ccdSetDialog;
    QCOMPARE(button(dialog, "lock")->text(), QStringLiteral("Unlock"));
    QVERIFY(!slider(dialog, "red")->isEnabled());
    button(dialog, "lock")->click();
    QVERIFY(GlobalVar::cameraConfigLock);
    QVERIFY(slider(dialog, "red")->isEnabled());
    QVERIFY(button(dialog, "awb")->isEnabled());
}

void TestCameraSettings::autoExposureConverges_data()
{
    QTest::addColumn<int>("start");
    QTest::newRow("dark") << 0;
    QTest::newRow("bright") << 1140;
    QTest::newRow("default") << 675;
    QTest::newRow("slightly dark") << 300;
}

void TestCameraSettings::autoExposureConverges()
{
    QFETCH(int, start);
    dialog = new ccdSetDialog;
    slider(dialog, "exposure")->setValue(start);
    button(dialog, "ae")->click();
    QVERIFY(dialog->autoSteps() < ccdSetDialog::maxAutoSteps);
    QCOMPARE(camera->brightnessReads, dialog->autoSteps());
    const quint32 brightness = Control().averageBright_Read();
    QVERIFY2(brightness >= 84 && brightness <= 116, qPrintable(QString::number(brightness)));
    // The record, the slider and the sensor agree.
    QCOMPARE(shutter(), GlobalVar::IMX185.exposure);
    QCOMPARE(quint32(camera->sensorRegister(0x1402)), GlobalVar::IMX185.gain);
}

void TestCameraSettings::autoWhiteBalanceConverges_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("blue");
    QTest::newRow("reddish") << 100 << 30;
    QTest::newRow("bluish") << 0 << 100;
    QTest::newRow("greenish") << 0 << 0;
    QTest::newRow("purple") << 100 << 100;
}

void TestCameraSettings::autoWhiteBalanceConverges()
{
    QFETCH(int, red);
    QFETCH(int, blue);
    dialog = new ccdSetDialog;
    slider(dialog, "red")->setValue(red);
    slider(dialog, "blue")->setValue(blue);
    Control control;
    QVERIFY(control.averageCr_Read() != 128 || control.averageCb_Read() != 128);
    button(dialog, "awb")->click();
    QVERIFY(dialog->autoSteps() < ccdSetDialog::maxAutoSteps);
    QCOMPARE(GlobalVar::IMX185.green, 9360u);
    QCOMPARE(camera->ispRegister(52), 9360u);
    QCOMPARE(control.averageCr_Read(), 128u);
    QCOMPARE(control.averageCb_Read(), 128u);
    QCOMPARE(camera->ispRegister(48), quint32(slider(dialog, "red")->value()) * 240 + 8000);
}

void TestCameraSettings::autoLoopsAreBounded()
{
    // Under a flickering lamp no step ever finds the picture settled.
    camera->setFlicker(true);
    dialog = new ccdSetDialog;
    button(dialog, "ae")->click();
    QCOMPARE(dialog->autoSteps(), ccdSetDialog::maxAutoSteps);
    QCOMPARE(camera->brightnessReads, ccdSetDialog::maxAutoSteps);
    button(dialog, "awb")->click();
    QCOMPARE(dialog->autoSteps(), ccdSetDialog::maxAutoSteps);
}

void TestCameraSettings::closingEndsAutoLoop()
{
    camera->setFlicker(true);
    dialog = new ccdSetDialog;
    dialog->show();
    // Cancel is pressed while auto exposure runs.
    QTimer::singleShot(0, dialog.data(), [this] { button(dialog, "no")->click(); });
    button(dialog, "ae")->click();
    QVERIFY(camera->brightnessReads < 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

void TestCameraSettings::translatedTexts()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_TW.qm")));
    dialog = new ccdSetDialog;
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(dialog->windowTitle(), QStringLiteral("相機設定"));
    QCOMPARE(button(dialog, "lock")->text(), QStringLiteral("鎖定"));
    QCOMPARE(button(dialog, "no")->text(), QStringLiteral("取消"));
    button(dialog, "lock")->click();
    QCOMPARE(button(dialog, "lock")->text(), QStringLiteral("解鎖"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(button(dialog, "lock")->text(), QStringLiteral("Unlock"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Camera setting"));
}

QTEST_MAIN(TestCameraSettings)
#include "tst_camerasettings.moc"
