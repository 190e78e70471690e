#pragma once
// One line of text set without a text layout: each character's glyph is taken from the first face of
// the font that has it (a Latin face, then its Chinese face behind it), and the glyphs are placed side
// by side. A list prints thousands of short texts per page (numbers, names, amounts); laying each out
// as a paragraph costs more than drawing it. Anything a paragraph needs (line breaks, characters
// outside the basic plane or in no face, a text wider than its place) is refused, for the caller to
// lay out instead.
#include <QFont>
#include <QRawFont>
#include <QRectF>
#include <vector>

class QPainter;

namespace report {

class GlyphLine {
public:
    // `deviceFont` is the font as the painter holds it: sized for the device's resolution.
    explicit GlyphLine(const QFont& deviceFont);

    // Draws `text` in `rect`, placed by the horizontal part of `alignment` and centred vertically;
    // false, with nothing drawn, when the text needs a layout.
    bool draw(QPainter& painter, const QString& text, const QRectF& rect, Qt::Alignment alignment);

private:
    struct Run {
        int face;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    bool setGlyphs(const QString& text);

    std::vector<QRawFont> faces_;
    std::vector<Run> runs_;   // of the last text, one per change of face
    double width_ = 0, ascent_ = 0, descent_ = 0;
};

} // namespace report
