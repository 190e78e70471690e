#include "company/text_encoding.h"

#include "runtime/cvcode.h"

namespace company {

namespace {

// Well-formed UTF-8 throughout; plain ASCII is.
bool IsUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        const int follow = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (follow < 0 || end - p <= follow)
            return false;
        for (int i = 1; i <= follow; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += follow + 1;
    }
    return true;
}

// The end of a piece of Big5 from `from`: never between the two bytes of one character.
qsizetype Big5PieceEnd(QByteArrayView bytes, qsizetype from, qsizetype piece)
{
    qsizetype at = from;
    const qsizetype until = std::min(bytes.size(), from + piece);
    while (at < until)
        at += quint8(bytes[at]) >= 0x81 ? 2 : 1;
    return std::min(at, bytes.size());
}

} // namespace

TextEncoding DetectEncoding(QByteArrayView bytes, qsizetype* markLength)
{
    *markLength = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        *markLength = 3;
        return TextEncoding::Utf8;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        *markLength = 2;
        return bytes[0] == '\xFF' ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
    }
    return IsUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Big5;
}

Utf8Pieces::Utf8Pieces(QByteArrayView bytes, TextEncoding encoding)
    : bytes_(bytes),
      encoding_(encoding),
      utf16_(encoding == TextEncoding::Utf16BigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE)
{
}

QByteArrayView Utf8Pieces::next(qsizetype piece)
{
    const qsizetype from = at_;
    at_ = encoding_ == TextEncoding::Big5 ? Big5PieceEnd(bytes_, from, piece) : std::min(bytes_.size(), from + piece);
    const QByteArrayView raw = bytes_.sliced(from, at_ - from);
    switch (encoding_) {
    case TextEncoding::Utf8:
        return raw;
    case TextEncoding::Big5:
        decoded_ = FromBig5(raw).toUtf8();
        return decoded_;
    default:
        decoded_ = utf16_.decode(raw).operator QString().toUtf8();
        return decoded_;
    }
}

} // namespace company
