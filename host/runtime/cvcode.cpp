// Code pages: Big5 (CP950) through the C library's iconv, traditional to simplified through OpenCC.
#include "runtime/cvcode.h"

#include "runtime/language.h"

#include <opencc/opencc.h>

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// The full-width question mark "？" in Big5: what a character Big5 cannot hold is written as.
const QByteArray Big5Substitute("\xA1\x48", 2);

QString HostText(int id)
{
    return LoadFormResourceStr(QStringLiteral("RAR1HOST"), id);
}

bool IsBig5LeadByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x81 && b <= 0xFE;
}

bool IsBig5TrailByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x40 && b <= 0x7E) || (b >= 0xA1 && b <= 0xFE);
}

// Length of the undefined Big5 sequence at `bytes`: a lead byte takes its trail byte along,
// unless that byte cannot be a trail byte (then it is read again on its own).
int UndefinedBig5Length(const char* bytes, size_t left)
{
    return (left >= 2 && IsBig5LeadByte(bytes[0]) && IsBig5TrailByte(bytes[1])) ? 2 : 1;
}

// Length of the UTF-8 sequence at `bytes` (1 for a stray continuation byte).
int Utf8SequenceLength(const char* bytes, size_t /*left*/)
{
    const auto b = static_cast<unsigned char>(bytes[0]);
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

// One iconv conversion from `from` to `to`. An input sequence the target cannot hold (or the
// source does not define) is skipped by the length `skip` gives and replaced by `substitute`.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from)
        : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(HostText(241).toStdString());
    }
    ~IconvConverter() { iconv_close(cd_); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    template <typename Skip>
    QByteArray convert(const QByteArray& input, const QByteArray& substitute, Skip skip, bool* substituted)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // No input byte yields more than three output bytes (a Big5 pair gives at most three
        // UTF-8 bytes, a single undefined byte the three-byte replacement character).
        QByteArray output(input.size() * 3 + 8, Qt::Uninitialized);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = static_cast<size_t>(input.size());
        char* out = output.data();
        size_t outLeft = static_cast<size_t>(output.size());
        while (inLeft > 0) {
            if (iconv(cd_, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
                break;
            if (errno != EILSEQ && errno != EINVAL)
                throw std::runtime_error(HostText(241).toStdString());
            const size_t length = std::min<size_t>(skip(in, inLeft), inLeft);
            in += length;
            inLeft -= length;
            std::copy(substitute.begin(), substitute.end(), out);
            out += substitute.size();
            outLeft -= substitute.size();
            *substituted = true;
        }
        output.truncate(out - output.data());
        return output;
    }

private:
    iconv_t cd_;
};

class TraditionalToSimplified {
public:
    TraditionalToSimplified()
        : od_(opencc_open("t2s.json"))
    {
        if (od_ == reinterpret_cast<opencc_t>(-1))
            od_ = opencc_open("/usr/share/opencc/t2s.json");
        if (od_ == reinterpret_cast<opencc_t>(-1))
            throw std::runtime_error(HostText(240).arg(QString::fromUtf8(opencc_error())).toStdString());
    }
    ~TraditionalToSimplified() { opencc_close(od_); }
    TraditionalToSimplified(const TraditionalToSimplified&) = delete;
    TraditionalToSimplified& operator=(const TraditionalToSimplified&) = delete;

    QString convert(const QString& text) const
    {
        const QByteArray utf8 = text.toUtf8();
        char* converted = opencc_convert_utf8(od_, utf8.constData(), static_cast<size_t>(utf8.size()));
        if (!converted)
            throw std::runtime_error(HostText(240).arg(QString::fromUtf8(opencc_error())).toStdString());
        const QString result = QString::fromUtf8(converted);
        opencc_convert_utf8_free(converted);
        return result;
    }

private:
    opencc_t od_;
};

// Half of a character pair (a damaged text) would go to UTF-8 as a plain "?", written without a word;
// as the replacement character it is substituted and reported like any character Big5 lacks.
QString WithoutLoneSurrogates(const QString& text)
{
    QString checked = text;
    for (qsizetype i = 0; i < checked.size(); ++i) {
        const QChar c = checked[i];
        if (c.isHighSurrogate() && i + 1 < checked.size() && checked[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            checked[i] = QChar::ReplacementCharacter;
    }
    return checked;
}

} // namespace

Big5Text ToBig5(const QString& text)
{
    Big5Text result;
    ToBig5(text, result);
    return result;
}

void ToBig5(const QString& text, Big5Text& into)
{
    into.substituted = false;
    // Accounts, codes and amounts are plain ASCII, which Big5 holds byte for byte.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        into.bytes.resize(text.size());
        std::transform(text.begin(), text.end(), into.bytes.begin(), [](QChar c) { return char(c.unicode()); });
        return;
    }
    // One converter for the whole run of the program: opening one costs more than converting a name.
    thread_local IconvConverter toBig5("CP950", "UTF-8");
    into.bytes = toBig5.convert(WithoutLoneSurrogates(text).toUtf8(), Big5Substitute, Utf8SequenceLength, &into.substituted);
}

QString FromBig5(QByteArrayView bytes)
{
    // Plain ASCII (codes, digits, blanks) is the same in Big5: most fields of a media file.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    // A byte pair Big5 does not define reads as the replacement character.
    bool substituted = false;
    thread_local IconvConverter fromBig5("UTF-8", "CP950");
    const QByteArray utf8 = fromBig5.convert(bytes.toByteArray(), QByteArray("\xEF\xBF\xBD"),
                                             UndefinedBig5Length, &substituted);
    return QString::fromUtf8(utf8);
}

QByteArray CutBig5(const QByteArray& bytes, int width)
{
    if (width <= 0)
        return {};
    if (bytes.size() <= width)
        return bytes;
    int end = 0;
    while (end < width) {
        const int length = IsBig5LeadByte(bytes[end]) ? 2 : 1;
        if (end + length > width)
            break;
        end += length;
    }
    return bytes.left(end);
}

QString BIG5toGB(const QString& text)
{
    if (text.isEmpty())
        return text;
    static const TraditionalToSimplified converter;
    return converter.convert(text);
}
