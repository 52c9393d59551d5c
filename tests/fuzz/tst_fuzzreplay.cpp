#include <QDirIterator>
#include <QTest>

#include "FuzzTarget.h"
#include "testutils.h"

int fuzz_settings(const uint8_t *data, size_t size);
int fuzz_linesconfig(const uint8_t *data, size_t size);
int fuzz_photo(const uint8_t *data, size_t size);
int fuzz_upgrade(const uint8_t *data, size_t size);
int fuzz_pinyin(const uint8_t *data, size_t size);

// Every fuzz target run on its seed corpus (fuzz/corpus/<target>) and on each input that once
// crashed it or ran too long (tests/fuzz/<target>), in the ordinary build. A target stops the
// program on any input it mishandles.
class TestFuzzReplay : public QObject
{
    Q_OBJECT

private slots:
    void replay_data();
    void replay();

private:
    TestUtils::Sandbox sandbox;
};

void TestFuzzReplay::replay_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("target");
    const char *targets[] = {"settings", "linesconfig", "photo", "upgrade", "pinyin"};
    for (int target = 0; target < 5; ++target) {
        int inputs = 0;
        for (const char *folder : {"/fuzz/corpus/", "/tests/fuzz/"}) {
            QDirIterator files(QLatin1String(KORVELIN_SOURCE_DIR) + QLatin1String(folder) + QLatin1String(targets[target]), QDir::Files);
            while (files.hasNext()) {
                const QString path = files.next();
                QTest::newRow(qPrintable(QFileInfo(path).dir().dirName() + QLatin1Char('/') + files.fileName())) << path << target;
                ++inputs;
            }
        }
        QVERIFY2(inputs >= 3, targets[target]);
    }
}

void TestFuzzReplay::replay()
{
    QFETCH(QString, path);
    QFETCH(int, target);
    int (*const run[])(const uint8_t *, size_t) = {fuzz_settings, fuzz_linesconfig, fuzz_photo, fuzz_upgrade, fuzz_pinyin};
    const QByteArray input = TestUtils::readFile(path);
    QCOMPARE(run[target](reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size())), 0);
}

QTEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
