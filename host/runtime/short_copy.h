#pragma once
// Copies, fills and values of a few bytes, as a record's fields and a row's cells mostly are. The C
// library's copy is made for long runs and, called for each field, costs more than the bytes: up to
// 32 bytes go as two overlapping pieces of a fixed size, which the compiler copies in place.
#include <algorithm>
#include <cstddef>
#include <cstring>

namespace shortcopy {

// n bytes, N <= n <= 2N: the first N and the last N.
template <size_t N>
inline void Overlapping(char* to, const char* from, size_t n)
{
    char head[N], tail[N];
    std::memcpy(head, from, N);
    std::memcpy(tail, from + n - N, N);
    std::memcpy(to, head, N);
    std::memcpy(to + n - N, tail, N);
}

} // namespace shortcopy

// Writes the bytes of `value` at `at`; gives where the next bytes go.
template <typename T>
inline char* PutBytes(char* at, const T& value)
{
    std::memcpy(at, &value, sizeof value);
    return at + sizeof value;
}

inline void CopyShort(char* to, const char* from, size_t n)
{
    if (n > 32)
        std::memcpy(to, from, n);
    else if (n >= 16)
        shortcopy::Overlapping<16>(to, from, n);
    else if (n >= 8)
        shortcopy::Overlapping<8>(to, from, n);
    else if (n >= 4)
        shortcopy::Overlapping<4>(to, from, n);
    else
        std::copy(from, from + n, to);
}

inline void FillShort(char* to, size_t n, char byte)
{
    if (n > 32)
        std::memset(to, byte, n);
    else
        std::fill(to, to + n, byte);
}
