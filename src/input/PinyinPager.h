#ifndef PINYINPAGER_H
#define PINYINPAGER_H

#include <QStringList>

// The candidates for the pinyin typed so far, shown nine at a time.
class PinyinPager
{
public:
    static constexpr int pageSize = 9;

    // New candidates; the first page is shown.
    void setWords(const QStringList &words);
    void clear();

    // Forward or back by one page; false (and nothing changes) when there is none.
    bool nextPage();
    bool previousPage();

    const QStringList &words() const { return all; }
    const QStringList &page() const { return shown; }
    // Index of the first word after the page shown.
    int nextIndex() const { return next; }

    // The word at position 1 ... 9 of the page, or empty.
    QString wordAt(int position) const;

private:
    void showFrom(int index);

    QStringList all;
    QStringList shown;
    int next = 0;
};

#endif // PINYINPAGER_H
