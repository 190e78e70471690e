#include "runtime/report/glyph_line.h"
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

namespace report {

GlyphLine::GlyphLine(const QFont& deviceFont)
{
    for (const QString& family : deviceFont.families()) {
        QFont face = deviceFont;
        face.setFamilies({family});
        if (QRawFont raw = QRawFont::fromFont(face); raw.isValid())
            faces_.push_back(std::move(raw));
    }
}

// The glyphs of `text` in runs of one face each, with their width and the tallest face's extent.
bool GlyphLine::setGlyphs(const QString& text)
{
    runs_.clear();
    width_ = ascent_ = descent_ = 0;
    for (const QChar c : text) {
        if (c.isSurrogate() || c.unicode() < 0x20)
            return false;
        quint32 glyph = 0;
        int face = 0;
        for (int glyphCount = 1; face < int(faces_.size()); ++face, glyphCount = 1)
            if (faces_[size_t(face)].glyphIndexesForChars(&c, 1, &glyph, &glyphCount) && glyph != 0)
                break;
        if (face == int(faces_.size()))
            return false;
        if (runs_.empty() || runs_.back().face != face) {
            runs_.push_back(Run{face, {}, {}});
            ascent_ = std::max(ascent_, faces_[size_t(face)].ascent());
            descent_ = std::max(descent_, faces_[size_t(face)].descent());
        }
        QPointF advance;
        faces_[size_t(face)].advancesForGlyphIndexes(&glyph, &advance, 1);
        runs_.back().glyphs.append(glyph);
        runs_.back().positions.append(QPointF(width_, 0));
        width_ += advance.x();
    }
    return true;
}

bool GlyphLine::draw(QPainter& painter, const QString& text, const QRectF& rect, Qt::Alignment alignment)
{
    if (!setGlyphs(text) || width_ > rect.width())
        return false;
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    const double x = horizontal & Qt::AlignRight     ? rect.right() - width_
                     : horizontal & Qt::AlignHCenter ? rect.left() + (rect.width() - width_) / 2
                                                     : rect.left();
    const QPointF origin(x, rect.top() + (rect.height() - ascent_ - descent_) / 2 + ascent_);
    for (const Run& run : runs_) {
        QGlyphRun glyphs;
        glyphs.setRawFont(faces_[size_t(run.face)]);
        glyphs.setGlyphIndexes(run.glyphs);
        glyphs.setPositions(run.positions);
        painter.drawGlyphRun(origin, glyphs);
    }
    return true;
}

} // namespace report
