#ifndef TEXTSIZECACHE_H
#define TEXTSIZECACHE_H

#include <QFont>
#include <QHash>
#include <QSize>
#include <QString>

// Sizes of multi-line texts in one font, measured once each: the widest line by the width of
// its bounding rectangle, the lines' heights added up (an empty line takes a line's height).
// Measuring a text shapes it, which is the dear part of drawing thousands of labels; the same
// label is measured again on every repaint. A font other than the last one asked about starts
// afresh, and so does a cache grown past its limit.
class TextSizeCache
{
public:
    explicit TextSizeCache(int limit = 50000);

    QSize size(const QFont &font, const QString &text);

    // The measurement itself, without the cache.
    static QSize measure(const QFont &font, const QString &text);

private:
    int limit;
    QFont font;
    QHash<QString, QSize> sizes;
};

#endif // TEXTSIZECACHE_H
