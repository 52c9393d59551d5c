#ifndef FILEMUTATIONS_H
#define FILEMUTATIONS_H

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QTest>

// Damaged copies of a good file, the same on every run: bit flips, truncations, duplicated
// lines, stray keys and values of the wrong kind (a setting's, or one in a record written as a
// JSON line), one or several at once. Each becomes a data row "<name> <n>" with the column
// `bytes`.
namespace FileMutations {

inline QByteArray mutate(QByteArray bytes, QRandomGenerator &random)
{
    static const QList<QByteArray> oddValues = {
        "abc", "-5", "99", "7", "0", "", "1e309", "nan", "-1", "4294967296", "-99999999999", "1.5",
        "@Variant(\\0\\0\\0\\x87)", "\"unterminated", "gif", "true", "100000000", "\\xff\\xfe",
        "null", "[]", "{}", "1e308", "\"nan\"", "[1,2,3]", "65536", "\"circle\"", "[\"1\",2]"};
    const int changes = 1 + int(random.bounded(3));
    for (int c = 0; c < changes && !bytes.isEmpty(); ++c) {
        QList<QByteArray> lines = bytes.split('\n');
        const int line = int(random.bounded(lines.size()));
        switch (random.bounded(6)) {
        case 0: {   // a flipped bit
            const int at = int(random.bounded(bytes.size()));
            bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
            continue;
        }
        case 1:     // cut short
            bytes.truncate(int(random.bounded(bytes.size())));
            continue;
        case 2:     // a line twice
            lines.insert(line, lines.at(line));
            break;
        case 3:     // a key nobody knows
            lines.insert(line, "key" + QByteArray::number(random.bounded(1000)) + '=' + oddValues.at(int(random.bounded(oddValues.size()))));
            break;
        case 4: {   // a value of the wrong kind: a setting's, or one of a JSON record's
            QByteArray &text = lines[line];
            int at = text.indexOf('=');
            int end = text.size();
            if (at < 0) {
                at = text.indexOf(':', int(random.bounded(text.size() + 1)));
                for (end = at + 1; at >= 0 && end < text.size() && !QByteArray(",}]").contains(text.at(end)); ++end) {}
            }
            if (at >= 0)
                text = text.left(at + 1) + oddValues.at(int(random.bounded(oddValues.size()))) + text.mid(end);
            break;
        }
        default:    // a line lost
            lines.removeAt(line);
            break;
        }
        bytes = lines.join('\n');
    }
    return bytes;
}

inline void addRows(const char *name, const QByteArray &good, int count, quint32 seed)
{
    QTest::addColumn<QByteArray>("bytes");
    QRandomGenerator random(seed);
    for (int n = 0; n < count; ++n)
        QTest::newRow(QByteArray(name).append(' ').append(QByteArray::number(n)).constData()) << mutate(good, random);
}

} // namespace FileMutations

#endif // FILEMUTATIONS_H
