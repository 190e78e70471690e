#pragma once
// Bounded randomized inputs: a fixed seed and a fixed number of inputs in the normal run, so that
// every run tries the same inputs and a failure can be repeated. RAR1_RANDOM_ITERATIONS multiplies
// the number of inputs for a longer search, RAR1_RANDOM_SEED changes the seed.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <random>

class RandomInputs {
public:
    explicit RandomInputs(quint32 seed);

    // `normal`, multiplied by RAR1_RANDOM_ITERATIONS when that is set.
    static int Count(int normal);

    int below(int bound);             // 0 ... bound - 1
    int between(int low, int high);   // low ... high
    bool chance(int percent);
    const QString& pick(const QStringList& items);
    // Up to `maxPieces` pieces of `pieces` joined together.
    QString joined(const QStringList& pieces, int maxPieces);
    // Any UTF-16 code units: controls, CJK, full-width forms, emoji and unpaired surrogates.
    QString anyText(int maxLength);
    QByteArray anyBytes(int maxLength);

    quint32 seed() const { return seed_; }

private:
    quint32 seed_;
    std::mt19937 engine_;
};

// Prints how many inputs a randomized test tried, for the run's figures.
void ReportInputsTried(const char* what, int count);
