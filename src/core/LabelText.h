#ifndef LABELTEXT_H
#define LABELTEXT_H

#include <QColor>
#include <QPointF>
#include <QString>

class QPainter;

// Writes a label, one line or several, with its top left corner at a point, in the painter's
// font and pen colour; with the outline on (GlobalVar::bTextOutline) over a halo in the colour
// that stands out from the text's, so the label reads on a dark picture as on a bright one.
//
// A label is shaped once per text and drawn from its kept glyph runs, so a repaint does not
// shape it again. The halo is made glyph by glyph: each glyph's coverage, widened by `reach`
// pixels with rounded corners, is kept once per glyph and halo colour, and drawn beneath the
// glyph wherever it stands. Stroking the glyphs' outlines instead costs a hundred times the
// text itself. What is kept starts afresh for another font or resolution.
class LabelText
{
public:
    LabelText() = delete;

    // How far the halo reaches beyond the text's ink.
    static constexpr int reach = 2;
    // Laid-out label texts kept at most; past that they are laid out anew.
    static constexpr int keptTexts = 20000;

    static void draw(QPainter *painter, const QPointF &corner, const QString &text);
    // Light for dark text, dark for light text, with the text's alpha.
    static QColor outlineColor(const QColor &text);

};

#endif // LABELTEXT_H
