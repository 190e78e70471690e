#include "runtime/report/items.h"
#include "runtime/report/band.h"
#include "runtime/report/quickrep.h"

namespace report {

TQRPrintable::TQRPrintable(TQRBand& band, const QString& name, ItemKind kind, const QRectF& geometryMm)
    : band_(band), name_(name), kind_(kind), geometryMm_(geometryMm)
{
}

QFont TQRCustomLabel::font() const
{
    QFont font = font_.value_or(band().report().font());
    if (underline_) font.setUnderline(true);
    return font;
}

void TQRCustomLabel::setFontFamily(const QString& family)
{
    QFont font = this->font();
    font.setFamily(family);
    font_ = font;
}

TQRLabel::TQRLabel(TQRBand& band, const QString& name, const QRectF& geometryMm, const QString& caption)
    : TQRCustomLabel(band, name, ItemKind::Label, geometryMm), caption_(caption)
{
}

TQRDBText::TQRDBText(TQRBand& band, const QString& name, const QRectF& geometryMm, const QString& dataField,
                     const QString& mask)
    : TQRCustomLabel(band, name, ItemKind::DBText, geometryMm), dataField_(dataField), mask_(mask)
{
}

TQRExpr::TQRExpr(TQRBand& band, const QString& name, const QRectF& geometryMm, const QString& expression,
                 const QString& mask)
    : TQRCustomLabel(band, name, ItemKind::Expr, geometryMm), expression_(expression), mask_(mask)
{
}

TQRMemo::TQRMemo(TQRBand& band, const QString& name, const QRectF& geometryMm, const QStringList& lines)
    : TQRCustomLabel(band, name, ItemKind::Memo, geometryMm), lines_(lines)
{
}

TQRShape::TQRShape(TQRBand& band, const QString& name, const QRectF& geometryMm, ShapeKind shape)
    : TQRPrintable(band, name, ItemKind::Shape, geometryMm), shape_(shape)
{
}

} // namespace report
