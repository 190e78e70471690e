#pragma once
// Where the fields of a record stand in a line read back. Most fields keep the width the layout gives;
// a few vary with what they hold: a date in ROC form with an unpadded year takes one byte more from
// the year 100 on, a cut text may be shorter, down to nothing, and the one text of a record written
// whole takes what it holds. Of the ways the line's length can be shared among them, the first whose
// fixed texts, numbers and dates read as such is taken, or else the one that reads best.
#include "transfer/media_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <map>
#include <optional>
#include <vector>

struct PlacedField {
    const MediaField* field;
    int start;   // 0-based
    int width;
};

// The lengths a line of the record can have: the shortest, and the longest (none for a record with a
// text written whole).
struct LineLengths {
    int shortest;
    std::optional<int> longest;
};

// A record's fields over the lines read back, worked out once: the bytes of its fixed texts and, for
// each line length met that allows a single sharing among the fields of varying width (as for every
// record with at most one such field), where its fields stand. Other lengths are searched line by line.
class RecordPlacement {
public:
    explicit RecordPlacement(const MediaRecord& record);

    // The fields placed over `line`; none when no sharing of its length fits the record. Valid until
    // the next call.
    const std::vector<PlacedField>* Place(QByteArrayView line);
    // How many fields of fixed text, numbers and dates do not read as such.
    int Misfits(const std::vector<PlacedField>& placed, QByteArrayView line) const;
    // The bytes a field of fixed text of the record is written as.
    const QByteArray& Constant(const MediaField& field) const;
    // The fields at the widths the layout gives them.
    const std::vector<PlacedField>& Nominal() const { return nominal_; }
    LineLengths Lengths() const;

private:
    // Every sharing of `extra` bytes among the fields of varying width, each nearest to the layout's
    // width first, until `visit` (given each field's change in width) asks to stop.
    template <typename Visit>
    bool share(size_t i, int rest, std::vector<int>& deltas, Visit& visit) const;
    std::vector<PlacedField> placed(const std::vector<int>& deltas) const;
    std::optional<std::vector<PlacedField>> search(QByteArrayView line) const;

    struct Range {
        int least = 0;
        int most = 0;
    };
    // A length's sharing when it is the only one; `ambiguous` when several fit.
    struct Shared {
        std::optional<std::vector<PlacedField>> only;
        bool ambiguous = false;
    };

    const MediaRecord& record_;
    std::vector<Range> ranges_;   // how far each field's width may stray, but for a text written whole
    int absorber_ = -1;           // the one text written whole, which takes what is left over
    // The least and the most the fields from each one on may stray together.
    std::vector<int> reachLeast_, reachMost_;
    std::vector<QByteArray> constants_;
    std::vector<PlacedField> nominal_;
    std::map<int, Shared> byLength_;
    std::optional<std::vector<PlacedField>> searched_;
};
