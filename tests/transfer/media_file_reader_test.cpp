// Reading a media file back by its layout: the records by kind and name, and each kind of damage
// caught with its line and field.
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "transfer/media_file_reader.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

using namespace source;
constexpr auto L = FieldForm::Left;
constexpr auto Z = FieldForm::Zeros;
constexpr auto W = FieldForm::Whole;

// A header with the date, count and total of the employees; a numbered record per employee; a
// trailer with the window's count and total in cents.
const MediaLayout& layout()
{
    static const MediaLayout layout{
        {{{1, 1, L, Constant("1"), "區別碼"},
          {2, 6, W, TransferDateRoc(), "轉帳日期"},
          {8, 4, Z, EmployeeRecordCount(), "筆數"},
          {12, 10, Z, EmployeeRecordTotal(Unit::Whole, IntegerWidth::Bits64), "總金額"}}},
        {{{1, 1, L, Constant("2"), "區別碼"},
          {2, 4, Z, Sequence(), "序號"},
          {6, 5, L, Column("BACC_NO"), "帳號"},
          {11, 8, Z, RowAmount(Unit::Hundredths, IntegerWidth::Bits64), "金額"},
          {19, 6, L, Column("YG_NAME"), "姓名"}}},
        {{{1, 1, L, Constant("3"), "區別碼"},
          {2, 4, Z, TransferCount(), "筆數"},
          {6, 10, Z, TotalAmount(Unit::Hundredths, IntegerWidth::Bits64), "總金額"},
          {16, 2, L, Blank(), "空白"}}},
    };
    return layout;
}

QString text(int id)
{
    return LoadFormResourceStr("WAGBK", id);
}

QString failure(int line, const QString& field, const QString& expected)
{
    return text(15750).arg(line).arg(field, expected);
}

QByteArray sound()
{
    return "1950305" "0002" "0000000300\r\n"
           "2" "0001" "11111" "00010050" + ToBig5("王小明").bytes + "\r\n"
           "2" "0002" "22222" "00020000" "Amy   \r\n"
           "3" "0002" "0000030050" "  \r\n";
}

MediaFileReading read(const QByteArray& bytes)
{
    return ReadMediaFile(layout(), bytes, {});
}

TEST(MediaFileReader, ASoundFileReadsByKindAndNameWithItsSummary)
{
    const MediaFileReading reading = read(sound());
    EXPECT_TRUE(reading.valid()) << reading.failures.join('\n').toStdString();
    EXPECT_EQ(reading.records, 4);
    EXPECT_EQ(reading.employees, 2);
    EXPECT_DOUBLE_EQ(reading.total, 300.5);
    ASSERT_EQ(reading.lines.size(), 4u);
    EXPECT_EQ(reading.lines[0].kind, text(15758));
    EXPECT_EQ(reading.lines[1].kind, text(15759));
    EXPECT_EQ(reading.lines[3].kind, text(15760));
    const ReadLine& first = reading.lines[1];
    ASSERT_EQ(first.fields.size(), 5u);
    EXPECT_EQ(first.fields[3].content, "金額");
    EXPECT_EQ(first.fields[3].text, "00010050");
    EXPECT_EQ(first.fields[4].text, "王小明");

    QByteArray year100 = sound();
    year100.replace(0, 7, "11000305");
    EXPECT_TRUE(read(year100).valid()) << "from ROC year 100 on the date takes seven bytes";
}

TEST(MediaFileReader, EachDamageIsNamedByLineAndField)
{
    const auto damaged = [](qsizetype at, qsizetype length, const QByteArray& with) {
        QByteArray bytes = sound();
        return read(bytes.replace(at, length, with)).failures;
    };
    const qsizetype line2 = sound().indexOf("\r\n") + 2, line3 = sound().indexOf("2" "0002"), line4 = sound().indexOf("3" "0002");

    EXPECT_EQ(damaged(line2 + 20, 4, ""), QStringList{failure(2, "記錄長度", text(15754).arg(24))}) << "a cut line";
    EXPECT_EQ(damaged(line3 - 2, 1, ""), QStringList{failure(2, "行尾", "CR LF")}) << "a missing CR";
    EXPECT_TRUE(damaged(line2 + 13, 1, "O").contains(failure(2, "金額", text(15755)))) << "a letter in an amount";
    EXPECT_EQ(damaged(line4 + 14, 1, "1"), QStringList{failure(4, "總金額", "30050")}) << "a wrong trailer total";
    EXPECT_EQ(damaged(11, 1, "1"), QStringList{failure(1, "總金額", "300")}) << "a wrong header total";
    EXPECT_EQ(damaged(line3 + 4, 1, "3"), QStringList{failure(3, "序號", "2")}) << "a serial number out of sequence";
    EXPECT_EQ(damaged(3, 4, "0230"), QStringList{failure(1, "轉帳日期", text(15756))}) << "February 30th";
    EXPECT_EQ(damaged(line4 + 15, 2, "X "), QStringList{failure(4, "空白", text(15901))});
    EXPECT_EQ(damaged(line3 + 18, 2, "\xA4 "), QStringList{failure(3, "姓名", text(15757))}) << "Big5 that does not decode";

    QByteArray swapped = sound();
    const QByteArray detail = swapped.mid(line3, line4 - line3), trailer = swapped.mid(line4);
    swapped = swapped.left(line3) + trailer + detail;
    const MediaFileReading reading = read(swapped);
    EXPECT_TRUE(reading.failures.contains(failure(3, "記錄種類", text(15759)))) << reading.failures.join('\n').toStdString();
    EXPECT_TRUE(reading.failures.contains(failure(4, "記錄種類", text(15760))));
    EXPECT_EQ(reading.lines[2].kind, text(15760)) << "a record out of order is read by the kind its code shows";
}

