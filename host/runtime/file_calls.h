#pragma once
// The file system calls that put a file the program writes (a media file, a PDF, a text file) on
// disk. Each one is a point where a test can make the call fail as a full disk, a failing device or a
// refused rename would, and every call is counted, so that a test can fail each point of a real
// export in turn.
#include <QByteArray>
#include <cerrno>
#include <sys/types.h>

namespace filecalls {

enum class Call { Create, Write, Flush, Sync, Close, Rename, Read };
inline constexpr Call AllCalls[] = {Call::Create, Call::Write, Call::Flush, Call::Sync,
                                    Call::Close, Call::Rename, Call::Read};
const char* CallName(Call call);

// The `occurrence`-th call of `call` since Arm fails with `error`. A write fault with `shortWrite`
// writes half of its bytes and reports them, and every later write fails, as on a disk that has
// just filled up. A read fault with `corrupt` hands back its bytes with one of them changed.
struct Fault {
    Call call = Call::Write;
    int occurrence = 1;
    int error = EIO;
    bool shortWrite = false;
    bool corrupt = false;
};

void Arm(const Fault& fault);   // also starts counting again
void Disarm();                  // no fault; the counts go on
int Calls(Call call);           // calls made since the last Arm or ResetCounts
void ResetCounts();

// Each returns what the system call returns (-1 with errno set on failure).
int CreateTemporary(QByteArray& pathTemplate);   // mkostemp: "XXXXXX" at the end is replaced
ssize_t Write(int fd, const char* data, size_t size);
int Flush();                                      // a buffer is about to be handed to the file
int Sync(int fd);
int Close(int fd);
int Rename(const QByteArray& from, const QByteArray& to);
// Gives `from` the name `to` only while no file has that name (EEXIST otherwise): of two writers
// that start a new file at once, one places it and the other finds it there.
int RenameIfFree(const QByteArray& from, const QByteArray& to);
int OpenForReading(const QByteArray& path);
ssize_t Read(int fd, char* data, size_t size);

} // namespace filecalls
