// Pinyin input: the letters typed (the input's first line) looked up in a pinyin table whose row
// for them holds the rest of the input, and the candidates shown page by page.
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cstdlib>

#include "FuzzTarget.h"
#include "PinyinDictionary.h"
#include "PinyinPager.h"

KORVELIN_FUZZ_TARGET(pinyin)
{
    Fuzz::environment();
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    const QString typed = text.section(QLatin1Char('\n'), 0, 0);
    const QString path = QStringLiteral("py.db");
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE pinyin (pinyin TEXT, word TEXT)"));
        query.prepare(QStringLiteral("INSERT INTO pinyin VALUES (?, ?)"));
        query.addBindValue(typed);
        query.addBindValue(text.section(QLatin1Char('\n'), 1));
        query.exec();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    PinyinDictionary dictionary(path, QStringLiteral("fuzz"));
    PinyinPager pager;
    pager.setWords(dictionary.lookup(typed));
    // Paging forward shows every candidate once, in order, and back again the first page.
    QStringList shown = pager.page();
    while (pager.nextPage())
        shown += pager.page();
    while (pager.previousPage())
        ;
    if (shown != pager.words() || pager.page() != pager.words().mid(0, PinyinPager::pageSize))
        abort();
    for (int position = 0; position <= PinyinPager::pageSize + 1; ++position)
        pager.wordAt(position);
    return 0;
}