TEST(MediaFileReader, MissingRecordsAndAnEmptyFile)
{
    const QByteArray headerOnly = sound().left(sound().indexOf("\r\n") + 2);
    EXPECT_TRUE(read(headerOnly).failures.contains(failure(2, "記錄種類", text(15759))));
    EXPECT_FALSE(read("").valid());
    EXPECT_FALSE(read(sound().left(sound().size() - 2)).valid()) << "the last line ends with CR LF as well";
}

// A file of `employees` detail records (about 25 bytes each), far more than one piece read at a time.
QByteArray large(int employees)
{
    QByteArray bytes = "1950305" + QByteArray::number(employees).rightJustified(4, '0')
        + QByteArray::number(employees).rightJustified(10, '0') + "\r\n";
    for (int i = 1; i <= employees; ++i)
        bytes += "2" + QByteArray::number(i).rightJustified(4, '0') + "11111" "00000100" + ToBig5("王小明").bytes + "\r\n";
    return bytes + "3" + QByteArray::number(employees).rightJustified(4, '0')
        + QByteArray::number(employees * 100).rightJustified(10, '0') + "  \r\n";
}

TEST(MediaFileReader, AFileReadInPiecesReadsAsItsBytesAndTheSummaryKeepsNoLines)
{
    QByteArray bytes = large(9000);
    // Damage across the file: a line without CR at the edge of the first piece read, a letter in an
    // amount, a serial number out of sequence near the end.
    const qsizetype edge = bytes.indexOf("\r\n", 64 * 1024 - 2);
    bytes.remove(edge, 1);
    bytes.replace(bytes.indexOf("2" "4000"), 1 + 4 + 5 + 1, "2" "4000" "11111" "O");
    bytes.replace(bytes.indexOf("2" "8999"), 5, "2" "9999");

    const MediaFileReading whole = read(bytes);
    EXPECT_EQ(whole.records, 9002);
    EXPECT_EQ(whole.employees, 9000);
    EXPECT_EQ(whole.lines.size(), 9002u);
    EXPECT_EQ(whole.failures.size(), 3 + 2) << whole.failures.join('\n').toStdString() << "with the totals the letter spoilt";
    EXPECT_EQ(whole.failures.first(), failure(int(bytes.left(edge).count('\n')) + 1, "行尾", "CR LF"));

    QBuffer file(&bytes);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const MediaFileReading summary = ReadMediaFile(layout(), file, {}, ReadingDetail::Summary);
    EXPECT_TRUE(summary.lines.empty());
    EXPECT_EQ(summary.failures, whole.failures) << "the same checks, in the same order";
    EXPECT_EQ(summary.records, whole.records);
    EXPECT_EQ(summary.employees, whole.employees);
    EXPECT_DOUBLE_EQ(summary.total, whole.total);
    EXPECT_EQ(summary.placed, whole.placed);

    QByteArray unended = large(3000);
    unended.chop(2);
    const QStringList failures = read(unended).failures;
    EXPECT_EQ(failures, QStringList{failure(3002, "行尾", "CR LF")}) << "only the last line lacks its end";
}

TEST(MediaFileReader, ZeroFilledNumbersWithASignOrTooManyDigits)
{
    const qsizetype trailer = sound().indexOf("3" "0002");
    const auto trailerTotal = [&](const QByteArray& digits) {
        QByteArray bytes = sound();
        return read(bytes.replace(trailer + 5, 10, digits)).failures;
    };
    EXPECT_TRUE(trailerTotal("0000030050").isEmpty());
    EXPECT_EQ(trailerTotal("00000-0050"), QStringList{failure(4, "總金額", "30050")}) << "a minus sign after the zeros";
    EXPECT_EQ(trailerTotal("-000030050"), QStringList{failure(4, "總金額", "30050")});
    for (const QByteArray& malformed : {QByteArray("000000000-"), QByteArray("0000+30050"), QByteArray("00003005-0"),
                                        QByteArray("000030050 ")})
        EXPECT_EQ(trailerTotal(malformed), QStringList{failure(4, "總金額", text(15755))}) << malformed.toStdString();
}

} // namespace
