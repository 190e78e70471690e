#include "support/random_inputs.h"

#include <iostream>

namespace {
quint32 SeedFor(quint32 seed)
{
    bool ok = false;
    const quint32 chosen = qEnvironmentVariable("RAR1_RANDOM_SEED").toUInt(&ok);
    return ok ? seed ^ chosen : seed;
}
}

RandomInputs::RandomInputs(quint32 seed)
    : seed_(SeedFor(seed))
    , engine_(seed_)
{
}

int RandomInputs::Count(int normal)
{
    bool ok = false;
    const int factor = qEnvironmentVariableIntValue("RAR1_RANDOM_ITERATIONS", &ok);
    return ok && factor > 0 ? normal * factor : normal;
}

int RandomInputs::below(int bound)
{
    return bound <= 1 ? 0 : std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

int RandomInputs::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

bool RandomInputs::chance(int percent)
{
    return below(100) < percent;
}

const QString& RandomInputs::pick(const QStringList& items)
{
    return items.at(below(int(items.size())));
}

QString RandomInputs::joined(const QStringList& pieces, int maxPieces)
{
    QString text;
    for (int n = below(maxPieces + 1); n > 0; --n)
        text += pick(pieces);
    return text;
}

QString RandomInputs::anyText(int maxLength)
{
    QString text;
    for (int n = below(maxLength + 1); n > 0; --n) {
        switch (below(6)) {
        case 0: text += QChar(char16_t(between(0x20, 0x7E))); break;
        case 1: text += QChar(char16_t(between(0x4E00, 0x9FA5))); break;
        case 2: text += QChar(char16_t(between(0, 0x1F))); break;
        case 3: text += QChar(char16_t(between(0xFF01, 0xFF5E))); break;
        case 4: text += QChar(char16_t(between(0xD800, 0xDFFF))); break;   // surrogates, paired by chance
        default: text += QString::fromUcs4(U"\U0001F600\u00E9\u3000\uFFFD\u0301").at(below(6)); break;
        }
    }
    return text;
}

QByteArray RandomInputs::anyBytes(int maxLength)
{
    QByteArray bytes;
    for (int n = below(maxLength + 1); n > 0; --n)
        bytes += char(below(256));
    return bytes;
}

void ReportInputsTried(const char* what, int count)
{
    std::cout << "[ figures  ] " << what << ": " << count << " randomized inputs tried\n";
}
