#pragma once
// The fields of a media file record, written as the banks' layouts give them:
//   position, width, form, source, and what the field holds (for the clerk's messages).
#include "runtime/db/localtable.h"
#include "runtime/value_checks.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

// Values the transfer window hands to the export dialog.
struct ExportValues {
    QDate transferDate;
    double transferTotal = 0;
    int transferCount = 0;
    // Further values a bank's window hands over, by name (a window option, a transfer kind).
    QMap<QString, QString> further;
    // What the selection found that no file may carry (pay lines whose amount is no number, pay
    // lines of no known employee), one refusal line each: the export refuses them all.
    QStringList refusals;
};

// Everything a field may draw on while one record is formed.
struct RecordContext {
    const db::LocalTable* row = nullptr;     // the transfer-table row of a detail record; null otherwise
    const QMap<QString, QString>* parameters = nullptr;   // BANK1 columns of the bank's row ("ID1" ...)
    ExportValues values;
    QDate today;
    int sequence = 0;                         // 1 for the first detail record written
    // The employee records of the file, known before its header is written: how many, and the sum
    // of their amounts (whole units, as the transfer table holds them).
    int employeeRecords = 0;
    double employeeTotal = 0;
};

// A field's value before formatting: a text, or a whole number formed in the integer type the bank
// uses for it. `fits` is false when the number overflowed that integer type, or when the bank
// cannot take the text.
struct FieldValue {
    QString text;
    std::optional<qint64> number;
    bool fits = true;
    // The amount a refused number is named by to the clerk instead of the number as formed: whole
    // units, as the transfer table shows them, not the bank's tenths or hundredths.
    std::optional<double> shownAmount;
    // Why a value that does not fit is refused, when a check of the value found it.
    std::optional<values::Fault> fault;

    static FieldValue Text(const QString& text) { return {text, std::nullopt, true, std::nullopt, std::nullopt}; }
    static FieldValue Number(qint64 value, bool fits = true) { return {QString(), value, fits, std::nullopt, std::nullopt}; }
    // A text the bank cannot take (an account that is not all digits); the export lists it and stops.
    static FieldValue Refused(const QString& text, std::optional<values::Fault> fault = std::nullopt)
    {
        return {text, std::nullopt, false, std::nullopt, fault};
    }
};

namespace source {
enum class Unit { Whole, Tenths, Hundredths };
}

// What a field holds, as a reader of the written file checks it.
enum class FieldKind {
    Text,       // whatever the bank takes
    Constant,   // always the same text
    Date,       // a date in ROC form, or as yyyyMMdd
    Sequence,   // the running number of the employee records
    Amount,     // an employee's amount
    Total,      // the sum of the employees' amounts
    Count,      // the number of employees
    Checked,    // worked out from other fields of its record, as a check code
};

// The fields of one record as read back, by what they hold (MediaField::content), Big5 decoded.
using ReadFields = QMap<QString, QString>;
// The text a checked field must hold, worked out from the other fields of its record and the bank's
// parameters; none when nothing can be worked out (the field the code stands for is already wrong).
using FieldCheck = std::function<std::optional<QString>(const ReadFields&, const RecordContext&)>;

struct FieldReading {
    FieldKind kind = FieldKind::Text;
    QString constant;                  // Constant
    bool roc = false;                  // Date: ROC form (year minus 1911), else yyyyMMdd
    int yearDigits = 0;                // Date in ROC form: the year's digits, unpadded when 0
    int first = 1;                     // Sequence: the number of the first employee record
    source::Unit unit = source::Unit::Whole;   // Amount, Total
    FieldCheck check;                  // Checked
    // Checked: a value whose check fails is shown to the clerk before the export, who may knowingly
    // go on with it; the export's read-back of its file then passes it (verify never does).
    bool acceptedBeforeExport = false;
};

// A field's value for a record being written, and what a reader can check it against.
class FieldSource {
public:
    FieldSource() = default;
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, FieldSource>
                                                && std::is_invocable_r_v<FieldValue, const F&, const RecordContext&>>>
    FieldSource(F value, FieldReading reading = {})
        : value_(std::move(value))
        , reading_(std::move(reading))
    {
    }
    FieldValue operator()(const RecordContext& context) const { return value_(context); }
    const FieldReading& reading() const { return reading_; }
    // Whether the value is the same in every record of one file: it depends on nothing but the
    // bank's parameters, the values the clerk gave, the company and the day. A file's writer renders
    // such a field once and copies it into the records after.
    bool steady() const { return steady_; }
    void markSteady() { steady_ = true; }
    // The transfer-table column whose text the value is, unchanged, when it is one: a record can
    // then take a plain ASCII text as the row stores it.
    const QString& column() const { return column_; }
    void markColumn(const QString& column) { column_ = column; }
    // Whether the value is an employee's account (or a part of it), which takes digits only and is
    // refused, never cut, when longer than it may be: `accountBytes`, or the field's width when 0.
    bool holdsAccount() const { return account_; }
    int accountBytes() const { return accountBytes_; }
    void markAccount(int bytes = 0)
    {
        account_ = true;
        accountBytes_ = bytes;
    }
    // The bank parameters (BANK1 columns) the value is formed from: an export asks before it writes
    // a file where one of them is empty.
    const QStringList& parameters() const { return parameters_; }
    void markParameters(const QStringList& columns) { parameters_ += columns; }

private:
    std::function<FieldValue(const RecordContext&)> value_;
    FieldReading reading_;
    bool steady_ = false;
    bool account_ = false;
    int accountBytes_ = 0;
    QString column_;
    QStringList parameters_;
};

