#include "runtime/report/pagepainter.h"
#include "runtime/report/fontmap.h"
#include <QPainter>
#include <algorithm>

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

void PaintText(QPainter& painter, const LaidOutItem& item, const QRectF& rect)
{
    painter.setPen(Qt::black);
    painter.setFont(ResolveFont(item.font));
    const Qt::Alignment vertical = item.kind == ItemKind::Memo ? Qt::AlignTop : Qt::AlignVCenter;
    painter.drawText(rect, int((item.alignment & Qt::AlignHorizontal_Mask) | vertical), item.text);
}

} // namespace

void PaintPage(QPainter& painter, const LaidOutPage& page, double pixelsPerMm)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const LaidOutItem& item : page.items) {
        const QRectF rect = ToDevice(item.rectMm, pixelsPerMm);
        if (item.kind == ItemKind::Shape) PaintShape(painter, item, rect, pixelsPerMm);
        else PaintText(painter, item, rect);
    }
}

} // namespace report
