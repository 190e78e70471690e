#pragma once
// The rows of a local table, each kept as one compact block: a NULL takes one byte, a number nine,
// a text of Latin-1 characters one byte a character and any other text two, instead of a variant
// and a string of its own for every cell. Cells come back exactly as they were stored: a NULL, a
// null text and an empty text stay apart, numbers keep their type (double or 64-bit integer).
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace db {

class LocalRows {
public:
    size_t size() const { return blocks_.size(); }
    bool empty() const { return blocks_.empty(); }
    void clear();

    void push_back(const std::vector<QVariant>& row) { blocks_.push_back(store(row)); }
    void replace(size_t index, const std::vector<QVariant>& row);
    // NULL for a column the row does not reach.
    QVariant cell(size_t index, size_t column) const;
    // Every row gets a NULL cell after its last one.
    void addColumn();
    // Row k becomes the row that stood at order[k]; order is a permutation of the rows.
    void reorder(const std::vector<size_t>& order);

    // Where each cell of a row starts, for reading only the cells needed with Decode; valid until
    // the rows change.
    void cellStarts(size_t index, std::vector<const char*>& starts) const;
    static QVariant Decode(const char* cell);
    // The cell as Decode(cell).toString() gives it ("" for NULL), without forming a variant.
    static QString DecodeText(const char* cell);
    // The same into `into`, whose room is kept when it is its own: a NULL leaves it empty.
    static void DecodeTextInto(const char* cell, QString& into);
    // The cell as Decode(cell).toDouble() gives it (0 for NULL).
    static double DecodeNumber(const char* cell);
    // Whether DecodeText(cell) equals `text`, without decoding a Latin-1 text.
    static bool HoldsText(const char* cell, QLatin1StringView text);
    // Whether DecodeText(cell).trimmed() is empty, without decoding the text.
    static bool IsBlank(const char* cell);
    // The bytes of DecodeText(cell) when the cell is NULL or a text of ASCII characters; none else.
    static std::optional<QByteArrayView> AsciiText(const char* cell);
    // The type a value is stored as: QMetaType::UnknownType for a NULL. The types cells mostly hold
    // are read from the variant's own record of its type, without a call into Qt for each cell.
    static int TypeOf(const QVariant& value)
    {
        const QVariant::Private& d = value.data_ptr();
        const QtPrivate::QMetaTypeInterface* type = d.typeInterface();
        switch (type ? type->typeId.loadRelaxed() : 0) {
        case QMetaType::QString: return d.is_null ? QMetaType::UnknownType : QMetaType::QString;
        case QMetaType::Double: return d.is_null ? QMetaType::UnknownType : QMetaType::Double;
        case QMetaType::LongLong: return d.is_null ? QMetaType::UnknownType : QMetaType::LongLong;
        default: return value.isNull() ? QMetaType::UnknownType : value.typeId();
        }
    }

private:
    // Rows lie one after another in chunks of their own: a row costs no allocation of its own, and
    // all are let go at once. A row changed leaves its old bytes until the rows are cleared, unless
    // it was the last stored. Each row: its length (4 bytes), then its cells one after another.
    const char* store(const std::vector<QVariant>& row);
    char* room(size_t bytes);                           // where a row of at most `bytes` goes
    const char* taken(char* block, size_t length);      // the row written there, `length` bytes long

    std::vector<const char*> blocks_;
    std::vector<std::unique_ptr<char[]>> chunks_;
    char* free_ = nullptr;             // where the next row goes in the chunk being filled
    size_t room_ = 0;                  // the bytes left there
    const char* lastStored_ = nullptr;
    std::vector<int> types_;           // of the cells of the row being stored
};

} // namespace db
