// The company context record: what the builder writes is what the readers find, at the agreed offsets.
#include "runtime/compdata.h"

#include <gtest/gtest.h>

using namespace Compdata;

namespace {

struct CurrentRecord {
    explicit CurrentRecord(const std::uint8_t* record) { cData = record; }
    ~CurrentRecord() { cData = nullptr; }
};

TEST(CompanyRecord, RoundTripsEveryField)
{
    CompanyRecordBuilder builder;
    builder.companyNumber("01").name(QStringLiteral("大同實業股份有限公司")).textCode(1)
        .telephone("02-2345-6789").uniformNumber("12345678").decimals(2, 4, 3, 1)
        .reconnect(true).productMark("T").languageId(2).changedTable("DEPT");
    const std::uint8_t* record = builder.data();

    EXPECT_EQ(ShortString(record, Offset::CompNo), "01");
    EXPECT_EQ(ShortString(record, Offset::Name), QStringLiteral("大同實業股份有限公司"));
    EXPECT_EQ(ByteAt(record, Offset::TextCode), 1);
    EXPECT_EQ(ShortString(record, Offset::Tel), "02-2345-6789");
    EXPECT_EQ(ShortString(record, Offset::UniNo), "12345678");
    EXPECT_EQ(Int32At(record, Offset::AmtPoint), 2);
    EXPECT_EQ(Int32At(record, Offset::UpPoint), 4);
    EXPECT_EQ(Int32At(record, Offset::QtyPoint), 3);
    EXPECT_EQ(Int32At(record, Offset::TaxPoint), 1);
    EXPECT_EQ(ByteAt(record, Offset::Reconnect), 1);
    EXPECT_EQ(ShortString(record, Offset::PrdMark), "T");
    EXPECT_EQ(Int32At(record, Offset::LanguageId), 2);
    EXPECT_EQ(ChangedTableName(record), "DEPT");
}

TEST(CompanyRecord, IsLaidOutAsTheHostDefinesIt)
{
    CompanyRecordBuilder builder;
    builder.companyNumber("A7").decimals(-1, 0x01020304, 0, 0).languageId(1);
    const std::uint8_t* record = builder.data();

    // Short string: a length byte, then the bytes.
    EXPECT_EQ(record[772], 2);
    EXPECT_EQ(record[773], 'A');
    EXPECT_EQ(record[774], '7');
    // 32-bit integers: little-endian, unaligned offsets are fine.
    EXPECT_EQ(record[9248], 0xFF);
    EXPECT_EQ(record[9251], 0xFF);
    EXPECT_EQ(Int32At(record, Offset::AmtPoint), -1);
    EXPECT_EQ(record[9252], 0x04);
    EXPECT_EQ(record[9255], 0x01);
    EXPECT_EQ(record[14204], 1);
    EXPECT_EQ(CompanyRecordSize, 14724 + int(sizeof(const char*)));
}

TEST(CompanyRecord, CutsLongTextsAtAWholeCharacter)
{
    // 86 three-byte characters are 258 bytes; 85 of them (255 bytes) fit.
    const QString longName(86, QChar(0x5927));
    CompanyRecordBuilder builder;
    builder.name(longName).telephone("x");
    EXPECT_EQ(builder.data()[Offset::Name], 255);
    EXPECT_EQ(ShortString(builder.data(), Offset::Name), QString(85, QChar(0x5927)));
    EXPECT_EQ(ShortString(builder.data(), Offset::Tel), "x");   // the next field is untouched

    // A two-byte character straddling byte 255 is left out whole.
    CompanyRecordBuilder odd;
    odd.name(QString(254, u'a') + QChar(0xE9));
    EXPECT_EQ(odd.data()[Offset::Name], 254);
}

TEST(CompanyRecord, ReadersFollowTheCurrentRecord)
{
    EXPECT_TRUE(CompanyNumber().isEmpty());   // no record yet
    CompanyRecordBuilder first, second;
    first.companyNumber("01").name("First").telephone("111").uniformNumber("11111111");
    second.companyNumber("02");
    {
        CurrentRecord current(first.data());
        EXPECT_EQ(CompanyNumber(), "01");
        EXPECT_EQ(CompanyName(), "First");
        EXPECT_EQ(CompanyTelephone(), "111");
        EXPECT_EQ(CompanyUniformNumber(), "11111111");
        cData = second.data();   // a company switch replaces the pointer, nothing is copied
        EXPECT_EQ(CompanyNumber(), "02");
        EXPECT_TRUE(CompanyName().isEmpty());
    }
    EXPECT_TRUE(CompanyName().isEmpty());
}

TEST(CompanyRecord, MissingChangedTableReadsEmpty)
{
    CompanyRecordBuilder builder;
    EXPECT_TRUE(ChangedTableName(builder.data()).isEmpty());
    builder.changedTable("ALLDATA");
    EXPECT_EQ(ChangedTableName(builder.data()), "ALLDATA");
}

} // namespace
