#pragma once
// The fields of a media file record, written as the banks' layouts give them:
//   position, width, form, source, and what the field holds (for the clerk's messages).
#include "runtime/db/localtable.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>

// Values the transfer window hands to the export dialog.
struct ExportValues {
    QDate transferDate;
    double transferTotal = 0;
    int transferCount = 0;
};

// Everything a field may draw on while one record is formed.
struct RecordContext {
    const db::LocalTable* row = nullptr;     // the transfer-table row of a detail record; null otherwise
    const QMap<QString, QString>* parameters = nullptr;   // BANK1 columns of the bank's row ("ID1" ...)
    ExportValues values;
    QDate today;
    int sequence = 0;                         // 1 for the first detail record written
    double writtenAmount = 0;                 // A_MTN summed over the employee rows written before
};

// A field's value before formatting: a text, or a whole number formed in the integer type the bank
// uses for it. `fits` is false when the number overflowed that integer type, or when the bank
// cannot take the text.
struct FieldValue {
    QString text;
    std::optional<qint64> number;
    bool fits = true;
    QString shown;   // how a refused number is named to the clerk, when not as the number itself

    static FieldValue Text(const QString& text) { return {text, std::nullopt, true}; }
    static FieldValue Number(qint64 value, bool fits = true) { return {QString(), value, fits}; }
    // A text the bank cannot take (an account that is not all digits); the export lists it and stops.
    static FieldValue Refused(const QString& text) { return {text, std::nullopt, false}; }
};

using FieldSource = std::function<FieldValue(const RecordContext&)>;

enum class FieldForm {
    Left,     // text: the first `width` bytes (never half a character), spaces after
    Zeros,    // number: decimal text right-aligned with "0" in front (before a minus sign); must fit
    Padded,   // text: spaces after, never cut; a longer text is refused (a code that must stand whole)
    Whole,    // text written whole, as dates in ROC form that grow from the year 100 on
};

struct MediaField {
    int position;       // 1-based, as the bank's layout counts
    int width;          // bytes
    FieldForm form;
    FieldSource source;
    QString content;    // what the field holds, in the clerk's words
};

// Sources the banks' layouts use.
namespace source {
FieldSource Constant(const QString& text);
FieldSource Blank();
FieldSource Column(const QString& column);
FieldSource Parameter(const QString& column);
FieldSource CompanyUniformNumber();
FieldSource TransferDateRoc();
FieldSource TodayRoc();
FieldSource Sequence();
FieldSource TransferCount();
// Running totals of the records written so far (a trailer's count and amount): the employee rows,
// and their amounts in the unit, formed in the integer the bank uses.
FieldSource WrittenCount();
// Amounts: A_MTN of the row or the total, fraction cut off, in whole units or hundredths, formed in a
// signed 32-bit or 64-bit integer as the bank does. A bank whose records take digits only refuses
// an amount below zero.
enum class Unit { Whole, Tenths, Hundredths };
enum class IntegerWidth { Bits32, Bits64 };
enum class Sign { Any, NotNegative };
FieldSource RowAmount(Unit unit, IntegerWidth bits, Sign sign = Sign::Any);
FieldSource TotalAmount(Unit unit, IntegerWidth bits);
FieldSource WrittenAmount(Unit unit, IntegerWidth bits);
}

// A date as ROC text without separators: the year minus 1911 unpadded, month and day two digits.
QString RocDateText(const QDate& date);
// The amount in the unit, fraction cut off toward zero.
qint64 TruncatedAmount(double amount, source::Unit unit);
