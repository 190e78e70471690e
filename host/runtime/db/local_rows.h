#pragma once
// The rows of a local table, each kept as one compact block: a NULL takes one byte, a number nine,
// a text of Latin-1 characters one byte a character and any other text two, instead of a variant
// and a string of its own for every cell. Cells come back exactly as they were stored: a NULL, a
// null text and an empty text stay apart, numbers keep their type (double or 64-bit integer).
#include <QVariant>
#include <cstdlib>
#include <memory>
#include <vector>

namespace db {

class LocalRows {
public:
    size_t size() const { return blocks_.size(); }
    bool empty() const { return blocks_.empty(); }
    void clear() { blocks_.clear(); }

    void push_back(const std::vector<QVariant>& row) { blocks_.push_back(encode(row)); }
    void replace(size_t index, const std::vector<QVariant>& row) { blocks_[index] = encode(row); }
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
    // The cell as Decode(cell).toDouble() gives it (0 for NULL).
    static double DecodeNumber(const char* cell);
    // Whether DecodeText(cell) equals `text`, without decoding a Latin-1 text.
    static bool HoldsText(const char* cell, QLatin1StringView text);

private:
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    using Block = std::unique_ptr<char, Free>;   // the length (4 bytes), then the cells one after another
    Block encode(const std::vector<QVariant>& row);
    std::vector<Block> blocks_;
    std::vector<char> scratch_;   // a row being encoded, before it gets a block of its own size
};

} // namespace db
