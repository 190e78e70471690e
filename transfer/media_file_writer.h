#pragma once
// Writes a media file safely (SafeFileWriter): the temporary file replaces the target only when
// every record was written, synced and read back unchanged, and nothing had to be refused. A failed or refused export leaves any earlier file at the path byte for byte as it was
// and no temporary file behind; a file that reads back otherwise than written is not left in place.
// Records go to the file as they come, a piece at a time: what was meant is remembered by its
// length and digest, and the file read back must give both.
#include "runtime/safe_file_writer.h"
#include "transfer/content_digest.h"
#include "transfer/record_block.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>

// The export stopped before writing because values do not fit their fields; the message lists them.
class ExportRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MediaFileWriter {
public:
    // Checks the target (CheckTarget) and creates the temporary file; raises when either fails.
    // Replacing::Refused: a file found at the path when the new one is placed stays, and
    // FileExistsError is raised.
    explicit MediaFileWriter(const QString& path, Replacing replacing = Replacing::Allowed);
    MediaFileWriter(const MediaFileWriter&) = delete;
    MediaFileWriter& operator=(const MediaFileWriter&) = delete;

    // Renders and writes one record, then CR LF.
    void Write(const MediaRecord& record, const RecordContext& context, const RecordOwner& who);
    // Records rendered apart, after those written so far.
    void Append(const RenderedRecords& records);
    ExportFindings& findings() { return findings_; }
    SafeFileWriter& file() { return file_; }
    // Checks the file written, at `path`, against what it was written from; raises to keep it from
    // replacing the file at the target.
    using WrittenFileCheck = std::function<void(const QString& path)>;
    // Puts the file in place and reads it back; raises ExportRefused or an input/output error
    // instead. The file is synced on a second thread while it is read back and `check`ed here.
    // Nothing may report the export as done unless this returned.
    void Commit(const WrittenFileCheck& check = {});
    // How many bytes are meant for the file so far; after Commit, what the file holds.
    qsizetype size() const { return handedOver_ + pending_.size(); }

    // Raises unless `path` names no file yet or a regular file: a device, a pipe or a folder at the
    // path is never replaced.
    static void CheckTarget(const QString& path) { SafeFileWriter::CheckTarget(path); }

private:
    void flush();
    void verify(int fd) const;

    SafeFileWriter file_;
    QByteArray pending_;         // rendered, not yet handed to the temporary file
    qsizetype handedOver_ = 0;   // bytes written to the temporary file
    ContentDigest digest_;       // of the bytes handed over
    ExportFindings findings_;
    RenderRoom room_;            // of the header and trailer records
};
