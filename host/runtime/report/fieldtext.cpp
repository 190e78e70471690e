#include "runtime/report/fieldtext.h"
#include "runtime/report/numbermask.h"

namespace report {
namespace {

bool IsNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

QString ValueText(const QVariant& value, const QString& mask)
{
    if (value.isNull()) return QString();
    if (!IsNumber(value)) return value.toString();
    if (!mask.isEmpty()) return FormatMask(value.toDouble(), mask);
    return QString::number(value.toDouble(), 'g', 15);
}

} // namespace report
