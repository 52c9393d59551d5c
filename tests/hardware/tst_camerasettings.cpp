#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "AutoAdjust.h"
#include "Control.h"
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

template<typename T>
T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

quint32 configValue(const char *key)
{
    QSettings settings(QStringLiteral("./config"), QSettings::IniFormat);
    return settings.value(QLatin1String("ccd/image.") + QLatin1String(key)).toUInt();
}
} // namespace

// The camera settings dialog on the simulated camera: "./config", the slider-to-register
// table, lock, OK and Cancel, and auto exposure and white balance converging on the model
// (which shows that brightness follows shutter and gain, and Cr and Cb the colour gains) and
// bounded where it cannot converge.
class TestCameraSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ccdSetDialog::setStepPause(0); }
    void init();
    void cleanup();
    void sliderTable();
    void storedConfigReachesTheCamera();
    void okCancelAndLock();
    void autoStepBands();
    void autoExposureConverges_data();
    void autoExposureConverges();
    void autoWhiteBalanceConverges_data();
    void autoWhiteBalanceConverges();
    void autoLoopsAreBounded();
    void oneAutoRunAtATimeAndLockEndsIt();
    void translatedTexts();

private:
    QSlider *slider(const char *name) const
    {
        return child<QSlider>(dialog, QByteArray("horizontalSlider_").append(name).constData());
    }
    QPushButton *button(const char *name) const
    {
        return child<QPushButton>(dialog, QByteArray("pushButton_").append(name).constData());
    }
    QString status() const { return child<QLabel>(dialog, "label_status")->text(); }
    quint32 shutter() const
    {
        return camera->sensorRegister(0x2002) | quint32(camera->sensorRegister(0x2102)) << 8;
    }

    TestUtils::Sandbox sandbox;
    CountingCamera *camera = nullptr;
    QPointer<ccdSetDialog> dialog;
};

void TestCameraSettings::init()
{
    static const QImage target = SyntheticTarget::render();
    QFile::remove(QStringLiteral("./config"));
    GlobalVar::resetToDefaults();
    camera = new CountingCamera;
    camera->setScene(target);
    CameraSeam::setInstance(camera);
}

void TestCameraSettings::cleanup()
{
    delete dialog;
    CameraSeam::setInstance(nullptr);
    delete camera;
}

void TestCameraSettings::sliderTable()
{
    dialog = new ccdSetDialog;
    const ccdParameter &p = GlobalVar::IMX185;
    struct Exposure { int value; const char *label; quint32 gain, exposure; };
    for (const Exposure &e : {Exposure{1140, "215", 30, 0}, Exposure{1125, "200", 0, 0},
                              Exposure{0, "0", 0, 1125}, Exposure{374, "74", 0, 751},
                              Exposure{900, "162", 0, 225}}) {
        slider("exposure")->setValue(e.value);
        QCOMPARE(child<QLabel>(dialog, "label_exposure")->text(), QLatin1String(e.label));
        // What OK stores, and what the camera holds.
        QCOMPARE((QVector<quint32>{p.gain, p.exposure, camera->sensorRegister(0x1402), shutter()}),
                 (QVector<quint32>{e.gain, e.exposure, e.gain, e.exposure}));
    }
    struct Setting { const char *name; int value; const quint32 *field; quint32 recorded; quint32 offset, reg; };
    for (const Setting &s : {Setting{"contrast", 50, &p.contrast, 50, 60, 18157u | 25u << 16},
                             Setting{"red", 100, &p.red, 32000, 48, 32000},
                             Setting{"green", 100, &p.green, 16000, 52, 16000},
                             Setting{"blue", 0, &p.blue, 8000, 56, 8000},
                             Setting{"se", 100, &p.sharpen, 10000, 64, 10000},
                             Setting{"hdr", 3, &p.gamma, 3, 0, 3u << 10}}) {
        slider(s.name)->setValue(s.value);
        QCOMPARE(child<QLabel>(dialog, QByteArray("label_").append(s.name).constData())->text(),
                 QString::number(s.value));
        QCOMPARE(*s.field, s.recorded);
        QCOMPARE(camera->ispRegister(s.offset), s.reg);
    }
}

