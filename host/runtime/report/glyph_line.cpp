#include "runtime/report/glyph_line.h"
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

namespace report {

GlyphLine::GlyphLine(const QFont& deviceFont)
{
    // Only faces installed under their own name: a face the system substitutes is left to Qt's
    // layout, which may choose another substitute for each script, and so are the faces behind it.
    for (const QString& family : deviceFont.families()) {
        QFont face = deviceFont;
        face.setFamilies({family});
        QRawFont raw = QRawFont::fromFont(face);
        if (!raw.isValid() || raw.familyName().compare(family, Qt::CaseInsensitive) != 0)
            break;
        faces_.push_back(Face{std::move(raw), {}, {}});
    }
}

bool GlyphLine::place(const QString& text, const QRectF& rect, Qt::Alignment alignment)
{
    text_.clear();
    double width = 0, ascent = 0, descent = 0;
    for (const QChar c : text) {
        if (c.isSurrogate() || c.unicode() < 0x20)
            return false;
        quint32 glyph = 0;
        int face = 0;
        for (int glyphCount = 1; face < int(faces_.size()); ++face, glyphCount = 1)
            if (faces_[size_t(face)].font.glyphIndexesForChars(&c, 1, &glyph, &glyphCount) && glyph != 0)
                break;
        if (face == int(faces_.size()))
            return false;
        const QRawFont& font = faces_[size_t(face)].font;
        ascent = std::max(ascent, font.ascent());
        descent = std::max(descent, font.descent());
        QPointF advance;
        font.advancesForGlyphIndexes(&glyph, &advance, 1);
        text_.push_back(Glyph{face, glyph, width});
        width += advance.x();
    }
    if (width > rect.width())
        return false;
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    const double x = horizontal & Qt::AlignRight     ? rect.right() - width
                     : horizontal & Qt::AlignHCenter ? rect.left() + (rect.width() - width) / 2
                                                     : rect.left();
    const double baseline = rect.top() + (rect.height() - ascent - descent) / 2 + ascent;
    for (const Glyph& glyph : text_) {
        Face& face = faces_[size_t(glyph.face)];
        face.glyphs.append(glyph.index);
        face.positions.append(QPointF(x + glyph.x, baseline));
    }
    return true;
}

void GlyphLine::flush(QPainter& painter)
{
    for (Face& face : faces_) {
        if (face.glyphs.isEmpty())
            continue;
        QGlyphRun run;
        run.setRawFont(face.font);
        run.setGlyphIndexes(face.glyphs);
        run.setPositions(face.positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
        face.glyphs.clear();
        face.positions.clear();
    }
}

} // namespace report
