#pragma once
// The bytes of records being rendered, appended through the array's own buffer: a record is mostly
// short appends, each of which the array's own append would check for sharing and growth.
#include "runtime/short_copy.h"

#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>

class RecordBytes {
public:
    explicit RecordBytes(QByteArray& out)
        : out_(out)
        , end_(out.size())
    {
    }
    // The array keeps what was appended, and no more.
    ~RecordBytes() { out_.truncate(end_); }
    RecordBytes(const RecordBytes&) = delete;
    RecordBytes& operator=(const RecordBytes&) = delete;

    void append(QByteArrayView bytes)
    {
        if (!bytes.isEmpty())
            CopyShort(room(bytes.size()), bytes.data(), size_t(bytes.size()));
    }
    void fill(qsizetype count, char byte)
    {
        if (count > 0)
            FillShort(room(count), size_t(count), byte);
    }
    qsizetype size() const { return end_; }
    QByteArray since(qsizetype start) const { return QByteArray(out_.constData() + start, end_ - start); }

private:
    char* room(qsizetype count)
    {
        if (end_ + count > out_.size())
            out_.resize(std::max({end_ + count, out_.size() * 2, qsizetype(256)}));
        char* at = out_.data() + end_;
        end_ += count;
        return at;
    }

    QByteArray& out_;
    qsizetype end_;
};
