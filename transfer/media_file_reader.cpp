#include "transfer/media_file_reader.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "transfer/read_field_shapes.h"
#include "transfer/record_placement.h"

#include <algorithm>

namespace {

QString formText(int id)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), id);
}

constexpr int FailureText = 15750, LineEndText = 15751, LengthText = 15752, KindText = 15753, BytesText = 15754,
              DigitsText = 15755, DateText = 15756, Big5Text_ = 15757, HeaderText = 15758, DetailText = 15759,
              TrailerText = 15760, BytesRangeText = 15764, AtLeastBytesText = 15765, BlankText = 15901;

qint64 hundredthsPer(source::Unit unit)
{
    return unit == source::Unit::Whole ? 100 : unit == source::Unit::Tenths ? 10 : 1;
}

// A record kind with the name the clerk knows it by.
struct Kind {
    const MediaRecord* record;
    QString name;
    bool employee;   // the first detail record: one per employee
};

bool matchesConstants(const MediaRecord& record, const QByteArray& line)
{
    const std::optional<Placement> placement = PlaceFields(record, line);
    if (!placement)
        return false;
    for (const PlacedField& p : placement->fields) {
        if (p.field->source.reading().kind == FieldKind::Constant && line.mid(p.start, p.width) != ConstantBytes(*p.field))
            return false;
    }
    return true;
}

// Whether every field of fixed text, number or date of the record reads as such in the line.
bool fitsWhole(const MediaRecord& record, const QByteArray& line)
{
    const std::optional<Placement> placement = PlaceFields(record, line);
    return placement && placement->misfits == 0;
}

// Whether the record can be told from the others by its constants (a record type code).
bool hasCode(const MediaRecord& record)
{
    for (const MediaField& field : record.fields()) {
        if (field.source.reading().kind == FieldKind::Constant && !field.source.reading().constant.trimmed().isEmpty())
            return true;
    }
    return false;
}

// The lengths a line of the record may have, as the clerk is told them.
QString lengthsText(const MediaRecord& record)
{
    const LineLengths lengths = LengthsOf(record);
    if (!lengths.longest)
        return formText(AtLeastBytesText).arg(lengths.shortest);
    if (*lengths.longest == lengths.shortest)
        return formText(BytesText).arg(lengths.shortest);
    return formText(BytesRangeText).arg(lengths.shortest).arg(*lengths.longest);
}

// A total or count in a header or trailer, checked once every detail record was read.
struct Pending {
    int line;
    QString content;
    FieldKind kind;
    source::Unit unit;
    qint64 value;
};

class Reader {
public:
    Reader(const MediaLayout& layout, const RecordContext& context)
        : layout_(layout)
        , context_(context)
    {
        for (const MediaRecord& r : layout.header)
            all_.push_back({&r, formText(HeaderText), false});
        for (const MediaRecord& r : layout.detail)
            all_.push_back({&r, formText(DetailText), &r == &layout.detail.front()});
        for (const MediaRecord& r : layout.trailer)
            all_.push_back({&r, formText(TrailerText), false});
    }

    MediaFileReading Read(const QByteArray& bytes)
    {
        const std::vector<QByteArray> lines = splitLines(bytes);
        const int headers = int(layout_.header.size()), trailers = int(layout_.trailer.size());
        const int details = int(lines.size()) - headers - trailers;
        for (int i = 0; i < int(lines.size()); ++i) {
            const int expected = i < headers ? i
                : i >= headers + std::max(details, 0) ? int(all_.size()) - (int(lines.size()) - i)
                : headers + (i - headers) % int(std::max<size_t>(layout_.detail.size(), 1));
            readLine(i + 1, lines[size_t(i)], all_[size_t(std::clamp(expected, 0, int(all_.size()) - 1))]);
        }
        const int detailRecords = int(layout_.detail.size());
        if (int(lines.size()) < headers)
            fail(int(lines.size()) + 1, formText(KindText), formText(HeaderText)), reading_.placed = false;
        else if (details < detailRecords || (detailRecords && details % detailRecords))
            fail(int(lines.size()) + 1, formText(KindText), formText(DetailText));
        for (const Pending& p : pending_) {
            const qint64 expected = p.kind == FieldKind::Count ? reading_.employees : totalIn(p.unit);
            if (p.value != expected && (p.kind == FieldKind::Count || !amountsUnread_))
                fail(p.line, p.content, QString::number(expected));
        }
        reading_.records = int(lines.size());
        reading_.total = double(hundredths_) / 100;
        return reading_;
    }

private:
    void fail(int line, const QString& field, const QString& expected)
    {
        reading_.failures << formText(FailureText).arg(line).arg(field, expected);
    }

    // The employees' total in `unit`, cut toward zero as the writer cuts it.
    qint64 totalIn(source::Unit unit) const { return hundredths_ / hundredthsPer(unit); }

