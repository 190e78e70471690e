// `table N --out FILE`: the transfer table as the window's grid shows it, written as a sheet.
#include "company_commands.h"

#include "commands.h"
#include "company/import_texts.h"
#include "company/sheet_writer.h"
#include "headless_host.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "runtime/ui/local_table_model.h"
#include "runtime/ui/mbbdbgrid.h"
#include "window_conditions.h"

#include <QTextStream>

namespace {

// The index among the table's fields of the field named `name`, or -1.
int FieldIndex(const db::LocalTableData& table, const QString& name)
{
    for (size_t i = 0; i < table.fields.size(); ++i)
        if (table.fields[i].name == name)
            return int(i);
    return -1;
}

// Writes the grid's columns under its headings, row by row as it shows them; the amounts as
// numbers, and the rows that are no employee's (subtotals, the total) marked, with the kind named
// in a last column.
void WriteGrid(const MBBDBGrid& grid, const QString& file)
{
    const auto* model = qobject_cast<const LocalTableModel*>(grid.model());
    const std::shared_ptr<db::LocalTableData> table = grid.Table()->data();
    const int name = FieldIndex(*table, QStringLiteral("YG_NAME"));
    const QString total = LoadFormResourceStr(QStringLiteral("WAGBK"), 10101);
    const QString subtotal = LoadFormResourceStr(QStringLiteral("WAGBK"), 10102);

    std::vector<company::SheetCell> headings;
    std::vector<int> numberFields;
    for (int column = 0; column < model->columnCount(); ++column) {
        headings.push_back({model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), std::nullopt});
        const db::FieldDef* field = model->fieldAt(column);
        numberFields.push_back(field->type == db::FieldDef::Type::Text ? -1 : FieldIndex(*table, field->name));
    }
    headings.push_back({company::ImportString(company::RowKindHeading), std::nullopt});
    const std::unique_ptr<company::SheetWriter> sheet = company::CreateSheet(file, QStringLiteral("Sheet1"));
    sheet->addRow(headings);
    for (int row = 0; row < model->rowCount(); ++row) {
        std::vector<company::SheetCell> cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            company::SheetCell cell{model->data(model->index(row, column), Qt::DisplayRole).toString(), std::nullopt};
            const QVariant value = numberFields[size_t(column)] >= 0 ? table->rows.cell(size_t(row), size_t(numberFields[size_t(column)])) : QVariant();
            if (!value.isNull())
                cell = {QString::number(value.toDouble(), 'f', 2), value.toDouble()};
            cells.push_back(cell);
        }
        const bool employee = name < 0 || !table->rows.cell(size_t(row), size_t(name)).toString().trimmed().isEmpty();
        const bool isTotal = !employee && row == model->rowCount() - 1 && cells.front().text.startsWith(total);
        cells.push_back({employee ? QString() : isTotal ? total : subtotal, std::nullopt});
        sheet->addRow(cells, !employee);
    }
    sheet->finish();
}

} // namespace

int TransferTableSheet(const RuntimeConfig& config, Arguments& arguments)
{
    const int bank = arguments.takeBank();
    const std::optional<QString> file = arguments.take(QStringLiteral("--out"));
    if (!file)
        throw UsageError("table needs --out FILE.csv or FILE.xlsx");
    const WindowConditions conditions = WindowConditions::Take(arguments);
    arguments.finish();

    HeadlessHost host(config);
    MForm& window = host.OpenBank(bank);
    conditions.ApplyTo(window, host);
    if (host.errors().isEmpty())
        host.RunCommand(window, cmdBuildTable);
    for (const QString& error : host.errors())
        QTextStream(stderr) << "rar1: " << error.simplified() << Qt::endl;
    if (!host.errors().isEmpty())
        return ExitError;
    auto* grid = window.findChild<MBBDBGrid*>(QStringLiteral("MBBDBGrid1"));
    grid->Refresh();
    WriteGrid(*grid, *file);
    QTextStream(stdout) << company::ImportString(company::WrittenTo).arg(*file) << Qt::endl;
    return ExitOk;
}
