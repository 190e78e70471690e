#include "transfer/saved_conditions.h"

#include "runtime/db/transaction.h"
#include "runtime/language.h"
#include "transfer/bank_row.h"

#include <stdexcept>

namespace {
const QString ConditionsRow = QStringLiteral("0");

int integerColumn(const db::MSQLTable& row, const QString& column)
{
    bool ok = false;
    const QString text = row.fieldText(column);
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw std::runtime_error(LoadFormResourceStr(QStringLiteral("WAGBK"), 15104).arg(text, column).toStdString());
    return value;
}
}

QString RegularSalaryLabel()
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), 10019);
}

TransferConditions TransferConditions::Initial()
{
    TransferConditions conditions;
    conditions.SalaryKinds = RegularSalaryLabel();
    return conditions;
}

namespace {
// The category list with the regular-salary label, in whichever language it was stored, written in
// the current language; the other categories as they stand.
QString WithCurrentRegularLabel(const QString& kinds)
{
    const QStringList labels = LoadFormResourceStrAll(QStringLiteral("WAGBK"), 10019);
    QStringList pieces = kinds.split(u';');
    for (QString& piece : pieces) {
        if (labels.contains(piece.trimmed()))
            piece = RegularSalaryLabel();
    }
    return pieces.join(u';');
}
}

void LoadSavedConditions(TransferConditions& conditions)
{
    conditions = TransferConditions::Initial();
    db::MSQLTable row = OpenBank1Table();
    if (!row.findKey({ConditionsRow}))
        return;
    conditions.DepMode = integerColumn(row, QStringLiteral("ID1"));
    conditions.SortMode = integerColumn(row, QStringLiteral("ID2"));
    conditions.AccountChoice = integerColumn(row, QStringLiteral("ID3"));
    conditions.UseAccountTitle = row.fieldText(QStringLiteral("ID4")) == QLatin1String("T");
    conditions.SalaryKinds = WithCurrentRegularLabel(row.fieldText(QStringLiteral("NAME")));
    conditions.DepList = row.fieldText(QStringLiteral("FILENAME"));
}

QString SaveConditions(TransferConditions& c)
{
    if (c.DepMode == 1 && c.DepList.contains(u';'))
        c.DepList = c.DepList.section(u';', 0, 0);
    if (c.DepList.isEmpty())
        c.DepList = QStringLiteral("0000");
    const QString text = QStringLiteral("%1,%2,%3,%4,%5").arg(c.DepMode).arg(c.SortMode).arg(c.AccountChoice).arg(c.SalaryKinds, c.DepList);

    // The lookup and the write are one transaction: the row is saved whole or not at all.
    db::InTransaction(db::CompanyDatabaseName, [&] {
        db::MSQLTable row = OpenBank1Table();
        if (row.findKey({ConditionsRow}))
            row.edit();
        else
            row.append();
        row.setField(QStringLiteral("BNK_NO"), ConditionsRow);
        row.setField(QStringLiteral("ID1"), QString::number(c.DepMode));
        row.setField(QStringLiteral("ID2"), QString::number(c.SortMode));
        row.setField(QStringLiteral("ID3"), QString::number(c.AccountChoice));
        row.setField(QStringLiteral("ID4"), c.UseAccountTitle ? QStringLiteral("T") : QStringLiteral("F"));
        row.setField(QStringLiteral("NAME"), c.SalaryKinds);
        row.setField(QStringLiteral("FILENAME"), c.DepList);
        row.post();
    });
    return text;
}
