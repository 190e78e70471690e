// The media file writer against failing file systems: every write, flush, sync, close, rename and
// read of a real export is made to fail in turn, and the earlier file must survive each one.
#include "runtime/file_calls.h"
#include "transfer/media_file_writer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using filecalls::Call;

// Enough records for several flushes and several reads: 3,000 lines of 62 bytes.
constexpr int Records = 3000;

MediaRecord detail()
{
    return {{1, 4, FieldForm::Zeros, source::Sequence(), QStringLiteral("序號")},
            {5, 56, FieldForm::Left, source::Constant(QStringLiteral("WANG 0041234567890 SALARY")), QStringLiteral("內容")}};
}

// Writes the whole file through `path`, checked by `check`; raises what the writer raises. Gives the
// bytes meant for the file: the serial number, the content padded to 56 bytes, CR LF.
QByteArray exportTo(const QString& path, const MediaFileWriter::WrittenFileCheck& check = {})
{
    const MediaRecord record = detail();
    MediaFileWriter writer(path);
    RecordContext context;
    QByteArray meant;
    for (int i = 1; i <= Records; ++i) {
        context.sequence = i;
        writer.Write(record, context, QStringLiteral("E%1").arg(i));
        meant += QByteArray::number(i).rightJustified(4, '0') + "WANG 0041234567890 SALARY" + QByteArray(31, ' ') + "\r\n";
    }
    writer.Commit(check);
    EXPECT_EQ(writer.size(), meant.size());
    return meant;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

class FaultyDisk : public ::testing::Test {
protected:
    void TearDown() override { filecalls::Disarm(); }

    // The earlier file: 6,000 bytes that no export could produce.
    QByteArray placeEarlierFile()
    {
        QByteArray earlier(6000, Qt::Uninitialized);
        for (char& c : earlier)
            c = char(QRandomGenerator::global()->bounded(256));
        QFile file(target);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
        return earlier;
    }
    // Files in the folder besides the target: temporary files left behind.
    QStringList leftovers() const
    {
        QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        files.removeAll(QStringLiteral("SALARY.DAT"));
        return files;
    }

    QTemporaryDir dir;
    QString target = dir.filePath("SALARY.DAT");
};

TEST_F(FaultyDisk, EveryFailingCallKeepsTheEarlierFileAndLeavesNoTemporaryFile)
{
    // A clean export first: how many calls of each kind one export makes.
    filecalls::Disarm();
    filecalls::ResetCounts();
    placeEarlierFile();
    const QByteArray expected = exportTo(target);
    ASSERT_EQ(expected.size(), Records * 62);
    ASSERT_EQ(contentOf(target), expected);
    std::map<Call, int> calls;
    for (Call call : filecalls::AllCalls)
        calls[call] = filecalls::Calls(call);
    EXPECT_GE(calls[Call::Write], 3);
    EXPECT_GE(calls[Call::Read], 6) << "the file is read back before and after it is put in place";

    // Then each of those calls fails in turn.
    std::vector<filecalls::Fault> faults;
    for (Call call : filecalls::AllCalls) {
        for (int n = 1; n <= calls[call]; ++n) {
            faults.push_back({call, n, call == Call::Write ? ENOSPC : EIO});
            if (call == Call::Write)
                faults.push_back({call, n, ENOSPC, true});
            if (call == Call::Read)
                faults.push_back({call, n, EIO, false, true});
        }
    }
    int keptEarlier = 0;
    for (const filecalls::Fault& fault : faults) {
        const std::string point = std::string(filecalls::CallName(fault.call)) + " #" + std::to_string(fault.occurrence)
            + (fault.shortWrite ? " (short)" : "") + (fault.corrupt ? " (corrupt)" : "");
        const QByteArray earlier = placeEarlierFile();
        filecalls::Arm(fault);
        QString message;
        try {
            exportTo(target);
        } catch (const std::runtime_error& e) {
            message = QString::fromUtf8(e.what());
        }
        filecalls::Disarm();
        EXPECT_FALSE(message.isEmpty()) << point << ": the failure was not reported";
        EXPECT_TRUE(message.contains(target)) << point << ": " << message.toStdString();
        EXPECT_TRUE(leftovers().isEmpty()) << point << ": " << leftovers().join(' ').toStdString();
        // Reads after the rename check the file in place: the earlier file takes its place back.
        EXPECT_EQ(contentOf(target), earlier) << point << ": the earlier file changed";
        keptEarlier += contentOf(target) == earlier;
    }
    std::cout << "[ figures  ] " << faults.size() << " fault points injected, " << keptEarlier
              << " kept the earlier file byte for byte\n";
    RecordProperty("FaultPoints", int(faults.size()));

    // And the disk works again afterwards.
    EXPECT_EQ(exportTo(target), expected);
    EXPECT_EQ(contentOf(target), expected);
}

TEST_F(FaultyDisk, AFileItsCheckRefusesNeverTakesTheEarlierFilesPlace)
{
    const QByteArray earlier = placeEarlierFile();
    QByteArray checked;
    try {
        exportTo(target, [&checked](const QString& written) {
            checked = contentOf(written);
            throw std::runtime_error("the file's total differs from the table's");
        });
        ADD_FAILURE() << "the refused file was put in place";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "the file's total differs from the table's") << "the check's own message";
    }
    EXPECT_EQ(checked.size(), Records * 62) << "the check reads the whole file written";
    EXPECT_EQ(contentOf(target), earlier);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();

    // A check that passes lets the file in.
    const QByteArray meant = exportTo(target, [](const QString&) {});
    EXPECT_EQ(contentOf(target), meant);
}

