#include "runtime/report/pagepainter.h"
#include "runtime/report/fontmap.h"
#include "runtime/report/glyph_line.h"
#include <QPainter>
#include <algorithm>
#include <optional>

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

// The design font the painter was last given on this page, and its glyphs: setting a font costs a
// font lookup, and most texts of a page share one font.
struct PageFont {
    std::optional<QFont> design;
    std::optional<GlyphLine> line;
};

void PaintText(QPainter& painter, const LaidOutItem& item, const QRectF& rect, PageFont& current)
{
    painter.setPen(Qt::black);
    if (current.design != item.font) {
        painter.setFont(ResolveFont(item.font));
        current.design = item.font;
        current.line.emplace(painter.font());
    }
    if (item.kind != ItemKind::Memo && current.line->draw(painter, item.text, rect, item.alignment))
        return;
    const Qt::Alignment vertical = item.kind == ItemKind::Memo ? Qt::AlignTop : Qt::AlignVCenter;
    painter.drawText(rect, int((item.alignment & Qt::AlignHorizontal_Mask) | vertical), item.text);
}

} // namespace

void PaintPage(QPainter& painter, const LaidOutPage& page, double pixelsPerMm)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageFont current;
    for (const LaidOutItem& item : page.items) {
        const QRectF rect = ToDevice(item.rectMm, pixelsPerMm);
        if (item.kind == ItemKind::Shape) PaintShape(painter, item, rect, pixelsPerMm);
        else PaintText(painter, item, rect, current);
    }
}

} // namespace report
