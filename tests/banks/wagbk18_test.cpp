// United World Chinese Commercial Bank, new format: the 78-byte records byte for byte, what the
// export refuses, the weight gate of the window, the check codes in the table and the list.
#include "banks/wagbk18/wagbk18.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "runtime/ui/function_buttons.h"
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QPushButton>

namespace {

QByteArray big5(const QString& text)
{
    return ToBig5(text).bytes;
}

class Bank18 : public BankExportTest {
protected:
    Bank18() : BankExportTest(QDate(2001, 10, 1)) {}
    QByteArray exportRows(std::initializer_list<TransferRow> rows, const QDate& date = QDate(2001, 10, 5))
    {
        return BankExportTest::exportRows<TWagbk18bForm>(TransferTableLayout::EmployeeNumbered(), rows, date);
    }
};

TEST_F(Bank18, RecordsByteForByteNumberedAcrossSubtotalRowsAsTheDescriptionShowsThem)
{
    company.setBankRow("18", "1234", "07");
    const QByteArray file = exportRows({{"12345678901", "王小明", 8361, "E001", "A123456789"},
                                        {"小計(A01)", "", 8361},
                                        {"23456789012", "李大華", 35000, "E002", "B223456789"},
                                        {"小計(B01)", "", 35000},
                                        {"34567890123", "Amy陳一二三四五六七", 100, "E003", "C123456789"}});
    EXPECT_EQ(file, "1230001" "12345678901" "901005" "0000000836100" "C" + big5("王小明") + "          " "13" "18" "          " "A123456789\r\n"
                    "1230002" "23456789012" "901005" "0000003500000" "C" + big5("李大華") + "          " "17" "18" "          " "B223456789\r\n"
                    "1230003" "34567890123" "901005" "0000000010000" "C" + big5("Amy陳一二三四五") + " " "55" "68" "          " "C123456789\r\n")
        << "a name of 17 bytes is cut before the character it would split";
    const QByteArray example = DescriptionExample(":/banks/wagbk18/description.txt", "123000");
    ASSERT_EQ(example.count('\n'), 2);
    EXPECT_TRUE(file.startsWith(example)) << "the description's example is what the export writes";
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank18, TheWrittenFileReadsBackFieldByFieldAndAWrongCheckCodeIsNamed)
{
    company.setBankRow("18", "1234", "07");
    QByteArray file = exportRows({{"12345678901", "王小明", 8361, "E001", "A123456789"}, {"23456789012", "李大華", 35000, "E002"}});
    MediaFileReading reading = dialog->ReadBack(path);
    EXPECT_TRUE(reading.valid()) << reading.failures.join('\n').toStdString();
    EXPECT_EQ(reading.employees, 2);
    EXPECT_DOUBLE_EQ(reading.total, 43361);
    QStringList fields;
    for (const ReadField& field : reading.lines.at(0).fields)
        fields << field.content + '=' + field.text;
    EXPECT_EQ(fields, (QStringList{"客戶代號=123", "序號=0001", "轉帳帳號=12345678901", "處理日期=901005", "金額=0000000836100",
                                   "借貸別=C", "帳戶名稱=王小明          ", "帳號檢查=13", "金額檢查=18", "備註=          ",
                                   "身份證編號=A123456789"}));

    file[56] = '9';   // the first record's amount check
    reading = readBack(file);
    EXPECT_EQ(reading.failures, QStringList{LoadFormResourceStr("WAGBK", 15750).arg(1).arg("金額檢查", "18")});
}

TEST_F(Bank18, EveryAccountAndAmountTheBankCannotCheckIsListedAndNothingIsWritten)
{
    company.setBankRow("18", "123", "07");
    const QStringList refused = refusals([this] {
        exportRows({{"12345678901", "己", 1, "E0"},
                    {"123456789012", "甲", 1, "E1"},
                    {"1234567890A", "乙", 1, "E2"},
                    {"1234567890", "丙", 1, "E3"},
                    {"12345678901", "丁", -500, "E4"},
                    {"12345678901", "戊", 21474837, "E5"}});
    });
    EXPECT_EQ(refused, (QStringList{"E1 甲: 轉帳帳號 = 123456789012", "E2 乙: 轉帳帳號 = 1234567890A",
                                    "E3 丙: 轉帳帳號 = 1234567890",
                                    RefusalLine("E4 丁", "金額", "-500", values::FaultText(values::Fault::Negative)),
                                    RefusalLine("E5 戊", "金額", "21474837", values::FaultText(values::Fault::TooLarge))}));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Bank18, AMissingOrWrongWeightStopsTheExportWithNothingWritten)
{
    company.setBankRow("18", "123", "");
    EXPECT_THROW(exportRows({{"12345678901", "甲", 1, "E1"}}), std::runtime_error);
    company.setBankRow("18", "123", "7A");
    EXPECT_THROW(exportTable(QDate(2001, 10, 5)), std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Bank18, FromRocYear100EveryRecordIs79Bytes)
{
    company.setBankRow("18", "123", "07");
    const QList<QByteArray> lines = exportRows({{"12345678901", "甲", 1, "E1"}}, QDate(2026, 3, 5)).split('\n');
    EXPECT_EQ(lines[0].size(), 80) << "79 bytes and the CR";
    EXPECT_EQ(lines[0].mid(18, 7), "1150305");
}

TEST_F(Bank18, AnUntouchedWeightIsSavedEmpty)
{
    ReleasedForm<TWagbk18aForm> parameters(Create<TWagbk18aForm>(nullptr));
    parameters->ShowModal();
    parameters->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT '[' || ID2 || ']' || FILENAME FROM BANK1 WHERE BNK_NO='18'").toString(), "[]OBTDTA.TXT");
}

TEST_F(Bank18, TheWindowWaitsForAWeightThenFillsInAccountOrderWithCheckCodes)
{
    company.addPayRun("R1", QDate(2001, 10, 5));
    company.addEmployee({"E001", "王小明", "23456789012", "", "", "", "2", "A123456789"});
    company.addEmployee({"E002", "李大華", "12345678901", "", "", "", "2", "B223456789"});
    company.addEmployee({"E003", "陳一", "ABC", "", "", "", "2", "C123456789"});
    company.addPayLine("R1", "E001", 35000);
    company.addPayLine("R1", "E002", 8361);
    company.addPayLine("R1", "E003", 100);
    const ReleasedForm<TWagbk18Form> window = openWindow<TWagbk18Form>();
    auto* toolbar = window->component<TFunctionButtons>("FunctionButtons1");
    automation.onModal([](MForm& dialog) {
        dialog.component<QPushButton>("Btn_F8")->click();
        return int(mrCancel);
    });
    // Without a weight nothing is selected; the export and the list say that the weight is missing.
    toolbar->RunCommand(cmdExport);
    EXPECT_EQ(messages.last(), LoadFormResourceStr("WAGBK", 15002));
    toolbar->RunCommand(cmdPreview);
    EXPECT_EQ(messages.last(), LoadFormResourceStr("WAGBK", 15002));

    company.setBankRow("18", "123", "07");
    toolbar->RunCommand(cmdBuildTable);
    auto rows = [&window] {
        std::vector<QStringList> all;
        db::LocalTable& table = window->transferTable();
        for (table.first(); !table.eof(); table.next())
            all.push_back({table.fieldText("YG_NO"), table.fieldText("BACC_NO"), table.fieldText("ChkBacc"), table.fieldText("ChkAMTN")});
        return all;
    };
    const std::vector<QStringList> filled{{"E002", "12345678901", "13", "18"},
                                          {"E001", "23456789012", "17", "18"},
                                          {"E003", "ABC", "18", "68"},
                                          {LoadFormResourceStr("WAGBK", 10101), "", "", ""}};
    EXPECT_EQ(rows(), filled) << "an account that is not a number is checked as eleven zeros";
    EXPECT_FALSE(window->transferTable().fieldDef("ChkBacc").visible);

    ReleasedForm<TWagbk18cForm> list(Create<TWagbk18cForm>(nullptr));
    const std::vector<QStringList> lines = PrintedLines(*list, window->transferTable(), QDate(2001, 10, 5), company.path("list.pdf"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], (QStringList{"123", "0001", "12345678901", "90/10/05", "8,361.00", "13", "18", "B223456789"}));
    EXPECT_EQ(lines[2].mid(0, 2), (QStringList{"123", "0003"}));

    company.setBankRow("18", "123", "");
    toolbar->RunCommand(cmdBuildTable);
    EXPECT_EQ(rows(), filled) << "without a weight the table keeps its content";
    company.setBankRow("18", "123", "X");
    toolbar->RunCommand(cmdBuildTable);
    EXPECT_TRUE(messages.last().contains("權數")) << messages.last().toStdString();
}

} // namespace
