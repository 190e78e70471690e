#include "transfer/media_file_reader.h"

#include "runtime/cvcode.h"
#include "runtime/language.h"

#include <QBuffer>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <map>

namespace {

QString formText(int id)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), id);
}

constexpr int FailureText = 15750, LineEndText = 15751, LengthText = 15752, KindText = 15753, BytesText = 15754,
              DigitsText = 15755, DateText = 15756, Big5Text_ = 15757, HeaderText = 15758, DetailText = 15759,
              TrailerText = 15760, BlankText = 15901;

qint64 hundredthsPer(source::Unit unit)
{
    return unit == source::Unit::Whole ? 100 : unit == source::Unit::Tenths ? 10 : 1;
}

// A field's place in one line: the Whole dates grow by one byte from ROC year 100 on, and a Cut
// field at the end takes what is left.
struct Placed {
    const MediaField* field;
    int start;   // 0-based
    int width;
};

bool growsFromYear100(const MediaField& field)
{
    const FieldReading& reading = field.source.reading();
    return field.form == FieldForm::Whole && reading.kind == FieldKind::Date && reading.roc && reading.yearDigits == 0;
}

// A text written whole whatever its length (a code as kept), other than a date.
bool writtenWhole(const MediaField& field)
{
    return field.form == FieldForm::Whole && !growsFromYear100(field);
}

// The fields placed over a line of `length` bytes; none when the length fits no form of the record.
// The dates grow together; else one text written whole, or a cut text at the end, takes up the
// difference.
std::optional<std::vector<Placed>> place(const MediaRecord& record, int length)
{
    const std::vector<MediaField>& fields = record.fields();
    int growing = 0, whole = 0;
    for (const MediaField& field : fields) {
        growing += growsFromYear100(field) ? 1 : 0;
        whole += writtenWhole(field) ? 1 : 0;
    }
    const int extra = length - record.length();
    const bool datesGrow = growing > 0 && extra == growing;
    const MediaField* takesUp = nullptr;
    if (extra != 0 && !datesGrow) {
        for (const MediaField& field : fields) {
            if ((whole == 1 && writtenWhole(field)) || (&field == &fields.back() && field.form == FieldForm::Cut && extra < 0))
                takesUp = &field;
        }
        if (!takesUp || takesUp->width + extra < 0)
            return std::nullopt;
    }
    std::vector<Placed> placed;
    int start = 0;
    for (const MediaField& field : fields) {
        const int width = field.width + (datesGrow && growsFromYear100(field) ? 1 : 0) + (&field == takesUp ? extra : 0);
        placed.push_back({&field, start, width});
        start += width;
    }
    return placed;
}

// The bytes a constant field is written as.
QByteArray constantBytes(const MediaField& field)
{
    ExportFindings findings;
    return MediaRecord({MediaField{1, field.width, field.form, field.source, field.content}}).Render({}, {}, findings);
}

// A record kind with the name the clerk knows it by, and what reading each of its lines needs,
// worked out once: the bytes of its constant fields and its fields placed over each line length met.
class Kind {
public:
    Kind(const MediaRecord& record, const QString& name, bool employee)
        : record(&record)
        , name(name)
        , employee(employee)
    {
        for (const MediaField& field : record.fields()) {
            const FieldKind kind = field.source.reading().kind;
            constants.push_back(kind == FieldKind::Constant ? constantBytes(field) : QByteArray());
            checked = checked || kind == FieldKind::Checked;
        }
    }

    const std::optional<std::vector<Placed>>& placed(int length) const
    {
        auto found = placements_.find(length);
        if (found == placements_.end())
            found = placements_.emplace(length, place(*record, length)).first;
        return found->second;
    }

    const QByteArray& constant(const Placed& p) const { return constants[size_t(p.field - record->fields().data())]; }

    bool matchesConstants(QByteArrayView line) const
    {
        const auto& fields = placed(int(line.size()));
        if (!fields)
            return false;
        for (const Placed& p : *fields) {
            if (p.field->source.reading().kind == FieldKind::Constant && line.sliced(p.start, p.width) != constant(p))
                return false;
        }
        return true;
    }

    const MediaRecord* record;
    QString name;
    bool employee;   // the first detail record: one per employee
    bool checked = false;   // has a field worked out from the others
    std::vector<QByteArray> constants;

private:
    mutable std::map<int, std::optional<std::vector<Placed>>> placements_;
};

// Whether the record can be told from the others by its constants (a record type code).
bool hasCode(const MediaRecord& record)
{
    for (const MediaField& field : record.fields()) {
        if (field.source.reading().kind == FieldKind::Constant && !field.source.reading().constant.trimmed().isEmpty())
            return true;
    }
    return false;
}

