// The field rules of media records: alignment, fill, cuts, and what is refused.
#include "runtime/cvcode.h"
#include "support/transfer_rows.h"
#include "transfer/employee_slots.h"
#include "runtime/language.h"
#include "transfer/media_record.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaFields, TextAndNumberRules)
{
    EXPECT_EQ(LeftAligned("023004707411", 14), "023004707411  ");
    EXPECT_EQ(LeftAligned("12345678901234567", 14), "12345678901234");
    EXPECT_EQ(ZeroFilled(8361, 12).value(), "000000008361");
    EXPECT_EQ(ZeroFilled(-500, 12).value(), "00000000-500") << "zeros stand before the sign";
    EXPECT_FALSE(ZeroFilled(12345, 4).has_value());
    EXPECT_EQ(RocDateText(QDate(2002, 3, 15)), "910315");
    EXPECT_EQ(RocDateText(QDate(2026, 3, 5)), "1150305");
    EXPECT_EQ(RocDateText(QDate(2010, 12, 31)), "991231");
    EXPECT_EQ(TruncatedAmount(1234.56, source::Unit::Whole), 1234);
    EXPECT_EQ(TruncatedAmount(1234.56, source::Unit::Hundredths), 123456);
    EXPECT_EQ(TruncatedAmount(-1234.56, source::Unit::Tenths), -12345);
}

TEST(MediaFields, RocYearsOfFixedLengthAroundTheYear100)
{
    EXPECT_EQ(RocDateText(QDate(2002, 3, 5), 3), "0910305");
    EXPECT_EQ(RocDateText(QDate(2010, 12, 31), 3), "0991231");
    EXPECT_EQ(RocDateText(QDate(2012, 3, 5), 3), "1010305");
    EXPECT_EQ(RocDateText(QDate(1992, 2, 10), 4), "00810210");
    EXPECT_EQ(RocDateText(QDate(2011, 1, 1), 4), "01000101");
}

TEST(MediaFields, OneRecordLayoutFollowsTheDateOfEachContext)
{
    // A record of another date gets its own date, never that of a record before.
    using namespace source;
    const MediaRecord record{{1, 7, FieldForm::Whole, TransferDateRoc(3), "轉帳日期"},
                             {8, 7, FieldForm::Whole, TodayRoc(3), "製作日期"}};
    RecordContext context;
    ExportFindings findings;
    context.values.transferDate = QDate(2026, 3, 5);
    context.today = QDate(2026, 3, 1);
    EXPECT_EQ(record.Render(context, "E1", findings), "11503051150301");
    EXPECT_EQ(record.Render(context, "E2", findings), "11503051150301");
    context.values.transferDate = QDate(2010, 12, 31);
    context.today = QDate(2011, 1, 2);
    EXPECT_EQ(record.Render(context, "E3", findings), "09912311000102");
}

// An account is written as digits that fit its field, or refused with the reason; a name Big5 cannot
// carry is written with a substitute and listed, any other such text refused.
TEST(MediaFields, TheGateTakesAccountsOfDigitsThatFitAndNamesWithASubstitute)
{
    using namespace source;
    const MediaRecord record{{1, 12, FieldForm::LeftZeros, Column("BACC_NO"), "帳號"},
                             {13, 4, FieldForm::Left, Column("YG_NAME"), "姓名"},
                             {17, 4, FieldForm::Left, Column("ID_NO"), "身分證"}};
    db::LocalTable row("TEST", "ACCOUNTS");
    for (const char* column : {"BACC_NO", "YG_NAME", "ID_NO"})
        row.addField({column, db::FieldDef::Type::Text, 20});
    row.createTable();
    row.open();
    RecordContext context;
    context.row = &row;
    using values::Fault;
    const QString odd = QStringLiteral("陳𡒄");
    const struct {
        QString account, name, id;
        QByteArray written;
        std::optional<Fault> fault;
    } cases[] = {{"0123456789", "AB", "A1", "012345678900AB  A1  ", {}},
                 {"", "", "", "000000000000        ", {}},
                 {"1234567890123", "", "", {}, Fault::TooLong},
                 {"12-345", "", "", {}, Fault::NotDigits},
                 {QString::fromUtf8("１２３"), "", "", {}, Fault::NotDigits},
                 {"123\r\n45", "", "", {}, Fault::ControlCharacter},
                 {"1", "", "A\t1", {}, Fault::ControlCharacter},
                 {"1", "", odd, {}, Fault::NotBig5},
                 {"1", odd, "", "100000000000" + ToBig5(odd).bytes + "    ", {}}};
    for (const auto& c : cases) {
        row.append();
        row.setField("BACC_NO", c.account);
        row.setField("YG_NAME", c.name);
        row.setField("ID_NO", c.id);
        row.post();
        ExportFindings findings;
        const QByteArray written = record.Render(context, "E1", findings);
        if (c.fault) {
            ASSERT_EQ(findings.refusals.size(), 1) << c.account.toStdString();
            EXPECT_TRUE(findings.refusals.first().endsWith(LoadFormResourceStr("WAGBK", 15910).arg("", values::FaultText(*c.fault))))
                << findings.refusals.first().toStdString();
        } else {
            EXPECT_EQ(written, c.written) << c.account.toStdString();
            EXPECT_TRUE(findings.refusals.isEmpty()) << findings.refusals.join('\n').toStdString();
        }
        EXPECT_EQ(findings.substitutedNames.size(), c.name == odd ? 1 : 0);
    }
}

