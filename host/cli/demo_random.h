#pragma once
// The demo company's random numbers: SplitMix64, so that a seed gives the same company with every
// compiler and library (the standard distributions do not promise that).
#include <QString>
#include <iterator>

class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : state_(seed) {}

    quint64 next()
    {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }                 // 0 .. n-1
    int between(int low, int high) { return low + below(high - low + 1); } // low .. high
    bool percent(int p) { return below(100) < p; }
    template <class T, size_t N>
    const T& pick(const T (&items)[N]) { return items[below(int(N))]; }
    QString digits(int count)
    {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + below(10));
        return s;
    }

private:
    quint64 state_;
};
