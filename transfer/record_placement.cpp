#include "transfer/record_placement.h"

#include "transfer/read_field_shapes.h"

#include <climits>
#include <utility>

namespace {

bool growsFromYear100(const MediaField& field)
{
    const FieldReading& reading = field.source.reading();
    return field.form == FieldForm::Whole && reading.kind == FieldKind::Date && reading.roc && reading.yearDigits == 0;
}

// A text written whole whatever its length (a code as kept); a date written whole has its form's length.
bool writtenWhole(const MediaField& field)
{
    return field.form == FieldForm::Whole && field.source.reading().kind != FieldKind::Date;
}

// How far a field's width may stray from the layout's, but for a text written whole.
struct Range {
    int least = 0;
    int most = 0;
};

Range rangeOf(const MediaField& field)
{
    if (growsFromYear100(field))
        return {0, 1};
    if (field.form == FieldForm::Cut)
        return {-field.width, 0};
    return {};
}

// How many fields of fixed text, numbers and dates do not read as such.
int misfits(const std::vector<PlacedField>& placed, const QByteArray& line)
{
    int count = 0;
    for (const PlacedField& p : placed) {
        const QByteArray bytes = line.mid(p.start, p.width);
        const FieldReading& reading = p.field->source.reading();
        const bool fits = reading.kind == FieldKind::Constant ? bytes == ConstantBytes(*p.field)
            : p.field->form == FieldForm::Zeros               ? ZerosNumber(bytes).has_value()
            : reading.kind == FieldKind::Date                 ? DateExists(QString::fromLatin1(bytes), *p.field)
                                                              : true;
        count += fits ? 0 : 1;
    }
    return count;
}

// Tries every sharing of the line's length among the fields of varying width, each nearest to the
// layout's width first.
class Search {
public:
    Search(const MediaRecord& record, const QByteArray& line)
        : fields_(record.fields())
        , line_(line)
        , extra_(int(line.size()) - record.length())
        , deltas_(fields_.size(), 0)
        , reachLeast_(fields_.size() + 1, 0)
        , reachMost_(fields_.size() + 1, 0)
    {
        int whole = 0;
        for (size_t i = 0; i < fields_.size(); ++i) {
            if (writtenWhole(fields_[i])) {
                ++whole;
                absorber_ = int(i);
            }
        }
        if (whole != 1)
            absorber_ = -1;
        for (size_t i = fields_.size(); i-- > 0;) {
            const Range range = rangeOf(fields_[i]);
            reachLeast_[i] = reachLeast_[i + 1] + range.least;
            reachMost_[i] = reachMost_[i + 1] + range.most;
        }
    }

    std::optional<Placement> Run()
    {
        step(0, 0);
        return best_;
    }

private:
    void step(size_t i, int sum)
    {
        if (bestScore_ == std::pair{0, 0})
            return;
        // What is left over for the text written whole, whatever the fields from here on take; without
        // such a text nothing may be left over.
        const int rest = extra_ - sum, leftMost = rest - reachLeast_[i], leftLeast = rest - reachMost_[i];
        if (absorber_ < 0 ? leftLeast > 0 || leftMost < 0 : leftMost < -fields_[size_t(absorber_)].width)
            return;
        if (i == fields_.size()) {
            finish(rest);
            return;
        }
        const Range range = rangeOf(fields_[i]);
        for (int distance = 0; distance <= std::max(-range.least, range.most); ++distance) {
            for (const int delta : {-distance, distance}) {
                if (delta < range.least || delta > range.most)
                    continue;
                deltas_[i] = delta;
                step(i + 1, sum + delta);
                if (distance == 0)
                    break;
            }
        }
        deltas_[i] = 0;
    }

    // Keeps the placement when it reads better than the best so far: fewer misfits, then fewer texts
    // away from their layout's width.
    void finish(int rest)
    {
        Placement placement;
        int start = 0, strays = 0;
        for (size_t i = 0; i < fields_.size(); ++i) {
            const int delta = int(i) == absorber_ ? rest : deltas_[i];
            placement.fields.push_back({&fields_[i], start, fields_[i].width + delta});
            start += fields_[i].width + delta;
            strays += delta != 0 && !growsFromYear100(fields_[i]) ? 1 : 0;
        }
        const std::pair<int, int> score{misfits(placement.fields, line_), strays};
        if (score < bestScore_) {
            bestScore_ = score;
            placement.misfits = score.first;
            best_ = std::move(placement);
        }
    }

    const std::vector<MediaField>& fields_;
    const QByteArray& line_;
    const int extra_;
    int absorber_ = -1;
    std::vector<int> deltas_;
    // The least and the most the fields from each one on may stray together.
    std::vector<int> reachLeast_, reachMost_;
    std::optional<Placement> best_;
    std::pair<int, int> bestScore_{INT_MAX, INT_MAX};
};

} // namespace

std::optional<Placement> PlaceFields(const MediaRecord& record, const QByteArray& line)
{
    return Search(record, line).Run();
}

std::vector<PlacedField> NominalPlacement(const MediaRecord& record)
{
    std::vector<PlacedField> placed;
    int start = 0;
    for (const MediaField& field : record.fields()) {
        placed.push_back({&field, start, field.width});
        start += field.width;
    }
    return placed;
}

LineLengths LengthsOf(const MediaRecord& record)
{
    int whole = 0, least = 0, most = 0, wholeWidth = 0;
    for (const MediaField& field : record.fields()) {
        const Range range = rangeOf(field);
        least += range.least;
        most += range.most;
        if (writtenWhole(field)) {
            ++whole;
            wholeWidth = field.width;
        }
    }
    if (whole == 1)
        return {record.length() + least - wholeWidth, std::nullopt};
    return {record.length() + least, record.length() + most};
}
