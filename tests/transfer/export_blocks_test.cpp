// A media file of thousands of employees is rendered a block of rows at a time on two cores: the
// file, its running numbers, its refusals and its substituted names are as one core writing the
// employees in order would give them.
#include "runtime/language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "support/bank_export.h"
#include "transfer/media_file_writer.h"
#include "transfer/two_per_row.h"

namespace {

using namespace source;
using namespace forms;

// A layout whose detail records carry the running number, the account, the name and the amount.
const MediaLayout& NumberedLayout()
{
    static const MediaLayout layout{
        {{{1, 1, L, Constant("H")}, {2, 6, Z, EmployeeRecordCount()}, {8, 12, Z, EmployeeRecordTotal(Unit::Whole, IntegerWidth::Bits64)}}},
        {{{1, 5, Z, Sequence()}, {6, 10, L, Column("BACC_NO")}, {16, 8, L, Column("YG_NAME")},
          {24, 10, Z, RowAmount(Unit::Whole, IntegerWidth::Bits32), QStringLiteral("金額")}}},
        {{{1, 1, L, Constant("T")}, {2, 6, Z, Sequence()}}}};
    return layout;
}

// The layout written from a table of one employee a row, and from one of two.
class NumberedExport : public ExportDialog {
public:
    explicit NumberedExport(QWidget* owner) : ExportDialog(owner, {QStringLiteral("99"), QStringLiteral("NUMBERED.TXT")}) {}

protected:
    const MediaLayout& Layout() const override { return NumberedLayout(); }
};

class NumberedPairsExport : public TwoPerRowExportDialog {
public:
    explicit NumberedPairsExport(QWidget* owner)
        : TwoPerRowExportDialog(owner, {QStringLiteral("99"), QStringLiteral("NUMBERED.TXT")})
    {
    }

protected:
    const MediaLayout& Layout() const override { return NumberedLayout(); }
};

// A layout that writes a hundred more than each employee's amount where its reader takes the amount.
class MiscountingExport : public ExportDialog {
public:
    explicit MiscountingExport(QWidget* owner) : ExportDialog(owner, {QStringLiteral("99"), QStringLiteral("NUMBERED.TXT")}) {}

protected:
    const MediaLayout& Layout() const override
    {
        static const FieldSource amountPlusOne(
            [](const RecordContext& c) { return FieldValue::Number(qint64(c.row->fieldFloat(AmountColumnName)) + 100); },
            FieldReading{FieldKind::Amount});
        static const MediaLayout layout{{{{1, 1, L, Constant("H")}}},
                                        {{{1, 1, L, Constant("D")}, {2, 10, Z, amountPlusOne, QStringLiteral("金額")}}},
                                        {}};
        return layout;
    }
};

// Writes the detail records handed to it as they stand, past the gate, between the header and
// trailer the layout renders: what no check before the export would let through.
class RawDetailsExport : public NumberedExport {
public:
    using NumberedExport::NumberedExport;
    QByteArray details;
    int employees = 0;

protected:
    void WriteRecords(MediaFileWriter& writer, RecordContext& context) override
    {
        context.employeeRecords = employees;
        context.employeeTotal = employees * (employees + 1) * 5;
        writer.Write(Layout().header.front(), context, QStringLiteral("表頭"));
        writer.Append({details, {}});
        context.sequence = employees;
        writer.Write(Layout().trailer.front(), context, QStringLiteral("表尾"));
    }
};

class ExportInBlocks : public BankExportTest {
protected:
    ExportInBlocks() : BankExportTest(QDate(2026, 3, 1)) {}

