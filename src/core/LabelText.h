#ifndef LABELTEXT_H
#define LABELTEXT_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

// Writes a label, one line or several, with its top left corner at a point, in the painter's
// font and pen colour; with the outline on (GlobalVar::bTextOutline) over a halo in the colour
// that stands out from the text's, so the label reads on a dark picture as on a bright one.
//
// The halo is the text's own coverage, written once into a mask and widened by `reach` pixels
// with rounded corners; it is kept per text, so a label repainted costs one image drawn beneath
// it. Stroking the glyphs' outlines instead costs a hundred times the text itself. The kept
// halos start afresh for another font, and when they would take more than
// `keptPixels` pixels.
class LabelText
{
public:
    LabelText() = delete;

    // How far the halo reaches beyond the text's ink.
    static constexpr int reach = 2;
    static constexpr int keptPixels = 2 * 1024 * 1024;

    static void draw(QPainter *painter, const QPointF &corner, const QString &text);
    // Light for dark text, dark for light text, with the text's alpha.
    static QColor outlineColor(const QColor &text);
    // The halo of `text` in `font` on a device of `dpi` dots per inch, and where its top left
    // lies from the text's corner.
    static QImage halo(const QFont &font, const QColor &color, const QString &text, int dpi, QPoint *offset);

private:
    static void drawText(QPainter *painter, const QPointF &corner, const QString &text);
};

#endif // LABELTEXT_H