    std::vector<QByteArray> splitLines(const QByteArray& bytes)
    {
        std::vector<QByteArray> lines;
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = bytes.indexOf('\n', start);
            const bool ended = end >= 0;
            if (!ended)
                end = bytes.size();
            QByteArray line = bytes.mid(start, end - start);
            if (ended && line.endsWith('\r'))
                line.chop(1);
            else
                fail(int(lines.size()) + 1, formText(LineEndText), QStringLiteral("CR LF"));
            lines.push_back(line);
            start = end + 1;
        }
        return lines;
    }

    // The kind the line's codes show, or the one it reads as field by field when it does not read as
    // the expected one; the expected one when it shows none other.
    const Kind& recognise(int number, const QByteArray& line, const Kind& expected)
    {
        if (matchesConstants(*expected.record, line) && (hasCode(*expected.record) || fitsWhole(*expected.record, line)))
            return expected;
        for (const Kind& other : all_) {
            if (other.record != expected.record
                && (hasCode(*other.record) ? matchesConstants(*other.record, line) : fitsWhole(*other.record, line))) {
                fail(number, formText(KindText), expected.name);
                reading_.placed = false;
                return other;
            }
        }
        return expected;
    }

    void readLine(int number, const QByteArray& line, const Kind& expected)
    {
        const Kind& kind = recognise(number, line, expected);
        if (kind.employee)
            ++reading_.employees;
        // A line of a length the record cannot take is shown field by field as laid out, but its
        // fields are not checked: where they stand is not known, nor its amount.
        const std::optional<Placement> placement = PlaceFields(*kind.record, line);
        if (!placement) {
            fail(number, formText(LengthText), lengthsText(*kind.record));
            reading_.placed = false;
        }
        const std::vector<PlacedField> placed = placement ? placement->fields : NominalPlacement(*kind.record);
        ReadLine read{number, kind.name, {}};
        ReadFields fields;
        for (const PlacedField& p : placed) {
            const QByteArray bytes = line.mid(p.start, p.width);
            const QString text = FromBig5(bytes);
            read.fields.push_back({p.field->content, text});
            fields.insert(p.field->content, text);
            if (!placement) {
                amountsUnread_ = amountsUnread_ || p.field->source.reading().kind == FieldKind::Amount;
                continue;
            }
            if (text.contains(QChar::ReplacementCharacter))
                fail(number, p.field->content, formText(Big5Text_));
            checkField(number, *p.field, bytes, text);
        }
        for (const PlacedField& p : placement ? placed : std::vector<PlacedField>()) {
            const FieldReading& reading = p.field->source.reading();
            if (reading.kind != FieldKind::Checked)
                continue;
            const std::optional<QString> expectedText = reading.check(fields, context_);
            if (expectedText && *expectedText != fields.value(p.field->content).trimmed())
                fail(number, p.field->content, *expectedText);
        }
        reading_.lines.push_back(std::move(read));
    }

    void checkField(int number, const MediaField& field, const QByteArray& bytes, const QString& text)
    {
        const FieldReading& reading = field.source.reading();
        std::optional<qint64> value;
        if (field.form == FieldForm::Zeros) {
            value = ZerosNumber(bytes);
            if (!value) {
                amountsUnread_ = amountsUnread_ || reading.kind == FieldKind::Amount;
                fail(number, field.content, formText(DigitsText));
                return;
            }
        }
        switch (reading.kind) {
        case FieldKind::Constant:
            if (bytes != ConstantBytes(field))
                fail(number, field.content, reading.constant.trimmed().isEmpty() ? formText(BlankText) : reading.constant);
            break;
        case FieldKind::Date:
            if (!DateExists(text, field))
                fail(number, field.content, formText(DateText));
            break;
        case FieldKind::Sequence:
            if (value && *value != reading_.employees - 1 + reading.first)
                fail(number, field.content, QString::number(reading_.employees - 1 + reading.first));
            break;
        case FieldKind::Amount:
            reading_.amountUnit = reading.unit;
            if (value)
                hundredths_ += *value * hundredthsPer(reading.unit);
            break;
        case FieldKind::Total:
        case FieldKind::Count:
            if (value)
                pending_.push_back({number, field.content, reading.kind, reading.unit, *value});
            break;
        case FieldKind::Text:
        case FieldKind::Checked:
            break;
        }
    }

    const MediaLayout& layout_;
    const RecordContext& context_;
    std::vector<Kind> all_;
    MediaFileReading reading_;
    std::vector<Pending> pending_;
    bool amountsUnread_ = false;   // an employee's amount could not be read: the totals are not checked
    qint64 hundredths_ = 0;
};

} // namespace

MediaFileReading ReadMediaFile(const MediaLayout& layout, const QByteArray& bytes, const RecordContext& context)
{
    return Reader(layout, context).Read(bytes);
}

QVariantMap ReadingAsVariant(const MediaFileReading& reading)
{
    QVariantList lines;
    for (const ReadLine& line : reading.lines) {
        QVariantList fields;
        for (const ReadField& field : line.fields)
            fields << QVariantMap{{QStringLiteral("name"), field.content}, {QStringLiteral("text"), field.text}};
        lines << QVariantMap{{QStringLiteral("line"), line.number}, {QStringLiteral("kind"), line.kind}, {QStringLiteral("fields"), fields}};
    }
    return {{QStringLiteral("lines"), lines},
            {QStringLiteral("failures"), reading.failures},
            {QStringLiteral("records"), reading.records},
            {QStringLiteral("employees"), reading.employees},
            {QStringLiteral("total"), reading.amountUnit ? QVariant(reading.total) : QVariant()},
            {QStringLiteral("valid"), reading.valid()}};
}