TEST(MediaFields, CalendarDates)
{
    EXPECT_EQ(CalendarDateText(QDate(2006, 3, 5)), "20060305");
}

TEST(MediaFields, PaddedCutAndZeroFilledTexts)
{
    using namespace source;
    const QString name = QStringLiteral("王小明");   // six bytes in Big5
    const MediaRecord record{
        {1, 4, FieldForm::Padded, Constant("12"), "a"},
        {5, 5, FieldForm::Padded, Constant("12345"), "b"},
        {10, 5, FieldForm::Cut, Constant(name), "c"},
        {15, 6, FieldForm::LeftZeros, Constant("1234"), "d"},
        {21, 3, FieldForm::LeftZeros, Constant("123456"), "e"},
        {24, 4, FieldForm::Zeros, Leading(2, Constant("98765")), "f"},
    };
    ExportFindings findings;
    EXPECT_EQ(record.Render({}, "E1", findings),
              "12  " "12345" + ToBig5(name).bytes.left(4) + "123400" "123" "0098")
        << "a cut text is never padded nor splits a character";
    EXPECT_TRUE(findings.refusals.isEmpty());
}

TEST(MediaFields, CountAndSumOfTheEmployeeRecords)
{
    using namespace source;
    const MediaRecord trailer{
        {1, 3, FieldForm::Zeros, EmployeeRecordCount(), "筆數"},
        {4, 12, FieldForm::Zeros, EmployeeRecordTotal(Unit::Hundredths, IntegerWidth::Bits32), "總金額"},
    };
    RecordContext context;
    context.employeeRecords = 3;
    context.employeeTotal = 33500;
    ExportFindings findings;
    EXPECT_EQ(trailer.Render(context, "表尾", findings), "003" "000003350000");
    EXPECT_TRUE(findings.refusals.isEmpty());

    context.employeeTotal = 21474837;
    trailer.Render(context, "表尾", findings);
    EXPECT_EQ(findings.refusals, QStringList{RefusalLine("表尾", "總金額", "21474837", values::FaultText(values::Fault::TooLarge))})
        << "a sum past 32 bits in cents is refused";
}

TEST(MediaFields, ADoubleByteCharacterIsNeverSplit)
{
    const QByteArray name = ToBig5(QStringLiteral("王小明")).bytes;   // six bytes
    EXPECT_EQ(LeftAligned(name, 5), name.left(4) + ' ');
    EXPECT_EQ(LeftAligned(name, 8), name + "  ");
}

TEST(MediaRecords, PositionsMustFollowOneAnother)
{
    using namespace source;
    EXPECT_THROW((MediaRecord{{1, 3, FieldForm::Left, Blank(), "a"}, {5, 1, FieldForm::Left, Blank(), "b"}}), std::logic_error);
}

TEST(MediaRecords, ValuesThatDoNotFitAreListedNotWritten)
{
    using namespace source;
    const MediaRecord record{
        {1, 4, FieldForm::Zeros, TransferCount(), "筆數"},
        {5, 10, FieldForm::Zeros, TotalAmount(Unit::Hundredths, IntegerWidth::Bits32), "金額"},
    };
    RecordContext context;
    context.values.transferCount = 12345;
    context.values.transferTotal = 21474837;   // in cents beyond a 32-bit integer
    ExportFindings findings;
    record.Render(context, "表頭", findings);
    EXPECT_EQ(findings.refusals,
              (QStringList{"表頭: 筆數 = 12345", RefusalLine("表頭", "金額", "21474837", values::FaultText(values::Fault::TooLarge))}));

    const MediaRecord account{{1, 11, FieldForm::Left, [](const RecordContext&) { return FieldValue::Refused("12-34"); }, "帳號"}};
    account.Render(context, "E1 甲", findings);
    EXPECT_EQ(findings.refusals.last(), "E1 甲: 帳號 = 12-34");

    context.values.transferCount = 2345;
    context.values.transferTotal = 21474836;
    ExportFindings fine;
    EXPECT_EQ(record.Render(context, "表頭", fine), "23452147483600");
    EXPECT_TRUE(fine.refusals.isEmpty());
}

