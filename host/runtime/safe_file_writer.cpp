#include "runtime/safe_file_writer.h"

#include "runtime/file_calls.h"
#include "runtime/host_texts.h"
#include "runtime/language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary file of ours left this long ago by a process that is gone is removed.
constexpr time_t StaleAfterSeconds = 10 * 60;
const QRegularExpression OurTemporary(QStringLiteral(R"(^\..+\.rar1-(\d+)-[A-Za-z0-9]{6}(\.earlier)?$)"));

// The temporary files open now, for the interrupt handler: it may only read plain memory.
struct OpenTemporary {
    volatile std::sig_atomic_t inUse = 0;
    char path[PATH_MAX] = {};
};
std::array<OpenTemporary, 8> openTemporaries;

void noteOpen(const QByteArray& path)
{
    if (path.size() >= PATH_MAX)
        return;
    for (OpenTemporary& slot : openTemporaries) {
        if (slot.inUse)
            continue;
        std::memcpy(slot.path, path.constData(), size_t(path.size()) + 1);
        slot.inUse = 1;
        return;
    }
}

void noteGone(const QByteArray& path)
{
    for (OpenTemporary& slot : openTemporaries) {
        if (slot.inUse && path == slot.path)
            slot.inUse = 0;
    }
}

extern "C" void removeOpenTemporaries(int signal)
{
    for (OpenTemporary& slot : openTemporaries) {
        if (slot.inUse)
            ::unlink(slot.path);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Removes the temporary files in `folder` that a writer of ours left and that no process holds:
// older than some minutes, of a process that no longer runs.
void removeStaleTemporaries(const QString& folder)
{
    const time_t now = std::time(nullptr);
    for (const QString& name : QDir(folder).entryList({QStringLiteral(".*.rar1-*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = OurTemporary.match(name);
        if (!match.hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder + u'/' + name);
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || now - status.st_mtime < StaleAfterSeconds)
            continue;
        const long pid = match.captured(1).toLong();
        if (pid > 0 && pid <= INT_MAX && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH))
            continue;
        ::unlink(path.constData());
    }
}

// The file a path writes to: a symbolic link is followed, so that the link stays and its file changes.
QString targetOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        return info.canonicalFilePath();
    return info.absoluteFilePath();
}

// Gives the new file (open at `fd`) the owner and permissions it may have. A new file is readable
// by the clerk alone: 0600, narrowed further by the umask. A file that replaces one keeps that file's
// owner, group and permissions as far as this user may set them, and never grants more: when the
// group cannot be kept, the group loses its access rather than pass it to this user's group.
void setOwnerAndMode(int fd, const QByteArray& target)
{
    struct stat replaced {};
    if (::stat(target.constData(), &replaced) != 0) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0600 & ~mask);
        return;
    }
    mode_t mode = replaced.st_mode & 0777;
    struct stat created {};
    ::fstat(fd, &created);
    if (created.st_uid != replaced.st_uid || created.st_gid != replaced.st_gid) {
        if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0 && ::fchown(fd, uid_t(-1), replaced.st_gid) != 0)
            mode &= ~mode_t(0070);
    }
    ::fchmod(fd, mode);
}

} // namespace

QString SafeFileWriter::ErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return HostText(610);
    case EACCES:
    case EPERM: return HostText(611);
    case ENOSPC:
    case EDQUOT: return HostText(612);
    case EROFS: return HostText(613);
    case EFBIG: return HostText(614);
    case EIO: return HostText(615);
    default: return HostText(616).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

void SafeFileWriter::CheckTarget(const QString& path)
{
    if (path.isEmpty() || path.endsWith(u'/'))
        throw std::runtime_error(HostText(605).arg(path).toStdString());
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0) {
        if (S_ISREG(status.st_mode))
            return;
    } else if (::lstat(name.constData(), &status) != 0) {
        return;   // no file yet
    } else {
        throw std::runtime_error(HostText(602).arg(path, QFileInfo(path).symLinkTarget()).toStdString());
    }
    throw std::runtime_error(HostText(601).arg(path).toStdString());
}

void SafeFileWriter::CheckSource(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        throw std::runtime_error(HostText(604).arg(path, ErrorText(errno)).toStdString());
    if (!S_ISREG(status.st_mode))
        throw std::runtime_error(HostText(603).arg(path).toStdString());
}

void SafeFileWriter::RemoveTemporariesOnInterrupt()
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, removeOpenTemporaries);
}

