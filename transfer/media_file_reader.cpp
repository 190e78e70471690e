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
// No record of any bank comes near this length: a longer line is read only so far, and its length failed.
constexpr qsizetype LongestLine = 4096;

// A line read, without its line end.
struct Line {
    QByteArrayView bytes;   // at most LongestLine of them
    bool cut = false;       // the line goes on past them
};

// The lines of a file one after another, read a piece at a time: each without its line end (CR LF,
// or LF alone), the last one whole when no LF ends it. A line stays valid until the next is asked for.
class LineReader {
public:
    explicit LineReader(QIODevice& file) : file_(file) {}

    Line next()
    {
        bool cut = false;
        for (;;) {
            const qsizetype end = buffer_.indexOf('\n', start_);
            if (end >= 0) {
                QByteArrayView line = QByteArrayView(buffer_).sliced(start_, end - start_);
                start_ = end + 1;
                if (cut || line.size() > LongestLine)
                    return {line.first(std::min(line.size(), LongestLine)), true};
                return {line.endsWith('\r') ? line.chopped(1) : line, false};
            }
            // Past its longest, a line keeps only its start: a file without line ends is never held.
            if (buffer_.size() - start_ > LongestLine) {
                cut = true;
                buffer_.remove(start_ + LongestLine, buffer_.size() - start_ - LongestLine);
            }
            buffer_.remove(0, start_);
            start_ = 0;
            const QByteArray more = file_.read(ChunkSize);
            if (more.isEmpty()) {
                start_ = buffer_.size();
                return {buffer_, cut};
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

bool IsAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What becomes of the lines read field by field: kept in the reading, handed on as they are read, or
// neither.
struct LineUse {
    bool keep = false;
    ReadLineSink* sink = nullptr;
};

class Reader {
public:
    Reader(const MediaLayout& layout, const RecordContext& context, LineUse use, AcceptedValues accepted)
        : layout_(layout)
        , context_(context)
        , use_(use)
        , checkAccepted_(accepted == AcceptedValues::Checked)
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
            const Line line = lines.next();
            Kind& expectedKind = all_[size_t(std::clamp(expected, 0, int(all_.size()) - 1))];
            readLine(i + 1, line, line.cut ? expectedKind : recognise(i + 1, line.bytes, expectedKind));
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
        if (reading_.failures.size() < ListedFailures)
            reading_.failures << formText(FailureText).arg(line).arg(field, expected);
        else
            ++reading_.unlistedFailures;
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

    // Whether the line is shown field by field: kept, or handed on while the failures are still listed.
    bool shown() const { return use_.keep || (use_.sink && reading_.failures.size() < ListedFailures); }

    void readLine(int number, const Line& line, Kind& kind)
    {
        if (kind.employee)
            ++reading_.employees;
        // A line of a length the record cannot take is shown field by field as laid out, but its
        // fields are not checked: where they stand is not known, nor its amount.
        const std::vector<PlacedField>* placement = line.cut ? nullptr : kind.placement.Place(line.bytes);
        if (!placement) {
            fail(number, formText(LengthText), lengthsText(kind.placement));
            reading_.placed = false;
        }
        const bool show = shown();
        const std::vector<PlacedField>& placed = placement ? *placement : kind.placement.Nominal();
        shownLine_.number = number;
        shownLine_.kind = kind.name;
        shownLine_.fields.resize(show ? placed.size() : 0);
        ReadFields fields;
        for (size_t i = 0; i < placed.size(); ++i) {
            const PlacedField& p = placed[i];
            const QByteArrayView bytes = FieldBytes(line.bytes, p);
            // Plain ASCII is decoded only where it is shown or a check code is worked out from it.
            const QString text = show || kind.checked || !IsAscii(bytes) ? FromBig5(bytes) : QString();
            if (show)
                shownLine_.fields[i] = {p.field->content, text};
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
        if (placement && kind.checked)
            checkCodes(number, *placement, fields);
        if (!show)
            return;
        if (use_.keep)
            reading_.lines.push_back(shownLine_);
        else
            use_.sink->Take(shownLine_);
    }

    // The fields worked out from the others of their record, but a value the clerk already accepted
    // when the export's own read-back reads it.
    void checkCodes(int number, const std::vector<PlacedField>& placement, const ReadFields& fields)
    {
        for (const PlacedField& p : placement) {
            const FieldReading& reading = p.field->source.reading();
            if (reading.kind != FieldKind::Checked || (reading.acceptedBeforeExport && !checkAccepted_))
                continue;
            const std::optional<QString> expectedText = reading.check(fields, context_);
            if (expectedText && *expectedText != fields.value(p.field->content).trimmed())
                fail(number, p.field->content, *expectedText);
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
            // A file of more headers or trailers than its layout has fails on their kind already:
            // the totals of the first ones are checked, however many follow.
            if (value && pending_.size() < size_t(ListedFailures))
                pending_.push_back({number, field.content, reading.kind, reading.unit, *value});
            break;
        case FieldKind::Text:
        case FieldKind::Checked:
            break;
        }
    }

    const MediaLayout& layout_;
    const RecordContext& context_;
    LineUse use_;
    bool checkAccepted_;
    std::vector<Kind> all_;
    MediaFileReading reading_;
    ReadLine shownLine_;   // the line being read, when it is shown
    std::vector<Pending> pending_;
    bool amountsUnread_ = false;   // an employee's amount could not be read: the totals are not checked
    qint64 hundredths_ = 0;
};

} // namespace

MediaFileReading ReadMediaFile(const MediaLayout& layout, QIODevice& file, const RecordContext& context, ReadingDetail detail,
                               AcceptedValues accepted)
{
    return Reader(layout, context, {.keep = detail == ReadingDetail::Lines}, accepted).Read(file);
}

MediaFileReading ReadMediaFile(const MediaLayout& layout, QIODevice& file, const RecordContext& context, ReadLineSink& sink)
{
    return Reader(layout, context, {.sink = &sink}, AcceptedValues::Checked).Read(file);
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
            {QStringLiteral("unlisted_failures"), reading.unlistedFailures},
            {QStringLiteral("records"), reading.records},
            {QStringLiteral("employees"), reading.employees},
            {QStringLiteral("total"), reading.amountUnit ? QVariant(reading.total) : QVariant()},
            {QStringLiteral("valid"), reading.valid()}};
}
