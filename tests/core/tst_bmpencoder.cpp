#include <QBuffer>
#include <QImage>
#include <QTest>

#include "BmpEncoder.h"

// Captures are written by our own bitmap encoder; the files must stay what the toolkit's
// writer made of the same picture, byte for byte.
class TestBmpEncoder : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsTheToolkit_data();
    void sameBytesAsTheToolkit();
};

void TestBmpEncoder::sameBytesAsTheToolkit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("format");
    QTest::newRow("rows without padding") << 8 << 3 << int(QImage::Format_RGB32);
    QTest::newRow("rows padded by 2 bytes") << 2 << 2 << int(QImage::Format_RGB32);
    QTest::newRow("rows padded by 3 bytes") << 7 << 4 << int(QImage::Format_RGB32);
    QTest::newRow("one pixel, padded by 1 byte") << 1 << 1 << int(QImage::Format_RGB32);
    QTest::newRow("with alpha") << 6 << 3 << int(QImage::Format_ARGB32);
    QTest::newRow("other format") << 9 << 2 << int(QImage::Format_RGB888);
    QTest::newRow("camera picture") << 1920 << 1080 << int(QImage::Format_RGB32);
    QTest::newRow("nothing to encode") << 0 << 0 << int(QImage::Format_RGB32);
}

void TestBmpEncoder::sameBytesAsTheToolkit()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, format);
    QImage image(width, height, QImage::Format(format));
    // Every channel different, so swapped or shifted bytes show.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba((x * 37 + y) & 255, (x * 11 + y * 53) & 255, (y * 7 + 3) & 255, 255));
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(2835);

    QByteArray expected;
    QBuffer buffer(&expected);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QCOMPARE(image.save(&buffer, "bmp"), !image.isNull());
    QCOMPARE(BmpEncoder::encode(image), expected);
}

QTEST_MAIN(TestBmpEncoder)
#include "tst_bmpencoder.moc"
