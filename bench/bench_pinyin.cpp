// Cost of one pinyin lookup as the keyboard makes it on every letter typed: all single
// syllables and the 1,000 most frequent words of the dictionary py.db is made from, each looked
// up many times; prints the median, the database file's size, and what the keyboard adds to
// start-up (its construction, and the first open of the database, which it defers to the first
// lookup).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Keyboard.h"
#include "PinyinDictionary.h"

namespace {
struct Entry
{
    QString pinyin;
    qint64 weight;
};

// Syllables and the most frequent words, read from the Rime dictionary itself.
QStringList samples(const QString &dictPath)
{
    QFile file(dictPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    in.setCodec("UTF-8");
#endif
    QStringList syllables;
    std::vector<Entry> words;
    bool body = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!body) {
            body = line.trimmed() == QLatin1String("...");
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 3 || line.startsWith(QLatin1Char('#')))
            continue;
        const QString spaced = fields.at(1);
        if (!spaced.contains(QLatin1Char(' '))) {
            if (!syllables.contains(spaced))
                syllables.append(spaced);
        } else {
            words.push_back({QString(spaced).remove(QLatin1Char(' ')), fields.at(2).toLongLong()});
        }
    }
    std::stable_sort(words.begin(), words.end(), [](const Entry &a, const Entry &b) { return a.weight > b.weight; });
    QStringList all = syllables;
    for (const Entry &e : words) {
        if (all.size() >= syllables.size() + 1000)
            break;
        if (!all.contains(e.pinyin))
            all.append(e.pinyin);
    }
    std::printf("samples: %d syllables, %d words\n", int(syllables.size()), int(all.size() - syllables.size()));
    return all;
}

double median(std::vector<qint64> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2] / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString db = QStringLiteral(KORVELIN_BUILD_DIR "/py.db");
    const QStringList pinyins = samples(QStringLiteral(KORVELIN_PINYIN_DICT));
    if (pinyins.isEmpty() || !QFileInfo::exists(db)) {
        std::printf("bench_pinyin: py.db or the Rime dictionary is missing\n");
        return 1;
    }

    QElapsedTimer clock;
    clock.start();
    Keyboard *keyboard = Keyboard::Instance();
    keyboard->Init(QStringLiteral("follow"), QStringLiteral("blue"));
    const double construction = clock.nsecsElapsed() / 1e6;

    PinyinDictionary dictionary(db, QStringLiteral("bench"));
    clock.restart();
    dictionary.open();
    const double opening = clock.nsecsElapsed() / 1e6;

    std::vector<qint64> times;
    int found = 0;
    qint64 candidates = 0;
    for (int round = 0; round < 20; ++round) {
        for (const QString &pinyin : pinyins) {
            clock.restart();
            const QStringList words = dictionary.lookup(pinyin);
            times.push_back(clock.nsecsElapsed());
            if (round == 0) {
                found += !words.isEmpty();
                candidates += words.size();
            }
        }
    }
    std::printf("lookups: %d strings x 20, %d found, %.1f candidates on average\n", int(pinyins.size()), found,
                double(candidates) / pinyins.size());
    std::printf("median lookup: %.4f ms\n", median(times));
    std::printf("py.db size: %lld bytes (%.2f MB)\n", QFileInfo(db).size(), QFileInfo(db).size() / 1048576.0);
    std::printf("start-up: keyboard construction %.2f ms; database open %.2f ms, deferred to the first lookup\n",
                construction, opening);
    return 0;
}
