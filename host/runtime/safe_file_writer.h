#pragma once
// Writes a file safely, whatever it holds (a media file, a PDF, a list saved as text, the demo
// company): the bytes go to a temporary file beside the target, every write is checked, and the
// temporary file takes the target's name only when all of it is on the disk. A failure leaves any
// earlier file at the path as it was, and no temporary file behind.
//
// The files hold accounts, identity numbers and pay: a new file is readable by the clerk alone
// (mode 0600, narrowed further by the umask); one that replaces a file keeps that file's owner and
// mode as far as the program may set them, and never grants more.
//
// The temporary file is named ".NAME.rar1-PID-XXXXXX" after the target and the process writing it,
// so that one left by a process that died (a power cut, kill -9) is known as ours and removed by
// the next write to that folder once it is some minutes old.
#include <QByteArray>
#include <QString>
#include <functional>
#include <stdexcept>
#include <sys/types.h>

// A file is at the path and was not to be replaced; nothing was written.
class FileExistsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether the file at the path may be replaced. Refused: a file found there when the new one is
// placed (another program wrote one meanwhile) stays, and FileExistsError is raised.
enum class Replacing { Refused, Allowed };

class SafeFileWriter {
public:
    // Checks the target (CheckTarget), removes our stale temporary files from its folder and
    // creates the temporary file; raises when that fails. `what` names the kind of file in messages
    // ("The media file cannot be written"); empty: a file.
    SafeFileWriter(const QString& path, Replacing replacing, const QString& what = {});
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Writes all of `data`, or raises (the temporary file is gone then).
    void Write(const char* data, qsizetype size);
    // Syncs the temporary file; 0, or the error. Safe to run on another thread while it is read.
    int Sync();
    // The temporary file, for what another library fills by its name (the demo company's database).
    QString TemporaryPath() const { return decodedTemporary(); }

    // Gives the temporary file the target's name and syncs the folder. `inPlace` then reads what is
    // at the target (an open descriptor on it) and raises when it is not what was meant: the earlier
    // file goes back, or where there was none, nothing stays. A file that another writer has put
    // there since is theirs and is not checked.
    using PlacedCheck = std::function<void(int fd)>;
    void Place(const PlacedCheck& inPlace = {});
    // With Replacing::Refused: asked when a file is found at the path as the new one is placed; true
    // replaces it after all (the clerk was asked again), false raises FileExistsError.
    void AskBeforeReplacing(std::function<bool()> ask) { askToReplace_ = std::move(ask); }
    // Syncs, then places: for what is written and checked by nothing else.
    void Commit();
    // Removes the temporary file and raises "cannot write PATH: reason".
    [[noreturn]] void Fail(const QString& reason);
    void Discard();

    const QString& path() const { return path_; }

    // Raises unless `path` names no file yet or a regular file: a device, a pipe, a folder or a link
    // to nothing at the path is never replaced.
    static void CheckTarget(const QString& path);
    // Raises unless `path` names a regular file that exists: reading a pipe or a device never ends.
    static void CheckSource(const QString& path);
    // The clerk's words for a system error of reading or writing a file.
    static QString ErrorText(int error);
    // Removes the temporary files of the writers still open when the program is interrupted (Ctrl+C,
    // a terminal closed, kill), then ends it as the signal would have.
    static void RemoveTemporariesOnInterrupt();

private:
    QString decodedTemporary() const;

    QString path_;          // as named, for messages
    QString what_;
    Replacing replacing_;
    std::function<bool()> askToReplace_;
    QByteArray target_;     // the file replaced (a symbolic link followed)
    QByteArray temporary_;  // while it exists
    int fd_ = -1;
    dev_t device_ = 0;      // of the temporary file: what was placed is known by these two
    ino_t inode_ = 0;
};
