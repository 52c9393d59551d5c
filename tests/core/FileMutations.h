#ifndef FILEMUTATIONS_H
#define FILEMUTATIONS_H

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QTest>

// Damaged copies of a good file, the same on every run: bit flips, truncations, duplicated
// lines, stray keys and values of the wrong kind, one or several at once. Each becomes a data
// row "<name> <n>" with the column `bytes`.
namespace FileMutations {

inline QByteArray mutate(QByteArray bytes, QRandomGenerator &random)
{
    static const QList<QByteArray> oddValues = {
        "abc", "-5", "99", "7", "0", "", "1e309", "nan", "-1", "4294967296", "-99999999999", "1.5",
        "@Variant(\\0\\0\\0\\x87)", "\"unterminated", "gif", "true", "100000000", "\\xff\\xfe"};
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
        case 4: {   // a value of the wrong kind
            const int equals = lines.at(line).indexOf('=');
            if (equals >= 0)
                lines[line] = lines.at(line).left(equals + 1) + oddValues.at(int(random.bounded(oddValues.size())));
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
