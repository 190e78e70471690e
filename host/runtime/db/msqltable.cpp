#include "runtime/db/msqltable.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {
namespace {

bool IsNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// The order of the index: NULL first, numbers by value, texts character by character.
int CompareValues(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    if (IsNumber(a) && IsNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return a.toString().compare(b.toString());
}

QString KeyText(const QVariantList& values)
{
    QStringList parts;
    for (const QVariant& v : values)
        parts << (v.isNull() ? QStringLiteral("NULL") : v.toString());
    return parts.join(u';');
}

} // namespace

MSQLTable::MSQLTable(const QString& databaseName, const QString& tableName, const QString& indexFieldNames)
    : db_(databaseName), table_(tableName)
{
    for (const QString& f : indexFieldNames.split(u';', Qt::SkipEmptyParts))
        index_ << f.trimmed().toUpper();
}

void MSQLTable::setSelectFields(const QString& fields)
{
    selectFields_ = fields;
    columns_.clear();
}

void MSQLTable::SetKeyRecordHistory(bool on)
{
    history_ << (on ? QStringLiteral("history on") : QStringLiteral("history off"));
}

void MSQLTable::open()
{
    if (active_)
        return;
    loadColumns();
    rows_.clear();
    if (!keyOnly_)
        readRows({});
    pos_ = 0;
    mode_ = Mode::Browse;
    active_ = true;
    history_ << QStringLiteral("open");
}

void MSQLTable::close()
{
    active_ = false;
    rows_.clear();
    pos_ = 0;
    mode_ = Mode::Browse;
    lastKey_.clear();
    history_ << QStringLiteral("close");
}

void MSQLTable::refresh()
{
    history_ << QStringLiteral("refresh");
    if (!active_)
        return;
    post();
    const QVariantList current = eof() ? QVariantList() : keyOf(rows_[pos_]);
    if (keyOnly_) {
        rows_.clear();
        if (!lastKey_.isEmpty())
            readRows(lastKey_);
    } else {
        readRows({});
    }
    pos_ = 0;
    if (!current.isEmpty())
        for (size_t i = 0; i < rows_.size(); ++i)
            if (compareKeys(keyOf(rows_[i]), current) == 0) {
                pos_ = i;
                break;
            }
}

bool MSQLTable::hasField(const QString& name) const
{
    loadColumns();
    return columns_.contains(name.toUpper());
}

bool MSQLTable::findKey(const QVariantList& values)
{
    if (values.isEmpty() || values.size() > index_.size())
        throw DatabaseError(QStringLiteral("A lookup in the table %1 needs 1 to %2 key values, not %3.")
                                .arg(table_).arg(index_.size()).arg(values.size())
                                .toStdString());
    open();
    post();   // a row being edited is written before the table moves, as on any data set
    if (keyOnly_) {
        lastKey_ = values;
        readRows(values);
        pos_ = 0;
        return !rows_.empty();
    }
    for (size_t i = 0; i < rows_.size(); ++i)
        if (leadingKeyEquals(rows_[i], values)) {
            pos_ = i;
            return true;
        }
    return false;
}

void MSQLTable::first()
{
    pos_ = 0;
}

void MSQLTable::next()
{
    if (pos_ < rows_.size())
        ++pos_;
}

bool MSQLTable::eof() const
{
    return pos_ >= rows_.size();
}

QVariant MSQLTable::field(const QString& name) const
{
    const std::map<QString, QVariant>* row = mode_ != Mode::Browse ? &editing_
                                             : (eof() ? nullptr : &rows_[pos_]);
    if (!row)
        return QVariant();
    const auto it = row->find(name.toUpper());
    return it == row->end() ? QVariant() : it->second;
}

QString MSQLTable::fieldText(const QString& name) const
{
    const QVariant v = field(name);
    return v.isNull() ? QString() : v.toString();
}

void MSQLTable::edit()
{
    if (mode_ != Mode::Browse)
        return;
    if (!active_ || eof())
        throw DatabaseError(QStringLiteral("There is no row of the table %1 to change.").arg(table_).toStdString());
    editing_ = rows_[pos_];
    originalKey_.clear();
    for (const QString& f : index_)
        originalKey_[f] = editing_[f];
    changed_.clear();
    mode_ = Mode::Edit;
}

void MSQLTable::append()
{
    open();
    editing_.clear();
    for (const QString& c : columns_)
        editing_[c] = QVariant();
    changed_.clear();
    mode_ = Mode::Insert;
}

void MSQLTable::setField(const QString& name, const QVariant& value)
{
    if (mode_ == Mode::Browse)
        throw DatabaseError(QStringLiteral("The table %1 is not being edited; %2 cannot be set.")
                                .arg(table_, name)
                                .toStdString());
    const QString column = name.toUpper();
    if (!columns_.contains(column))
        throw DatabaseError(QStringLiteral("The table %1 has no column %2.").arg(table_, name).toStdString());
    editing_[column] = value;
    changed_.insert(column);
}

void MSQLTable::post()
{
    if (mode_ == Mode::Browse)
        return;
    if (mode_ == Mode::Edit)
        writeUpdate();
    else
        writeInsert();
    placeEditedRow();
    mode_ = Mode::Browse;
    editing_.clear();
    changed_.clear();
}

void MSQLTable::cancel()
{
    mode_ = Mode::Browse;
    editing_.clear();
    changed_.clear();
}

// ---- reading and writing ----------------------------------------------------------------------

QSqlDatabase MSQLTable::connection() const
{
    return RequireDefaultSession()->database(db_).connection();
}

void MSQLTable::loadColumns() const
{
    if (!columns_.isEmpty())
        return;
    const QSqlRecord record = RequireDefaultSession()->database(db_).tableColumns(table_);
    if (record.isEmpty())
        throw DatabaseError(QStringLiteral("The table %1 does not exist in the database \"%2\".")
                                .arg(table_, db_)
                                .toStdString());
    QStringList tableColumns;
    for (int i = 0; i < record.count(); ++i)
        tableColumns << record.fieldName(i).toUpper();
    QStringList wanted;
    for (const QString& f : selectFields_.split(u',', Qt::SkipEmptyParts))
        wanted << f.trimmed().toUpper();
    if (wanted.isEmpty())
        wanted = tableColumns;
    for (const QString& f : index_)
        if (!wanted.contains(f))
            wanted << f;
    for (const QString& f : wanted)
        if (!tableColumns.contains(f))
            throw DatabaseError(QStringLiteral("The table %1 has no column %2.").arg(table_, f).toStdString());
    columns_ = wanted;
}

// Conditions "F=?" for the given fields, "F IS NULL" where the value is NULL; binds the values.
QString MSQLTable::keyCondition(const QStringList& fields, const QVariantList& values, QVariantList& binds) const
{
    QStringList parts;
    for (int i = 0; i < values.size(); ++i) {
        if (values[i].isNull()) {
            parts << fields[i] + QStringLiteral(" IS NULL");
        } else {
            parts << fields[i] + QStringLiteral("=?");
            binds << values[i];
        }
    }
    return parts.join(QStringLiteral(" AND "));
}

QSqlQuery MSQLTable::runBound(const QString& statement, const QVariantList& binds, const QString& what) const
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw QueryFailure(what, query.lastError(), statement);
    for (const QVariant& v : binds)
        query.addBindValue(v);
    if (!query.exec())
        throw QueryFailure(what, query.lastError(), statement);
    return query;
}