enum class FieldForm {
    Left,     // text: the first `width` bytes (never half a character), spaces after
    LeftZeros,// text: the first `width` bytes (never half a character), "0" after, as accounts some banks take
    Zeros,    // number: decimal text right-aligned with "0" in front (before a minus sign); must fit
    Whole,    // text written whole, as dates in ROC form that grow from the year 100 on
    Right,    // text: right-aligned with spaces in front; a longer text is written whole
    Code,     // text: right-aligned with "0" in front; a longer code is written whole
    Padded,   // text written whole, spaces after up to `width`
    Cut,      // text: at most the first `width` bytes (never half a character), nothing after
};

// The forms by the short names that keep a bank's layout table readable: {1, 6, W, TodayRoc(), ...}.
namespace forms {
constexpr FieldForm L = FieldForm::Left;
constexpr FieldForm LZ = FieldForm::LeftZeros;
constexpr FieldForm Z = FieldForm::Zeros;
constexpr FieldForm W = FieldForm::Whole;
}

struct MediaField {
    int position;       // 1-based, as the bank's layout counts
    int width;          // bytes
    FieldForm form;
    FieldSource source;
    QString content;    // what the field holds, in the clerk's words
};

// Sources the banks' layouts use.
namespace source {
// `source`, known to give the same value in every record of one file: it reads nothing but the
// bank's parameters, the values the clerk gave, the company and the day.
FieldSource Steady(FieldSource source);
FieldSource Constant(const QString& text);
FieldSource Blank();
// A column of the transfer-table row; one of the account's columns (BACC_NO, BACC_NO1 ...) holds an account.
FieldSource Column(const QString& column);
FieldSource Parameter(const QString& column);
// The text that `text` gives, cut to its first `count` bytes in Big5 (never half a character). An
// account is never cut: one longer than `count` is refused.
FieldSource Leading(int count, FieldSource text);
// The texts of `parts`, one after the other; the same in every record when each part is.
FieldSource Joined(std::vector<FieldSource> parts);
FieldSource CompanyUniformNumber();
// Dates in ROC form (see RocDateText), or as a calendar date yyyyMMdd.
FieldSource TransferDateRoc(int yearDigits = 0);
FieldSource TodayRoc(int yearDigits = 0);
FieldSource TransferDateCalendar();
// The running number of the detail record: `first` for the first one written.
FieldSource Sequence(int first = 1);
FieldSource TransferCount();
// The number of employee records in the file.
FieldSource EmployeeRecordCount();
// Amounts: A_MTN of the row or the total, fraction cut off, in whole units or hundredths, formed in a
// signed 32-bit or 64-bit integer as the bank does. An employee's amount below zero is refused,
// unless his record marks a debit (Sign::Any): the "0"-filled field has no room for a sign.
enum class IntegerWidth { Bits32, Bits64 };
enum class Sign { Any, NotNegative };
FieldSource RowAmount(Unit unit, IntegerWidth bits, Sign sign = Sign::NotNegative);
// A field worked out from the record's other fields: `check` gives what the reader expects.
enum class CheckFailure { Refused, ShownBeforeExport };
FieldSource CheckCode(FieldSource value, FieldCheck check, CheckFailure failure = CheckFailure::Refused);
FieldSource TotalAmount(Unit unit, IntegerWidth bits);
// The sum of the amounts of the employee records in the file.
FieldSource EmployeeRecordTotal(Unit unit, IntegerWidth bits);
}

// A date as ROC text without separators: the year minus 1911, month and day two digits. The year
// is unpadded, or "0"-filled to `yearDigits` (0950305 with three).
QString RocDateText(const QDate& date, int yearDigits = 0);
// A date as the calendar's yyyyMMdd.
QString CalendarDateText(const QDate& date);
// The amount in the unit, fraction cut off toward zero.
qint64 TruncatedAmount(double amount, source::Unit unit);