    // Employees 1 to `count` (account 90000001, name N00001, amount ten times the number), with a
    // subtotal row after every 97th, so that blocks of rows hold unequal numbers of employees.
    static TransferRow Employee(int n)
    {
        return {QStringLiteral("9%1").arg(n, 7, 10, QChar('0')), QStringLiteral("N%1").arg(n, 5, 10, QChar('0')), double(n) * 10,
                QStringLiteral("E%1").arg(n, 4, 10, QChar('0'))};
    }
    static std::vector<TransferRow> Employees(int count, const std::function<void(int, TransferRow&)>& change = {})
    {
        std::vector<TransferRow> rows;
        for (int n = 1; n <= count; ++n) {
            TransferRow row = Employee(n);
            if (change)
                change(n, row);
            rows.push_back(row);
            if (n % 97 == 0)
                rows.push_back({QStringLiteral("小計"), QString(), 0});
        }
        return rows;
    }
    // The file of employees 1 to `count` in order.
    static QByteArray NumberedFile(int count)
    {
        QByteArray file = "H" + QByteArray::number(count).rightJustified(6, '0')
            + QByteArray::number(qint64(count) * (count + 1) * 5).rightJustified(12, '0') + "\r\n";
        for (int n = 1; n <= count; ++n) {
            file += QByteArray::number(n).rightJustified(5, '0') + "9" + QByteArray::number(n).rightJustified(7, '0') + "  N"
                + QByteArray::number(n).rightJustified(5, '0') + "  " + QByteArray::number(n * 10).rightJustified(10, '0') + "\r\n";
        }
        return file + "T" + QByteArray::number(count).rightJustified(6, '0') + "\r\n";
    }
    QByteArray exportEmployees(const std::vector<TransferRow>& rows)
    {
        return exportRows<NumberedExport>(TransferTableLayout::EmployeeNumbered(), rows, QDate(2026, 3, 5));
    }
};

} // namespace

TEST_F(ExportInBlocks, TheFileIsTheEmployeesInOrderWithUnbrokenRunningNumbers)
{
    const int count = 5000;
    const QByteArray file = exportEmployees(Employees(count));
    const QByteArray expected = NumberedFile(count);
    EXPECT_EQ(file.size(), expected.size());
    EXPECT_TRUE(file == expected) << "the first difference at byte "
                                  << std::mismatch(file.begin(), file.end(), expected.begin(), expected.end()).first - file.begin();
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082))) << messages.last().toStdString();
}

TEST_F(ExportInBlocks, RefusalsAndSubstitutedNamesOfEveryBlockAreListedInTheEmployeesOrder)
{
    const QList<int> tooLarge = {7, 1500, 2048, 4999};
    const QStringList refused = refusals([&] {
        exportEmployees(Employees(5000, [&](int n, TransferRow& row) {
            if (tooLarge.contains(n))
                row.amount = 3000000000.0;
        }));
    });
    QStringList expected;
    for (const int n : tooLarge)
        expected << RefusalLine(QStringLiteral("E%1 N%2").arg(n, 4, 10, QChar('0')).arg(n, 5, 10, QChar('0')), "金額", "3000000000",
                                values::FaultText(values::Fault::TooLarge));
    EXPECT_EQ(refused, expected);
    EXPECT_TRUE(ReadFileBytes(path).isEmpty()) << "a refused export writes no file";

    // U+20000 has no Big5 code: the name is written with a substitute and its employee listed.
    const QList<int> outsideBig5 = {10, 1100, 3100};
    messages.clear();
    const QByteArray file = exportEmployees(Employees(4000, [&](int n, TransferRow& row) {
        if (outsideBig5.contains(n))
            row.name = QStringLiteral("王") + QString::fromUcs4(U"\U00020000");
    }));
    EXPECT_EQ(file.count("\r\n"), 4002);
    QStringList names;
    for (const int n : outsideBig5)
        names << QStringLiteral("E%1 王").arg(n, 4, 10, QChar('0')) + QString::fromUcs4(U"\U00020000");
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.last().startsWith(LoadFormResourceStr("WAGBK", 10082)));
    EXPECT_EQ(messages.last().section(u'\n', 1), LoadFormResourceStr("WAGBK", 10088) + u'\n' + names.join(u'\n'));
}

TEST_F(ExportInBlocks, TwoEmployeesARowAreWrittenFirstThenSecondWithUnbrokenRunningNumbers)
{
    // 3,001 rows of two employees and a subtotal row after every 100th: employee 6,001 is alone on
    // the last row.
    const int count = 6001;
    std::vector<TransferPair> pairs;
    for (int n = 1; n <= count; n += 2) {
        pairs.push_back({Employee(n), n < count ? std::optional(Employee(n + 1)) : std::nullopt});
        if (pairs.size() % 101 == 100)
            pairs.push_back({{QStringLiteral("小計"), QString(), 0}});
    }
    const QByteArray file = exportPairs<NumberedPairsExport>(TwoPerRowLayout(), pairs, QDate(2026, 3, 5));
    const QByteArray expected = NumberedFile(count);
    EXPECT_EQ(file.size(), expected.size());
    EXPECT_TRUE(file == expected) << "the first difference at byte "
                                  << std::mismatch(file.begin(), file.end(), expected.begin(), expected.end()).first - file.begin();
}

