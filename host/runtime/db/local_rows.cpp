#include "runtime/db/local_rows.h"

#include "runtime/short_copy.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace db {

namespace {

enum Tag : char { Null, Double, Integer, Latin1Text, Utf16Text, NullText };

constexpr size_t ChunkBytes = 64 * 1024;   // rows are stored together in chunks of this size

quint32 LengthOf(const char* block)
{
    quint32 length;
    std::memcpy(&length, block, sizeof length);
    return length;
}

// A text's length: one byte below 255, else 255 and four bytes.
char* PutLength(char* p, quint32 n)
{
    if (n < 0xff) {
        *p++ = char(n);
        return p;
    }
    *p++ = char(0xff);
    return PutBytes(p, n);
}

quint32 TakeLength(const char*& p)
{
    const quint32 first = quint8(*p++);
    if (first < 0xff)
        return first;
    quint32 n;
    std::memcpy(&n, p, sizeof n);
    p += sizeof n;
    return n;
}

template <typename T>
char* PutRaw(char* p, Tag tag, const T& value)
{
    *p++ = tag;
    return PutBytes(p, value);
}

// The most bytes a text takes: its tag, its length, two bytes a character.
size_t MostBytes(const QString& text)
{
    return 1 + 1 + sizeof(quint32) + size_t(text.size()) * sizeof(char16_t);
}

char* PutText(char* p, const QString& text)
{
    if (text.isNull()) {
        *p++ = NullText;
        return p;
    }
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    const size_t n = size_t(text.size());
    char* const tag = p++;
    p = PutLength(p, quint32(n));
    // Written as Latin-1 on the way; a text with any character beyond it is written again as UTF-16
    // over the same room, which holds two bytes a character.
    char16_t all = 0;
    for (size_t i = 0; i < n; ++i) {
        all |= units[i];
        p[i] = char(units[i]);
    }
    if (all <= 0xff) {
        *tag = Latin1Text;
        return p + n;
    }
    *tag = Utf16Text;
    std::memcpy(p, units, n * sizeof(char16_t));
    return p + n * sizeof(char16_t);
}

size_t MostBytes(const QVariant& value, int type)
{
    switch (type) {
    case QMetaType::UnknownType: return 1;
    case QMetaType::Double:
    case QMetaType::LongLong: return 1 + 8;
    case QMetaType::QString: return MostBytes(*static_cast<const QString*>(value.constData()));
    default: return MostBytes(value.toString());
    }
}

char* PutCell(char* p, const QVariant& value, int type)
{
    switch (type) {
    case QMetaType::UnknownType:
        *p++ = Null;
        return p;
    case QMetaType::Double: return PutRaw(p, Double, *static_cast<const double*>(value.constData()));
    case QMetaType::LongLong: return PutRaw(p, Integer, *static_cast<const qlonglong*>(value.constData()));
    case QMetaType::QString:
        // A text is read where the variant holds it.
        return PutText(p, *static_cast<const QString*>(value.constData()));
    default:
        // Anything else is stored as its text.
        return PutText(p, value.toString());
    }
}

template <typename T>
QVariant TakeRaw(const char*& p)
{
    T value{};
    std::memcpy(&value, p, sizeof value);
    p += sizeof value;
    return QVariant(value);
}

// Reads the cell at p and moves p past it.
QVariant TakeCell(const char*& p)
{
    switch (Tag(*p++)) {
    case Null: return QVariant();
    case NullText: return QVariant(QString());
    case Double: return TakeRaw<double>(p);
    case Integer: return TakeRaw<qint64>(p);
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        const char* text = p;
        p += n;
        return QVariant(QString::fromLatin1(text, qsizetype(n)));
    }
    case Utf16Text: {
        const quint32 n = TakeLength(p);
        const char* units = p;
        p += n * sizeof(char16_t);
        QString text(qsizetype(n), Qt::Uninitialized);
        std::memcpy(text.data(), units, n * sizeof(char16_t));
        return QVariant(text);
    }
    }
    throw std::logic_error("A local table row is damaged.");
}

// Moves p past the cell at p without reading it.
void SkipCell(const char*& p)
{
    switch (Tag(*p++)) {
    case Null:
    case NullText: return;
    case Double: p += sizeof(double); return;
    case Integer: p += sizeof(qint64); return;
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        p += n;
        return;
    }
    case Utf16Text: {
        const quint32 n = TakeLength(p);
        p += n * sizeof(char16_t);
        return;
    }
    }
    throw std::logic_error("A local table row is damaged.");
}

} // namespace

char* LocalRows::room(size_t bytes)
{
    if (bytes > room_) {
        // A row larger than a chunk gets one of its own size.
        const size_t size = std::max(bytes, ChunkBytes);
        chunks_.push_back(std::unique_ptr<char[]>(new char[size]));   // not zeroed: every byte is written before it is read
        free_ = chunks_.back().get();
        room_ = size;
    }
    return free_;
}

const char* LocalRows::taken(char* block, size_t length)
{
    const quint32 stored = quint32(length);
    std::memcpy(block, &stored, sizeof stored);
    free_ += length;
    room_ -= length;
    lastStored_ = block;
    return block;
}