TEST(MediaRecords, LongSequenceNumbersAndNegativeAmountsAreRefused)
{
    using namespace source;
    const MediaRecord record{
        {1, 4, FieldForm::Zeros, Sequence(), "序號"},
        {5, 6, FieldForm::Zeros, RowAmount(Unit::Hundredths, IntegerWidth::Bits32, Sign::NotNegative), "金額"},
    };
    db::LocalTable row("TEST", "SIGNED");
    row.addField({"A_MTN", db::FieldDef::Type::Float});
    row.createTable();
    row.open();
    row.append();
    row.setField("A_MTN", 12.5);
    row.post();
    RecordContext context;
    context.row = &row;
    context.sequence = 7;
    ExportFindings findings;
    EXPECT_EQ(record.Render(context, "E1", findings), "0007001250");
    EXPECT_TRUE(findings.refusals.isEmpty());
    context.sequence = 12345;
    record.Render(context, "E1", findings);
    EXPECT_EQ(findings.refusals, QStringList{"E1: 序號 = 12345"}) << "a sequence number is never lengthened";
    findings.refusals.clear();
    context.sequence = 8;

    row.edit();
    row.setField("A_MTN", -500.75);
    row.post();
    record.Render(context, "E2 乙", findings);
    EXPECT_EQ(findings.refusals, QStringList{RefusalLine("E2 乙", "金額", "-500", values::FaultText(values::Fault::Negative))})
        << "shown in whole units, as the clerk knows it";

    findings.refusals.clear();
    row.edit();
    row.setField("A_MTN", 1e20);
    row.post();
    record.Render(context, "E3 丙", findings);
    EXPECT_EQ(findings.refusals,
              QStringList{RefusalLine("E3 丙", "金額", "100000000000000000000", values::FaultText(values::Fault::TooLarge))})
        << "an amount past any integer is named as it is";
}

// A text a field writes whole (right-aligned, a code, padded) would lengthen the record when longer
// than its field: it is refused, named once for every record.
TEST(MediaRecords, TextsWrittenWholeAreRefusedWhenLongerThanTheirField)
{
    using namespace source;
    const MediaRecord record{
        {1, 10, FieldForm::Right, Constant("A1234567"), "身份證"},
        {11, 3, FieldForm::Code, Constant("7"), "代號"},
        {14, 3, FieldForm::Code, Constant("1234"), "代碼"},
        {17, 4, FieldForm::Right, Constant("A12345"), "統編"},
        {21, 2, FieldForm::Padded, Constant("123"), "局號"},
    };
    ExportFindings findings;
    EXPECT_EQ(record.Render({}, "表頭", findings).left(13), "  A1234567" "007");
    const QString every = LoadFormResourceStr("WAGBK", 15919), tooLong = values::FaultText(values::Fault::TooLong);
    EXPECT_EQ(findings.refusals, (QStringList{RefusalLine(every, "代碼", "1234", tooLong), RefusalLine(every, "統編", "A12345", tooLong),
                                              RefusalLine(every, "局號", "123", tooLong)}));
}

TEST(MediaRecords, SerialNumbersAndTheCountAndSumOfTheEmployeeRecords)
{
    db::LocalTable table("TEST", "COUNTED");
    FillTransferRows(table, TransferTableLayout::Standard(),
                     {{"1", "甲", 100}, {"小計(A01)", "", 100}, {"2", "乙", 250}, {"3", "丙", -50}, {"合計", "", 300}});
    const EmployeeTally tally = TallyEmployees(table, 1, 2);
    EXPECT_EQ(tally.count, 3) << "subtotal and total rows are no records";
    EXPECT_EQ(tally.total, 300);
    EXPECT_EQ(tally.employeesBefore, (std::vector<int>{0, 1, 3})) << "the employees before each block of two rows";
    RecordContext context;
    context.employeeRecords = tally.count;
    context.employeeTotal = tally.total;

    using namespace source;
    const MediaRecord record{
        {1, 5, FieldForm::Zeros, Sequence(2), "序號"},
        {6, 4, FieldForm::Zeros, EmployeeRecordCount(), "筆數"},
        {10, 8, FieldForm::Zeros, EmployeeRecordTotal(Unit::Hundredths, IntegerWidth::Bits32), "總金額"},
    };
    context.sequence = 1;
    ExportFindings findings;
    EXPECT_EQ(record.Render(context, "E1", findings), "00002" "0003" "00030000");
    context.employeeRecords = 10000;
    context.employeeTotal = 21474837;
    record.Render(context, "表頭", findings);
    EXPECT_EQ(findings.refusals,
              (QStringList{"表頭: 筆數 = 10000", RefusalLine("表頭", "總金額", "21474837", values::FaultText(values::Fault::TooLarge))}));
}

