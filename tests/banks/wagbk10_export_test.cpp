// Bank of Taiwan: the media file byte for byte, and the export dialog's rules.
#include "banks/wagbk10/wagbk10.h"
#include "runtime/clock.h"
#include "runtime/ui/automation.h"
#include "runtime/language.h"
#include "support/test_company.h"
#include "support/transfer_rows.h"
#include "transfer/media_file_writer.h"

#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class Bank10Export : public ::testing::Test {
protected:
    Bank10Export() : company(QDate(2002, 3, 1)) {}

    // Exports `rows` with the transfer date 91/03/05 and returns the file's bytes.
    QByteArray exportRows(std::initializer_list<TransferRow> rows, int count = -1)
    {
        FillTransferRows(table, TransferTableLayout::Standard(), rows);
        ExportValues values;
        values.transferDate = QDate(2002, 3, 5);
        for (const TransferRow& row : rows) {
            if (!row.name.isEmpty() && !row.account.startsWith("合計")) {
                values.transferTotal += row.amount;
                ++values.transferCount;
            }
        }
        if (count >= 0)
            values.transferCount = count;
        dialog.reset(Create<TWagbk10bForm>(nullptr));
        dialog->Bind(table, values);
        dialog->ShowModal();
        dialog->component<QLineEdit>("PathFile")->setText(path);
        dialog->Btn_F8Click();
        return ReadFileBytes(path);
    }

    TestCompany company;
    AutomationGuard automation;
    db::LocalTable table{"TEST", "BANK10"};
    std::unique_ptr<TWagbk10bForm, void (*)(MForm*)> dialog{nullptr, [](MForm* f) { f->Release(); }};
    QStringList messages;
    QString path = company.path("SALARY.TXT");

    void SetUp() override
    {
        automation.onModal([](MForm&) { return int(mrCancel); });
        automation.onMessage([this](const MessageRequest& m) {
            messages << m.text;
            return int(mrOk);
        });
    }
};

