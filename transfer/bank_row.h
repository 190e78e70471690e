#pragma once
// A bank's row of BANK1: its parameters ID1 ... ID5 (and ID10), its display name and the media
// file name last written. A missing row is never an error: reads give nothing, the parameter
// dialog creates it, the export leaves it absent. Each write (lookup and change) is one transaction.
#include "runtime/db/msqltable.h"

#include <QMap>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class BankRow {
public:
    explicit BankRow(QString key) : key_(std::move(key)) {}
    const QString& key() const { return key_; }

    // Every column of the row, or nothing when the row does not exist.
    std::optional<QMap<QString, QString>> Read() const;

    // Writes the parameters (column, text) in order: an existing row is updated, a new one gets
    // `defaultFileName` as its FILENAME first (none when it is empty). NAME is set to `bankName`.
    void Save(const QString& bankName, const std::vector<std::pair<QString, QString>>& parameters,
              const QString& defaultFileName) const;

    // Stores the file name part of `path` (after the last "/" or "\") in FILENAME when the row exists;
    // `merge` (name, FILENAME as stored) gives what to store instead of the name alone. `alongside`
    // writes in the same transaction (the export log): both are saved, or neither.
    using FileNameMerge = std::function<QString(const QString& name, const QString& stored)>;
    void RememberFileName(const QString& path, const FileNameMerge& merge = {}, const std::function<void()>& alongside = {}) const;

private:
    QString key_;
};

// The BANK1 table of the company database, open on its key BNK_NO and fetching only the rows looked up.
db::MSQLTable OpenBank1Table();

// The part of a path after its last "/" or "\" (at most 255 characters).
QString FileNamePart(const QString& path);
