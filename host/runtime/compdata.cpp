// Reading and building the host's company context record.
#include "runtime/compdata.h"

#include <cstring>

namespace Compdata {

const std::uint8_t* cData = nullptr;

QString ShortString(const std::uint8_t* record, int offset)
{
    const int length = record[offset];
    return QString::fromUtf8(reinterpret_cast<const char*>(record + offset + 1), length);
}

std::int32_t Int32At(const std::uint8_t* record, int offset)
{
    // Little-endian regardless of the machine, and without assuming alignment.
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | record[offset + i];
    return static_cast<std::int32_t>(value);
}

std::uint8_t ByteAt(const std::uint8_t* record, int offset)
{
    return record[offset];
}

QString ChangedTableName(const std::uint8_t* record)
{
    const char* name = nullptr;
    std::memcpy(&name, record + Offset::ChangedTable, sizeof name);
    return name ? QString::fromUtf8(name) : QString();
}

namespace {
QString CurrentShortString(int offset)
{
    return cData ? ShortString(cData, offset) : QString();
}
} // namespace

QString CompanyNumber() { return CurrentShortString(Offset::CompNo); }
QString CompanyName() { return CurrentShortString(Offset::Name); }
QString CompanyTelephone() { return CurrentShortString(Offset::Tel); }
QString CompanyUniformNumber() { return CurrentShortString(Offset::UniNo); }

CompanyRecordBuilder::CompanyRecordBuilder()
    : bytes_(CompanyRecordSize, 0)
{
}

CompanyRecordBuilder& CompanyRecordBuilder::companyNumber(const QString& v) { putShortString(Offset::CompNo, v); return *this; }
CompanyRecordBuilder& CompanyRecordBuilder::name(const QString& v) { putShortString(Offset::Name, v); return *this; }
CompanyRecordBuilder& CompanyRecordBuilder::telephone(const QString& v) { putShortString(Offset::Tel, v); return *this; }
CompanyRecordBuilder& CompanyRecordBuilder::uniformNumber(const QString& v) { putShortString(Offset::UniNo, v); return *this; }
CompanyRecordBuilder& CompanyRecordBuilder::productMark(const QString& v) { putShortString(Offset::PrdMark, v); return *this; }

CompanyRecordBuilder& CompanyRecordBuilder::textCode(int v)
{
    bytes_[Offset::TextCode] = static_cast<std::uint8_t>(v);
    return *this;
}

CompanyRecordBuilder& CompanyRecordBuilder::decimals(int amounts, int unitPrices, int quantities, int taxes)
{
    putInt32(Offset::AmtPoint, amounts);
    putInt32(Offset::UpPoint, unitPrices);
    putInt32(Offset::QtyPoint, quantities);
    putInt32(Offset::TaxPoint, taxes);
    return *this;
}

CompanyRecordBuilder& CompanyRecordBuilder::reconnect(bool v)
{
    bytes_[Offset::Reconnect] = v ? 1 : 0;
    return *this;
}

CompanyRecordBuilder& CompanyRecordBuilder::languageId(int v)
{
    putInt32(Offset::LanguageId, v);
    return *this;
}

CompanyRecordBuilder& CompanyRecordBuilder::changedTable(const QString& v)
{
    changedTable_ = v.toUtf8();
    const char* name = changedTable_.constData();
    std::memcpy(bytes_.data() + Offset::ChangedTable, &name, sizeof name);
    return *this;
}

void CompanyRecordBuilder::putShortString(int offset, const QString& v)
{
    // At most 255 bytes; a longer text is cut before the character that would not fit whole.
    QByteArray utf8 = v.toUtf8();
    if (utf8.size() > 255) {
        qsizetype cut = 255;
        while (cut > 0 && (static_cast<std::uint8_t>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        utf8.truncate(cut);
    }
    bytes_[offset] = static_cast<std::uint8_t>(utf8.size());
    std::memcpy(bytes_.data() + offset + 1, utf8.constData(), utf8.size());
}

void CompanyRecordBuilder::putInt32(int offset, std::int32_t v)
{
    const auto bits = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        bytes_[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

} // namespace Compdata
