#include "transfer/media_file_reader.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "transfer/read_field_shapes.h"
#include "transfer/record_placement.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>

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

// Whether the record can be told from the others by its constants (a record type code).
bool hasCode(const MediaRecord& record)
{
    for (const MediaField& field : record.fields()) {
        if (field.source.reading().kind == FieldKind::Constant && !field.source.reading().constant.trimmed().isEmpty())
            return true;
    }
    return false;
}

bool hasChecked(const MediaRecord& record)
{
    return std::any_of(record.fields().begin(), record.fields().end(),
                       [](const MediaField& field) { return field.source.reading().kind == FieldKind::Checked; });
}

// A record kind with the name the clerk knows it by, and its fields placed over the lines read back
// (worked out once per line length where the length alone settles them).
struct Kind {
    Kind(const MediaRecord& record, const QString& name, bool employee)
        : name(name)
        , employee(employee)
        , coded(hasCode(record))
        , checked(hasChecked(record))
        , placement(record)
    {
    }

    bool matchesConstants(QByteArrayView line)
    {
        const std::vector<PlacedField>* placed = placement.Place(line);
        if (!placed)
            return false;
        for (const PlacedField& p : *placed) {
            if (p.field->source.reading().kind == FieldKind::Constant && line.sliced(p.start, p.width) != placement.Constant(*p.field))
                return false;
        }
        return true;
    }

    // Whether every field of fixed text, number or date of the record reads as such in the line.
    bool fitsWhole(QByteArrayView line)
    {
        const std::vector<PlacedField>* placed = placement.Place(line);
        return placed && placement.Misfits(*placed, line) == 0;
    }

    QString name;
    bool employee;   // the first detail record: one per employee
    bool coded;      // told from the others by a record type code
    bool checked;    // has a field worked out from the others
    RecordPlacement placement;
};

