#include "ui_test_support.h"

namespace {

db::FieldDef Field(const QString& name, db::FieldDef::Type type, int size, const QString& label, int width)
{
    db::FieldDef field;
    field.name = name;
    field.type = type;
    field.size = size;
    field.displayLabel = label;
    field.displayWidth = width;
    return field;
}

} // namespace

void FillTransferLikeTable(db::LocalTable& table, int rows)
{
    table.close();
    table.clearFields();
    table.addField(Field(QStringLiteral("BACC_NO"), db::FieldDef::Type::Text, 20, QStringLiteral("帳號"), 14));
    table.addField(Field(QStringLiteral("YG_NAME"), db::FieldDef::Type::Text, 30, QStringLiteral("姓名"), 20));
    db::FieldDef amount = Field(QStringLiteral("A_MTN"), db::FieldDef::Type::Float, 0, QStringLiteral("金額"), 14);
    amount.displayFormat = QStringLiteral("#,##0.00");
    table.addField(amount);
    table.createTable();
    table.open();
    db::LocalTableUpdate batch(table.data());
    for (int i = 0; i < rows; ++i) {
        table.append();
        table.setField(QStringLiteral("BACC_NO"), QStringLiteral("A%1").arg(i));
        table.setField(QStringLiteral("YG_NAME"), QStringLiteral("N%1").arg(i));
        table.setField(QStringLiteral("A_MTN"), i * 10.5);
        table.post();
    }
}
