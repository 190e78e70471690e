#pragma once
// The files of a ZIP archive (an XLSX workbook) through minizip: the archive opened once, each of
// its entries read as a device, unpacked as it is read.
#include <QIODevice>
#include <QString>

namespace company {

class ZipArchive {
public:
    explicit ZipArchive(const QString& file);   // check isOpen()
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    bool isOpen() const { return zip_ != nullptr; }
    void* handle() const { return zip_; }

private:
    void* zip_ = nullptr;
};

// One entry of an archive, read-only; one may be open at a time per archive.
class ZipEntry : public QIODevice {
public:
    ZipEntry(ZipArchive& archive, const QString& name);   // check isOpen()
    ~ZipEntry() override;
    bool isSequential() const override { return true; }
    qint64 unpackedSize() const { return size_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    ZipArchive& archive_;
    qint64 size_ = 0;
};

} // namespace company
