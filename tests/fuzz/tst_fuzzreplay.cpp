#include <QDir>
#include <QTest>

#include "FuzzTarget.h"
#include "core/FileMutations.h"
#include "testutils.h"

#include <iterator>
#include <utility>

int fuzz_settings(const uint8_t *data, size_t size);
int fuzz_linesconfig(const uint8_t *data, size_t size);
int fuzz_photo(const uint8_t *data, size_t size);
int fuzz_upgrade(const uint8_t *data, size_t size);
int fuzz_pinyin(const uint8_t *data, size_t size);
int fuzz_measurement(const uint8_t *data, size_t size);

namespace {
const struct
{
    const char *name;
    int (*run)(const uint8_t *, size_t);
} targets[] = {{"settings", fuzz_settings}, {"linesconfig", fuzz_linesconfig}, {"photo", fuzz_photo},
               {"upgrade", fuzz_upgrade}, {"pinyin", fuzz_pinyin}, {"measurement", fuzz_measurement}};
} // namespace

// Every fuzz target run on its seed corpus (fuzz/corpus/<target>), on damaged copies of each
// seed, the same on every run, and on each input that once crashed it or ran too long (tests/
// fuzz/<target>), in the ordinary build. A target stops the program on any input it mishandles.
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
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("target");
    for (int target = 0; target < int(std::size(targets)); ++target) {
        QRandomGenerator random(quint32(target) + 20261209u);
        int inputs = 0;
        // The seeds, each with damaged copies; the kept inputs as they are.
        for (const auto &[folder, copies] : {std::make_pair("/fuzz/corpus/", 200), std::make_pair("/tests/fuzz/", 0)}) {
            const QDir dir(QLatin1String(KORVELIN_SOURCE_DIR) + QLatin1String(folder) + QLatin1String(targets[target].name));
            for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
                const QByteArray name = (dir.dirName() + QLatin1Char('/') + file).toUtf8();
                const QByteArray input = TestUtils::readFile(dir.filePath(file));
                QTest::newRow(name.constData()) << input << target;
                for (int n = 0; n < copies; ++n)
                    QTest::addRow("%s damaged %d", name.constData(), n) << FileMutations::mutate(input, random) << target;
                ++inputs;
            }
        }
        QVERIFY2(inputs >= 3, targets[target].name);
    }
}

void TestFuzzReplay::replay()
{
    QFETCH(QByteArray, input);
    QFETCH(int, target);
    QCOMPARE(targets[target].run(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size())), 0);
}

QTEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