const char* LocalRows::store(const std::vector<QVariant>& row)
{
    types_.resize(row.size());
    size_t most = sizeof(quint32);
    for (size_t column = 0; column < row.size(); ++column) {
        types_[column] = LocalRows::TypeOf(row[column]);
        most += MostBytes(row[column], types_[column]);
    }
    char* const block = room(most);
    char* p = block + sizeof(quint32);
    for (size_t column = 0; column < row.size(); ++column)
        p = PutCell(p, row[column], types_[column]);
    return taken(block, size_t(p - block));
}

void LocalRows::clear()
{
    blocks_.clear();
    chunks_.clear();
    free_ = nullptr;
    room_ = 0;
    lastStored_ = nullptr;
}

void LocalRows::replace(size_t index, const std::vector<QVariant>& row)
{
    // The row stored last (the one being built) is written again in its place: its room is given
    // back first, and a row that needs more than the chunk has left goes to a new chunk.
    if (blocks_[index] == lastStored_ && lastStored_ + LengthOf(lastStored_) == free_) {
        room_ += LengthOf(lastStored_);
        free_ = const_cast<char*>(lastStored_);
    }
    blocks_[index] = store(row);
}

QVariant LocalRows::cell(size_t index, size_t column) const
{
    const char* block = blocks_[index];
    const char* end = block + LengthOf(block);
    const char* p = block + sizeof(quint32);
    for (size_t c = 0; c < column && p < end; ++c)
        SkipCell(p);
    return p < end ? TakeCell(p) : QVariant();
}

void LocalRows::cellStarts(size_t index, std::vector<const char*>& starts) const
{
    const char* block = blocks_[index];
    const char* end = block + LengthOf(block);
    starts.clear();
    for (const char* p = block + sizeof(quint32); p < end; SkipCell(p))
        starts.push_back(p);
}

QVariant LocalRows::Decode(const char* cell)
{
    return TakeCell(cell);
}

QString LocalRows::DecodeText(const char* cell)
{
    const char* p = cell + 1;
    switch (Tag(*cell)) {
    case Null:
    case NullText: return QString();
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        return QString::fromLatin1(p, qsizetype(n));
    }
    case Utf16Text: {
        const quint32 n = TakeLength(p);
        QString text(qsizetype(n), Qt::Uninitialized);
        std::memcpy(text.data(), p, n * sizeof(char16_t));
        return text;
    }
    default: return Decode(cell).toString();
    }
}

void LocalRows::DecodeTextInto(const char* cell, QString& into)
{
    const char* p = cell + 1;
    switch (Tag(*cell)) {
    case Null:
    case NullText: into.resize(0); return;
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        into.resize(qsizetype(n));
        char16_t* units = reinterpret_cast<char16_t*>(into.data());
        for (quint32 i = 0; i < n; ++i)
            units[i] = uchar(p[i]);
        return;
    }
    case Utf16Text: {
        const quint32 n = TakeLength(p);
        into.resize(qsizetype(n));
        std::memcpy(into.data(), p, n * sizeof(char16_t));
        return;
    }
    default: into = Decode(cell).toString(); return;
    }
}

double LocalRows::DecodeNumber(const char* cell)
{
    const char* p = cell + 1;
    switch (Tag(*cell)) {
    case Null:
    case NullText: return 0;
    case Double: {
        double value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case Integer: {
        qint64 value;
        std::memcpy(&value, p, sizeof value);
        return double(value);
    }
    default: return Decode(cell).toDouble();
    }
}

bool LocalRows::HoldsText(const char* cell, QLatin1StringView text)
{
    const char* p = cell + 1;
    switch (Tag(*cell)) {
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        return n == quint32(text.size()) && std::memcmp(p, text.data(), n) == 0;
    }
    default: return DecodeText(cell) == text;
    }
}

bool LocalRows::IsBlank(const char* cell)
{
    const char* p = cell + 1;
    switch (Tag(*cell)) {
    case Null:
    case NullText: return true;
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        return std::all_of(p, p + n, [](char c) { return QChar(uchar(c)).isSpace(); });
    }
    case Utf16Text: {
        const quint32 n = TakeLength(p);
        for (quint32 i = 0; i < n; ++i) {
            char16_t unit;
            std::memcpy(&unit, p + i * sizeof unit, sizeof unit);
            if (!QChar(unit).isSpace())
                return false;
        }
        return true;
    }
    default: return false;   // a number's text
    }
}

std::optional<QByteArrayView> LocalRows::AsciiText(const char* cell)
{
    const char* p = cell + 1;
    switch (Tag(*cell)) {
    case Null:
    case NullText: return QByteArrayView("", 0);
    case Latin1Text: {
        const quint32 n = TakeLength(p);
        unsigned char all = 0;
        for (quint32 i = 0; i < n; ++i)
            all |= static_cast<unsigned char>(p[i]);
        if (all < 0x80)
            return QByteArrayView(p, n);
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

void LocalRows::addColumn()
{
    // The rows are stored anew, each one cell longer, and the old chunks let go.
    LocalRows grown;
    grown.blocks_.reserve(blocks_.size());
    for (const char* block : blocks_) {
        const quint32 length = LengthOf(block);
        char* copy = grown.room(length + 1);
        std::memcpy(copy, block, length);
        copy[length] = Null;
        grown.blocks_.push_back(grown.taken(copy, length + 1));
    }
    *this = std::move(grown);
}

void LocalRows::reorder(const std::vector<size_t>& order)
{
    std::vector<const char*> sorted;
    sorted.reserve(blocks_.size());
    for (size_t from : order)
        sorted.push_back(blocks_[from]);
    blocks_ = std::move(sorted);
}

} // namespace db
