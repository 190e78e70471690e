#include "import_menu.h"

#include "company/company_file.h"
#include "company/import_texts.h"
#include "company/sheet_columns.h"
#include "company/sheet_import.h"
#include "company/sheet_reader.h"
#include "runtime/ui/message_list_dialog.h"
#include "runtime/config.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using company::ImportString;
using company::SheetKind;

constexpr int PreviewRows = 20;

// A pay sheet's choices: the pay date (unless the sheet has its column), an additional payment's
// category, and whether names and accounts that differ update the employees.
void AddPayChoices(QDialog& dialog, QVBoxLayout* box, bool sheetHasDate, company::ImportOptions& options)
{
    auto* form = new QFormLayout;
    box->addLayout(form);
    auto* date = new QDateEdit(QDate::currentDate(), &dialog);
    date->setCalendarPopup(true);
    if (!sheetHasDate)
        form->addRow(ImportString(147), date);
    auto* category = new QLineEdit(&dialog);
    form->addRow(ImportString(148), category);
    auto* update = new QCheckBox(ImportString(149), &dialog);
    form->addRow(update);
    QObject::connect(&dialog, &QDialog::accepted, &dialog, [&options, date, category, update, sheetHasDate] {
        options.payDate = sheetHasDate ? QDate() : date->date();
        options.category = category->text().trimmed();
        options.updateEmployees = update->isChecked();
    });
}

// The first rows of the sheet as the import reads them, each heading followed by the column it
// names; for a pay sheet, the run's choices too.
bool ShowPreview(QWidget* parent, company::ImportOptions& options)
{
    const std::unique_ptr<company::SheetReader> sheet = company::OpenSheet(options.file, options.sheet);
    company::SheetRow headings, row;
    sheet->next(headings);
    const company::SheetLayout layout = company::ReadLayout(options.kind, headings.cells);
    const std::vector<company::ColumnRule>& rules = company::ColumnsOf(options.kind);
    QDialog dialog(parent);
    dialog.setWindowTitle(options.file);
    auto* table = new QTableWidget(0, int(headings.cells.size()), &dialog);
    for (size_t at = 0; at < headings.cells.size(); ++at) {
        const int rule = layout.ruleAt[at];
        table->setHorizontalHeaderItem(int(at), new QTableWidgetItem(rule < 0 ? headings.cells[at]
                                                                               : headings.cells[at] + u'\n' + rules[size_t(rule)].column));
    }
    while (table->rowCount() < PreviewRows && sheet->next(row)) {
        const int r = table->rowCount();
        table->insertRow(r);
        table->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(row.number)));
        for (size_t at = 0; at < row.cells.size() && int(at) < table->columnCount(); ++at)
            table->setItem(r, int(at), new QTableWidgetItem(row.cells[at]));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* box = new QVBoxLayout(&dialog);
    box->addWidget(table);
    if (options.kind == SheetKind::Pay) {
        const int dateRule = int(std::find_if(rules.begin(), rules.end(), [](const company::ColumnRule& rule) { return rule.column == u"FS_DD"; }) - rules.begin());
        AddPayChoices(dialog, box, layout.sheetColumnOf[size_t(dateRule)] >= 0, options);
    }
    box->addWidget(buttons);
    dialog.resize(800, 400);
    return dialog.exec() == QDialog::Accepted;
}

// Checks the whole sheet first (nothing written); its refusals are shown as a list. Then imports it
// with progress and shows the summary.
void ImportFile(QWidget* parent, const RuntimeConfig& config, SheetKind kind, const std::function<void(bool)>& changed)
{
    company::ImportOptions options;
    options.kind = kind;
    options.file = QFileDialog::getOpenFileName(parent, ImportString(141 + int(kind)), QString(),
                                                QStringLiteral("CSV, XLSX (*.csv *.txt *.xlsx)"));
    if (options.file.isEmpty())
        return;
    try {
        if (!ShowPreview(parent, options))
            return;
        options.dryRun = true;
        const company::ImportSummary check = company::ImportSheet(config.companyDb, options);
        if (!check.failures.isEmpty()) {
            MessageList list{{ImportString(company::Refused).arg(check.failures.size()) + u':'}, {}};
            for (const QString& failure : check.failures)
                list.entries << MessageEntry{failure, QString(), QString()};
            MessageListDialog(list, MsgType::Error, mbOK, parent).Run();
            return;
        }
        options.dryRun = false;
        QProgressDialog progress(options.file, QString(), 0, 1000, parent);
        progress.setWindowModality(Qt::WindowModal);
        const company::ImportSummary summary = company::ImportSheet(config.companyDb, options, [&](int done) { progress.setValue(done); });
        progress.setValue(1000);
        QMessageBox::information(parent, options.file, summary.lines(options).join(u'\n'));
        changed(false);
    } catch (const std::exception& error) {
        QMessageBox::critical(parent, options.file, QString::fromStdString(error.what()));
    }
}

// The company record's fields in a form; what the clerk changed is written.
void EditCompany(QWidget* parent, const RuntimeConfig& config, const std::function<void(bool)>& changed)
{
    try {
        const QMap<QString, QString> stored = company::ReadCompany(config.companyDb, config.company);
        QDialog dialog(parent);
        dialog.setWindowTitle(ImportString(145));
        auto* form = new QFormLayout(&dialog);
        QMap<QString, QLineEdit*> edits;
        for (const QString& field : company::CompanyFields())
            form->addRow(field, edits[field] = new QLineEdit(stored.value(field), &dialog));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        form->addRow(buttons);
        if (dialog.exec() != QDialog::Accepted)
            return;
        QMap<QString, QString> fields;
        for (auto edit = edits.cbegin(); edit != edits.cend(); ++edit)
            if (edit.value()->text() != stored.value(edit.key()))
                fields.insert(edit.key(), edit.value()->text());
        company::WriteCompany(config.companyDb, config.company, fields);
        changed(false);
    } catch (const std::exception& error) {
        QMessageBox::critical(parent, ImportString(145), QString::fromStdString(error.what()));
    }
}

// An empty company database at a file the clerk chooses, which then becomes the window's company.
void NewCompany(QWidget* parent, RuntimeConfig& config, const std::function<void(bool)>& changed)
{
    const QString file = QFileDialog::getSaveFileName(parent, ImportString(146), QString(), QStringLiteral("SQLite (*.db)"));
    if (file.isEmpty())
        return;
    try {
        // The file dialog has already asked whether an existing file may be replaced.
        company::CreateEmptyCompany(file, config.company, true);
        RuntimeConfig next = config;
        next.companyDb = file;
        ConnectDatabases(next);
        SetCurrentConfig(next);
        config = next;
        changed(true);
    } catch (const std::exception& error) {
        QMessageBox::critical(parent, ImportString(146), QString::fromStdString(error.what()));
    }
}

} // namespace

void AddCompanyDataItems(QMenu* file, QWidget* parent, RuntimeConfig& config, std::function<void(bool)> changed)
{
    for (const SheetKind kind : {SheetKind::Pay, SheetKind::Employees, SheetKind::Departments})
        file->addAction(ImportString(141 + int(kind)), parent, [parent, &config, kind, changed] { ImportFile(parent, config, kind, changed); });
    file->addAction(ImportString(145), parent, [parent, &config, changed] { EditCompany(parent, config, changed); });
    file->addAction(ImportString(146), parent, [parent, &config, changed] { NewCompany(parent, config, changed); });
    file->addSeparator();
}
