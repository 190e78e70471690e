#pragma once
// The encoding of a text file a spreadsheet saved: UTF-8 (with or without a byte-order mark),
// UTF-16 with its byte-order mark (Excel's "Unicode text"), or else Big5; and its text handed on
// in UTF-8 a piece at a time, so that a large file is never held twice.
#include <QByteArrayView>
#include <QStringDecoder>

namespace company {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Big5 };

// The encoding of `bytes`, and how many bytes its byte-order mark takes.
TextEncoding DetectEncoding(QByteArrayView bytes, qsizetype* markLength);

// The text of `bytes` (after the mark) in UTF-8, a piece of about `piece` bytes at a time.
class Utf8Pieces {
public:
    Utf8Pieces(QByteArrayView bytes, TextEncoding encoding);
    bool atEnd() const { return at_ >= bytes_.size(); }
    qsizetype position() const { return at_; }
    // The next piece; valid until the next call.
    QByteArrayView next(qsizetype piece);

private:
    QByteArrayView bytes_;
    TextEncoding encoding_;
    QStringDecoder utf16_;
    QByteArray decoded_;
    qsizetype at_ = 0;
};

} // namespace company
