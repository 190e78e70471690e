#include "runtime/db/localtable.h"
#include "runtime/db/database.h"
#include "runtime/db/row_filter.h"
#include <QMetaMethod>
#include <algorithm>
#include <utility>
#include <cmath>
#include <map>
#include <stdexcept>

namespace db {

// ---- LocalTableData ---------------------------------------------------------------------------

int LocalTableData::fieldIndex(const QString& name) const
{
    for (size_t i = 0; i < fields.size(); ++i)   // the name as defined is the usual case, and cheap
        if (fields[i].name == name)
            return int(i);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

std::shared_ptr<LocalTableData> LocalTableData::Get(const QString& databaseName, const QString& tableName)
{
    static std::map<QString, std::weak_ptr<LocalTableData>> registry;
    std::erase_if(registry, [](const auto& entry) { return entry.second.expired(); });
    const QString key = databaseName.toUpper() + u'\n' + tableName.toUpper();
    if (auto existing = registry[key].lock())
        return existing;
    auto table = std::make_shared<LocalTableData>();
    table->databaseName = databaseName;
    table->tableName = tableName;
    registry[key] = table;
    return table;
}

void LocalTableData::beginUpdate()
{
    ++updateDepth_;
}

void LocalTableData::endUpdate()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0)
        return;
    if (std::exchange(structurePending_, false))
        notifyStructureChanged();
    if (std::exchange(rowsPending_, false))
        notifyRowsChanged();
}

void LocalTableData::notifyRowsChanged()
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&LocalTableData::rowsChanged);
    ++version;
    if (updateDepth_ > 0)
        rowsPending_ = true;
    else if (isSignalConnected(signal))
        emit rowsChanged();
}

void LocalTableData::notifyStructureChanged()
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&LocalTableData::structureChanged);
    ++version;
    ++fieldsVersion;
    if (updateDepth_ > 0)
        structurePending_ = true;
    else if (isSignalConnected(signal))
        emit structureChanged();
}

// ---- LocalTable: structure --------------------------------------------------------------------

