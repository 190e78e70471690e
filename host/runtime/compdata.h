#pragma once
// The company context record: a packed binary record that the host owns and hands to the module.
// The module reads it through cData and never copies it.
//
// Layout (byte offsets from the start of the record):
//   772   short string  company number COMPNO (a length byte, then up to 255 bytes of UTF-8)
//   1028  short string  company name
//   1796  1 byte        text code of the company's data, 0 or 1
//   2565  short string  company telephone number
//   3845  short string  company uniform number (統一編號)
//   9248  int32         decimal places of amounts
//   9252  int32         decimal places of unit prices
//   9256  int32         decimal places of quantities
//   9260  int32         decimal places of tax amounts
//   12396 1 byte        reconnect flag (0 or 1)
//   13689 short string  product mark flag ("T" stands for true)
//   14204 int32         language id: 0 simplified Chinese, 1 traditional Chinese, 2 English
//   14724 pointer       const char*: NUL-terminated UTF-8 name of the shared table just changed, or "ALLDATA"
// Integers are little-endian and unaligned; the record is CompanyRecordSize bytes long.
#include <QString>
#include <cstdint>
#include <vector>

namespace Compdata {

constexpr int CompanyRecordSize = 14724 + int(sizeof(const char*));

namespace Offset {
constexpr int CompNo = 772, Name = 1028, TextCode = 1796, Tel = 2565, UniNo = 3845;
constexpr int AmtPoint = 9248, UpPoint = 9252, QtyPoint = 9256, TaxPoint = 9260;
constexpr int Reconnect = 12396, PrdMark = 13689, LanguageId = 14204, ChangedTable = 14724;
}

// The host's current record; set by SetCompanyData, null before.
extern const std::uint8_t* cData;

QString ShortString(const std::uint8_t* record, int offset);
std::int32_t Int32At(const std::uint8_t* record, int offset);
std::uint8_t ByteAt(const std::uint8_t* record, int offset);
QString ChangedTableName(const std::uint8_t* record);

// Readers of the current record (cData); empty texts and zeros while no record is set.
QString CompanyNumber();
QString CompanyName();
QString CompanyTelephone();
QString CompanyUniformNumber();

// Builds a record for hosts and tests. The changed-table text is owned by the builder,
// so the builder must outlive every reader of the record it built.
class CompanyRecordBuilder {
public:
    CompanyRecordBuilder();
    CompanyRecordBuilder& companyNumber(const QString& v);
    CompanyRecordBuilder& name(const QString& v);
    CompanyRecordBuilder& textCode(int v);
    CompanyRecordBuilder& telephone(const QString& v);
    CompanyRecordBuilder& uniformNumber(const QString& v);
    CompanyRecordBuilder& decimals(int amounts, int unitPrices, int quantities, int taxes);
    CompanyRecordBuilder& reconnect(bool v);
    CompanyRecordBuilder& productMark(const QString& v);
    CompanyRecordBuilder& languageId(int v);
    CompanyRecordBuilder& changedTable(const QString& v);
    const std::uint8_t* data() const { return bytes_.data(); }

private:
    void putShortString(int offset, const QString& v);
    void putInt32(int offset, std::int32_t v);
    std::vector<std::uint8_t> bytes_;
    QByteArray changedTable_;
};

} // namespace Compdata
