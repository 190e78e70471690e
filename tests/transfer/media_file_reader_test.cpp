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
    EXPECT_EQ(damaged(line2 + 13, 1, "O"), QStringList{failure(2, "金額", text(15755))})
        << "a letter in an amount; the totals that no longer add up are not named as well";
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

// Fields whose width follows what they hold: a leading cut text that may be empty before a date with
// a three-digit year, a cut text in the middle of the record, and a text written whole after a date
// that takes seven from the year 100 on.
const MediaLayout& varyingLayout()
{
    static const MediaLayout layout{
        {{{1, 1, FieldForm::Cut, Parameter("ID1"), "首碼"}, {2, 7, W, TransferDateRoc(3), "日期"}}},
        {{{1, 4, L, Column("BACC_NO"), "帳號"},
          {5, 1, L, Blank(), "空白"},
          {6, 6, FieldForm::Cut, Column("ID_NO"), "身分證"},
          {12, 1, L, Blank(), "空白"},
          {13, 6, Z, RowAmount(Unit::Whole, IntegerWidth::Bits64), "金額"},
          {19, 1, L, Constant("Y"), "檢查碼"}}},
        {{{1, 1, L, Constant("9"), "尾碼"},
          {2, 6, W, TodayRoc(), "製作日"},
          {8, 1, W, Parameter("ID4"), "註記"},
          {9, 2, L, Constant("EN"), "結束"}}},
    };
    return layout;
}

QStringList fieldsOf(const ReadLine& line)
{
    QStringList fields;
    for (const ReadField& field : line.fields)
        fields << field.content + '=' + field.text;
    return fields;
}

TEST(MediaFileReader, FieldsOfVaryingWidthAreReadWhereTheyStand)
{
    const auto reading = [](const QByteArray& bytes) { return ReadMediaFile(varyingLayout(), bytes, {}); };
    const MediaFileReading sound = reading("10950305\r\n"
                                           "1111 A12 000100Y\r\n"
                                           "2222 B23456 000200Y\r\n"
                                           "91150301EN\r\n");
    EXPECT_TRUE(sound.valid()) << sound.failures.join('\n').toStdString();
    ASSERT_EQ(sound.lines.size(), 4u);
    EXPECT_EQ(fieldsOf(sound.lines[0]), (QStringList{"首碼=1", "日期=0950305"}));
    EXPECT_EQ(fieldsOf(sound.lines[1]), (QStringList{"帳號=1111", "空白= ", "身分證=A12", "空白= ", "金額=000100", "檢查碼=Y"}))
        << "a short text in the middle shortens the line";
    EXPECT_EQ(fieldsOf(sound.lines[3]), (QStringList{"尾碼=9", "製作日=1150301", "註記=", "結束=EN"}))
        << "the date takes seven, not the empty mark: 115030 is no date";
    EXPECT_DOUBLE_EQ(sound.total, 300);

    const MediaFileReading withoutCode = reading("0950305\r\n1111 A12 000100Y\r\n9950301XEN\r\n");
    EXPECT_TRUE(withoutCode.valid()) << withoutCode.failures.join('\n').toStdString();
    EXPECT_EQ(fieldsOf(withoutCode.lines[0]), (QStringList{"首碼=", "日期=0950305"})) << "never 0 and 950305, a date of the year 15";
    EXPECT_EQ(fieldsOf(withoutCode.lines[2]), (QStringList{"尾碼=9", "製作日=950301", "註記=X", "結束=EN"}));

    EXPECT_EQ(reading("10950305\r\n1111 A12 0\r\n91150301EN\r\n").failures,
              QStringList{failure(2, "記錄長度", text(15764).arg(13).arg(19))})
        << "a cut line: the record takes 13 to 19 bytes";
    EXPECT_TRUE(reading("10950305\r\n1111 A12 000100Y\r\n9EN\r\n").failures.contains(failure(3, "記錄長度", text(15765).arg(9))))
        << "a record with a text written whole takes at least so many bytes";
    EXPECT_EQ(reading("10950305\r\n1111 A12 00X100Y\r\n91150301EN\r\n").failures, QStringList{failure(2, "金額", text(15755))})
        << "a letter in the amount is named as such, not as a shorter text before it";
}

// A date that grows and a text written whole can share one line length in two ways: each line of that
// length is placed by what it holds, not by the line before it.
TEST(MediaFileReader, OneLengthSharedTwoWaysIsPlacedLineByLine)
{
    static const MediaLayout layout{
        {},
        {{{1, 6, W, TodayRoc(), "製作日"},
          {7, 3, W, Column("ID_NO"), "代號"},
          {10, 5, Z, RowAmount(Unit::Whole, IntegerWidth::Bits64), "金額"},
          {15, 7, Z, TransferDateRoc(3), "轉帳日"}}},
        {},
    };
    const auto reading = [](const QByteArray& bytes) { return ReadMediaFile(layout, bytes, {}); };
    const MediaFileReading sound = reading("1150301" "AB" "00100" "0950305\r\n"
                                           "950301" "ABC" "00200" "1150305\r\n"
                                           "1150301" "AB" "00300" "1140105\r\n");
    EXPECT_TRUE(sound.valid()) << sound.failures.join('\n').toStdString();
    ASSERT_EQ(sound.lines.size(), 3u);
    EXPECT_EQ(fieldsOf(sound.lines[0]), (QStringList{"製作日=1150301", "代號=AB", "金額=00100", "轉帳日=0950305"}));
    EXPECT_EQ(fieldsOf(sound.lines[1]), (QStringList{"製作日=950301", "代號=ABC", "金額=00200", "轉帳日=1150305"}));
    EXPECT_EQ(fieldsOf(sound.lines[2]).first(), "製作日=1150301");
    EXPECT_DOUBLE_EQ(sound.total, 600);

    EXPECT_EQ(reading("950301" "ABC" "00200" "0951305\r\n").failures, QStringList{failure(1, "轉帳日", text(15756))})
        << "a month 13 in a zero-filled date";
    EXPECT_EQ(reading("950301" "ABC" "00200" "0000000\r\n").failures, QStringList{failure(1, "轉帳日", text(15756))})
        << "zeros alone are no date";
}

