#include "transfer/media_file_writer.h"

#include "runtime/language.h"
#include "runtime/file_calls.h"

#include <QFile>
#include <QScopeGuard>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// The file read back is not what was meant for it, or cannot be read.
class VerifyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Records are handed to the file in pieces of this size; a media file is rarely larger.
constexpr qsizetype FlushSize = 64 * 1024;

QString wagbkText(int id)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), id);
}

} // namespace

MediaFileWriter::MediaFileWriter(const QString& path, Replacing replacing)
    : file_(path, replacing, wagbkText(10086))
{
}

void MediaFileWriter::Write(const MediaRecord& record, const RecordContext& context, const RecordOwner& who)
{
    RenderedRecords rendered;
    RecordBlock(rendered, room_).Write(record, context, who);
    Append(rendered);
}

void MediaFileWriter::Append(const RenderedRecords& records)
{
    findings_.append(records.findings);
    // Once a value is refused the file will not be kept; the rest is only rendered for the list.
    if (!findings_.refusals.isEmpty()) {
        pending_.clear();
        return;
    }
    pending_.append(records.bytes);
    if (pending_.size() >= FlushSize)
        flush();
}

void MediaFileWriter::flush()
{
    if (filecalls::Flush() != 0)
        file_.Fail(SafeFileWriter::ErrorText(errno));
    file_.Write(pending_.constData(), pending_.size());
    digest_.add(pending_.constData(), pending_.size());
    handedOver_ += pending_.size();
    pending_.clear();
}

void MediaFileWriter::Commit(const WrittenFileCheck& check)
{
    if (!findings_.refusals.isEmpty()) {
        file_.Discard();
        throw ExportRefused((wagbkText(10087) + u'\n' + findings_.refusals.join(u'\n')).toStdString());
    }
    flush();
    int syncError = 0;
    const auto sync = [this, &syncError] { syncError = file_.Sync(); };
    std::optional<QString> unreadable;
    std::exception_ptr refused;
    {
        std::optional<std::thread> syncing;
        try {
            syncing.emplace(sync);
        } catch (const std::system_error&) {
            sync();   // no second thread: synced first, then read back
        }
        try {
            const QString temporary = file_.TemporaryPath();
            const int fd = filecalls::OpenForReading(QFile::encodeName(temporary));
            if (fd < 0)
                throw VerifyError(SafeFileWriter::ErrorText(errno).toStdString());
            const auto closing = qScopeGuard([fd] { ::close(fd); });
            verify(fd);
            if (check)
                check(temporary);
        } catch (const VerifyError& e) {
            unreadable = QString::fromUtf8(e.what());
        } catch (...) {
            refused = std::current_exception();
        }
        if (syncing)
            syncing->join();
    }
    if (syncError != 0)
        file_.Fail(SafeFileWriter::ErrorText(syncError));
    if (unreadable)
        file_.Fail(*unreadable);
    if (refused) {
        file_.Discard();
        std::rethrow_exception(refused);
    }
    file_.Place([this](int fd) { verify(fd); });
}

// Reads the file open at `fd` from its start and compares its length and digest with those of the
// bytes meant for it; raises on any difference.
void MediaFileWriter::verify(int fd) const
{
    QByteArray chunk(FlushSize, Qt::Uninitialized);
    ContentDigest digest;
    qsizetype length = 0;
    int error = 0;
    for (;;) {
        const ssize_t got = filecalls::Read(fd, chunk.data(), size_t(chunk.size()));
        if (got < 0) {
            error = errno;
            break;
        }
        if (got == 0)
            break;
        digest.add(chunk.constData(), got);
        length += got;
        if (length > handedOver_)
            break;
    }
    if (error != 0)
        throw VerifyError(SafeFileWriter::ErrorText(error).toStdString());
    if (length != handedOver_ || digest.result() != digest_.result())
        throw VerifyError(wagbkText(15001).toStdString());
}
