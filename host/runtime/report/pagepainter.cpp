#include "runtime/report/pagepainter.h"
#include "runtime/report/fontmap.h"
#include "runtime/report/glyph_line.h"
#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

namespace report {
namespace {

QRectF ToDevice(const QRectF& mm, double pixelsPerMm)
{
    return QRectF(mm.x() * pixelsPerMm, mm.y() * pixelsPerMm, mm.width() * pixelsPerMm, mm.height() * pixelsPerMm);
}

void PaintShape(QPainter& painter, const LaidOutItem& item, const QRectF& rect, double pixelsPerMm)
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, item.penWidthMm * pixelsPerMm));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (item.shape) {
    case ShapeKind::HorizontalLine:
        painter.drawLine(QPointF(rect.left(), rect.center().y()), QPointF(rect.right(), rect.center().y()));
        break;
    case ShapeKind::VerticalLine:
        painter.drawLine(QPointF(rect.center().x(), rect.top()), QPointF(rect.center().x(), rect.bottom()));
        break;
    case ShapeKind::Rectangle:
        painter.drawRect(rect);
        break;
    }
}

// The fonts of one page. Setting a font costs a font lookup, and most texts of a page share one
// font: the painter is given a font only when it changes. The glyphs set in each font are drawn
// together when the page is complete.
class PageFonts {
public:
    // The glyphs of `design`, which becomes the painter's font.
    GlyphLine& use(QPainter& painter, const QFont& design)
    {
        if (painterFont_ != design) {
            painter.setFont(ResolveFont(design));
            painterFont_ = design;
        }
        for (auto& [font, line] : lines_)
            if (font == design)
                return line;
        return lines_.emplace_back(design, GlyphLine(painter.font())).second;
    }
    void flush(QPainter& painter)
    {
        for (auto& [font, line] : lines_)
            line.flush(painter);
    }

private:
    std::optional<QFont> painterFont_;
    std::vector<std::pair<QFont, GlyphLine>> lines_;
};

void PaintText(QPainter& painter, const LaidOutItem& item, const QRectF& rect, PageFonts& fonts)
{
    painter.setPen(Qt::black);
    GlyphLine& line = fonts.use(painter, item.font);
    if (item.kind != ItemKind::Memo && line.place(item.text, rect, item.alignment))
        return;
    const Qt::Alignment vertical = item.kind == ItemKind::Memo ? Qt::AlignTop : Qt::AlignVCenter;
    painter.drawText(rect, int((item.alignment & Qt::AlignHorizontal_Mask) | vertical), item.text);
}

} // namespace

void PaintPage(QPainter& painter, const LaidOutPage& page, double pixelsPerMm)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageFonts fonts;
    for (const LaidOutItem& item : page.items) {
        const QRectF rect = ToDevice(item.rectMm, pixelsPerMm);
        if (item.kind == ItemKind::Shape) PaintShape(painter, item, rect, pixelsPerMm);
        else PaintText(painter, item, rect, fonts);
    }
    painter.setPen(Qt::black);
    fonts.flush(painter);
}

} // namespace report
