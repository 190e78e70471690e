// The export log holds only files that went out: an export whose file is not put in place after it
// was logged (the rename fails, the clerk keeps a file another export put there meanwhile, the file
// does not read back in place) leaves the log as it was.
#include "banks/wagbk10/wagbk10.h"
#include "runtime/db/export_log.h"
#include "runtime/file_calls.h"
#include "support/bank_export.h"

#include <QFile>

namespace {

using filecalls::Call;

class LoggedExport10 : public BankExportTest {
protected:
    LoggedExport10() : BankExportTest(QDate(2026, 3, 1)) {}
    void TearDown() override { filecalls::Disarm(); }

    void exportOnce()
    {
        ExportValues values;
        values.transferDate = QDate(2026, 3, 5);
        values.transferTotal = 8361;
        values.transferCount = 1;
        exportRows<TWagbk10bForm>(TransferTableLayout::Standard(), {{"023004707411", "王小明", 8361}, {"合計", "", 8361}}, values);
    }
};

TEST_F(LoggedExport10, AFileNotPutInPlaceLeavesNoExportInTheLog)
{
    company.setBankRow("10", "012", "7");
    // A clean export: the log holds it, and the calls it made are counted.
    filecalls::Disarm();
    filecalls::ResetCounts();
    exportOnce();
    ASSERT_EQ(LoggedExports("10").size(), 1u);
    const int lastRead = filecalls::Calls(Call::Read);
    QFile::remove(path);

    const struct {
        const char* what;
        filecalls::Fault fault;
    } cases[] = {
        {"the rename fails", {Call::Rename, 1, EIO}},
        {"another export put a file there and the clerk keeps it", {Call::Rename, 1, EEXIST}},
        {"the file does not read back in place", {Call::Read, lastRead, EIO, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // Asked whether to replace the file found at the path, the clerk says no.
        automation.onMessage([](const MessageRequest& m) { return int(m.type == MsgType::Confirmation ? mrCancel : mrOk); });
        filecalls::Arm(c.fault);
        EXPECT_THROW(exportOnce(), std::runtime_error);
        filecalls::Disarm();
        EXPECT_FALSE(QFile::exists(path));
        const std::vector<LoggedExport> logged = LoggedExports("10");
        ASSERT_EQ(logged.size(), 1u);
        EXPECT_EQ(logged.front().number, 1);
        EXPECT_EQ(ExportedPayLines(2), QString()) << "its employees stay behind";
    }
    exportOnce();
    EXPECT_EQ(LoggedExports("10").size(), 2u) << "the disk works again";
}

} // namespace