// A number written in the Zeros form: "0" in front, before a minus sign.
std::optional<qint64> zerosNumber(QByteArrayView bytes)
{
    qsizetype at = 0;
    while (at < bytes.size() && bytes[at] == '0')
        ++at;
    const bool negative = at < bytes.size() && bytes[at] == '-';
    if (negative)
        ++at;
    if (at == bytes.size() && (negative || bytes.isEmpty()))
        return std::nullopt;
    qint64 value = 0;
    for (; at < bytes.size(); ++at) {
        if (bytes[at] < '0' || bytes[at] > '9')
            return std::nullopt;
        const int digit = bytes[at] - '0';
        if (value > (std::numeric_limits<qint64>::max() - digit) / 10)
            return 0;   // too large for a number: read as zero, as a text's conversion gives
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

bool dateExists(const QString& text, bool roc)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch() || text.size() < (roc ? 5 : 8) || (!roc && text.size() != 8))
        return false;
    const int year = text.left(text.size() - 4).toInt() + (roc ? 1911 : 0);
    return QDate(year, text.mid(text.size() - 4, 2).toInt(), text.right(2).toInt()).isValid();
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

class Reader {
public:
    Reader(const MediaLayout& layout, const RecordContext& context, ReadingDetail detail)
        : layout_(layout)
        , context_(context)
        , keepLines_(detail == ReadingDetail::Lines)
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
            if (p.value != expected)
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
            for (qint64 i = 0; i < got; ++i) {
                if (chunk[i] == '\n') {
                    ++lines;
                    if (!carriageReturn)
                        fail(lines, formText(LineEndText), QStringLiteral("CR LF"));
                }
                carriageReturn = chunk[i] == '\r';
                last = chunk[i];
            }
        }
        if (last != '\n') {
            ++lines;
            fail(lines, formText(LineEndText), QStringLiteral("CR LF"));
        }
        return lines;
    }

    // The kind the line's codes show; the expected one when they show none other.
    const Kind& recognise(int number, QByteArrayView line, const Kind& expected)
    {
        if (expected.matchesConstants(line))
            return expected;
        for (const Kind& other : all_) {
            if (other.record != expected.record && hasCode(*other.record) && other.matchesConstants(line)) {
                fail(number, formText(KindText), expected.name);
                reading_.placed = false;
                return other;
            }
        }
        return expected;
    }

    void readLine(int number, QByteArrayView line, const Kind& kind)
    {
        if (kind.employee)
            ++reading_.employees;
        const std::optional<std::vector<Placed>>* placed = &kind.placed(int(line.size()));
        if (!*placed) {
            fail(number, formText(LengthText), formText(BytesText).arg(kind.record->length()));
            reading_.placed = false;
            placed = &kind.placed(kind.record->length());
        }
        ReadLine read{number, kind.name, {}};
        ReadFields fields;
        for (const Placed& p : **placed) {
            // A line shorter than its record reads as blank past its end.
            const QByteArray bytes = line.sliced(std::min<qsizetype>(p.start, line.size()),
                                                 std::clamp<qsizetype>(line.size() - p.start, 0, p.width))
                                         .toByteArray();
            const QString text = FromBig5(bytes);
            if (keepLines_)
                read.fields.push_back({p.field->content, text});
            if (kind.checked)
                fields.insert(p.field->content, text);
            if (text.contains(QChar::ReplacementCharacter))
                fail(number, p.field->content, formText(Big5Text_));
            checkField(number, kind, p, bytes, text);
        }
        for (const Placed& p : **placed) {
            const FieldReading& reading = p.field->source.reading();
            if (reading.kind != FieldKind::Checked)
                continue;
            const std::optional<QString> expectedText = reading.check(fields, context_);
            if (expectedText && *expectedText != fields.value(p.field->content).trimmed())
                fail(number, p.field->content, *expectedText);
        }
        if (keepLines_)
            reading_.lines.push_back(std::move(read));
    }

    void checkField(int number, const Kind& kind, const Placed& placed, const QByteArray& bytes, const QString& text)
    {
        const MediaField& field = *placed.field;
        const FieldReading& reading = field.source.reading();
        std::optional<qint64> value;
        if (field.form == FieldForm::Zeros) {
            value = zerosNumber(bytes);
            if (!value) {
                fail(number, field.content, formText(DigitsText));
                return;
            }
        }
        switch (reading.kind) {
        case FieldKind::Constant:
            if (bytes != kind.constant(placed))
                fail(number, field.content, reading.constant.trimmed().isEmpty() ? formText(BlankText) : reading.constant);
            break;
        case FieldKind::Date:
            if (!dateExists(text, reading.roc))
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
    bool keepLines_;
    std::vector<Kind> all_;
    MediaFileReading reading_;
    std::vector<Pending> pending_;
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
            {QStringLiteral("total"), reading.total},
            {QStringLiteral("valid"), reading.valid()}};
}
