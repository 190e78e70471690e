#include "company/employee_rows.h"

#include "company/import_texts.h"

namespace company {

namespace {

// The columns of MF_YG after YG_NO, in the order of the statements below.
const char* const EmployeeColumns[] = {"NAME", "ENG_NAME", "ID_NO", "DEP", "PAY_MTH", "BACC1_NO", "BACC1_TIT", "BACC2_NO", "BACC2_TIT", "IN_DD"};
constexpr int ColumnCount = 10, Name = 0, Dep = 3, PayMethod = 4, FirstAccount = 5, SecondAccount = 7;

} // namespace

EmployeeRows::EmployeeRows(CompanyDatabase& db, RowChecker& checker, ImportSummary& summary, bool updateDifferences, bool paySheet)
    : checker_(checker), summary_(summary), numberRule_(checker.rule("YG_NO")), updateDifferences_(updateDifferences), paySheet_(paySheet),
      find_(db, "SELECT NAME,ENG_NAME,ID_NO,DEP,PAY_MTH,BACC1_NO,BACC1_TIT,BACC2_NO,BACC2_TIT,IN_DD FROM MF_YG WHERE YG_NO=?"),
      update_(db, "UPDATE MF_YG SET NAME=?,ENG_NAME=?,ID_NO=?,DEP=?,PAY_MTH=?,BACC1_NO=?,BACC1_TIT=?,BACC2_NO=?,BACC2_TIT=?,IN_DD=? "
                  "WHERE YG_NO=?"),
      insert_(db, "MF_YG", "NAME,ENG_NAME,ID_NO,DEP,PAY_MTH,BACC1_NO,BACC1_TIT,BACC2_NO,BACC2_TIT,IN_DD,YG_NO")
{
    for (const char* column : EmployeeColumns)
        ruleOfColumn_.push_back(checker.rule(column));
    Statement numbers(db, "SELECT YG_NO FROM MF_YG");
    while (numbers.step())
        known_.insert(numbers.text(0));
}

QString EmployeeRows::take(int row, const std::vector<QString>& values, bool write)
{
    const QString& number = values[size_t(numberRule_)];
    QString sheet[ColumnCount];
    for (int i = 0; i < ColumnCount; ++i)
        sheet[i] = values[size_t(ruleOfColumn_[size_t(i)])];

    const bool known = known_.contains(number);
    if (known)
        find_.bind(1, number);
    if (!known || !find_.step()) {
        if (sheet[Name].isEmpty()) {
            checker_.fail(row, numberRule_, number, ImportString(NameForNewEmployee));
            return QString();
        }
        // An account's holder is the employee himself unless the sheet names another.
        for (const int account : {FirstAccount, SecondAccount})
            if (!sheet[account].isEmpty() && sheet[account + 1].isEmpty())
                sheet[account + 1] = sheet[Name];
        if (sheet[PayMethod].isEmpty())
            sheet[PayMethod] = sheet[FirstAccount].isEmpty() && sheet[SecondAccount].isEmpty() ? QStringLiteral("1") : QStringLiteral("2");
        ++summary_.added;
        if (write) {
            for (const QString& value : sheet)
                insert_.add(value);
            insert_.add(number).endRow();
        }
        return sheet[Dep];
    }
    QString stored[ColumnCount];
    for (int i = 0; i < ColumnCount; ++i)
        stored[i] = find_.text(i);
    find_.reset();

    bool differs = false;
    for (int i = 0; i < ColumnCount; ++i) {
        if (sheet[i].isEmpty() || sheet[i] == stored[i])
            continue;
        const bool guarded = i == Name || i == FirstAccount || i == SecondAccount;
        if (paySheet_ && !updateDifferences_ && guarded)
            checker_.fail(row, ruleOfColumn_[size_t(i)], sheet[i], ImportString(DiffersFromCompany).arg(stored[i]));
        // A pay sheet changes the employee only when the clerk lets it; its department is the line's.
        if (!paySheet_ || updateDifferences_) {
            stored[i] = sheet[i];
            differs = true;
        }
    }
    ++(differs ? summary_.updated : summary_.unchanged);
    if (differs && write) {
        for (int i = 0; i < ColumnCount; ++i)
            update_.bind(i + 1, stored[i]);
        update_.bind(ColumnCount + 1, number).run();
    }
    return sheet[Dep].isEmpty() ? stored[Dep] : sheet[Dep];
}

} // namespace company