SafeFileWriter::SafeFileWriter(const QString& path, Replacing replacing, const QString& what)
    : path_(path)
    , what_(what.isEmpty() ? HostText(600) : what)
    , replacing_(replacing)
{
    CheckTarget(path);
    target_ = QFile::encodeName(targetOf(path));
    const QFileInfo target(QFile::decodeName(target_));
    removeStaleTemporaries(target.absolutePath());
    QByteArray name = QFile::encodeName(QStringLiteral("%1/.%2.rar1-%3-").arg(target.absolutePath(), target.fileName()).arg(::getpid()))
        + "XXXXXX";
    const int fd = filecalls::CreateTemporary(name);
    if (fd < 0)
        Fail(ErrorText(errno));
    fd_ = fd;
    temporary_ = name;
    noteOpen(temporary_);
    struct stat status {};
    ::fstat(fd_, &status);
    device_ = status.st_dev;
    inode_ = status.st_ino;
    setOwnerAndMode(fd_, target_);
}

SafeFileWriter::~SafeFileWriter()
{
    Discard();
}

QString SafeFileWriter::decodedTemporary() const
{
    return QFile::decodeName(temporary_);
}

void SafeFileWriter::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        noteGone(temporary_);
    }
    temporary_.clear();
}

void SafeFileWriter::Fail(const QString& reason)
{
    Discard();
    throw std::runtime_error(QStringLiteral("%1 %2: %3").arg(what_, path_, reason).toStdString());
}

void SafeFileWriter::Write(const char* data, qsizetype size)
{
    if (fd_ < 0)
        Fail(ErrorText(EBADF));
    qsizetype done = 0;
    while (done < size) {
        const ssize_t written = filecalls::Write(fd_, data + done, size_t(size - done));
        if (written <= 0)
            Fail(ErrorText(written < 0 ? errno : ENOSPC));
        done += written;
    }
}

int SafeFileWriter::Sync()
{
    if (filecalls::Sync(fd_) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

void SafeFileWriter::Commit()
{
    if (const int error = Sync())
        Fail(ErrorText(error));
    Place();
}

void SafeFileWriter::Place(const PlacedCheck& inPlace)
{
    const int fd = std::exchange(fd_, -1);
    if (filecalls::Close(fd) != 0)
        Fail(ErrorText(errno));
    // The earlier file keeps a second name until the new one has read back right, so that a file
    // that does not read back can give its place back to the earlier one.
    QByteArray earlier;
    if (replacing_ == Replacing::Refused && filecalls::RenameIfFree(temporary_, target_) != 0) {
        const int error = errno;
        if (error != EEXIST)
            Fail(ErrorText(error));
        if (!askToReplace_ || !askToReplace_()) {
            Discard();
            throw FileExistsError(HostText(606).arg(path_).toStdString());
        }
        replacing_ = Replacing::Allowed;
    }
    if (replacing_ == Replacing::Allowed) {
        earlier = temporary_ + ".earlier";
        if (::link(target_.constData(), earlier.constData()) != 0)
            earlier.clear();   // no earlier file, or a file system without links
        if (filecalls::Rename(temporary_, target_) != 0) {
            const int error = errno;
            if (!earlier.isEmpty())
                ::unlink(earlier.constData());
            Fail(ErrorText(error));
        }
    }
    noteGone(temporary_);
    temporary_.clear();

    // The rename reaches the disk with its folder; a folder that cannot be synced still holds it.
    const int folder = ::open(QFile::encodeName(QFileInfo(QFile::decodeName(target_)).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    const auto dropEarlier = [&earlier] {
        if (!earlier.isEmpty())
            ::unlink(earlier.constData());
    };
    if (!inPlace) {
        dropEarlier();
        return;
    }
    // What is now at the path is what the reader gets: it must be what was meant, or it goes.
    const int placed = filecalls::OpenForReading(target_);
    struct stat status {};
    const bool ours = placed >= 0 && ::fstat(placed, &status) == 0 && status.st_dev == device_ && status.st_ino == inode_;
    try {
        if (placed < 0)
            throw std::runtime_error(ErrorText(errno).toStdString());
        if (ours)
            inPlace(placed);
    } catch (const std::runtime_error& e) {
        if (placed >= 0)
            ::close(placed);
        if (earlier.isEmpty() || ::rename(earlier.constData(), target_.constData()) != 0)
            ::unlink(target_.constData());
        dropEarlier();
        Fail(QString::fromUtf8(e.what()));
    }
    ::close(placed);
    dropEarlier();
}
