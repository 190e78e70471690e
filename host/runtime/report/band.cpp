#include "runtime/report/band.h"
#include "runtime/report/quickrep.h"
#include "runtime/report/reporterror.h"

namespace report {

TQRBand::TQRBand(TQuickRep& report, BandType type, const QString& name, double heightMm)
    : report_(report), type_(type), name_(name), heightMm_(heightMm)
{
}

template <class Item, class... Args>
Item& TQRBand::add(const QString& name, Args&&... args)
{
    if (report_.findItem(name))
        throw ReportError(QStringLiteral("The report \"%1\" has two items named \"%2\".")
                              .arg(report_.reportTitle(), name));
    auto item = std::make_unique<Item>(*this, name, std::forward<Args>(args)...);
    Item& added = *item;
    items_.push_back(std::move(item));
    return added;
}

TQRLabel& TQRBand::addLabel(const QString& name, const QRectF& geometryMm, const QString& caption)
{
    return add<TQRLabel>(name, geometryMm, caption);
}

TQRDBText& TQRBand::addDBText(const QString& name, const QRectF& geometryMm, const QString& dataField,
                              const QString& mask)
{
    return add<TQRDBText>(name, geometryMm, dataField, mask);
}

TQRExpr& TQRBand::addExpr(const QString& name, const QRectF& geometryMm, const QString& expression,
                          const QString& mask)
{
    return add<TQRExpr>(name, geometryMm, expression, mask);
}

TQRMemo& TQRBand::addMemo(const QString& name, const QRectF& geometryMm, const QStringList& lines)
{
    return add<TQRMemo>(name, geometryMm, lines);
}

TQRShape& TQRBand::addShape(const QString& name, const QRectF& geometryMm, ShapeKind shape)
{
    return add<TQRShape>(name, geometryMm, shape);
}

} // namespace report
