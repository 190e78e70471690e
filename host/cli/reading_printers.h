#pragma once
// How `rar1 verify` prints a media file read back: each line as it is read, then the summary, as a
// table of text or as one JSON object, to a file of any size without holding its lines.
#include "runtime/read_line_sink.h"

#include <QByteArray>
#include <QJsonValue>
#include <QStringList>
#include <cstdio>
#include <memory>

class ReadingPrinter : public ReadLineSink {
public:
    explicit ReadingPrinter(std::FILE* out) : out_(out) {}
    ~ReadingPrinter() override { flush(); }
    // One value of the summary after the lines, by name; a table leaves out what is null.
    virtual void Summary(const QString& name, const QJsonValue& value) = 0;
    // The failures, the count of those not listed, and the end of the output.
    virtual void Finish(const QStringList& failures, qint64 unlisted) = 0;

protected:
    // Written out a piece at a time: the output of a large file is never held.
    void write(const QByteArray& bytes);
    void flush();

private:
    std::FILE* out_;
    QByteArray pending_;
};

// Each line a row of tab-separated cells ("name=text"), then "name: value" for the summary.
std::unique_ptr<ReadingPrinter> TablePrinter(std::FILE* out);
// {"lines": [{"line", "kind", "fields": [{"name", "text"}]}, ...], then the summary by name,
// "failures", "unlisted_failures" and "valid"}.
std::unique_ptr<ReadingPrinter> JsonPrinter(std::FILE* out);
