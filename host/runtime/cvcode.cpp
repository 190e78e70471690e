// Code pages: Big5 (CP950) through the C library's iconv, traditional to simplified through OpenCC.
#include "runtime/cvcode.h"

#include "runtime/host_texts.h"
#include "runtime/language.h"

#include <opencc/opencc.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace {

// The full-width question mark "？" in Big5: what a character Big5 cannot hold is written as.
const QByteArray Big5Substitute("\xA1\x48", 2);

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

// The UTF-8 bytes of a character of the basic plane, written without a text of its own: a page of
// Big5 codes converts 256 of them. A surrogate alone is no character and is never looked up.
size_t Utf8Of(char16_t c, char* out)
{
    if (c < 0x80) {
        out[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = char(0xC0 | c >> 6);
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    out[0] = char(0xE0 | c >> 12);
    out[1] = char(0x80 | (c >> 6 & 0x3F));
    out[2] = char(0x80 | (c & 0x3F));
    return 3;
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

    // The bytes of the one character `in` holds; none when the target cannot hold it.
    size_t convertOne(const char* in, size_t inLength, char* out, size_t outRoom)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* from = const_cast<char*>(in);
        char* to = out;
        if (iconv(cd_, &from, &inLength, &to, &outRoom) == static_cast<size_t>(-1) || inLength > 0)
            return 0;
        return size_t(to - out);
    }

private:
    iconv_t cd_;
};

// The Big5 code of every character of the basic plane, looked up instead of converted: a media
// file converts a name in every record. A page of 256 characters is converted, one character at a
// time, the first time a character of it is met. Big5 is stateless, so a character converted alone
// gives the bytes it gives within any text.
class Big5Codes {
public:
    static Big5Codes& Shared()
    {
        static Big5Codes codes;
        return codes;
    }
    ~Big5Codes()
    {
        for (std::atomic<const Page*>& page : pages_)
            delete page.load();
    }

    // 0 when Big5 cannot hold the character, below 0x100 for a single byte, else the byte pair.
    quint16 code(char16_t c)
    {
        const Page* page = pages_[c >> 8].load(std::memory_order_acquire);
        return (page ? *page : build(c >> 8))[c & 0xff];
    }

private:
    using Page = std::array<quint16, 256>;

    const Page& build(int number)
    {
        const std::lock_guard<std::mutex> lock(building_);
        if (const Page* page = pages_[size_t(number)].load(std::memory_order_acquire))
            return *page;
        auto page = std::make_unique<Page>();
        for (int low = 0; low < 256; ++low) {
            char utf8[3];
            const size_t utf8Length = Utf8Of(char16_t(number << 8 | low), utf8);
            char out[4];
            const size_t length = converter_.convertOne(utf8, utf8Length, out, sizeof out);
            (*page)[size_t(low)] = length == 1 ? quint8(out[0]) : length == 2 ? quint16(quint8(out[0]) << 8 | quint8(out[1])) : 0;
        }
        pages_[size_t(number)].store(page.get(), std::memory_order_release);
        return *page.release();
    }

    std::array<std::atomic<const Page*>, 256> pages_{};
    std::mutex building_;
    IconvConverter converter_{"CP950", "UTF-8"};
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
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); })) {
        // One converter for the whole run of the program: opening one costs more than converting a name.
        thread_local IconvConverter toBig5("CP950", "UTF-8");
        into.bytes = toBig5.convert(WithoutLoneSurrogates(text).toUtf8(), Big5Substitute, Utf8SequenceLength, &into.substituted);
        return;
    }
    Big5Codes& codes = Big5Codes::Shared();
    into.bytes.resize(text.size() * 2);
    char* out = into.bytes.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const quint16 code = u < 0x80 ? u : codes.code(u);
        if (u >= 0x80 && code == 0) {
            *out++ = Big5Substitute[0];
            *out++ = Big5Substitute[1];
            into.substituted = true;
        } else if (code < 0x100) {
            *out++ = char(code);
        } else {
            *out++ = char(code >> 8);
            *out++ = char(code & 0xff);
        }
    }
    into.bytes.truncate(out - into.bytes.constData());
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
    return bytes.left(Big5Prefix(bytes, width));
}

qsizetype Big5Prefix(QByteArrayView bytes, int width)
{
    if (width <= 0)
        return 0;
    if (bytes.size() <= width)
        return bytes.size();
    int end = 0;
    while (end < width) {
        const int length = IsBig5LeadByte(bytes[end]) ? 2 : 1;
        if (end + length > width)
            break;
        end += length;
    }
    return end;
}

QString BIG5toGB(const QString& text)
{
    if (text.isEmpty())
        return text;
    static const TraditionalToSimplified converter;
    return converter.convert(text);
}
