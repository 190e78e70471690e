#include "transfer/transfer_table.h"

#include "common/text_helpers.h"
#include "runtime/language.h"
#include "transfer/paid_lines.h"

#include <utility>

namespace {
// A column labelled with a text of the windows' group.
db::FieldDef labelledColumn(const QString& name, db::FieldDef::Type type, int labelId, int displayWidth)
{
    db::FieldDef def;
    def.name = name;
    def.type = type;
    def.displayLabel = LoadFormResourceStr(QStringLiteral("WAGBK"), labelId);
    def.displayWidth = displayWidth;
    return def;
}
}

db::FieldDef TextColumn(const QString& name, int size, int labelId, int displayWidth, bool visible)
{
    db::FieldDef def = labelledColumn(name, db::FieldDef::Type::Text, labelId, displayWidth);
    def.size = size;
    def.visible = visible;
    return def;
}

db::FieldDef AmountColumn(int labelId, int displayWidth)
{
    db::FieldDef def = labelledColumn(AmountColumnName, db::FieldDef::Type::Float, labelId, displayWidth);
    def.displayFormat = QStringLiteral("#,##0.00");
    def.alignment = Qt::AlignRight;
    return def;
}

TransferTableLayout TransferTableLayout::Standard()
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("BACC_NO"), AccountColumnSize, 12040, 14), QStringLiteral("BACC_NO")},
        {TextColumn(NameColumnName, 30, 12041, 20), QStringLiteral("YG_NAME")},
        {AmountColumn(12042, 14), QString()},
    };
    return layout;
}

TransferTableLayout TransferTableLayout::EmployeeNumbered(int numberWidth, int nameWidth)
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("YG_NO"), 12, 12045, numberWidth), QStringLiteral("YG_NO")},
        {TextColumn(NameColumnName, 30, 12046, nameWidth), QStringLiteral("YG_NAME")},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12047, 10), QStringLiteral("ID_NO")},
        {TextColumn(QStringLiteral("BACC_NO"), AccountColumnSize, 12048, 12), QStringLiteral("BACC_NO")},
        {AmountColumn(12049, 14), QString()},
    };
    layout.labelColumn = QStringLiteral("YG_NO");
    return layout;
}

TransferTableLayout TransferTableLayout::AccountAndNumber(int numberSize)
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("BACC_NO"), AccountColumnSize, 12101, 20), QStringLiteral("BACC_NO")},
        {TextColumn(QStringLiteral("YG_NO"), numberSize, 12102, numberSize), QStringLiteral("YG_NO")},
        {TextColumn(NameColumnName, 30, 12103, 10), QStringLiteral("YG_NAME")},
        {AmountColumn(12104, 14), QString()},
    };
    return layout;
}

TransferTableLayout TransferTableLayout::AccountAndDepartment()
{
    TransferTableLayout layout;
    layout.columns = {
        {TextColumn(QStringLiteral("BACC_NO"), AccountColumnSize, 12124, 20), QStringLiteral("BACC_NO")},
        {TextColumn(QStringLiteral("YG_NO"), 10, 12125, 10), QStringLiteral("YG_NO")},
        {TextColumn(NameColumnName, 30, 12126, 10), QStringLiteral("YG_NAME")},
        {AmountColumn(12127, 14), QString()},
        {TextColumn(QStringLiteral("ID_NO"), 20, 12128, 10), QStringLiteral("ID_NO")},
        {TextColumn(QStringLiteral("DEP_NO"), 8, 12129, 8), QStringLiteral("DEP_NO")},
        {TextColumn(QStringLiteral("DEP_NM"), 10, 12130, 10), QString()},
    };
    return layout;
}

TransferTableLayout& TransferTableLayout::withLabelIn(const QString& column)
{
    labelColumn = column;
    return *this;
}

void DefineTransferTable(db::LocalTable& table, const TransferTableLayout& layout)
{
    table.close();
    table.clearFields();
    for (int slot = 0; slot < layout.slotsPerRow; ++slot) {
        for (const TransferColumn& column : layout.columns) {
            db::FieldDef field = column.field;
            field.name = SlotColumn(field.name, slot);
            table.addField(field);
        }
    }
    for (int slot = 0; slot < layout.slotsPerRow; ++slot) {
        for (const auto& [name, size] : {std::pair{RowKindColumnName, 1}, {PayeeNumberColumnName, 40}, {PayeeAccountColumnName, 40}}) {
            db::FieldDef hidden;
            hidden.name = SlotColumn(name, slot);
            hidden.type = db::FieldDef::Type::Text;
            hidden.size = size;
            hidden.visible = false;
            table.addField(hidden);
        }
    }
    table.createTable();
    table.open();
}

double TransferAmount(double netPay)
{
    return RoundHalfEven(netPay);
}

namespace {
// The kind of a row as its hidden column holds it: one text of each kind, shared by every row.
const QVariant& kindText(RowKind kind)
{
    static const QVariant employee(QStringLiteral("E")), subtotal(QStringLiteral("S")), total(QStringLiteral("T"));
    return kind == RowKind::Employee ? employee : kind == RowKind::Subtotal ? subtotal : total;
}

// The kind columns of the first slots are named once: the fill and the walks over the table ask on
// every row, and a table finds a name it has been asked for before by its characters. They are
// lent, not copied: both cores rendering a file ask for them, and every copy would update a count of
// users that the two cores share. A slot beyond them has its name formed in `formed`.
const QString& kindColumn(int slot, QString& formed)
{
    static const QString kinds[] = {SlotColumn(RowKindColumnName, 0), SlotColumn(RowKindColumnName, 1)};
    if (slot < int(std::size(kinds)))
        return kinds[slot];
    formed = SlotColumn(RowKindColumnName, slot);
    return formed;
}
}

void SetRowKind(db::LocalTable& row, RowKind kind)
{
    row.setField(RowKindColumnName, kindText(kind));
}

bool IsEmployeeRow(const db::LocalTable& row)
{
    return SlotHoldsEmployee(row, 0);
}

QString EmployeeRowsFilter()
{
    return RowKindColumnName + QStringLiteral("='") + QChar::fromLatin1(char(RowKind::Employee)) + u'\'';
}

QString SlotColumn(const QString& name, int slot)
{
    return slot == 0 ? name : name + QString::number(slot);
}

void MarkSlotEmployee(db::LocalTable& row, int slot)
{
    QString formed;
    row.setField(kindColumn(slot, formed), kindText(RowKind::Employee));
}

void BeginEmployeeSlot(db::LocalTable& table, int slot)
{
    if (slot == 0) {
        table.append();
        SetRowKind(table, RowKind::Employee);
    } else {
        table.edit();
        MarkSlotEmployee(table, slot);
    }
}

bool SlotHoldsEmployee(const db::LocalTable& row, int slot)
{
    static const char employee = char(RowKind::Employee);
    QString formed;
    return row.fieldHolds(kindColumn(slot, formed), QLatin1StringView(&employee, 1));
}
