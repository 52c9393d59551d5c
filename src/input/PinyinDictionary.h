#ifndef PINYINDICTIONARY_H
#define PINYINDICTIONARY_H

#include <QString>
#include <QStringList>

#include <memory>

// The pinyin table of the on-screen keyboard: an SQLite file with the table
// pinyin(pinyin, word), where `word` holds every candidate for the pinyin string, separated by
// blanks, the most frequent first.
//
// The file is opened read-only on the first lookup, so start-up does not pay for it. When it is
// missing or unreadable every lookup finds nothing, and standard output says once that Chinese
// input is unavailable.
class PinyinDictionary
{
public:
    // `connectionName` names the Qt SQL connection; one dictionary per name at a time.
    explicit PinyinDictionary(const QString &path, const QString &connectionName = QStringLiteral("py"));
    ~PinyinDictionary();
    PinyinDictionary(const PinyinDictionary &) = delete;
    PinyinDictionary &operator=(const PinyinDictionary &) = delete;

    QString path() const { return filePath; }

    // Opens the file unless that was tried already; true when lookups can be answered.
    bool open();
    bool isOpen() const;

    // Every candidate for a pinyin string as typed (lower-case letters only; anything else
    // finds nothing), in the stored order.
    QStringList lookup(const QString &pinyin);

    // Closes the file; the next lookup opens it again.
    void close();

private:
    struct Connection;
    QString filePath;
    QString connectionName;
    bool tried = false;
    bool reported = false;
    std::unique_ptr<Connection> connection;
};

#endif // PINYINDICTIONARY_H
