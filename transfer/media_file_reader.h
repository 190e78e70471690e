#pragma once
// Reads a media file back by its bank's layout: the record kind of each line, its fields by what
// they hold, and the checks a bank makes before it takes the file (line ends, record lengths, digits,
// dates, the order of the records, serial numbers, totals and counts, check codes, Big5).
#include "transfer/media_layout.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>
#include <QVariantMap>
#include <optional>
#include <vector>

struct ReadField {
    QString content;   // what the field holds, as the layout names it
    QString text;      // the field's bytes, Big5 decoded
};

struct ReadLine {
    int number = 0;    // from 1
    QString kind;      // header, detail or trailer, in the clerk's language
    std::vector<ReadField> fields;
};

struct MediaFileReading {
    std::vector<ReadLine> lines;
    QStringList failures;   // one per failed check: the line, the field and what was expected
    int records = 0;
    int employees = 0;
    double total = 0;       // the employees' amounts, in whole units
    // The unit the employees' amounts are written in; none when the layout marks no amount.
    std::optional<source::Unit> amountUnit;
    // Whether every line could be read as a record of its kind, field by field.
    bool placed = true;
    bool valid() const { return failures.isEmpty(); }
};

// What a reading keeps: every line field by field, with every check (to show or compare); or only the
// kind of each line, the employees and their total, whose checks alone it makes (the check of a file
// just written against the table it was written from, which would otherwise hold the file many times
// over).
enum class ReadingDetail { Lines, Totals };

// `context` carries the bank's parameters, which some check codes depend on.
MediaFileReading ReadMediaFile(const MediaLayout& layout, const QByteArray& bytes, const RecordContext& context,
                               ReadingDetail detail = ReadingDetail::Lines);
// The same from an open file, read a piece at a time (twice: it must be able to go back to its start).
MediaFileReading ReadMediaFile(const MediaLayout& layout, QIODevice& file, const RecordContext& context,
                               ReadingDetail detail = ReadingDetail::Lines);

// The reading for hosts that know the module only by its objects: "lines" (each "line", "kind" and
// "fields", each field "name" and "text"), "failures", "records", "employees", "total" (null for a
// file that holds no amounts) and "valid".
QVariantMap ReadingAsVariant(const MediaFileReading& reading);
