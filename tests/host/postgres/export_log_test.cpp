// The export log on the server, written by a clerk's database user: a changed account holds the
// second file until accepted, both files are logged, and `verify` names the logged export.
#include "server_company.h"

#include <QFile>

namespace {

class ServerExportLog : public ServerCompany {};

TEST_F(ServerExportLog, AChangedAccountIsHeldAndBothFilesAreLogged)
{
    const auto transfer = [this](const QString& file, const QStringList& more = {}) {
        return onServer(QStringList{"--lang", "2", "transfer", "10", "--out", path(file)} + february + more);
    };
    const Outcome first = transfer("first.txt");
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    RunAsSuperuser(database, "UPDATE MF_YG SET BACC1_NO = '09999999999999', BACC2_NO = '09999999999999' "
                             "WHERE YG_NO = (SELECT min(YG_NO) FROM MF_YG WHERE PAY_MTH = '2' AND BACC1_NO <> '')");
    const Outcome held = transfer("second.txt");
    EXPECT_EQ(held.status, 2) << held.err.toStdString();
    EXPECT_TRUE(held.err.contains("→ 09999999999999")) << held.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("second.txt")));
    const Outcome accepted = transfer("second.txt", {"--accept-changes"});
    ASSERT_EQ(accepted.status, 0) << accepted.err.toStdString();

    EXPECT_EQ(RunAsSuperuser(database, "SELECT count(*) FROM MF_EXPORT_LOG"), "2");
    EXPECT_EQ(RunAsSuperuser(database, "SELECT count(*) FROM TF_EXPORT_LOG WHERE PAY_LINES LIKE '%\t09999999999999\t%'"), "1");
    EXPECT_TRUE(onServer({"verify", "10", path("second.txt")}).out.contains("log: export 2 of bank 10"));
}

} // namespace
