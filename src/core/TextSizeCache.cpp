#include "TextSizeCache.h"

#include <QFontMetrics>
#include <QStringList>

TextSizeCache::TextSizeCache(int limit)
    : limit(limit)
{
}

QSize TextSizeCache::size(const QFont &font, const QString &text)
{
    if (!(font == this->font)) {
        sizes.clear();
        this->font = font;
    }
    const auto known = sizes.constFind(text);
    if (known != sizes.constEnd())
        return *known;
    if (sizes.size() >= limit)
        sizes.clear();
    const QSize measured = measure(font, text);
    sizes.insert(text, measured);
    return measured;
}

QSize TextSizeCache::measure(const QFont &font, const QString &text)
{
    if (text.isEmpty())
        return QSize(0, 0);
    const QFontMetrics metrics(font);
    // Most labels are a single line.
    if (!text.contains(QLatin1Char('\n')))
        return metrics.boundingRect(text).size();
    int width = 0;
    int height = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        // An empty line between two others still takes a line's height on screen.
        const QRect r = line.isEmpty() ? QRect(0, 0, 0, metrics.height()) : metrics.boundingRect(line);
        width = qMax(width, r.width());
        height += r.height();
    }
    return QSize(width, height);
}
