#include "PinyinPager.h"

void PinyinPager::setWords(const QStringList &words)
{
    all = words;
    showFrom(0);
}

void PinyinPager::clear()
{
    all.clear();
    shown.clear();
    next = 0;
}

bool PinyinPager::nextPage()
{
    if (next >= all.size())
        return false;
    showFrom(next);
    return true;
}

bool PinyinPager::previousPage()
{
    const int start = next - shown.size();
    if (start < pageSize)
        return false;
    showFrom(start - pageSize);
    return true;
}

QString PinyinPager::wordAt(int position) const
{
    return position >= 1 && position <= shown.size() ? shown.at(position - 1) : QString();
}

void PinyinPager::showFrom(int index)
{
    shown = all.mid(index, pageSize);
    next = index + shown.size();
}
