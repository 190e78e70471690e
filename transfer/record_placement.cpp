#include "transfer/record_placement.h"

#include "transfer/read_field_shapes.h"

#include <algorithm>
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

} // namespace

RecordPlacement::RecordPlacement(const MediaRecord& record)
    : record_(record)
{
    const std::vector<MediaField>& fields = record.fields();
    int whole = 0, start = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        const MediaField& field = fields[i];
        ranges_.push_back(growsFromYear100(field) ? Range{0, 1} : field.form == FieldForm::Cut ? Range{-field.width, 0} : Range{});
        if (writtenWhole(field)) {
            ++whole;
            absorber_ = int(i);
        }
        constants_.push_back(field.source.reading().kind == FieldKind::Constant ? ConstantBytes(field) : QByteArray());
        nominal_.push_back({&field, start, field.width});
        start += field.width;
    }
    if (whole != 1)
        absorber_ = -1;
    reachLeast_.assign(fields.size() + 1, 0);
    reachMost_.assign(fields.size() + 1, 0);
    for (size_t i = fields.size(); i-- > 0;) {
        reachLeast_[i] = reachLeast_[i + 1] + ranges_[i].least;
        reachMost_[i] = reachMost_[i + 1] + ranges_[i].most;
    }
}

const std::vector<PlacedField>* RecordPlacement::Place(QByteArrayView line)
{
    const int length = int(line.size());
    auto found = byLength_.find(length);
    if (found == byLength_.end()) {
        Shared shared;
        int sharings = 0;
        std::vector<int> deltas(ranges_.size(), 0);
        auto visit = [&](const std::vector<int>& sharing) {
            if (++sharings == 1)
                shared.only = placed(sharing);
            return sharings > 1;
        };
        share(0, length - record_.length(), deltas, visit);
        shared.ambiguous = sharings > 1;
        if (shared.ambiguous)
            shared.only.reset();
        found = byLength_.emplace(length, std::move(shared)).first;
    }
    if (!found->second.ambiguous)
        return found->second.only ? &*found->second.only : nullptr;
    searched_ = search(line);
    return searched_ ? &*searched_ : nullptr;
}

template <typename Visit>
bool RecordPlacement::share(size_t i, int rest, std::vector<int>& deltas, Visit& visit) const
{
    // What is left over for the text written whole, whatever the fields from here on take; without
    // such a text nothing may be left over.
    const int leftMost = rest - reachLeast_[i], leftLeast = rest - reachMost_[i];
    if (absorber_ < 0 ? leftLeast > 0 || leftMost < 0 : leftMost < -record_.fields()[size_t(absorber_)].width)
        return false;
    if (i == ranges_.size()) {
        if (absorber_ >= 0)
            deltas[size_t(absorber_)] = rest;
        return visit(deltas);
    }
    const Range range = ranges_[i];
    for (int distance = 0; distance <= std::max(-range.least, range.most); ++distance) {
        for (const int delta : {-distance, distance}) {
            if (delta < range.least || delta > range.most)
                continue;
            deltas[i] = delta;
            if (share(i + 1, rest - delta, deltas, visit))
                return true;
            if (distance == 0)
                break;
        }
    }
    deltas[i] = 0;
    return false;
}

std::vector<PlacedField> RecordPlacement::placed(const std::vector<int>& deltas) const
{
    std::vector<PlacedField> fields = nominal_;
    int start = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i].start = start;
        fields[i].width += deltas[i];
        start += fields[i].width;
    }
    return fields;
}

// Keeps the sharing that reads best: fewer misfits, then fewer texts away from their layout's width
// (a date that grows is not away from it); the first that reads fully as laid out ends the search.
std::optional<std::vector<PlacedField>> RecordPlacement::search(QByteArrayView line) const
{
    std::optional<std::vector<PlacedField>> best;
    std::pair<int, int> bestScore{INT_MAX, INT_MAX};
    std::vector<int> deltas(ranges_.size(), 0);
    auto visit = [&](const std::vector<int>& sharing) {
        std::vector<PlacedField> fields = placed(sharing);
        int strays = 0;
        for (size_t i = 0; i < sharing.size(); ++i)
            strays += sharing[i] != 0 && ranges_[i].most == 0 ? 1 : 0;
        const std::pair<int, int> score{Misfits(fields, line), strays};
        if (score < bestScore) {
            bestScore = score;
            best = std::move(fields);
        }
        return score == std::pair{0, 0};
    };
    share(0, int(line.size()) - record_.length(), deltas, visit);
    return best;
}

int RecordPlacement::Misfits(const std::vector<PlacedField>& placed, QByteArrayView line) const
{
    int count = 0;
    for (const PlacedField& p : placed) {
        const QByteArrayView bytes = line.sliced(p.start, p.width);
        const FieldReading& reading = p.field->source.reading();
        const bool fits = reading.kind == FieldKind::Constant ? bytes == Constant(*p.field)
            : p.field->form == FieldForm::Zeros               ? ZerosNumber(bytes).has_value()
            : reading.kind == FieldKind::Date                 ? DateExists(bytes, *p.field)
                                                              : true;
        count += fits ? 0 : 1;
    }
    return count;
}

const QByteArray& RecordPlacement::Constant(const MediaField& field) const
{
    return constants_[size_t(&field - record_.fields().data())];
}

LineLengths RecordPlacement::Lengths() const
{
    const int least = record_.length() + reachLeast_.front(), most = record_.length() + reachMost_.front();
    if (absorber_ >= 0)
        return {least - record_.fields()[size_t(absorber_)].width, std::nullopt};
    return {least, most};
}
