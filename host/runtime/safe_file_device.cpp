#include "runtime/safe_file_device.h"

SafeFileDevice::SafeFileDevice(const QString& path, Replacing replacing)
    : file_(path, replacing)
{
    open(QIODevice::WriteOnly);
}

qint64 SafeFileDevice::writeData(const char* data, qint64 size)
{
    if (failure_)
        return -1;
    try {
        file_.Write(data, size);
    } catch (const std::runtime_error& e) {
        failure_ = e.what();
        setErrorString(QString::fromUtf8(e.what()));
        return -1;
    }
    return size;
}

void SafeFileDevice::Commit()
{
    close();
    if (failure_)
        throw std::runtime_error(*failure_);
    file_.Commit();
}
