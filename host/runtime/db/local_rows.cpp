#include "runtime/db/local_rows.h"

#include <cstring>
#include <new>
#include <stdexcept>

namespace db {

namespace {

enum Tag : char { Null, Double, Integer, Latin1Text, Utf16Text, NullText };

bool IsLatin1(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 0xff)
            return false;
    return true;
}

quint32 LengthOf(const char* block)
{
    quint32 length;
    std::memcpy(&length, block, sizeof length);
    return length;
}

// A text's length: one byte below 255, else 255 and four bytes.
void PutLength(std::vector<char>& out, quint32 n)
{
    if (n < 0xff) {
        out.push_back(char(n));
        return;
    }
    out.push_back(char(0xff));
    out.insert(out.end(), reinterpret_cast<const char*>(&n), reinterpret_cast<const char*>(&n) + sizeof n);
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
void PutRaw(std::vector<char>& out, const T& value)
{
    out.insert(out.end(), reinterpret_cast<const char*>(&value), reinterpret_cast<const char*>(&value) + sizeof value);
}

void PutCell(std::vector<char>& out, const QVariant& value)
{
    if (value.isNull()) {
        out.push_back(Null);
    } else if (value.typeId() == QMetaType::Double) {
        out.push_back(Double);
        PutRaw(out, value.toDouble());
    } else if (value.typeId() == QMetaType::LongLong) {
        out.push_back(Integer);
        PutRaw(out, value.toLongLong());
    } else {
        // A text is read where the variant holds it; anything else is stored as its text.
        QString converted;
        if (value.typeId() != QMetaType::QString)
            converted = value.toString();
        const QString& text = value.typeId() == QMetaType::QString ? *static_cast<const QString*>(value.constData()) : converted;
        if (text.isNull()) {
            out.push_back(NullText);
        } else if (IsLatin1(text)) {
            out.push_back(Latin1Text);
            PutLength(out, quint32(text.size()));
            const size_t start = out.size();
            out.resize(start + size_t(text.size()));
            for (qsizetype i = 0; i < text.size(); ++i)
                out[start + size_t(i)] = char(text[i].unicode());
        } else {
            out.push_back(Utf16Text);
            PutLength(out, quint32(text.size()));
            const char* units = reinterpret_cast<const char*>(text.utf16());
            out.insert(out.end(), units, units + text.size() * sizeof(char16_t));
        }
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

LocalRows::Block LocalRows::encode(const std::vector<QVariant>& row)
{
    std::vector<char>& out = scratch_;
    out.assign(sizeof(quint32), 0);
    for (const QVariant& value : row)
        PutCell(out, value);
    const quint32 length = quint32(out.size());
    std::memcpy(out.data(), &length, sizeof length);
    char* block = static_cast<char*>(std::malloc(out.size()));
    if (!block)
        throw std::bad_alloc();
    std::memcpy(block, out.data(), out.size());
    return Block(block);
}

QVariant LocalRows::cell(size_t index, size_t column) const
{
    const char* block = blocks_[index].get();
    const char* end = block + LengthOf(block);
    const char* p = block + sizeof(quint32);
    for (size_t c = 0; c < column && p < end; ++c)
        SkipCell(p);
    return p < end ? TakeCell(p) : QVariant();
}

void LocalRows::cellStarts(size_t index, std::vector<const char*>& starts) const
{
    const char* block = blocks_[index].get();
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

void LocalRows::addColumn()
{
    for (Block& block : blocks_) {
        const quint32 length = LengthOf(block.get());
        char* grown = static_cast<char*>(std::realloc(block.get(), length + 1));
        if (!grown)
            throw std::bad_alloc();
        (void)block.release();
        grown[length] = Null;
        const quint32 newLength = length + 1;
        std::memcpy(grown, &newLength, sizeof newLength);
        block.reset(grown);
    }
}

void LocalRows::reorder(const std::vector<size_t>& order)
{
    std::vector<Block> sorted;
    sorted.reserve(blocks_.size());
    for (size_t from : order)
        sorted.push_back(std::move(blocks_[from]));
    blocks_ = std::move(sorted);
}

} // namespace db
