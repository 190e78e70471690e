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
};

// A field's value before formatting: a text, or a whole number formed in the integer type the bank
// uses for it. `fits` is false when the number overflowed that integer type, or when the bank
// cannot take the text.
struct FieldValue {
    QString text;
    std::optional<qint64> number;
    bool fits = true;
    // How a refused number is named to the clerk when not as formed: amounts in whole units, as the
    // transfer table shows them, not in the bank's tenths or hundredths.
    QString shown;

    static FieldValue Text(const QString& text) { return {text, std::nullopt, true, QString()}; }
    static FieldValue Number(qint64 value, bool fits = true) { return {QString(), value, fits, QString()}; }
    // A text the bank cannot take (an account that is not all digits); the export lists it and stops.
    static FieldValue Refused(const QString& text) { return {text, std::nullopt, false, QString()}; }
};

using FieldSource = std::function<FieldValue(const RecordContext&)>;

enum class FieldForm {
    Left,     // text: the first `width` bytes (never half a character), spaces after
    LeftZeros,// text: the first `width` bytes (never half a character), "0" after, as accounts some banks take
    Zeros,    // number: decimal text right-aligned with "0" in front (before a minus sign); must fit
    Whole,    // text written whole, as dates in ROC form that grow from the year 100 on
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

// How the year of a ROC date is written: as it stands (two digits up to ROC year 99, three from 100
// on, so the date grows by one), or zero-filled to three or four digits (a date of fixed length).
enum class RocYear { AsIs = 0, ThreeDigits = 3, FourDigits = 4 };

// Sources the banks' layouts use.
namespace source {
FieldSource Constant(const QString& text);
FieldSource Blank();
FieldSource Column(const QString& column);
FieldSource Parameter(const QString& column);
FieldSource CompanyUniformNumber();
FieldSource TransferDateRoc(RocYear year = RocYear::AsIs);
FieldSource TodayRoc(RocYear year = RocYear::AsIs);
// The number of the employee row being written, from 1; in a trailer, the number of employee rows written.
FieldSource Sequence();
FieldSource TransferCount();
// Amounts: A_MTN of the row or the total, fraction cut off, in whole units or hundredths, formed in a
// signed 32-bit or 64-bit integer as the bank does. A bank whose records take digits only refuses
// an amount below zero.
enum class Unit { Whole, Tenths, Hundredths };
enum class IntegerWidth { Bits32, Bits64 };
enum class Sign { Any, NotNegative };
FieldSource RowAmount(Unit unit, IntegerWidth bits, Sign sign = Sign::Any);
FieldSource TotalAmount(Unit unit, IntegerWidth bits);
}

// A date as ROC text without separators: the year minus 1911 (unpadded, or zero-filled as `year`
// says), month and day two digits each.
QString RocDateText(const QDate& date, RocYear year = RocYear::AsIs);
// The amount in the unit, fraction cut off toward zero.
qint64 TruncatedAmount(double amount, source::Unit unit);