namespace {

[[noreturn]] void NoSuchField(const LocalTableData& d, const QString& name)
{
    throw std::invalid_argument(
        QStringLiteral("The table %1 has no field %2.").arg(d.tableName, name).toStdString());
}

bool IsNumeric(FieldDef::Type type)
{
    return type != FieldDef::Type::Text;
}

// The value made as the field keeps it, in place: texts cut to the field's size, numbers as numbers.
// A text that fits its text field and a double for a float field, what a fill sets most, stay as they are.
void KeepAsField(const FieldDef& def, QVariant& value)
{
    const int type = LocalRows::TypeOf(value);
    if (type == QMetaType::UnknownType) {
        value = QVariant();
        return;
    }
    if (def.type == FieldDef::Type::Text) {
        if (type == QMetaType::QString && (def.size <= 0 || static_cast<const QString*>(value.constData())->size() <= def.size))
            return;
        const QString text = value.toString();
        value = def.size > 0 ? text.left(def.size) : text;
        return;
    }
    if (def.type == FieldDef::Type::Float && type == QMetaType::Double)
        return;
    if (type == QMetaType::QString && value.toString().trimmed().isEmpty()) {
        value = QVariant();
        return;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        throw std::invalid_argument(QStringLiteral("The field %1 takes a number, not \"%2\".")
                                        .arg(def.name, value.toString())
                                        .toStdString());
    if (def.type == FieldDef::Type::Integer)
        value = QVariant(qint64(std::llround(number)));
    else
        value = QVariant(number);
}

int CompareForSort(const FieldDef& def, const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return int(!a.isNull()) - int(!b.isNull());
    if (IsNumeric(def.type)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return a.toString().compare(b.toString());
}

} // namespace

LocalTable::LocalTable(const QString& databaseName, const QString& tableName)
    : databaseName_(databaseName), tableName_(tableName)
{
}

void LocalTable::setDatabaseName(const QString& name)
{
    if (name == databaseName_)
        return;
    close();
    databaseName_ = name;
    data_.reset();
}

void LocalTable::setTableName(const QString& name)
{
    if (name == tableName_)
        return;
    close();
    tableName_ = name;
    data_.reset();
}

std::shared_ptr<LocalTableData> LocalTable::data() const
{
    table();
    return data_;
}

LocalTableData& LocalTable::attach() const
{
    data_ = LocalTableData::Get(databaseName_, tableName_);
    return *data_;
}

void LocalTable::clearFields()
{
    LocalTableData* d = &table();
    d->fields.clear();
    d->rows.clear();
    d->created = false;
    d->notifyStructureChanged();
}

void LocalTable::addField(const FieldDef& def)
{
    LocalTableData* d = &table();
    if (d->fieldIndex(def.name) >= 0)
        throw std::invalid_argument(
            QStringLiteral("The table %1 already has a field %2.").arg(tableName_, def.name).toStdString());
    d->fields.push_back(def);
    d->rows.addColumn();
    d->notifyStructureChanged();
}

void LocalTable::createTable()
{
    LocalTableData* d = &table();
    if (d->fields.empty())
        throw std::invalid_argument(
            QStringLiteral("The table %1 cannot be created without fields.").arg(tableName_).toStdString());
    d->rows.clear();
    d->created = true;
    d->notifyStructureChanged();
}

FieldDef& LocalTable::fieldDef(const QString& name)
{
    LocalTableData* d = &table();
    const int i = d->fieldIndex(name);
    if (i < 0)
        NoSuchField(*d, name);
    return d->fields[size_t(i)];
}

const std::vector<FieldDef>& LocalTable::fields() const
{
    return table().fields;
}

bool LocalTable::hasField(const QString& name) const
{
    return numberOf(name) >= 0;
}

void LocalTable::readFieldsAs(QHash<QString, QString> names)
{
    readAs_ = std::move(names);
    keptTable_ = nullptr;   // the names kept stand for other fields now
}

// ---- LocalTable: state and filter -------------------------------------------------------------

void LocalTable::open()
{
    if (!table().created)
        throw DatabaseError(QStringLiteral("The table %1 does not exist.").arg(tableName_).toStdString());
    active_ = true;
    first();
}

void LocalTable::close()
{
    cancel();
    active_ = false;
}

void LocalTable::emptyTable()
{
    cancel();
    LocalTableData* d = &table();
    d->rows.clear();
    d->notifyRowsChanged();
    first();
}

void LocalTable::setFilter(const QString& expression)
{
    if (expression.trimmed().isEmpty()) {
        predicate_ = nullptr;
    } else {
        const RowFilter filter(expression);
        LocalTableData* d = &table();
        if (!d->fields.empty())
            for (const QString& f : filter.fieldNames())
                if (d->fieldIndex(f) < 0)
                    throw std::invalid_argument(QStringLiteral("The filter \"%1\" names the field %2, which the table %3 does not have.")
                                                    .arg(expression, f, tableName_)
                                                    .toStdString());
        predicate_ = [filter](const std::vector<FieldDef>& fields, const std::function<QVariant(size_t)>& cell) {
            return filter.matches(fields, cell);
        };
    }
    filter_ = expression;
    visibleStale_ = true;
    first();
}

void LocalTable::setFiltered(bool on)
{
    filtered_ = on;
    visibleStale_ = true;
    first();
}

std::vector<size_t>& LocalTable::visible() const
{
    if (visibleStale_ || visibleVersion_ != table().version)
        rebuildVisible();
    return visible_;
}

void LocalTable::rebuildVisible() const
{
    const LocalTableData* d = &table();
    visible_.clear();
    for (size_t i = 0; i < d->rows.size(); ++i)
        if (predicate_(d->fields, [&](size_t column) { return d->rows.cell(i, column); }))
            visible_.push_back(i);
    visibleStale_ = false;
    visibleVersion_ = d->version;
}

void LocalTable::readFrom(size_t index) const
{
    const LocalTableData* d = &table();
    if (readTable_ == d && readIndex_ == index && readVersion_ == d->version)
        return;
    // Every cell of the new row has its start noted, so no value left from the row before is read:
    // the values need not be cleared, only made as many.
    d->rows.cellStarts(index, readCells_);
    readRow_.resize(readCells_.size());
    readTable_ = d;
    readIndex_ = index;
    readVersion_ = d->version;
}

QVariant LocalTable::storedCell(size_t index, size_t column) const
{
    readFrom(index);
    if (column >= readRow_.size())
        return QVariant();
    if (const char* cell = std::exchange(readCells_[column], nullptr))
        readRow_[column] = LocalRows::Decode(cell);
    return readRow_[column];
}

const std::vector<QVariant>& LocalTable::storedRow(size_t index) const
{
    readFrom(index);
    for (size_t column = 0; column < readRow_.size(); ++column)
        if (const char* cell = std::exchange(readCells_[column], nullptr))
            readRow_[column] = LocalRows::Decode(cell);
    return readRow_;
}

// ---- LocalTable: navigation -------------------------------------------------------------------

void LocalTable::first()
{
    pos_ = 0;
    bof_ = true;
    eof_ = visibleCount() == 0;
}

void LocalTable::next()
{
    if (pos_ + 1 < visibleCount()) {
        ++pos_;
        eof_ = false;
    } else {
        eof_ = true;
    }
    bof_ = false;
}

void LocalTable::prior()
{
    if (pos_ > 0 && visibleCount() > 0) {
        pos_ = std::min(pos_, visibleCount()) - 1;
        bof_ = false;
    } else {
        bof_ = true;
    }
    eof_ = false;
}

void LocalTable::last()
{
    const size_t n = visibleCount();
    pos_ = n > 0 ? n - 1 : 0;
    eof_ = true;
    bof_ = n == 0;
}

void LocalTable::moveTo(int position)
{
    pos_ = size_t(std::max(position, 0));
    bof_ = pos_ == 0;
    eof_ = pos_ >= visibleCount();
}

bool LocalTable::eof() const
{
    return eof_ || pos_ >= visibleCount();
}

bool LocalTable::bof() const
{
    return bof_ || visibleCount() == 0;
}

bool LocalTable::isEmpty() const
{
    return visibleCount() == 0;
}

int LocalTable::recordCount() const
{
    return int(visibleCount());
}

int LocalTable::recNo() const
{
    return visibleCount() == 0 ? -1 : int(std::min(pos_, visibleCount() - 1));
}

// ---- LocalTable: editing ----------------------------------------------------------------------

void LocalTable::requireActive() const
{
    if (!active_)
        throw DatabaseError(QStringLiteral("The table %1 is not open.").arg(tableName_).toStdString());
}

void LocalTable::append()
{
    requireActive();
    post();
    // Emptied, then grown with null values made in place: quicker than assigning a null to each.
    editRow_.clear();
    editRow_.resize(table().fields.size());
    appending_ = true;
    editing_ = true;
}

void LocalTable::edit()
{
    requireActive();
    if (editing_)
        return;
    if (visibleCount() == 0)
        throw DatabaseError(QStringLiteral("The table %1 has no row to change.").arg(tableName_).toStdString());
    editIndex_ = currentRow();
    editRow_ = storedRow(editIndex_);
    appending_ = false;
    editing_ = true;
}

void LocalTable::setField(const QString& name, QVariant value)
{
    setField(fieldNumber(name), std::move(value));
}

int LocalTable::fieldNumber(const QString& name) const
{
    const LocalTableData& d = table();
    const int i = numberOf(name);
    if (i < 0)
        NoSuchField(d, name);
    return i;
}

void LocalTable::requireFieldNumber(int number) const
{
    if (number < 0 || size_t(number) >= table().fields.size())
        throw DatabaseError(QStringLiteral("The table %1 has no field number %2.").arg(tableName_).arg(number).toStdString());
}

void LocalTable::setField(int number, QVariant value)
{
    requireFieldNumber(number);
    const LocalTableData& d = table();
    if (!editing_)
        throw DatabaseError(QStringLiteral("The table %1 is not being edited; %2 cannot be set.")
                                .arg(tableName_, d.fields[size_t(number)].name)
                                .toStdString());
    if (size_t(number) >= editRow_.size())
        throw DatabaseError(QStringLiteral("The fields of the table %1 changed while a row was edited.")
                                .arg(tableName_)
                                .toStdString());
    KeepAsField(d.fields[size_t(number)], value);
    editRow_[size_t(number)].swap(value);
}

void LocalTable::post()
{
    if (!editing_)
        return;
    LocalTableData* d = &table();
    if (editRow_.size() != d->fields.size()) {
        cancel();
        throw DatabaseError(QStringLiteral("The fields of the table %1 changed while a row was edited.")
                                .arg(tableName_)
                                .toStdString());
    }
    const bool visibleWasCurrent = filtering() && !visibleStale_ && visibleVersion_ == d->version;
    size_t row;
    bool shown = false;
    if (appending_) {
        row = d->rows.size();
        if (visibleWasCurrent)
            shown = predicate_(d->fields, [this](size_t column) { return editRow_[column]; });
        d->rows.push_back(editRow_);
    } else {
        if (editIndex_ >= d->rows.size()) {
            cancel();
            throw DatabaseError(QStringLiteral("The row of the table %1 being changed no longer exists.")
                                    .arg(tableName_)
                                    .toStdString());
        }
        row = editIndex_;
        d->rows.replace(row, editRow_);
    }
    editing_ = false;
    const quint64 posted = d->version + 1;   // a listener that changes the rows again moves it on
    d->notifyRowsChanged();
    // The posted row is the one read next, as often as not. The row read before gives its room to
    // the next row edited.
    std::swap(readRow_, editRow_);
    readCells_.assign(readRow_.size(), nullptr);
    editRow_.clear();
    readTable_ = d;
    readIndex_ = row;
    readVersion_ = posted;
    // Keep the filtered view without a full rescan when only this post changed the rows.
    if (visibleWasCurrent && appending_) {
        if (shown)
            visible_.push_back(row);
        visibleVersion_ = d->version;
    }
    appending_ = false;
    if (!filtering()) {
        pos_ = row;
    } else {
        const auto& v = visible();
        const auto at = std::find(v.begin(), v.end(), row);
        pos_ = at == v.end() ? pos_ : size_t(at - v.begin());
    }
    eof_ = bof_ = false;
}

void LocalTable::cancel()
{
    editing_ = false;
    appending_ = false;
    editRow_.clear();
}

QVariant LocalTable::field(const QString& name) const
{
    return field(fieldNumber(name));
}

QVariant LocalTable::field(int number) const
{
    requireFieldNumber(number);
    if (editing_)
        return size_t(number) < editRow_.size() ? editRow_[size_t(number)] : QVariant();
    if (visibleCount() == 0)
        return QVariant();
    return storedCell(currentRow(), size_t(number));
}

int LocalTable::numberOf(const QString& name) const
{
    const LocalTableData* d = &table();
    if (keptTable_ != d || keptFields_ != d->fieldsVersion) {
        keptNumbers_.fill({});
        keptTable_ = d;
        keptFields_ = d->fieldsVersion;
    }
    // Characters shared with a kept name are those of an equal name: shared characters are never
    // changed in place, and a literal's or raw data's may not change while a copy of the name lives.
    for (const KeptNumber& kept : keptNumbers_) {
        if (kept.name.constData() == name.constData() && kept.name.size() == name.size())
            return kept.number;
    }
    int number = -1;
    if (readAs_.isEmpty())
        number = d->fieldIndex(name);
    else if (const auto own = readAs_.constFind(name.toUpper()); own != readAs_.cend())
        number = d->fieldIndex(*own);
    keptNumbers_[nextKept_] = {name, number};
    nextKept_ = (nextKept_ + 1) % keptNumbers_.size();
    return number;
}

// A stored cell not yet read is taken from its row as it stands: the media file reads most fields
// this way, once each.
const char* LocalTable::unreadCell(const QString& name) const
{
    if (editing_ || visibleCount() == 0)
        return nullptr;
    const int i = numberOf(name);
    if (i < 0)
        return nullptr;
    readFrom(currentRow());
    return size_t(i) < readCells_.size() ? readCells_[size_t(i)] : nullptr;
}

QString LocalTable::fieldText(const QString& name) const
{
    if (const char* cell = unreadCell(name))
        return LocalRows::DecodeText(cell);
    const QVariant v = field(name);
    return v.isNull() ? QString() : v.toString();
}

void LocalTable::fieldTextInto(const QString& name, QString& into) const
{
    if (const char* cell = unreadCell(name))
        LocalRows::DecodeTextInto(cell, into);
    else
        into = fieldText(name);
}

double LocalTable::fieldFloat(const QString& name) const
{
    if (const char* cell = unreadCell(name))
        return LocalRows::DecodeNumber(cell);
    const QVariant v = field(name);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool LocalTable::fieldHolds(const QString& name, QLatin1StringView text) const
{
    if (const char* cell = unreadCell(name))
        return LocalRows::HoldsText(cell, text);
    return fieldText(name) == text;
}

bool LocalTable::fieldBlank(const QString& name) const
{
    if (const char* cell = unreadCell(name))
        return LocalRows::IsBlank(cell);
    return fieldText(name).trimmed().isEmpty();
}

std::optional<QByteArrayView> LocalTable::fieldAscii(const QString& name) const
{
    if (const char* cell = unreadCell(name))
        return LocalRows::AsciiText(cell);
    return std::nullopt;
}

void LocalTable::sortBy(const QStringList& fieldNames)
{
    cancel();
    LocalTableData* d = &table();
    std::vector<size_t> keys;
    for (const QString& name : fieldNames) {
        const int i = d->fieldIndex(name.trimmed());
        if (i < 0)
            NoSuchField(*d, name);
        keys.push_back(size_t(i));
    }
    std::vector<std::vector<QVariant>> sortKeys(d->rows.size());
    for (size_t r = 0; r < sortKeys.size(); ++r)
        for (size_t k : keys)
            sortKeys[r].push_back(d->rows.cell(r, k));
    std::vector<size_t> order(sortKeys.size());
    for (size_t r = 0; r < order.size(); ++r)
        order[r] = r;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        for (size_t k = 0; k < keys.size(); ++k)
            if (const int c = CompareForSort(d->fields[keys[k]], sortKeys[a][k], sortKeys[b][k]))
                return c < 0;
        return false;
    });
    d->rows.reorder(order);
    d->notifyRowsChanged();
    first();
}

double LocalTable::sum(const QString& fieldName) const
{
    const LocalTableData* d = &table();
    const int f = d->fieldIndex(fieldName);
    if (f < 0)
        NoSuchField(*d, fieldName);
    double total = 0;
    const size_t n = visibleCount();
    for (size_t p = 0; p < n; ++p) {
        const QVariant v = d->rows.cell(filtering() ? visible()[p] : p, size_t(f));
        if (!v.isNull())
            total += v.toDouble();
    }
    return total;
}

} // namespace db
