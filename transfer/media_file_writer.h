#pragma once
// Writes a media file safely: records go to a temporary file beside the target, which replaces the
// target only when every record was written and nothing had to be refused. A failed or refused
// export leaves any earlier file at the path untouched.
#include "transfer/media_record.h"

#include <QSaveFile>
#include <stdexcept>

// The export stopped before writing because values do not fit their fields; the message lists them.
class ExportRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MediaFileWriter {
public:
    explicit MediaFileWriter(const QString& path);

    // Renders and writes one record, then CR LF.
    void Write(const MediaRecord& record, const RecordContext& context, const QString& who);
    ExportFindings& findings() { return findings_; }
    // Puts the file in place; raises ExportRefused or an input/output error instead.
    void Commit();

private:
    QSaveFile file_;
    ExportFindings findings_;
};