TEST_F(FaultyDisk, AFailedCreationOrARefusalLeavesNothing)
{
    EXPECT_THROW(exportTo(dir.filePath("no such folder/SALARY.DAT")), std::runtime_error);

    const QByteArray earlier = placeEarlierFile();
    {
        MediaFileWriter writer(target);
        RecordContext context;
        writer.Write(detail(), context, "E1");
        writer.findings().refuse("E1", "金額", "-1");
        EXPECT_THROW(writer.Commit(), ExportRefused);
    }
    {
        // An export that stops half way (an error while forming the records) removes its temporary file.
        MediaFileWriter writer(target);
        RecordContext context;
        writer.Write(detail(), context, "E1");
    }
    EXPECT_EQ(contentOf(target), earlier);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
}

TEST_F(FaultyDisk, AFileThatDoesNotReadBackInPlaceIsNotLeftWhereNoFileWas)
{
    // The last read is one of the reads of the file in place; with no earlier file nothing stays.
    filecalls::Disarm();
    filecalls::ResetCounts();
    exportTo(target);
    const int reads = filecalls::Calls(Call::Read);
    QFile::remove(target);
    filecalls::Arm({Call::Read, reads, EIO, false, true});
    EXPECT_THROW(exportTo(target), std::runtime_error);
    filecalls::Disarm();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
}

TEST_F(FaultyDisk, ATargetThatIsNoRegularFileIsNeverReplaced)
{
    // The system's own devices are never put at risk: a node of the null device in the test's folder
    // (creating one needs root, as in CI), a pipe, a folder and a link to nothing.
    QStringList targets;
    const QString device = dir.filePath("NULL.DAT");
    if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets << device;
    const QString fifo = dir.filePath("PIPE.DAT");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath("FOLDER.DAT");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString dangling = dir.filePath("DANGLING.DAT");
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dangling));
    targets << fifo << folder << dangling;
    for (const QString& path : targets) {
        EXPECT_THROW(MediaFileWriter::CheckTarget(path), std::runtime_error) << path.toStdString();
        EXPECT_THROW(exportTo(path), std::runtime_error) << path.toStdString();
    }
    struct stat status {};
    if (targets.contains(device)) {
        ASSERT_EQ(::lstat(QFile::encodeName(device).constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode));
    }
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());

    // A link to a regular file is followed: the link stays, its file gets the records.
    placeEarlierFile();
    const QString link = dir.filePath("LINK.DAT");
    ASSERT_TRUE(QFile::link(target, link));
    const QByteArray written = exportTo(link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contentOf(target), written);
}

// Two exports to a new file at once: the one that places its file first keeps it whole; the other
// finds it there and writes nothing. Temporary files that writers of ours left behind, long ago, in
// processes that are gone, are cleared by the next writer in the folder; nothing else is.
TEST_F(FaultyDisk, ANewFileIsNeverReplacedUnaskedAndStaleTemporariesGo)
{
    const auto writeInto = [](MediaFileWriter& writer, int records) {
        RecordContext context;
        for (context.sequence = 1; context.sequence <= records; ++context.sequence)
            writer.Write(detail(), context, QStringLiteral("E1"));
    };
    {
        MediaFileWriter first(target, Replacing::Refused), second(target, Replacing::Refused);
        writeInto(first, 10);
        writeInto(second, 20);
        first.Commit();
        EXPECT_THROW(second.Commit(), FileExistsError);
    }
    EXPECT_EQ(contentOf(target).size(), 10 * 62);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();

    const auto leave = [this](const QString& name, qint64 secondsAgo) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        const QDateTime when = QDateTime::currentDateTime().addSecs(-secondsAgo);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime));
    };
    const QString live = QString::number(::getpid());
    leave(".SALARY.DAT.rar1-999999999-aB3dE9", 3600);             // ours, of a process that is gone
    leave(".SALARY.DAT.rar1-999999999-aB3dE9.earlier", 3600);
    leave(".SALARY.DAT.rar1-" + live + "-Xy12Zq", 3600);          // of a process still running
    leave(".SALARY.DAT.rar1-999999999-Qq1234", 10);               // too recent
    leave(".SALARY.DAT.kept", 3600);                               // not ours
    exportTo(target);
    QStringList expected{".SALARY.DAT.kept", ".SALARY.DAT.rar1-999999999-Qq1234", ".SALARY.DAT.rar1-" + live + "-Xy12Zq"};
    QStringList left = leftovers();
    expected.sort();
    left.sort();
    EXPECT_EQ(left, expected);
}

TEST_F(FaultyDisk, TheReplacedFileKeepsItsPermissions)
{
    placeEarlierFile();
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    exportTo(target);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

} // namespace

// The digest a file is checked by depends on its bytes alone: the records are handed over in pieces
// of any size and the file is read back in others. One changed bit, anywhere, changes it.
TEST(ContentDigestTest, TheBytesDecideNotThePieces)
{
    QRandomGenerator random(20261207);
    QByteArray bytes(300 * 1000, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    const auto digestInPieces = [&random](const QByteArray& data, int largest) {
        ContentDigest digest;
        for (qsizetype at = 0; at < data.size();) {
            const qsizetype piece = std::min<qsizetype>(data.size() - at, random.bounded(largest) + 1);
            digest.add(data.constData() + at, piece);
            at += piece;
        }
        return digest.result();
    };
    const quint64 whole = digestInPieces(bytes, int(bytes.size()));
    for (int largest : {1, 7, 64, 4096, 65536})
        EXPECT_EQ(digestInPieces(bytes, largest), whole) << largest;
    for (qsizetype at : {qsizetype(0), qsizetype(12345), bytes.size() - 1}) {
        QByteArray changed = bytes;
        changed[at] = char(changed[at] ^ 0x10);
        EXPECT_NE(digestInPieces(changed, 65536), whole) << at;
    }
    EXPECT_NE(digestInPieces(bytes.chopped(1), 65536), whole);
}
