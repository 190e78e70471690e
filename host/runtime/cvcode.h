#pragma once
// Code pages: Big5 (CP950) for media files, traditional to simplified conversion for reports.
#include <QByteArray>
#include <QString>

// Result of encoding a text to Big5: the bytes, and whether any character had to be replaced
// because Big5 cannot hold it (it is then written as the full-width substitute "？").
struct Big5Text {
    QByteArray bytes;
    bool substituted = false;
};

Big5Text ToBig5(const QString& text);
// The same into `into`, whose bytes keep their room from one text to the next: a media file
// converts every field of every record.
void ToBig5(const QString& text, Big5Text& into);
// Big5 bytes back to text (for tests and for reading media files).
QString FromBig5(QByteArrayView bytes);

// Cuts `bytes` (Big5) to at most `width` bytes without splitting a double-byte character:
// a character that would straddle the cut is dropped whole.
QByteArray CutBig5(const QByteArray& bytes, int width);
// How many of `bytes` (Big5) CutBig5 keeps.
qsizetype Big5Prefix(QByteArrayView bytes, int width);

// Traditional Chinese text to simplified Chinese (the reports' captions with language id 0).
QString BIG5toGB(const QString& text);
