#include "LabelText.h"

#include <QFontMetricsF>
#include <QPair>
#include <QPainter>

#include <initializer_list>

#include "GlobalVar.h"
#include "TextSizeCache.h"

namespace {
// Room around the measured text for ink that reaches past it, and for the halo.
const int margin = LabelText::reach + 4;

// Each byte becomes the largest of itself and its neighbours at the given steps.
void widen(QImage *mask, std::initializer_list<QPoint> steps)
{
    const QImage source = mask->copy();
    const int width = mask->width();
    const int height = mask->height();
    for (int y = 0; y < height; ++y) {
        uchar *out = mask->scanLine(y);
        for (int x = 0; x < width; ++x) {
            uchar value = out[x];
            for (const QPoint &step : steps) {
                const int sx = x + step.x();
                const int sy = y + step.y();
                if (sx >= 0 && sx < width && sy >= 0 && sy < height)
                    value = qMax(value, source.constScanLine(sy)[sx]);
            }
            out[x] = value;
        }
    }
}

struct HaloCache
{
    QFont font;
    int dpi = 0;
    qint64 pixels = 0;
    // By the halo's colour and the text: a selected item writes in its pen's colour.
    QHash<QPair<QRgb, QString>, QImage> halos;
};
} // namespace

QColor LabelText::outlineColor(const QColor &text)
{
    // Perceived brightness: green counts most, blue least.
    const int brightness = (299 * text.red() + 587 * text.green() + 114 * text.blue()) / 1000;
    QColor outline = brightness < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    outline.setAlpha(text.alpha());
    return outline;
}

void LabelText::drawText(QPainter *painter, const QPointF &corner, const QString &text)
{
    // Unclipped: the rectangle a label is measured by is as wide as its ink, and the ink starts
    // a pixel or two right of the corner, so a clip to it would cut the last letter's edge.
    if (text.contains(QLatin1Char('\n'))) {
        painter->drawText(QRectF(corner, QSizeF()), Qt::AlignLeft | Qt::TextDontClip, text);
    } else {
        // A single line has its baseline one ascent below the corner, as the form above puts
        // it; this form skips the line layout, a good part of repainting thousands of labels.
        const qreal ascent = QFontMetricsF(painter->font()).ascent();
        painter->drawText(corner + QPointF(0, ascent), text);
    }
}

QImage LabelText::halo(const QFont &font, const QColor &color, const QString &text, int dpi, QPoint *offset)
{
    *offset = QPoint(-margin, -margin);
    const QSize size = TextSizeCache::measure(font, text) + QSize(2 * margin, 2 * margin);
    QImage mask(size, QImage::Format_Alpha8);
    // The text takes the size in pixels it has where the label is drawn.
    mask.setDotsPerMeterX(qRound(dpi / 0.0254));
    mask.setDotsPerMeterY(qRound(dpi / 0.0254));
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.setFont(font);
        painter.setPen(Qt::black);
        drawText(&painter, QPointF(margin, margin), text);
    }
    // A square of one pixel each way, then a cross of one: an octagon reaching two pixels, so
    // the halo's corners are rounded.
    widen(&mask, {QPoint(-1, 0), QPoint(1, 0)});
    widen(&mask, {QPoint(0, -1), QPoint(0, 1)});
    widen(&mask, {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)});
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const QRgb opaque = color.rgba();
    for (int y = 0; y < size.height(); ++y) {
        const uchar *in = mask.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int a = in[x] * qAlpha(opaque) / 255;
            out[x] = qRgba(qRed(opaque) * a / 255, qGreen(opaque) * a / 255, qBlue(opaque) * a / 255, a);
        }
    }
    return image;
}

void LabelText::draw(QPainter *painter, const QPointF &corner, const QString &text)
{
    if (GlobalVar::bTextOutline && !text.isEmpty()) {
        static HaloCache cache;
        const QFont &font = painter->font();
        const QColor color = outlineColor(painter->pen().color());
        const int dpi = painter->device()->logicalDpiY();
        if (!(font == cache.font) || dpi != cache.dpi || cache.pixels > keptPixels) {
            cache.halos.clear();
            cache.pixels = 0;
            cache.font = font;
            cache.dpi = dpi;
        }
        QPoint offset(-margin, -margin);
        const QPair<QRgb, QString> key(color.rgba(), text);
        auto known = cache.halos.constFind(key);
        if (known == cache.halos.constEnd()) {
            const QImage made = halo(font, color, text, dpi, &offset);
            cache.pixels += qint64(made.width()) * made.height();
            known = cache.halos.insert(key, made);
        }
        painter->drawImage(corner + QPointF(offset), *known);
    }
    drawText(painter, corner, text);
}
