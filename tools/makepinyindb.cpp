// Builds the keyboard's pinyin database from a Rime dictionary (Debian's rime-data-pinyin-simp,
// pinyin_simp.dict.yaml): one row per pinyin string, with every character and word read that
// way, the most frequent first.
//
//   makepinyindb <pinyin_simp.dict.yaml> <py.db>
//
// The dictionary's body lines read "<word>\t<syllables separated by blanks>\t<weight>"; the
// weight may be missing. The table written is
//   pinyin(pinyin TEXT, word TEXT)   -- "nihao" | "你好 拟好 ..."
// with an index on pinyin. The file is written beside the target and renamed into place, so a
// failed run never leaves half a database behind.
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTextStream>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Reading
{
    qint64 weight;
    int order; // place in the dictionary, so equal weights keep the dictionary's order
    QString word;
};

bool isPinyin(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return false;
    }
    return true;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "makepinyindb: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: makepinyindb <pinyin_simp.dict.yaml> <py.db>"));

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(args.at(1)));

    QHash<QString, std::vector<Reading>> readings;
    QStringList order; // pinyin strings in the order first met, for a reproducible file
    QTextStream in(&source);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    in.setCodec("UTF-8");
#endif
    bool inBody = false;
    int count = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!inBody) {
            // The YAML header ends with a line of three dots.
            inBody = line.trimmed() == QLatin1String("...");
            continue;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 2)
            continue;
        const QString word = fields.at(0).trimmed();
        const QString pinyin = fields.at(1).toLower().remove(QLatin1Char(' '));
        if (word.isEmpty() || word.contains(QLatin1Char(' ')) || !isPinyin(pinyin))
            continue;
        const qint64 weight = fields.size() > 2 ? fields.at(2).trimmed().toLongLong() : 0;
        auto it = readings.find(pinyin);
        if (it == readings.end()) {
            it = readings.insert(pinyin, {});
            order.append(pinyin);
        }
        it->push_back({weight, count++, word});
    }
    if (readings.isEmpty())
        return fail(QStringLiteral("no readings found in %1").arg(args.at(1)));

    const QString target = args.at(2);
    const QString temporary = target + QStringLiteral(".part");
    QFile::remove(temporary);
    int written = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("makepinyindb"));
        db.setDatabaseName(temporary);
        if (!db.open())
            return fail(QStringLiteral("cannot create %1: %2").arg(temporary, db.lastError().text()));
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("CREATE TABLE pinyin (pinyin TEXT NOT NULL, word TEXT NOT NULL)")))
            return fail(query.lastError().text());
        db.transaction();
        if (!query.prepare(QStringLiteral("INSERT INTO pinyin (pinyin, word) VALUES (?, ?)")))
            return fail(query.lastError().text());
        for (const QString &pinyin : qAsConst(order)) {
            std::vector<Reading> &list = readings[pinyin];
            std::stable_sort(list.begin(), list.end(), [](const Reading &a, const Reading &b) {
                return a.weight != b.weight ? a.weight > b.weight : a.order < b.order;
            });
            QStringList words;
            for (const Reading &reading : list) {
                if (!words.contains(reading.word))
                    words.append(reading.word);
            }
            query.bindValue(0, pinyin);
            query.bindValue(1, words.join(QLatin1Char(' ')));
            if (!query.exec())
                return fail(query.lastError().text());
            ++written;
        }
        if (!query.exec(QStringLiteral("CREATE UNIQUE INDEX pinyin_index ON pinyin (pinyin)")))
            return fail(query.lastError().text());
        if (!db.commit())
            return fail(db.lastError().text());
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("makepinyindb"));

    QFile::remove(target);
    if (!QFile::rename(temporary, target))
        return fail(QStringLiteral("cannot move %1 to %2").arg(temporary, target));
    std::printf("makepinyindb: %d pinyin strings, %d readings -> %s\n", written, count, qPrintable(target));
    return 0;
}
