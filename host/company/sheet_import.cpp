#include "company/sheet_import.h"

#include "company/batched_insert.h"
#include "company/company_database.h"
#include "company/department_rows.h"
#include "company/employee_rows.h"
#include "company/import_texts.h"
#include "company/pay_run.h"
#include "company/row_checker.h"
#include "runtime/ui/display_format.h"

#include <QFileInfo>
#include <QHash>

namespace company {

namespace {

// A value every row of a pay sheet must share (the run, the pay date): the first row's, and a
// failure for each row that differs.
class SharedValue {
public:
    SharedValue(RowChecker& checker, int rule, QString given) : checker_(checker), rule_(rule), value_(std::move(given)), given_(!value_.isEmpty()) {}
    void see(int row, const std::vector<QString>& values)
    {
        if (given_ || rule_ < 0 || !checker_.hasColumn(rule_))
            return;
        const QString& value = values[size_t(rule_)];
        if (value_.isEmpty())
            value_ = value;
        else if (!value.isEmpty() && value != value_)
            checker_.fail(row, rule_, value, ImportString(SecondValue).arg(value_));
    }
    const QString& value() const { return value_; }

private:
    RowChecker& checker_;
    int rule_;
    QString value_;
    bool given_;
};

// Reads the rows after the headings, skipping empty ones, and reports how far it is.
template <class TakeRow>
void EachRow(SheetReader& sheet, ImportSummary& summary, const std::function<void(int)>& progress, TakeRow take)
{
    SheetRow row;
    while (sheet.next(row)) {
        if (std::all_of(row.cells.begin(), row.cells.end(), [](const QString& cell) { return QStringView(cell).trimmed().isEmpty(); }))
            continue;
        ++summary.rowsRead;
        take(row);
        if (progress && summary.rowsRead % 1000 == 0)
            progress(sheet.progress());
    }
}

// The keys seen so far, and the row each was first seen in. A sheet is most often sorted by its
// key: while each key comes after the one before, it is new without a look-up. The first key out of
// order puts the keys into Qt's hash table, which takes the rest.
class SeenKeys {
public:
    // Whether `key` came before, noting the failure if it did; an empty key counts as seen.
    bool seenBefore(RowChecker& checker, int row, int rule, const QString& key)
    {
        if (key.isEmpty())
            return true;
        if (ascending_ && (keys_.empty() || keys_.back().first < key)) {
            keys_.emplace_back(key, row);
            return false;
        }
        if (ascending_) {
            ascending_ = false;
            hashed_.reserve(qsizetype(keys_.size()) * 2);
            for (const auto& [seen, first] : keys_)
                hashed_.insert(seen, first);
            keys_ = {};
        }
        // Rows are numbered from 1: a new key's entry starts at 0.
        int& first = hashed_[key];
        if (first == 0) {
            first = row;
            return false;
        }
        checker.fail(row, rule, key, ImportString(KeyTwice).arg(first));
        return true;
    }

private:
    bool ascending_ = true;
    std::vector<std::pair<QString, int>> keys_;
    QHash<QString, int> hashed_;
};

void ImportPay(CompanyDatabase& db, SheetReader& sheet, RowChecker& checker, const ImportOptions& options,
               ImportSummary& summary, const std::function<void(int)>& progress)
{
    const int number = checker.rule("YG_NO"), amount = checker.rule("AMTN_NET");
    if (!options.payDate.isValid() && !checker.hasColumn(checker.rule("FS_DD")))
        throw std::invalid_argument(ImportString(NoPayDate).toStdString());
    SharedValue run(checker, checker.rule("FS_NO"), options.run);
    SharedValue date(checker, checker.rule("FS_DD"), options.payDate.toString(Qt::ISODate));
    EmployeeRows employees(db, checker, summary, options.updateEmployees, true);
    BatchedInsert line(db, "TF_FS1", "FS_NO,YG_NO,DEP,AMTN_NET,BIL_NO");
    std::optional<PayRun> payRun;
    SeenKeys seen;
    EachRow(sheet, summary, progress, [&](const SheetRow& row) {
        const qsizetype failuresBefore = checker.failures();
        const std::vector<QString>& values = checker.read(row);
        run.see(row.number, values);
        date.see(row.number, values);
        if (date.value().isEmpty())
            checker.fail(row.number, checker.rule("FS_DD"), QString(), ImportString(ValueMissing));
        // A row whose cells failed is not taken further: its employee would be judged on what is left.
        if (seen.seenBefore(checker, row.number, number, values[size_t(number)]) || checker.failures() > failuresBefore)
            return;
        const QString department = employees.take(row.number, values, !checker.failed());
        if (values[size_t(amount)].isEmpty())
            return;
        const qint64 cents = CentsOf(values[size_t(amount)]);
        summary.totalCents += cents;
        ++summary.payLines;
        if (checker.failed())
            return;
        if (!payRun) {
            payRun = PreparePayRun(db, run.value(), QDate::fromString(date.value(), Qt::ISODate), options.category,
                                   QFileInfo(options.file).fileName());
            summary.run = payRun->number;
            summary.replacedLines = payRun->formerLines > 0 ? payRun->formerLines : -1;
        }
        line.add(payRun->number).add(values[size_t(number)]).add(department).add(double(cents) / 100.0).add(payRun->bill).endRow();
    });
    employees.finish();
    line.finish();
}

void ImportEmployees(CompanyDatabase& db, SheetReader& sheet, RowChecker& checker, ImportSummary& summary,
                     const std::function<void(int)>& progress)
{
    const int number = checker.rule("YG_NO");
    EmployeeRows employees(db, checker, summary, true, false);
    SeenKeys seen;
    EachRow(sheet, summary, progress, [&](const SheetRow& row) {
        const qsizetype failuresBefore = checker.failures();
        const std::vector<QString>& values = checker.read(row);
        if (!seen.seenBefore(checker, row.number, number, values[size_t(number)]) && checker.failures() == failuresBefore)
            employees.take(row.number, values, !checker.failed());
    });
    employees.finish();
}

void ImportDepartments(CompanyDatabase& db, SheetReader& sheet, RowChecker& checker, ImportSummary& summary,
                       const std::function<void(int)>& progress)
{
    const int code = checker.rule("DEP");
    DepartmentRows departments(db, checker, summary);
    SeenKeys seen;
    EachRow(sheet, summary, progress, [&](const SheetRow& row) {
        const std::vector<QString>& values = checker.read(row);
        if (!seen.seenBefore(checker, row.number, code, values[size_t(code)]))
            departments.take(row.number, values);
    });
    departments.finish();
}

QString Amount(qint64 cents)
{
    return FormatNumber(double(cents) / 100.0, QStringLiteral("#,##0.00"));
}

} // namespace

QStringList ImportSummary::lines(const ImportOptions& options) const
{
    QStringList lines{ImportString(RowsRead).arg(rowsRead)};
    lines << ImportString(options.kind == SheetKind::Departments ? DepartmentsCounted : EmployeesCounted)
                 .arg(added).arg(updated).arg(unchanged);
    if (options.kind == SheetKind::Pay) {
        lines << ImportString(PayLinesWritten).arg(payLines).arg(run, Amount(totalCents));
        if (replacedLines >= 0)
            lines << ImportString(RunReplaced).arg(run).arg(replacedLines);
    }
    if (options.dryRun)
        lines << ImportString(DryRun);
    return lines + warnings;
}

ImportSummary ImportSheet(const QString& database, const ImportOptions& options, const std::function<void(int)>& progress)
{
    CompanyDatabase db(database);
    const std::unique_ptr<SheetReader> sheet = OpenSheet(options.file, options.sheet);
    SheetRow headings;
    sheet->next(headings);
    ImportSummary summary;
    RowChecker checker(options, sheet->sheetName(), headings.cells, ReadLayout(options.kind, headings.cells), summary);
    if (checker.failed())
        return summary;
    // The pages a large sheet changes stay in memory until the commit instead of spilling to the file midway.
    db.exec("PRAGMA cache_size=-16384");
    Transaction transaction(db);
    switch (options.kind) {
    case SheetKind::Pay:
        ImportPay(db, *sheet, checker, options, summary, progress);
        break;
    case SheetKind::Employees:
        ImportEmployees(db, *sheet, checker, summary, progress);
        break;
    case SheetKind::Departments:
        ImportDepartments(db, *sheet, checker, summary, progress);
        break;
    }
    // A pay sheet of headings alone would leave an empty run and the clerk believing he paid.
    if (options.kind == SheetKind::Pay && summary.rowsRead == 0)
        summary.failures << ImportString(EmptyPaySheet).arg(QFileInfo(options.file).fileName(), sheet->sheetName());
    if (!checker.failed() && !options.dryRun) {
        transaction.commit();
        summary.written = true;
    }
    return summary;
}

} // namespace company
