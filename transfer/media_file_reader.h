#pragma once
// Reads a media file back by its bank's layout: the record kind of each line, its fields by what
// they hold, and the checks a bank makes before it takes the file (line ends, record lengths, digits,
// dates, the order of the records, serial numbers, totals and counts, check codes, Big5).
#include "runtime/read_line_sink.h"
#include "transfer/media_layout.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>
#include <QVariantMap>
#include <optional>
#include <vector>

struct MediaFileReading {
    std::vector<ReadLine> lines;   // kept by ReadingDetail::Lines alone
    // One per failed check, the first ListedFailures of them: the line, the field and what was
    // expected; the failures found after those are only counted.
    QStringList failures;
    qint64 unlistedFailures = 0;
    int records = 0;
    int employees = 0;
    double total = 0;       // the employees' amounts, in whole units
    // The unit the employees' amounts are written in; none when the layout marks no amount.
    std::optional<source::Unit> amountUnit;
    // Whether every line could be read as a record of its kind, field by field.
    bool placed = true;
    bool valid() const { return failures.isEmpty(); }
};

// How many failures a reading lists. A file of anything but records (random bytes, another file)
// fails on every line: past these it is only counted, whatever its size.
constexpr int ListedFailures = 200;

// What a reading keeps: every line field by field, with every check (to show or compare); or no
// line, every check made all the same (a file of any size, as an export reads back the file it
// wrote).
enum class ReadingDetail { Lines, Checks };

// Whether a value the clerk was shown and knowingly accepted before the export (an account whose
// check digit fails, listed for him to mend or to go on) is checked: always, but in the export's
// own read-back of the file that it wrote.
enum class AcceptedValues { Checked, Passed };

// `context` carries the bank's parameters, which some check codes depend on.
MediaFileReading ReadMediaFile(const MediaLayout& layout, const QByteArray& bytes, const RecordContext& context,
                               ReadingDetail detail = ReadingDetail::Lines);
// The same from an open file, read a piece at a time (twice: it must be able to go back to its start).
MediaFileReading ReadMediaFile(const MediaLayout& layout, QIODevice& file, const RecordContext& context,
                               ReadingDetail detail = ReadingDetail::Lines, AcceptedValues accepted = AcceptedValues::Checked);
// The same, each line handed to `sink` as it is read and none kept: as many lines as are read
// before the failures listed reach their limit.
MediaFileReading ReadMediaFile(const MediaLayout& layout, QIODevice& file, const RecordContext& context, ReadLineSink& sink);

// The reading for hosts that know the module only by its objects: "lines" (each "line", "kind" and
// "fields", each field "name" and "text"; none when the lines went to a sink), "failures",
// "unlisted_failures", "records", "employees", "total" (null for a file that holds no amounts) and
// "valid".
QVariantMap ReadingAsVariant(const MediaFileReading& reading);
