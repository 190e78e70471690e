#pragma once
// A device that writes through a SafeFileWriter, for what writes to a QIODevice (a PDF writer): a
// failed write is kept and raised by Commit, which alone puts the file in place.
#include "runtime/safe_file_writer.h"

#include <QIODevice>
#include <optional>

class SafeFileDevice : public QIODevice {
public:
    SafeFileDevice(const QString& path, Replacing replacing);

    // Raises the first failure of a write, else puts the file in place (SafeFileWriter::Commit).
    void Commit();

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    SafeFileWriter file_;
    std::optional<std::string> failure_;
};
