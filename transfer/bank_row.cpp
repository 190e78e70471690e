#include "transfer/bank_row.h"

#include "runtime/db/database.h"
#include "runtime/db/transaction.h"

namespace {
const char* const Columns[] = {"BNK_NO", "NAME", "ID1", "ID2", "ID3", "ID4", "ID5", "ID10", "FILENAME"};
}

db::MSQLTable OpenBank1Table()
{
    db::MSQLTable table(db::CompanyDatabaseName, QStringLiteral("BANK1"), QStringLiteral("BNK_NO"));
    table.setKeyRecordOnly(true);
    table.open();
    return table;
}

std::optional<QMap<QString, QString>> BankRow::Read() const
{
    db::MSQLTable table = OpenBank1Table();
    if (!table.findKey({key_}))
        return std::nullopt;
    QMap<QString, QString> row;
    for (const char* column : Columns) {
        const QString name = QLatin1String(column);
        if (table.hasField(name))
            row.insert(name, table.fieldText(name));
    }
    return row;
}

void BankRow::Save(const QString& bankName, const std::vector<std::pair<QString, QString>>& parameters,
                   const QString& defaultFileName) const
{
    db::InTransaction(db::CompanyDatabaseName, [&] {
        db::MSQLTable table = OpenBank1Table();
        if (table.findKey({key_})) {
            table.edit();
        } else {
            table.append();
            if (!defaultFileName.isEmpty())
                table.setField(QStringLiteral("FILENAME"), defaultFileName);
        }
        table.setField(QStringLiteral("BNK_NO"), key_);
        table.setField(QStringLiteral("NAME"), bankName);
        for (const auto& [column, text] : parameters)
            table.setField(column, text);
        table.post();
    });
}

QString FileNamePart(const QString& path)
{
    const int slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1).left(255);
}

void BankRow::RememberFileName(const QString& path, const FileNameMerge& merge, const std::function<void()>& alongside) const
{
    const QString name = FileNamePart(path);
    if (name.isEmpty() && !alongside)
        return;
    db::InTransaction(db::CompanyDatabaseName, [&] {
        db::MSQLTable table = OpenBank1Table();
        if (!name.isEmpty() && table.findKey({key_})) {
            const QString fileName = QStringLiteral("FILENAME");
            const QString stored = table.fieldText(fileName);
            table.edit();
            table.setField(fileName, merge ? merge(name, stored) : name);
            table.post();
        }
        if (alongside)
            alongside();
    });
}
