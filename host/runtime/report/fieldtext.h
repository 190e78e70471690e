#pragma once
// How a field value prints: numbers through the item's mask ("#,##0.00"), or with up to 15
// significant digits when there is none; texts as they are; an empty (null) value as nothing.
#include <QString>
#include <QVariant>

namespace report {

QString ValueText(const QVariant& value, const QString& mask);

} // namespace report
