#include "LabelText.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <QVector>

#include <cmath>
#include <initializer_list>

#include "GlobalVar.h"

namespace {
// Room around a glyph's ink for the halo.
const int margin = LabelText::reach + 1;

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

// A label laid out: its glyph runs with their positions from the label's corner, and for each
// run which of the kept fonts it is in.
struct Layout
{
    QVector<QGlyphRun> runs;
    QVector<int> fonts;
};

struct Halo
{
    QImage image;
    // From the glyph's origin to the image's top left.
    QPoint offset;
};

struct Kept
{
    QFont font;
    int dpi = 0;
    QVector<QRawFont> fonts;
    QHash<QString, Layout> texts;
    // By halo colour, font and glyph.
    QHash<quint64, Halo> halos;

    void reset(const QFont &newFont, int newDpi)
    {
        font = newFont;
        dpi = newDpi;
        fonts.clear();
        texts.clear();
        halos.clear();
    }
    int fontIndex(const QRawFont &raw)
    {
        const int index = fonts.indexOf(raw);
        if (index >= 0)
            return index;
        fonts.append(raw);
        return fonts.size() - 1;
    }
};

Kept &kept()
{
    static Kept cache;
    return cache;
}

// The glyphs of `text` where QPainter::drawText() would put them: line by line, one line
// spacing apart, each baseline one ascent below its line's top. Shaped once per text, so a
// label repainted is not shaped again.
Layout layOut(const QString &text, const QFont &font, QPaintDevice *device)
{
    Kept &cache = kept();
    Layout laidOut;
    const QFontMetricsF metrics(font, device);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QTextLayout layout(lines.at(i), font, device);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (line.isValid())
            line.setPosition(QPointF(0, 0));
        layout.endLayout();
        // The layout's baseline is one ascent of its line below its top.
        const QPointF shift(0, i * metrics.lineSpacing() + metrics.ascent() - (line.isValid() ? line.ascent() : 0));
        const QList<QGlyphRun> runs = layout.glyphRuns();
        for (QGlyphRun run : runs) {
            QVector<QPointF> positions = run.positions();
            for (QPointF &position : positions)
                position += shift;
            run.setPositions(positions);
            laidOut.runs << run;
            laidOut.fonts << cache.fontIndex(run.rawFont());
        }
    }
    return laidOut;
}

Halo makeHalo(const QRawFont &font, quint32 glyph, QRgb color)
{
    const QRectF box = font.boundingRect(glyph);
    const int left = int(std::floor(box.left())) - margin;
    const int top = int(std::floor(box.top())) - margin;
    const QSize size(int(std::ceil(box.right())) + margin - left + 1, int(std::ceil(box.bottom())) + margin - top + 1);
    Halo halo;
    halo.offset = QPoint(left, top);
    if (size.width() <= 0 || size.height() <= 0 || box.isEmpty())
        return halo;
    QImage mask(size, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(0, 0)});
        QPainter painter(&mask);
        painter.setPen(Qt::black);
        painter.drawGlyphRun(QPointF(-left, -top), run);
    }
    // A square of one pixel each way, then a cross of one: an octagon reaching two pixels, so
    // the halo's corners are rounded.
    widen(&mask, {QPoint(-1, 0), QPoint(1, 0)});
    widen(&mask, {QPoint(0, -1), QPoint(0, 1)});
    widen(&mask, {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)});
    halo.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        const uchar *in = mask.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(halo.image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int a = in[x] * qAlpha(color) / 255;
            out[x] = qRgba(qRed(color) * a / 255, qGreen(color) * a / 255, qBlue(color) * a / 255, a);
        }
    }
    return halo;
}
} // namespace

QColor LabelText::outlineColor(const QColor &text)
{
    // Perceived brightness: green counts most, blue least.
    const int brightness = (299 * text.red() + 587 * text.green() + 114 * text.blue()) / 1000;
    QColor outline = brightness < 128 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    outline.setAlpha(text.alpha());
    return outline;
}

void LabelText::draw(QPainter *painter, const QPointF &corner, const QString &text)
{
    if (text.isEmpty())
        return;
    Kept &cache = kept();
    QPaintDevice *device = painter->device();
    const QFont &font = painter->font();
    const int dpi = device ? device->logicalDpiY() : 0;
    if (!(font == cache.font) || dpi != cache.dpi)
        cache.reset(font, dpi);
    if (cache.texts.size() >= keptTexts)
        cache.texts.clear();
    auto laidOut = cache.texts.constFind(text);
    if (laidOut == cache.texts.constEnd())
        laidOut = cache.texts.insert(text, layOut(text, font, device));

    if (GlobalVar::bTextOutline) {
        const QRgb color = outlineColor(painter->pen().color()).rgba();
        // Whole pixels: the halo is wider than the fraction it could be off by.
        const QPoint origin = corner.toPoint();
        for (int r = 0; r < laidOut->runs.size(); ++r) {
            const QGlyphRun &run = laidOut->runs.at(r);
            const int fontIndex = laidOut->fonts.at(r);
            const QVector<quint32> glyphs = run.glyphIndexes();
            const QVector<QPointF> positions = run.positions();
            for (int g = 0; g < glyphs.size() && g < positions.size(); ++g) {
                const quint64 key = (quint64(color) << 32) | (quint64(fontIndex) << 24) | (glyphs.at(g) & 0xffffffu);
                auto halo = cache.halos.constFind(key);
                if (halo == cache.halos.constEnd())
                    halo = cache.halos.insert(key, makeHalo(cache.fonts.at(fontIndex), glyphs.at(g), color));
                if (!halo->image.isNull())
                    painter->drawImage(origin + positions.at(g).toPoint() + halo->offset, halo->image);
            }
        }
    }
    // Unclipped: the rectangle a label is measured by is as wide as its ink, and the ink starts
    // a pixel or two right of the corner, so a clip to it would cut the last letter's edge.
    for (const QGlyphRun &run : laidOut->runs)
        painter->drawGlyphRun(corner, run);
}
