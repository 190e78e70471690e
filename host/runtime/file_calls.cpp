#include "runtime/file_calls.h"

#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <stdio.h>
#include <unistd.h>

namespace filecalls {
namespace {

std::array<int, std::size(AllCalls)> counts{};
std::optional<Fault> armed;
bool diskFull = false;   // a short write happened: the disk has no more room

int& countOf(Call call)
{
    return counts[static_cast<size_t>(call)];
}

// Counts the call; true when it is the one that must fail (errno is then set).
bool failsNow(Call call)
{
    const int number = ++countOf(call);
    if (!armed || armed->call != call || armed->occurrence != number)
        return false;
    errno = armed->error;
    return true;
}

} // namespace

const char* CallName(Call call)
{
    switch (call) {
    case Call::Create: return "create";
    case Call::Write: return "write";
    case Call::Flush: return "flush";
    case Call::Sync: return "sync";
    case Call::Close: return "close";
    case Call::Rename: return "rename";
    case Call::Read: return "read";
    }
    return "?";
}

void Arm(const Fault& fault)
{
    armed = fault;
    diskFull = false;
    ResetCounts();
}

void Disarm()
{
    armed.reset();
    diskFull = false;
}

int Calls(Call call)
{
    return countOf(call);
}

void ResetCounts()
{
    counts.fill(0);
}

int CreateTemporary(QByteArray& pathTemplate)
{
    if (failsNow(Call::Create))
        return -1;
    return mkostemp(pathTemplate.data(), O_CLOEXEC);
}

ssize_t Write(int fd, const char* data, size_t size)
{
    if (diskFull) {
        ++countOf(Call::Write);
        errno = armed ? armed->error : ENOSPC;
        return -1;
    }
    if (failsNow(Call::Write)) {
        if (!armed->shortWrite || size < 2)
            return -1;
        diskFull = true;
        size /= 2;
    }
    ssize_t written;
    do
        written = ::write(fd, data, size);
    while (written < 0 && errno == EINTR);
    return written;
}

int Flush()
{
    return failsNow(Call::Flush) ? -1 : 0;
}

int Sync(int fd)
{
    if (failsNow(Call::Sync))
        return -1;
    return ::fsync(fd);
}

int Close(int fd)
{
    if (failsNow(Call::Close)) {
        ::close(fd);   // the descriptor is gone whatever close reports
        return -1;
    }
    return ::close(fd);
}

int Rename(const QByteArray& from, const QByteArray& to)
{
    if (failsNow(Call::Rename))
        return -1;
    return ::rename(from.constData(), to.constData());
}

int RenameIfFree(const QByteArray& from, const QByteArray& to)
{
    if (failsNow(Call::Rename))
        return -1;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // A file system that cannot rename without replacing: a second name given only while the name
    // is free, then the first one taken away.
    if (::link(from.constData(), to.constData()) != 0)
        return -1;
    ::unlink(from.constData());
    return 0;
}

int OpenForReading(const QByteArray& path)
{
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC);
}

ssize_t Read(int fd, char* data, size_t size)
{
    const bool fault = failsNow(Call::Read);
    if (fault && !armed->corrupt)
        return -1;
    ssize_t got;
    do
        got = ::read(fd, data, size);
    while (got < 0 && errno == EINTR);
    if (fault && got > 0)
        data[got / 2] = static_cast<char>(data[got / 2] ^ 0x20);
    if (fault && got == 0 && size > 0) {
        data[0] = '\n';   // the end of the file was reached: a byte too many
        got = 1;
    }
    return got;
}

} // namespace filecalls