// A file's writer renders the fields that are the same in every record once, and copies them after;
// its records are those rendered one by one, and a steady field's finding is named once, not for
// every employee.
TEST(MediaRecords, SteadyFieldsAreRenderedOnceAFileAndTheirFindingsNamedOnce)
{
    using namespace source;
    const MediaRecord record{{1, 3, FieldForm::Left, Constant("ABC"), "代碼"},
                             {4, 4, FieldForm::Zeros, Parameter("ID1"), "主辦行"},
                             {8, 4, FieldForm::Left, Parameter("ID2"), "名稱"},
                             {12, 3, FieldForm::Zeros, Sequence(1), "序號"}};
    QMap<QString, QString> parameters{{"ID1", "12"}, {"ID2", "XY"}};
    RecordContext context;
    context.parameters = &parameters;
    const auto writeFile = [&](bool once, ExportFindings& findings) {
        RenderRoom room;
        QByteArray file;
        for (int sequence = 1; sequence <= 3; ++sequence) {
            context.sequence = sequence;
            record.RenderInto(file, context, QStringLiteral("E%1").arg(sequence), findings, once ? &room : nullptr);
        }
        return file;
    };
    ExportFindings once, each;
    EXPECT_EQ(writeFile(true, once), writeFile(false, each));
    EXPECT_TRUE(once.refusals.isEmpty() && each.refusals.isEmpty());

    parameters["ID1"] = "123456";   // wider than its field
    parameters["ID2"] = QStringLiteral("陳𡒄");   // a parameter Big5 cannot carry is no name to substitute
    ExportFindings refused;
    writeFile(true, refused);
    const QString every = LoadFormResourceStr("WAGBK", 15919);
    EXPECT_EQ(refused.refusals, (QStringList{RefusalLine(every, "主辦行", "123456", values::FaultText(values::Fault::TooLong)),
                                             RefusalLine(every, "名稱", QStringLiteral("陳𡒄"), values::FaultText(values::Fault::NotBig5))}));
    EXPECT_TRUE(refused.substitutedNames.isEmpty());
}

// Steady fields that follow one another are copied as one run; the fields between runs are still
// rendered for each record, and a text joined of steady parts is steady itself.
TEST(MediaRecords, RunsOfSteadyFieldsLeaveTheFieldsBetweenThemToEachRecord)
{
    using namespace source;
    const FieldSource code = Joined({Leading(2, Parameter("ID1")), Constant("-"), Parameter("ID2")});
    EXPECT_TRUE(code.steady());
    EXPECT_FALSE(Joined({Constant("A"), Column("YG_NO")}).steady());
    const MediaRecord record{{1, 1, FieldForm::Left, Constant("2"), "資料別"},
                             {2, 6, FieldForm::Left, code, "企業編號"},
                             {8, 3, FieldForm::Zeros, Sequence(1), "序號"},
                             {11, 2, FieldForm::Left, Constant("99"), "代碼"},
                             {13, 3, FieldForm::Left, Blank(), "空白"},
                             {16, 4, FieldForm::Zeros, Sequence(5), "序號"}};
    QMap<QString, QString> parameters{{"ID1", "1234"}, {"ID2", "AB"}};
    RecordContext context;
    context.parameters = &parameters;
    RenderRoom room;
    QByteArray file;
    ExportFindings findings;
    for (int sequence = 1; sequence <= 3; ++sequence) {
        context.sequence = sequence;
        record.RenderInto(file, context, QStringLiteral("E%1").arg(sequence), findings, &room);
    }
    EXPECT_EQ(file, "212-AB 00199   0005212-AB 00299   0006212-AB 00399   0007");
    EXPECT_TRUE(findings.refusals.isEmpty() && findings.substitutedNames.isEmpty());
}

} // namespace
