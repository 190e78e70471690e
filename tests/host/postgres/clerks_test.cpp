// Eight clerks at once on one company database on the server: four export, two print, two save the
// same bank's parameters; the exports also save their conditions. Every file verifies and carries
// its transfer table's count and total, and the parameters are one clerk's whole row. Then the same
// while pay lines are added to the chosen run: each transfer reads one snapshot of the payroll.
#include "server_company.h"

#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <functional>

namespace {

struct Clerk {
    QStringList arguments;
    QString file;   // the media file an export writes, or the list a print writes
    std::unique_ptr<QProcess> process;
};

class Clerks : public ServerCompany {
protected:
    std::vector<Clerk> clerks(const QString& round) const
    {
        std::vector<Clerk> all;
        for (const QString bank : {"1", "10", "16", "24"}) {   // banks whose records hold the demo's accounts whole
            const QString media = path(round + "-bank" + bank + ".dat");
            all.push_back({QStringList{"transfer", bank, "--force", "--out", media} + february, media, nullptr});
        }
        for (const QString bank : {"5", "17"}) {
            const QString pdf = path(round + "-list" + bank + ".pdf");
            all.push_back({QStringList{"list", bank, "--pdf", pdf} + february, pdf, nullptr});
        }
        all.push_back({{"params", "6", "ID1=11111111111", "ID2=001", "ID3=01"}, {}, nullptr});
        all.push_back({{"params", "6", "ID1=22222222222", "ID2=002", "ID3=02"}, {}, nullptr});
        return all;
    }

    // Runs the eight at once; `meanwhile` runs until all have ended.
    void runAll(std::vector<Clerk>& all, const std::function<void()>& meanwhile = {})
    {
        for (Clerk& clerk : all)
            clerk.process = StartRar1(server, clerk.arguments);
        const auto running = [&] {
            return std::any_of(all.begin(), all.end(), [](const Clerk& c) { return c.process->state() != QProcess::NotRunning; });
        };
        while (running()) {
            if (meanwhile)
                meanwhile();
            else
                QThread::msleep(50);
            for (Clerk& clerk : all)
                clerk.process->waitForFinished(0);
        }
        for (Clerk& clerk : all) {
            const Outcome outcome = FinishRar1(*clerk.process);
            ASSERT_EQ(outcome.status, 0) << clerk.arguments.join(' ').toStdString() << ": " << outcome.err.toStdString();
            if (clerk.arguments.first() == "transfer")
                checkFile(clerk, outcome);
            else if (clerk.arguments.first() == "list")
                EXPECT_GT(QFileInfo(clerk.file).size(), 1000) << clerk.file.toStdString();
        }
        const QString row = RunAsSuperuser(database, "SELECT ID1 || ' ' || ID2 || ' ' || ID3 FROM BANK1 WHERE BNK_NO = '6'");
        EXPECT_TRUE(row == "11111111111 001 01" || row == "22222222222 002 02") << row.toStdString();
    }

    void checkFile(const Clerk& clerk, const Outcome& transfer) const
    {
        const Outcome verified = onServer({"verify", clerk.arguments.at(1), clerk.file});
        EXPECT_EQ(verified.status, 0) << clerk.file.toStdString() << ": " << verified.err.toStdString();
        const QString employees = transfer.out.section('\n', 0, 0);
        EXPECT_TRUE(verified.out.contains(employees + '\n')) << employees.toStdString() << " / " << verified.out.right(80).toStdString();
        const QString total = verified.out.section("\ntotal: ", 1, 1).section('\n', 0, 0);
        if (!total.isEmpty())
            EXPECT_NEAR(total.toDouble(), transfer.out.section("total: ", 1, 1).section('\n', 0, 0).toDouble(), 0.5)
                << clerk.file.toStdString();
    }
};

TEST_F(Clerks, EightAtOnceAndThenWhilePayLinesAreAdded)
{
    std::vector<Clerk> first = clerks("quiet");
    runAll(first);

    // A paid employee's copy, with his pay lines in every run, one transaction each.
    const QString model = RunAsSuperuser(database, "SELECT min(YG_NO) FROM MF_YG WHERE PAY_MTH = '2' AND BACC1_NO <> ''");
    int added = 0;
    std::vector<Clerk> second = clerks("busy");
    runAll(second, [&] {
        const QString number = QStringLiteral("N%1").arg(++added, 5, 10, QLatin1Char('0'));
        RunAsSuperuser(database, QStringLiteral("INSERT INTO MF_YG (YG_NO, NAME, ID_NO, DEP, PAY_MTH, BACC1_NO, BACC1_TIT, BACC2_NO, "
                                                "BACC2_TIT, IN_DD) SELECT '%1', NAME, ID_NO, DEP, PAY_MTH, BACC1_NO, BACC1_TIT, "
                                                "BACC2_NO, BACC2_TIT, IN_DD FROM MF_YG WHERE YG_NO = '%2';"
                                                "INSERT INTO TF_FS1 SELECT FS_NO, '%1', DEP, AMTN_NET, BIL_NO FROM TF_FS1 WHERE YG_NO = '%2'")
                                     .arg(number, model));
    });
    EXPECT_GT(added, 3) << "pay lines were added while the clerks worked";
}

} // namespace
