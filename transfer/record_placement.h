#pragma once
// Where the fields of a record stand in a line read back. Most fields keep the width the layout gives;
// a few vary with what they hold: a date in ROC form with an unpadded year takes one byte more from
// the year 100 on, a cut text may be shorter, down to nothing, and the one text of a record written
// whole takes what it holds. Of the ways the line's length can be shared among them, the first whose
// fixed texts, numbers and dates read as such is taken, or else the one that reads best.
#include "transfer/media_record.h"

#include <QByteArray>
#include <optional>
#include <vector>

struct PlacedField {
    const MediaField* field;
    int start;   // 0-based
    int width;
};

struct Placement {
    std::vector<PlacedField> fields;
    // How many fields of fixed text, numbers and dates do not read as such.
    int misfits = 0;
};

// None when no sharing of the line's length fits the record.
std::optional<Placement> PlaceFields(const MediaRecord& record, const QByteArray& line);
// The fields at the widths the layout gives them.
std::vector<PlacedField> NominalPlacement(const MediaRecord& record);

// The lengths a line of the record can have: the shortest, and the longest (none for a record with a
// text written whole).
struct LineLengths {
    int shortest;
    std::optional<int> longest;
};
LineLengths LengthsOf(const MediaRecord& record);