void TestCameraSettings::storedConfigReachesTheCamera()
{
    QVERIFY(TestUtils::writeFile(QStringLiteral("./config"), "[ccd]\nimage.password=47219\nimage.gain=10\nimage.exposure=0\n"
                                 "image.contrast=0\nimage.red=8000\nimage.green=12000\nimage.blue=8000\nimage.sharpen=0\nimage.gamma=0\n"));
    dialog = new ccdSetDialog;
    QCOMPARE(slider("exposure")->value(), 1130);
    QCOMPARE(camera->sensorRegister(0x1402), quint16(10));
    QCOMPARE(shutter(), 0u);
    // Settings whose sliders already stand at 0 reach the camera as well.
    QCOMPARE((QVector<quint32>{camera->ispRegister(60), camera->ispRegister(48), camera->ispRegister(52),
                               camera->ispRegister(64), camera->ispRegister(0)}), (QVector<quint32>{16384, 8000, 12000, 0, 0}));
    delete dialog;

    // A file without the stamp is replaced by the defaults (as is none at all), whatever was
    // set before, and they reach the sliders and the camera.
    QSettings(QStringLiteral("./config"), QSettings::IniFormat).setValue(QStringLiteral("ccd/image.password"), 1234);
    dialog = new ccdSetDialog;
    const QVector<quint32> file = {configValue("password"), configValue("gain"), configValue("exposure"),
                                   configValue("contrast"), configValue("red"), configValue("green"),
                                   configValue("blue"), configValue("sharpen"), configValue("gamma")};
    QCOMPARE(file, (QVector<quint32>{47219, 0, 450, 30, 20000, 10000, 20000, 2000, 1}));
    const QVector<int> sliders = {slider("exposure")->value(), slider("contrast")->value(),
                                  slider("red")->value(), slider("green")->value(), slider("blue")->value(),
                                  slider("hdr")->value(), slider("se")->value()};
    QCOMPARE(sliders, (QVector<int>{675, 30, 50, 25, 50, 1, 20}));
    QCOMPARE(camera->sensorRegister(0x1402), quint16(0));
    QCOMPARE(shutter(), 450u);
    // Contrast 30 is 256 / 241 in 1/16384.
    QCOMPARE((QVector<quint32>{camera->ispRegister(60), camera->ispRegister(48), camera->ispRegister(64), camera->ispRegister(0)}),
             (QVector<quint32>{17403u | 15u << 16, 20000, 2000, 1u << 10}));
}

void TestCameraSettings::okCancelAndLock()
{
    // Cancel: the file keeps the saved value, the camera the new one; OK stores the new one.
    for (const char *answer : {"no", "yes"}) {
        dialog = new ccdSetDialog;
        dialog->show();
        slider("red")->setValue(80);
        button(answer)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QCOMPARE(configValue("red"), answer[0] == 'n' ? 20000u : 27200u);
        QCOMPARE(camera->ispRegister(48), 27200u);
    }

    dialog = new ccdSetDialog;
    button("lock")->click();
    QVERIFY(!GlobalVar::cameraConfigLock);
    QCOMPARE(button("lock")->text(), QStringLiteral("Unlock"));
    QVERIFY(!slider("se")->isEnabled() && !button("awb")->isEnabled() && button("yes")->isEnabled());
    delete dialog;
    // Opened again while locked, the controls stay locked until unlocked.
    dialog = new ccdSetDialog;
    QVERIFY(!slider("red")->isEnabled());
    button("lock")->click();
    QCOMPARE(button("lock")->text(), QStringLiteral("Lock"));
    QVERIFY(slider("red")->isEnabled() && button("awb")->isEnabled());
}

void TestCameraSettings::autoStepBands()
{
    quint32 e = 1125, g = 0;
    QVERIFY(AutoAdjust::exposureStep(e, g, 40));   // bright enough at the shortest exposure
    QVERIFY(!AutoAdjust::exposureStep(e, g, 30));
    QCOMPARE(e, 1124u);
    e = 0, g = 30;
    QVERIFY(AutoAdjust::exposureStep(e, g, 50));   // longest exposure, full gain: nothing left
    float red = 8000, blue = 20000;
    QVERIFY(!AutoAdjust::whiteBalanceStep(red, blue, 129, 127));
    QCOMPARE(red, 8000.0f);                         // red at its limit counts as done
    QCOMPARE(blue, 20200.0f);
}

void TestCameraSettings::autoExposureConverges_data()
{
    QTest::addColumn<int>("start");
    QTest::newRow("dark") << 0;
    QTest::newRow("bright") << 1140;
    QTest::newRow("default") << 675;
}

void TestCameraSettings::autoExposureConverges()
{
    QFETCH(int, start);
    dialog = new ccdSetDialog;
    slider("exposure")->setValue(start);
    button("ae")->click();
    QVERIFY(dialog->autoSteps() < ccdSetDialog::maxAutoSteps);
    QCOMPARE(camera->brightnessReads, dialog->autoSteps());
    const quint32 brightness = Control().averageBright_Read();
    QVERIFY2(brightness >= 84 && brightness <= 116, qPrintable(QString::number(brightness)));
    QCOMPARE((QVector<quint32>{shutter(), camera->sensorRegister(0x1402)}),
             (QVector<quint32>{GlobalVar::IMX185.exposure, GlobalVar::IMX185.gain}));
    QCOMPARE(status(), QString());
}

