#pragma once
// The columns a sheet of the company's data may hold, and how its heading row names them: the
// database column or one of its Chinese names, with case, spaces and full-width forms ignored.
#include <QString>
#include <QStringList>
#include <vector>

namespace company {

enum class SheetKind { Pay, Employees, Departments };

enum class ValueKind {
    Text,        // a text that goes into a record as it is
    Digits,      // digits only (an account)
    Date,        // a date, kept as "YYYY-MM-DD"
    Amount,      // an amount of at most two decimals, not negative
    PayMethod,   // 1 or 現金, 2 or 轉帳
};

struct ColumnRule {
    QString column;          // MF_YG's, TF_FS1's, MF_FS's or DEPT's column; DEP_UP the parent department
    QStringList headings;    // the Chinese names; the first is the template's heading
    ValueKind kind = ValueKind::Text;
    int maxLength = 0;       // characters; 0 for no limit of its own
    bool required = false;   // the column and a value in every row
    bool code = false;       // a code a workbook keeps as text (leading zeros)
};

// The columns of a sheet of this kind, in the template's order.
const std::vector<ColumnRule>& ColumnsOf(SheetKind kind);

// A heading as it is compared: full-width forms as half-width, no spaces, upper case.
QString NormalHeading(const QString& heading);

// The columns found in a heading row: for each cell of the row the index in ColumnsOf (or -1 for an
// empty heading), and the faults: unknown headings, a column named twice, a required column missing.
struct SheetLayout {
    std::vector<int> ruleAt;        // per sheet column
    std::vector<int> sheetColumnOf; // per rule: the sheet column, or -1
    struct Fault {
        QString heading;
        int reason;   // a text id of the "COMPANY" group
    };
    std::vector<Fault> faults;
};
SheetLayout ReadLayout(SheetKind kind, const std::vector<QString>& headings);

} // namespace company