// Records without a code of their own are known by what reads as laid out: a detail where the header
// belongs is named as out of place.
TEST(MediaFileReader, ARecordWithoutCodeOutOfPlaceIsNamed)
{
    static const MediaLayout layout{
        {{{1, 6, W, TransferDateRoc(), "日期"}, {7, 4, Z, EmployeeRecordCount(), "筆數"}}},
        {{{1, 5, L, Column("BACC_NO"), "帳號"}, {6, 4, Z, RowAmount(Unit::Whole, IntegerWidth::Bits64), "金額"}, {10, 1, L, Blank(), "空白"}}},
        {},
    };
    const MediaFileReading swapped = ReadMediaFile(layout, "A1111" "0100" " \r\n" "950305" "0001\r\n", {});
    EXPECT_TRUE(swapped.failures.contains(failure(1, "記錄種類", text(15758)))) << swapped.failures.join('\n').toStdString();
    EXPECT_TRUE(swapped.failures.contains(failure(2, "記錄種類", text(15759))));
    EXPECT_EQ(swapped.lines[0].kind, text(15759));
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

TEST(MediaFileReader, AFileReadInPiecesReadsAsItsBytesAndItsChecksKeepNoLines)
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
    EXPECT_EQ(whole.failures.size(), 3) << whole.failures.join('\n').toStdString() << "the totals go unchecked past the letter";
    EXPECT_EQ(whole.failures.first(), failure(int(bytes.left(edge).count('\n')) + 1, "行尾", "CR LF"));

    // Read from a device, a piece at a time, with every check and no line kept, as an export checks
    // the file it wrote: the same failures, employees, total and placing.
    QBuffer file(&bytes);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const MediaFileReading checks = ReadMediaFile(layout(), file, {}, ReadingDetail::Checks);
    EXPECT_TRUE(checks.lines.empty());
    EXPECT_EQ(checks.failures, whole.failures);
    EXPECT_EQ(checks.records, whole.records);
    EXPECT_EQ(checks.employees, whole.employees);
    EXPECT_DOUBLE_EQ(checks.total, whole.total);
    EXPECT_EQ(checks.amountUnit, whole.amountUnit);
    EXPECT_EQ(checks.placed, whole.placed);
    bytes.remove(bytes.indexOf("2" "0007") + 20, 1);   // a detail line one byte short
    EXPECT_FALSE(ReadMediaFile(layout(), bytes, {}, ReadingDetail::Checks).placed);

    QByteArray unended = large(3000);
    unended.chop(2);
    const QStringList failures = read(unended).failures;
    EXPECT_EQ(failures, QStringList{failure(3002, "行尾", "CR LF")}) << "only the last line lacks its end";
}

// A line end split between two pieces of the reading: CR the last byte of one piece, LF the first
// of the next. The header is shortened until a CR falls on the last byte of the first piece.
TEST(MediaFileReader, ALineEndSplitBetweenPiecesOfTheReading)
{
    constexpr qsizetype piece = 64 * 1024;
    QByteArray bytes = large(5000);
    const qsizetype header = bytes.indexOf("\r\n");
    const qsizetype detail = bytes.indexOf("\r\n", header + 2) - header;
    bytes.remove(0, (header + detail * ((piece - 1 - header + detail - 1) / detail) - (piece - 1)));
    ASSERT_EQ(bytes.mid(piece - 1, 2), "\r\n");
    const int splitLine = int(bytes.left(piece).count('\n')) + 1;
    const auto lineEndFailures = [](const QByteArray& file) {
        QStringList found;
        for (const QString& f : read(file).failures)
            if (f.contains(QStringLiteral("CR LF")))
                found << f;
        return found;
    };
    EXPECT_EQ(lineEndFailures(bytes), QStringList{}) << "a CR LF split between pieces is a line end";

    QByteArray withoutCr = bytes;
    withoutCr[piece - 1] = ' ';
    EXPECT_EQ(lineEndFailures(withoutCr), QStringList{failure(splitLine, "行尾", "CR LF")})
        << "an LF opening a piece after no CR";

    QByteArray crAlone = bytes;
    crAlone[piece] = ' ';
    crAlone[piece + 1] = '\n';
    EXPECT_EQ(lineEndFailures(crAlone), QStringList{failure(splitLine, "行尾", "CR LF")})
        << "a CR closing a piece is no line end without its LF";
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

// Bytes that are no records at all: the first failures are listed and the rest counted, and a line
// without end is read only so far, whatever its size.
TEST(MediaFileReader, AnythingButRecordsIsListedUpToALimitAndCounted)
{
    const MediaFileReading noise = read(QByteArray("x\r\n").repeated(1000));
    EXPECT_EQ(noise.failures.size(), ListedFailures);
    EXPECT_GE(noise.unlistedFailures, 1000 - ListedFailures);
    EXPECT_FALSE(noise.valid());

    const MediaFileReading endless = read(QByteArray(4 << 20, '1'));
    EXPECT_EQ(endless.records, 1);
    EXPECT_EQ(endless.lines.front().fields.front().text, "1");
    EXPECT_TRUE(endless.failures.contains(failure(1, "記錄長度", text(15764).arg(21).arg(22)))) << endless.failures.join('\n').toStdString();
}
} // namespace
