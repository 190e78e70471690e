#pragma once
// The bytes of records being rendered, appended through the array's own buffer: a record is mostly
// short appends, each of which the array's own append would check for sharing and growth.
#include <QByteArray>
#include <QByteArrayView>

#include <algorithm>
#include <cstring>

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

    // Fields are short, and the C library's copy costs more than a field's bytes when it is called
    // for each: up to 32 bytes go as two overlapping pieces of a fixed size, which the compiler
    // copies in place.
    void append(QByteArrayView bytes)
    {
        const size_t n = size_t(bytes.size());
        if (n == 0)
            return;
        char* to = room(bytes.size());
        const char* from = bytes.data();
        if (n > 32)
            std::memcpy(to, from, n);
        else if (n >= 16)
            copyOverlapping<16>(to, from, n);
        else if (n >= 8)
            copyOverlapping<8>(to, from, n);
        else if (n >= 4)
            copyOverlapping<4>(to, from, n);
        else
            std::copy(from, from + n, to);
    }
    void fill(qsizetype count, char byte)
    {
        if (count <= 0)
            return;
        char* to = room(count);
        if (count > 32)
            std::memset(to, byte, size_t(count));
        else
            std::fill(to, to + count, byte);
    }
    qsizetype size() const { return end_; }
    QByteArray since(qsizetype start) const { return QByteArray(out_.constData() + start, end_ - start); }

private:
    // n bytes, N <= n <= 2N: the first N and the last N.
    template <size_t N>
    static void copyOverlapping(char* to, const char* from, size_t n)
    {
        char head[N], tail[N];
        std::memcpy(head, from, N);
        std::memcpy(tail, from + n - N, N);
        std::memcpy(to, head, N);
        std::memcpy(to + n - N, tail, N);
    }
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
