#include "transfer/media_file_writer.h"

#include "runtime/language.h"
#include "transfer/file_calls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file a path writes to: a symbolic link is followed, so that the link stays and its file changes.
QString targetOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        return info.canonicalFilePath();
    return info.absoluteFilePath();
}

// The permissions the new file gets: those of the file it replaces, else those of a new file.
mode_t modeFor(const QByteArray& target)
{
    struct stat status {};
    if (::stat(target.constData(), &status) == 0)
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void MediaFileWriter::CheckTarget(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0) {
        if (S_ISREG(status.st_mode))
            return;
    } else if (::lstat(name.constData(), &status) != 0) {
        return;   // no file yet
    }
    // A device, a pipe, a socket, a folder or a link to nothing: writing would put a file in its place.
    throw std::runtime_error(wagbkText(15000).arg(path).toStdString());
}

MediaFileWriter::MediaFileWriter(const QString& path)
    : path_(path)
{
    CheckTarget(path);
    target_ = QFile::encodeName(targetOf(path));
    const QFileInfo target(QFile::decodeName(target_));
    QByteArray name = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName()) + ".XXXXXX";
    const int fd = filecalls::CreateTemporary(name);
    if (fd < 0)
        fail(systemReason(errno));
    fd_ = fd;
    temporary_ = name;
    ::fchmod(fd_, modeFor(target_));
}

MediaFileWriter::~MediaFileWriter()
{
    discardTemporary();
}

void MediaFileWriter::discardTemporary()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
}

void MediaFileWriter::fail(const QString& reason)
{
    discardTemporary();
    throw std::runtime_error(QStringLiteral("%1 %2: %3").arg(wagbkText(10086), path_, reason).toStdString());
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
        fail(systemReason(errno));
    qsizetype done = 0;
    while (done < pending_.size()) {
        const ssize_t written = filecalls::Write(fd_, pending_.constData() + done, size_t(pending_.size() - done));
        if (written <= 0)
            fail(systemReason(written < 0 ? errno : ENOSPC));
        done += written;
    }
    digest_.add(pending_.constData(), pending_.size());
    handedOver_ += done;
    pending_.clear();
}

void MediaFileWriter::Commit(const WrittenFileCheck& check)
{
    if (!findings_.refusals.isEmpty()) {
        discardTemporary();
        throw ExportRefused((wagbkText(10087) + u'\n' + findings_.refusals.join(u'\n')).toStdString());
    }
    flush();
    int syncError = 0;
    const auto sync = [this, &syncError] {
        if (filecalls::Sync(fd_) != 0 && errno != EINVAL)
            syncError = errno;
    };
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
            verify(temporary_);
            if (check)
                check(QFile::decodeName(temporary_));
        } catch (const VerifyError& e) {
            unreadable = QString::fromUtf8(e.what());
        } catch (...) {
            refused = std::current_exception();
        }
        if (syncing)
            syncing->join();
    }
    if (syncError != 0)
        fail(systemReason(syncError));
    if (unreadable)
        fail(*unreadable);
    if (refused) {
        discardTemporary();
        std::rethrow_exception(refused);
    }
    const int fd = std::exchange(fd_, -1);
    if (filecalls::Close(fd) != 0)
        fail(systemReason(errno));
    // The earlier file keeps a second name until the new one has read back right, so that a file
    // that does not read back can give its place back to the earlier one.
    QByteArray earlier = temporary_ + ".earlier";
    if (::link(target_.constData(), earlier.constData()) != 0)
        earlier.clear();   // no earlier file, or a file system without links
    if (filecalls::Rename(temporary_, target_) != 0) {
        if (!earlier.isEmpty())
            ::unlink(earlier.constData());
        fail(systemReason(errno));
    }
    temporary_.clear();

    // The rename reaches the disk with its folder; a folder that cannot be synced still holds it.
    const int folder = ::open(QFile::encodeName(QFileInfo(QFile::decodeName(target_)).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    // What is now at the path is what the bank gets: it must be what was meant, or it goes.
    try {
        verify(target_);
    } catch (const std::runtime_error& e) {
        if (earlier.isEmpty() || ::rename(earlier.constData(), target_.constData()) != 0)
            ::unlink(target_.constData());
        if (!earlier.isEmpty())
            ::unlink(earlier.constData());
        fail(QString::fromUtf8(e.what()));
    }
    if (!earlier.isEmpty())
        ::unlink(earlier.constData());
}

// Reads the file at `path` back and compares its length and digest with those of the bytes meant
// for it; raises on any difference.
void MediaFileWriter::verify(const QByteArray& path) const
{
    const int fd = filecalls::OpenForReading(path);
    if (fd < 0)
        throw VerifyError(systemReason(errno).toStdString());
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
    ::close(fd);
    if (error != 0)
        throw VerifyError(systemReason(error).toStdString());
    if (length != handedOver_ || digest.result() != digest_.result())
        throw VerifyError(wagbkText(15001).toStdString());
}