void MSQLTable::readRows(const QVariantList& key)
{
    loadColumns();
    QString statement = QStringLiteral("SELECT %1 FROM %2").arg(columns_.join(u','), table_);
    QVariantList binds;
    if (!key.isEmpty())
        statement += QStringLiteral(" WHERE ") + keyCondition(index_.mid(0, key.size()), key, binds);
    if (!index_.isEmpty())
        statement += QStringLiteral(" ORDER BY ") + index_.join(u',');
    QSqlQuery query = runBound(statement, binds, QStringLiteral("The table %1 cannot be read").arg(table_));
    rows_.clear();
    while (query.next()) {
        std::map<QString, QVariant> row;
        for (int i = 0; i < columns_.size(); ++i)
            row.emplace(columns_[i], query.value(i));
        rows_.push_back(std::move(row));
    }
}

void MSQLTable::writeUpdate()
{
    if (changed_.empty())
        return;
    QStringList sets;
    QVariantList binds;
    for (const QString& c : changed_) {
        sets << c + QStringLiteral("=?");
        binds << editing_[c];
    }
    QVariantList key;
    for (const QString& f : index_)
        key << originalKey_[f];
    const QString statement = QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                  .arg(table_, sets.join(u','), keyCondition(index_, key, binds));
    QSqlQuery query = runBound(statement, binds, QStringLiteral("The change to the table %1 was refused").arg(table_));
    if (query.numRowsAffected() == 0)
        throw DatabaseError(QStringLiteral("The row %1 of the table %2 no longer exists; someone else has deleted it.")
                                .arg(KeyText(key), table_)
                                .toStdString());
}

void MSQLTable::writeInsert()
{
    QStringList names, marks;
    QVariantList binds;
    for (const QString& c : changed_) {
        names << c;
        marks << QStringLiteral("?");
        binds << editing_[c];
    }
    const QString statement = names.isEmpty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table_, names.join(u','), marks.join(u','));
    runBound(statement, binds, QStringLiteral("The new row of the table %1 was refused").arg(table_));
}

// After a post the written row stands where the index puts it, and becomes the current row.
void MSQLTable::placeEditedRow()
{
    if (mode_ == Mode::Edit)
        rows_.erase(rows_.begin() + std::ptrdiff_t(pos_));
    size_t at = rows_.size();
    if (!keyOnly_) {
        const QVariantList key = keyOf(editing_);
        for (size_t i = 0; i < rows_.size(); ++i)
            if (compareKeys(keyOf(rows_[i]), key) > 0) {
                at = i;
                break;
            }
    } else if (mode_ == Mode::Edit) {
        at = std::min(pos_, rows_.size());
    }
    rows_.insert(rows_.begin() + std::ptrdiff_t(at), editing_);
    pos_ = at;
}

QVariantList MSQLTable::keyOf(const std::map<QString, QVariant>& row) const
{
    QVariantList key;
    for (const QString& f : index_) {
        const auto it = row.find(f);
        key << (it == row.end() ? QVariant() : it->second);
    }
    return key;
}

int MSQLTable::compareKeys(const QVariantList& a, const QVariantList& b)
{
    for (int i = 0; i < std::min(a.size(), b.size()); ++i)
        if (const int c = CompareValues(a[i], b[i]))
            return c;
    return 0;
}

bool MSQLTable::leadingKeyEquals(const std::map<QString, QVariant>& row, const QVariantList& values) const
{
    const QVariantList key = keyOf(row);
    for (int i = 0; i < values.size(); ++i)
        if (CompareValues(key[i], values[i]) != 0)
            return false;
    return true;
}

} // namespace db