void TestCameraSettings::autoWhiteBalanceConverges_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("blue");
    QTest::newRow("reddish") << 100 << 30;
    QTest::newRow("bluish") << 0 << 100;
    QTest::newRow("greenish") << 0 << 0;
}

void TestCameraSettings::autoWhiteBalanceConverges()
{
    QFETCH(int, red);
    QFETCH(int, blue);
    dialog = new ccdSetDialog;
    slider("red")->setValue(red);
    slider("blue")->setValue(blue);
    slider("green")->setValue(17);   // where white balance puts it
    Control control;
    QVERIFY(control.averageCr_Read() != 128 || control.averageCb_Read() != 128);
    button("awb")->click();
    QVERIFY(dialog->autoSteps() < ccdSetDialog::maxAutoSteps);
    QCOMPARE(control.averageCr_Read(), 128u);
    QCOMPARE(control.averageCb_Read(), 128u);
    // What OK stores is what the camera holds.
    button("yes")->click();
    const QVector<quint32> gains = {camera->ispRegister(48), camera->ispRegister(52), camera->ispRegister(56)};
    QCOMPARE((QVector<quint32>{configValue("red"), configValue("green"), configValue("blue")}), gains);
    QCOMPARE(gains[1], 9360u);
}

void TestCameraSettings::autoLoopsAreBounded()
{
    // Under a flickering lamp no step ever finds the picture settled.
    // The status says so, and the last values stay on the camera.
    camera->setFlicker(true);
    dialog = new ccdSetDialog;
    button("ae")->click();
    QCOMPARE(dialog->autoSteps(), ccdSetDialog::maxAutoSteps);
    QCOMPARE(camera->brightnessReads, ccdSetDialog::maxAutoSteps);
    QCOMPARE(status(), QStringLiteral("Exposure did not settle; last values kept"));
    QCOMPARE(shutter(), GlobalVar::IMX185.exposure);
    QCOMPARE(GlobalVar::IMX185.exposure, quint32(1125 - slider("exposure")->value()));
    button("awb")->click();
    QCOMPARE(dialog->autoSteps(), ccdSetDialog::maxAutoSteps);
    QCOMPARE(status(), QStringLiteral("White balance did not settle; last values kept"));
    QCOMPARE(camera->ispRegister(48), GlobalVar::IMX185.red);

    // Cancel pressed while auto exposure runs ends the run and the dialog.
    camera->brightnessReads = 0;
    dialog->show();
    QTimer::singleShot(0, dialog.data(), [this] { button("no")->click(); });
    button("ae")->click();
    QVERIFY(camera->brightnessReads < 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

void TestCameraSettings::oneAutoRunAtATimeAndLockEndsIt()
{
    camera->setFlicker(true);   // no run ends by itself
    dialog = new ccdSetDialog;
    dialog->show();
    bool othersOffDuringRun = false;
    QTimer::singleShot(0, dialog.data(), [&] {
        othersOffDuringRun = !button("ae")->isEnabled() && !button("awb")->isEnabled();
        button("awb")->click();    // ignored while auto exposure runs
        button("lock")->click();
    });
    button("ae")->click();
    QVERIFY(othersOffDuringRun);
    QVERIFY2(dialog->autoSteps() < 5, qPrintable(QString::number(dialog->autoSteps())));
    QCOMPARE(camera->brightnessReads, dialog->autoSteps());
    // Ended by the user, not unsettled.
    QCOMPARE(status(), QString());
    QVERIFY(!GlobalVar::cameraConfigLock && !button("ae")->isEnabled());
    button("lock")->click();
    QVERIFY(button("ae")->isEnabled() && button("awb")->isEnabled());
}

void TestCameraSettings::translatedTexts()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(KORVELIN_BUILD_DIR "/Korvelin_zh_TW.qm")));
    dialog = new ccdSetDialog;
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(dialog->windowTitle(), QStringLiteral("相機設定"));
    QCOMPARE(button("lock")->text(), QStringLiteral("鎖定"));
    camera->setFlicker(true);
    button("awb")->click();
    QCOMPARE(status(), QStringLiteral("白平衡未能穩定，保留最後的數值"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(button("lock")->text(), QStringLiteral("Lock"));
}

QTEST_MAIN(TestCameraSettings)
#include "tst_camerasettings.moc"
