#include "PinyinDictionary.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

struct PinyinDictionary::Connection
{
    QSqlDatabase db;
    QSqlQuery query;
};

PinyinDictionary::PinyinDictionary(const QString &path, const QString &connectionName)
    : filePath(path)
    , connectionName(connectionName)
{
}

PinyinDictionary::~PinyinDictionary()
{
    close();
}

bool PinyinDictionary::open()
{
    if (connection)
        return true;
    if (tried)
        return false;
    tried = true;

    QString problem;
    // SQLite would create a missing file; a database that is not there stays not there.
    const QFileInfo info(filePath);
    if (!info.isFile() || !info.isReadable()) {
        problem = QStringLiteral("%1 cannot be read").arg(filePath);
    } else {
        auto candidate = std::make_unique<Connection>();
        candidate->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        candidate->db.setDatabaseName(filePath);
        candidate->db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!candidate->db.open()) {
            problem = candidate->db.lastError().text();
        } else {
            candidate->query = QSqlQuery(candidate->db);
            candidate->query.setForwardOnly(true);
            // Preparing reads the schema, so a file that is no pinyin table fails here.
            if (!candidate->query.prepare(QStringLiteral("SELECT word FROM pinyin WHERE pinyin = ?")))
                problem = candidate->query.lastError().text();
        }
        if (problem.isEmpty()) {
            connection = std::move(candidate);
        } else {
            candidate->query = QSqlQuery();
            candidate->db.close();
            candidate.reset();
            QSqlDatabase::removeDatabase(connectionName);
        }
    }
    if (!problem.isEmpty() && !reported) {
        reported = true;
        std::printf("Chinese input is unavailable: pinyin database %s: %s\n", qPrintable(filePath),
                    qPrintable(problem));
        std::fflush(stdout);
    }
    return bool(connection);
}

bool PinyinDictionary::isOpen() const
{
    return bool(connection);
}

QStringList PinyinDictionary::lookup(const QString &pinyin)
{
    QStringList words;
    if (pinyin.isEmpty() || !open())
        return words;
    for (const QChar c : pinyin) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return words;
    }
    QSqlQuery &query = connection->query;
    query.bindValue(0, pinyin);
    if (!query.exec())
        return words;
    while (query.next())
        words += query.value(0).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    query.finish();
    return words;
}

void PinyinDictionary::close()
{
    if (connection) {
        connection->query = QSqlQuery();
        connection->db.close();
        connection.reset();
        QSqlDatabase::removeDatabase(connectionName);
    }
    tried = false;
}