// The lengths a line of the record may have, as the clerk is told them.
QString lengthsText(const RecordPlacement& placement)
{
    const LineLengths lengths = placement.Lengths();
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

constexpr qint64 ChunkSize = 64 * 1024;

// The lines of a file one after another, read a piece at a time: each without its line end (CR LF,
// or LF alone), the last one whole when no LF ends it. A line stays valid until the next is asked for.
class LineReader {
public:
    explicit LineReader(QIODevice& file) : file_(file) {}

    QByteArrayView next()
    {
        for (;;) {
            const qsizetype end = buffer_.indexOf('\n', start_);
            if (end >= 0) {
                QByteArrayView line = QByteArrayView(buffer_).sliced(start_, end - start_);
                start_ = end + 1;
                return line.endsWith('\r') ? line.chopped(1) : line;
            }
            buffer_.remove(0, start_);
            start_ = 0;
            const QByteArray more = file_.read(ChunkSize);
            if (more.isEmpty()) {
                start_ = buffer_.size();
                return buffer_;
            }
            buffer_ += more;
        }
    }

private:
    QIODevice& file_;
    QByteArray buffer_;
    qsizetype start_ = 0;
};

// A field's bytes in its line; a line shorter than its record reads as blank past its end.
QByteArrayView FieldBytes(QByteArrayView line, const PlacedField& p)
{
    return line.sliced(std::min<qsizetype>(p.start, line.size()), std::clamp<qsizetype>(line.size() - p.start, 0, p.width));
}

class Reader {
public:
    Reader(const MediaLayout& layout, const RecordContext& context, ReadingDetail detail)
        : layout_(layout)
        , context_(context)
        , totalsOnly_(detail == ReadingDetail::Totals)
    {
        for (const MediaRecord& r : layout.header)
            all_.emplace_back(r, formText(HeaderText), false);
        for (const MediaRecord& r : layout.detail)
            all_.emplace_back(r, formText(DetailText), &r == &layout.detail.front());
        for (const MediaRecord& r : layout.trailer)
            all_.emplace_back(r, formText(TrailerText), false);
    }

    // Reads `file` twice from its start: its lines are counted (the last ones are the trailer), then read.
    MediaFileReading Read(QIODevice& file)
    {
        const int lineCount = countLines(file);
        file.seek(0);
        LineReader lines(file);
        const int headers = int(layout_.header.size()), trailers = int(layout_.trailer.size());
        const int details = lineCount - headers - trailers;
        for (int i = 0; i < lineCount; ++i) {
            const int expected = i < headers ? i
                : i >= headers + std::max(details, 0) ? int(all_.size()) - (lineCount - i)
                : headers + (i - headers) % int(std::max<size_t>(layout_.detail.size(), 1));
            const QByteArrayView line = lines.next();
            readLine(i + 1, line, recognise(i + 1, line, all_[size_t(std::clamp(expected, 0, int(all_.size()) - 1))]));
        }
        const int detailRecords = int(layout_.detail.size());
        if (lineCount < headers)
            fail(lineCount + 1, formText(KindText), formText(HeaderText)), reading_.placed = false;
        else if (details < detailRecords || (detailRecords && details % detailRecords))
            fail(lineCount + 1, formText(KindText), formText(DetailText));
        for (const Pending& p : pending_) {
            const qint64 expected = p.kind == FieldKind::Count ? reading_.employees : totalIn(p.unit);
            if (p.value != expected && (p.kind == FieldKind::Count || !amountsUnread_))
                fail(p.line, p.content, QString::number(expected));
        }
        reading_.records = lineCount;
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

    // The lines of the file, each failed that does not end with CR LF (the last one may lack LF).
    int countLines(QIODevice& file)
    {
        QByteArray chunk(ChunkSize, Qt::Uninitialized);
        int lines = 0;
        char last = '\n';   // before the first byte a line starts
        bool carriageReturn = false;
        for (qint64 got; (got = file.read(chunk.data(), ChunkSize)) > 0;) {
            const char* begin = chunk.constData();
            const char* end = begin + got;
            for (const char* from = begin; const void* found = std::memchr(from, '\n', size_t(end - from));) {
                const char* lineEnd = static_cast<const char*>(found);
                ++lines;
                if (!(lineEnd == begin ? carriageReturn : lineEnd[-1] == '\r'))
                    fail(lines, formText(LineEndText), QStringLiteral("CR LF"));
                from = lineEnd + 1;
            }
            carriageReturn = end[-1] == '\r';
            last = end[-1];
        }
        if (last != '\n') {
            ++lines;
            fail(lines, formText(LineEndText), QStringLiteral("CR LF"));
        }
        return lines;
    }

    // The kind the line's codes show, or the one it reads as field by field when it does not read as
    // the expected one; the expected one when it shows none other.
    Kind& recognise(int number, QByteArrayView line, Kind& expected)
    {
        if (expected.matchesConstants(line) && (expected.coded || expected.fitsWhole(line)))
            return expected;
        for (Kind& other : all_) {
            if (&other != &expected && (other.coded ? other.matchesConstants(line) : other.fitsWhole(line))) {
                fail(number, formText(KindText), expected.name);
                reading_.placed = false;
                return other;
            }
        }
        return expected;
    }

    void readLine(int number, QByteArrayView line, Kind& kind)
    {
        if (kind.employee)
            ++reading_.employees;
        // A line of a length the record cannot take is shown field by field as laid out, but its
        // fields are not checked: where they stand is not known, nor its amount.
        const std::vector<PlacedField>* placement = kind.placement.Place(line);
        if (!placement) {
            fail(number, formText(LengthText), lengthsText(kind.placement));
            reading_.placed = false;
        }
        if (totalsOnly_) {
            if (placement)
                readAmounts(number, kind, *placement, line);
            return;
        }
        const std::vector<PlacedField>& placed = placement ? *placement : kind.placement.Nominal();
        ReadLine read{number, kind.name, {}};
        ReadFields fields;
        for (const PlacedField& p : placed) {
            const QByteArrayView bytes = FieldBytes(line, p);
            const QString text = FromBig5(bytes);
            read.fields.push_back({p.field->content, text});
            if (kind.checked)
                fields.insert(p.field->content, text);
            if (!placement) {
                amountsUnread_ = amountsUnread_ || p.field->source.reading().kind == FieldKind::Amount;
                continue;
            }
            if (text.contains(QChar::ReplacementCharacter))
                fail(number, p.field->content, formText(Big5Text_));
            checkField(number, kind, *p.field, bytes);
        }
        if (placement && kind.checked) {
            for (const PlacedField& p : *placement) {
                const FieldReading& reading = p.field->source.reading();
                if (reading.kind != FieldKind::Checked)
                    continue;
                const std::optional<QString> expectedText = reading.check(fields, context_);
                if (expectedText && *expectedText != fields.value(p.field->content).trimmed())
                    fail(number, p.field->content, *expectedText);
            }
        }
        reading_.lines.push_back(std::move(read));
    }

    // The employee's amounts of a line read for its totals only.
    void readAmounts(int number, const Kind& kind, const std::vector<PlacedField>& placement, QByteArrayView line)
    {
        for (const PlacedField& p : placement) {
            if (p.field->source.reading().kind == FieldKind::Amount)
                checkField(number, kind, *p.field, FieldBytes(line, p));
        }
    }

    void checkField(int number, const Kind& kind, const MediaField& field, QByteArrayView bytes)
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
            if (bytes != kind.placement.Constant(field))
                fail(number, field.content, reading.constant.trimmed().isEmpty() ? formText(BlankText) : reading.constant);
            break;
        case FieldKind::Date:
            if (!DateExists(bytes, field))
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
    bool totalsOnly_;
    std::vector<Kind> all_;
    MediaFileReading reading_;
    std::vector<Pending> pending_;
    bool amountsUnread_ = false;   // an employee's amount could not be read: the totals are not checked
    qint64 hundredths_ = 0;
};

} // namespace

MediaFileReading ReadMediaFile(const MediaLayout& layout, QIODevice& file, const RecordContext& context, ReadingDetail detail)
{
    return Reader(layout, context, detail).Read(file);
}

MediaFileReading ReadMediaFile(const MediaLayout& layout, const QByteArray& bytes, const RecordContext& context,
                               ReadingDetail detail)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadMediaFile(layout, buffer, context, detail);
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
