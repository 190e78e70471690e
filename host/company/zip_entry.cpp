#include "company/zip_entry.h"

#include <QFile>
#include <climits>
#include <minizip/unzip.h>

namespace company {

ZipArchive::ZipArchive(const QString& file) : zip_(unzOpen64(QFile::encodeName(file).constData()))
{
}

ZipArchive::~ZipArchive()
{
    if (zip_)
        unzClose(zip_);
}

ZipEntry::ZipEntry(ZipArchive& archive, const QString& name) : archive_(archive)
{
    unz_file_info64 info{};
    if (!archive.isOpen() || unzLocateFile(archive.handle(), name.toUtf8().constData(), 1) != UNZ_OK
        || unzGetCurrentFileInfo64(archive.handle(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
        || unzOpenCurrentFile(archive.handle()) != UNZ_OK)
        return;
    size_ = qint64(info.uncompressed_size);
    QIODevice::open(QIODevice::ReadOnly);
}

ZipEntry::~ZipEntry()
{
    if (isOpen())
        unzCloseCurrentFile(archive_.handle());
}

qint64 ZipEntry::readData(char* data, qint64 maxSize)
{
    const int read = unzReadCurrentFile(archive_.handle(), data, unsigned(std::min<qint64>(maxSize, INT_MAX)));
    if (read < 0) {
        setErrorString(QStringLiteral("the workbook is damaged"));
        return -1;
    }
    return read;
}

} // namespace company