TEST_F(ExportInBlocks, AFileWhoseTotalDiffersFromTheTablesNeverTakesTheEarlierFilesPlace)
{
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("the earlier file\r\n");
    }
    try {
        exportRows<MiscountingExport>(TransferTableLayout::EmployeeNumbered(), Employees(3), QDate(2026, 3, 5));
        ADD_FAILURE() << "the export was not refused";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), LoadFormResourceStr("WAGBK", 15761) + u'\n'
                                                   + LoadFormResourceStr("WAGBK", 15762).arg(3).arg("360.00").arg(3).arg("60.00"));
    }
    EXPECT_EQ(ReadFileBytes(path), "the earlier file\r\n");
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("MEDIA")),
              QStringList{"MEDIA.DAT"})
        << "no temporary file is left";
}

// The file just written is read back with every check of its bank's reader: one it rejects is never
// reported as written, and the earlier file stays, whatever the employees and total it holds.
TEST_F(ExportInBlocks, AFileItsReaderRejectsNeverTakesTheEarlierFilesPlace)
{
    const QByteArray sound = NumberedFile(3).sliced(NumberedFile(3).indexOf("\r\n") + 2).chopped(9);
    const auto damaged = [&sound](qsizetype at, qsizetype length, const QByteArray& with) {
        return QByteArray(sound).replace(at, length, with);
    };
    const QString lineEnd = LoadFormResourceStr("WAGBK", 15751), length = LoadFormResourceStr("WAGBK", 15752);
    const struct {
        const char* damage;
        QByteArray details;
        QString failure;   // the start of the first failure named; empty: the file is written
    } cases[] = {
        {"none", sound, {}},
        {"a line break in a name splits its record", damaged(38, 0, "\r\n"), LoadFormResourceStr("WAGBK", 15750).arg(3).arg(length, "")},
        {"a line end without CR", damaged(33, 1, ""), LoadFormResourceStr("WAGBK", 15750).arg(2).arg(lineEnd, "CR LF")},
        {"a running number out of sequence", damaged(35 + 4, 1, "3"), LoadFormResourceStr("WAGBK", 15750).arg(3).arg("", "2")},
        {"Big5 that does not decode in a name", damaged(35 + 15, 2, "\xA4 "), LoadFormResourceStr("WAGBK", 15750).arg(3).arg("", "")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        {
            QFile earlier(path);
            ASSERT_TRUE(earlier.open(QIODevice::WriteOnly | QIODevice::Truncate));
            earlier.write("the earlier file\r\n");
        }
        FillTransferRows(table, TransferTableLayout::EmployeeNumbered(), Employees(3));
        auto* raw = Create<RawDetailsExport>(nullptr);
        raw->details = c.details;
        raw->employees = 3;
        dialog.reset(raw);
        messages.clear();
        QString error;
        try {
            exportTable(QDate(2026, 3, 5));
        } catch (const std::runtime_error& e) {
            error = QString::fromUtf8(e.what());
        }
        if (c.failure.isEmpty()) {
            EXPECT_EQ(error, QString());
            EXPECT_EQ(ReadFileBytes(path), NumberedFile(3));
            continue;
        }
        EXPECT_TRUE(error.startsWith(LoadFormResourceStr("WAGBK", 15761) + u'\n')) << error.toStdString();
        EXPECT_TRUE(error.section(u'\n', 1, 1).startsWith(c.failure.section(u'：', 0, 0))) << error.toStdString();
        EXPECT_TRUE(messages.filter(LoadFormResourceStr("WAGBK", 10082)).isEmpty()) << "never reported as written";
        EXPECT_EQ(ReadFileBytes(path), "the earlier file\r\n");
    }
}