TEST_F(Bank10Export, TheReferenceExampleByteForByte)
{
    company.setBankRow("10", "012", "7", "SALARY.TXT");
    const QByteArray file = exportRows({{"023004707411", "王小明", 8361}, {"12345678901234", "李大華", 52000},
                                        {"合計", "", 60361}});
    const QByteArray expected = "910301" "910305" "012" "12345678" "7  " "00000000000000" "000000060361" "0002" "   " "9\r\n"
                                "   023004707411  000000008361                              9\r\n"
                                "   12345678901234000000052000                              9\r\n";
    EXPECT_EQ(file, expected);
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(Bank10Export, SubtotalRowsAreSkippedAndANamelessEmployeeIsRefused)
{
    company.setBankRow("10", "012", "7");
    const QByteArray file = exportRows({{"111", "甲", 100}, {"小計(A01)", "", 100}, {"合計", "", 100}}, 1);
    const QList<QByteArray> lines = file.split('\n');
    ASSERT_EQ(lines.size(), 3);   // header, one detail, and the empty piece after the last line end
    EXPECT_EQ(lines[0].mid(52, 4), "0001");

    // An employee whose name is an empty text is counted in the header: he must not vanish from the file.
    QFile::remove(path);
    FillTransferRows(table, TransferTableLayout::Standard(), {{"111", "甲", 100}, {"222", "", 50}});
    MarkEmployeeRow(table, 1);
    dialog.reset(Create<TWagbk10bForm>(nullptr));
    dialog->Bind(table, {QDate(2002, 3, 5), 150, 2});
    dialog->ShowModal();
    dialog->component<QLineEdit>("PathFile")->setText(path);
    try {
        dialog->Btn_F8Click();
        ADD_FAILURE() << "the export was not refused";
    } catch (const ExportRefused& refused) {
        const QString message = QString::fromUtf8(refused.what());
        EXPECT_TRUE(message.contains("222: " + LoadFormResourceStr("WAGBK", 15900))) << message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
}

// The zero-filled amount has no room for a sign: a negative amount is refused, never written as
// "00000000-500".
TEST_F(Bank10Export, NegativeAmountsAreRefused)
{
    try {
        exportRows({{"111", "甲", -500}});
        ADD_FAILURE() << "the export was not refused";
    } catch (const ExportRefused& refused) {
        EXPECT_TRUE(QString::fromUtf8(refused.what()).endsWith(RefusalLine("甲", "金額", "-500", values::FaultText(values::Fault::Negative))))
            << refused.what();
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(exportRows({{"111", "甲", 500}}).left(60).mid(12, 3), "   ") << "no BANK1 row: the codes are blank";
}

TEST_F(Bank10Export, ACountThatDoesNotFitStopsTheExportBeforeWriting)
{
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    EXPECT_THROW(exportRows({{"111", "甲", 100}}, 12345), ExportRefused);
    EXPECT_EQ(ReadFileBytes(path), "previous") << "the earlier file stays as it was";
}

TEST_F(Bank10Export, AnAmountBeyondThirtyTwoBitsIsRefused)
{
    EXPECT_THROW(exportRows({{"111", "甲", 3000000000.0}}), ExportRefused);
}

TEST_F(Bank10Export, FromRocYear100TheHeaderGrowsToSixtyTwo)
{
    SetToday(QDate(2026, 3, 1));
    FillTransferRows(table, TransferTableLayout::Standard(), {{"111", "甲", 100}});
    ExportValues values{QDate(2026, 3, 5), 100, 1};
    dialog.reset(Create<TWagbk10bForm>(nullptr));
    dialog->Bind(table, values);
    dialog->ShowModal();
    dialog->component<QLineEdit>("PathFile")->setText(path);
    dialog->Btn_F8Click();
    const QList<QByteArray> lines = ReadFileBytes(path).split('\n');
    EXPECT_EQ(lines[0], "1150301" "1150305" "   " "12345678" "   " "00000000000000" "000000000100" "0001" "   " "9\r");
    EXPECT_EQ(lines[1].size(), 61);
}

TEST_F(Bank10Export, PathProposalRememberedNameAndOverwrite)
{
    FillTransferRows(table, TransferTableLayout::Standard(), {{"111", "甲", 100}});
    dialog.reset(Create<TWagbk10bForm>(nullptr));
    dialog->Bind(table, {QDate(2002, 3, 5), 100, 1});
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/SALARY.TXT");

    dialog->component<QLineEdit>("PathFile")->setText(company.path("JAN.TXT"));
    dialog->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT COUNT(*) FROM BANK1").toInt(), 0) << "no row: the name is not remembered";

    company.setBankRow("10", "012", "7", "");
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/");
    dialog->component<QLineEdit>("PathFile")->setText(company.path("JAN.TXT"));
    automation.onMessage([this](const MessageRequest& m) {
        messages << m.text;
        return m.type == MsgType::Confirmation ? int(mrCancel) : int(mrOk);
    });
    dialog->Btn_F8Click();
    EXPECT_EQ(messages.last(), LoadFormResourceStr("F5MAIN", 11012)) << "an existing file is not replaced without asking";
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='10'").toString(), "");

    automation.onMessage([](const MessageRequest&) { return int(mrOk); });
    dialog->Btn_F8Click();
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='10'").toString(), "JAN.TXT");
    dialog->ShowModal();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), company.mediaFolder() + "/JAN.TXT");
}

TEST_F(Bank10Export, BrowsingForcesTheExtension)
{
    dialog.reset(Create<TWagbk10bForm>(nullptr));
    automation.onFileDialog([](QString& name, const QString& filter) {
        EXPECT_EQ(filter, "*.TXT");
        name = "/tmp/PAY.DAT";
        return true;
    });
    dialog->MSpeedButton1Click();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), "/tmp/PAY.TXT");
    automation.onFileDialog([](QString&, const QString&) { return false; });
    dialog->component<QLineEdit>("PathFile")->setText("/tmp/KEEP");
    dialog->MSpeedButton1Click();
    EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), "/tmp/KEEP.TXT") << "cancel keeps the path, extension forced";
}

TEST_F(Bank10Export, BrowsingReplacesOnlyTheExtensionOfTheFileName)
{
    dialog.reset(Create<TWagbk10bForm>(nullptr));
    const std::pair<QString, QString> chosen[] = {
        {"/tmp/PAY.", "/tmp/PAY.TXT"},
        {"/tmp/v1.2/PAY", "/tmp/v1.2/PAY.TXT"},
        {"/tmp/PAY.TAR.GZ", "/tmp/PAY.TAR.TXT"},
        {"A:\\DIR.X\\PAY", "A:\\DIR.X\\PAY.TXT"},
    };
    for (const auto& [name, forced] : chosen) {
        automation.onFileDialog([name = name](QString& file, const QString&) {
            file = name;
            return true;
        });
        dialog->MSpeedButton1Click();
        EXPECT_EQ(dialog->component<QLineEdit>("PathFile")->text(), forced);
    }
}

TEST_F(Bank10Export, AFailedWriteLeavesNoFileAndNoFinishedMessage)
{
    company.setBankRow("10", "012", "7", "SALARY.TXT");
    FillTransferRows(table, TransferTableLayout::Standard(), {{"111", "甲", 100}});
    dialog.reset(Create<TWagbk10bForm>(nullptr));
    dialog->Bind(table, {QDate(2002, 3, 5), 100, 1});
    dialog->ShowModal();
    dialog->component<QLineEdit>("PathFile")->setText(company.path("missing-folder/SALARY.TXT"));
    EXPECT_THROW(dialog->Btn_F8Click(), std::runtime_error);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(company.scalar("SELECT FILENAME FROM BANK1 WHERE BNK_NO='10'").toString(), "SALARY.TXT");
}

} // namespace
