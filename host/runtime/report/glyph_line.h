#pragma once
// One-line texts set without a text layout: each character's glyph is taken from the first face of
// the font that has it (a Latin face, then its Chinese face behind it), and the glyphs are placed
// side by side. A list prints thousands of short texts per page (numbers, names, amounts); laying
// each out as a paragraph costs more than drawing it. Anything a paragraph needs (line breaks,
// characters outside the basic plane or in no face, a text wider than its place) is refused, for the
// caller to lay out instead; so is every text of a font whose face is not installed under its name.
// The glyphs placed wait until flush(), which draws all of one face as one piece: a device (a PDF
// page above all) then sets up its text state once per face and page, not once per text.
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <vector>

class QPainter;

namespace report {

class GlyphLine {
public:
    // `deviceFont` is the font as the painter holds it: sized for the device's resolution.
    explicit GlyphLine(const QFont& deviceFont);

    // Places `text` in `rect`, by the horizontal part of `alignment` and centred vertically; false,
    // with nothing placed, when the text needs a layout.
    bool place(const QString& text, const QRectF& rect, Qt::Alignment alignment);
    // Draws the glyphs placed since the last flush.
    void flush(QPainter& painter);

private:
    struct Face {
        QRawFont font;
        QList<quint32> glyphs;      // placed, waiting to be drawn
        QList<QPointF> positions;
    };
    struct Glyph {
        int face;
        quint32 index;
        double x;
    };

    std::vector<Face> faces_;
    std::vector<Glyph> text_;   // the glyphs of the text being placed
};

} // namespace report
