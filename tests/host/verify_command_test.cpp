// Every bank's media file read back by its layout: `rar1 verify` passes a file written from the demo
// company and counts what the transfer counted; the banks' own example records, split into their
// fields by hand, read field by field, and each kind of damage made in them is named by its line and
// field.
#include "bank_layouts.h"
#include "command_line.h"
#include "demo_banks.h"
#include "runtime/cvcode.h"
#include "runtime/language.h"
#include "support/bank_export.h"
#include "transfer/media_file_reader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <memory>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

QString text(int id)
{
    return LoadFormResourceStr("WAGBK", id);
}

// A failure line as the reader words it; with an empty `expected`, the start of every failure of
// that line and field.
QString failure(int line, const QString& field, const QString& expected = QString())
{
    return text(15750).arg(line).arg(field, expected);
}

bool named(const QStringList& failures, int line, const QString& field)
{
    for (const QString& f : failures) {
        if (f.startsWith(failure(line, field)))
            return true;
    }
    return false;
}

// The lines of a file, each ended by CR LF.
QByteArray joined(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The record line `index` (from 0) of a file of `count` lines holds: headers, details by turns, trailers.
const MediaRecord& recordOf(const MediaLayout& layout, int index, int count)
{
    const int headers = int(layout.header.size()), trailers = int(layout.trailer.size());
    if (index < headers)
        return layout.header[size_t(index)];
    if (index >= count - trailers)
        return layout.trailer[size_t(index - (count - trailers))];
    return layout.detail[size_t((index - headers) % int(layout.detail.size()))];
}

// The demo company written out by every bank; one company for all the cases of a run.
class BankMediaFile : public ::testing::TestWithParam<BankCase> {
protected:
    static void SetUpTestSuite() { folder_ = std::make_unique<QTemporaryDir>(); }
    static void TearDownTestSuite()
    {
        folder_.reset();
        written_.clear();
    }

    // The company database with the accounts asked for, made when first asked for.
    static QString database(Accounts accounts, int digits = 0) { return DemoCompanyFor(QDir(folder_->path()), accounts, 0, digits); }

    struct Written {
        Outcome transfer;
        QString file;
        QByteArray bytes;
    };

    // The file the case's bank writes from the demo company for the pay of February 115, with the
    // bank's parameters set first.
    static const Written& written(const BankCase& bank)
    {
        const QString file = folder_->filePath(QString::fromStdString(caseName({bank, 0})) + ".txt");
        auto found = written_.find(file);
        if (found != written_.end())
            return found->second;
        const QString db = database(bank.accounts, bank.accountDigits);
        if (!parametersOf(bank.bank).isEmpty())
            EXPECT_EQ(RunRar1(db, QStringList{"params", QString::number(bank.bank)} + parametersOf(bank.bank)).status, 0);
        Written result;
        result.file = file;
        result.transfer = RunRar1(db, QStringList{"--today", "2026-03-01", "transfer", QString::number(bank.bank), "--out", file,
                                                  "--pay-from", "115/02/01", "--pay-to", "115/02/28"}
                                          + ChoiceOf(bank));
        QFile read(file);
        if (read.open(QIODevice::ReadOnly))
            result.bytes = read.readAll();
        return written_.emplace(file, result).first->second;
    }

    static Outcome verify(const BankCase& bank, const QString& file, const QStringList& more = {})
    {
        return RunRar1(database(bank.accounts, bank.accountDigits), QStringList{"verify", QString::number(bank.bank), file} + ChoiceOf(bank) + more);
    }

    // The parameters a reading of the case's files is handed, as the bank's row keeps them.
    static QMap<QString, QString> parameterMap(const BankCase& bank)
    {
        QMap<QString, QString> map;
        for (const QString& assignment : parametersOf(bank.bank))
            map.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
        return map;
    }

private:
    static std::unique_ptr<QTemporaryDir> folder_;
    static std::map<QString, Written> written_;
};

std::unique_ptr<QTemporaryDir> BankMediaFile::folder_;
std::map<QString, BankMediaFile::Written> BankMediaFile::written_;

// The lines of `out` that begin with `label`: "employees: 107".
QString summaryLine(const QString& out, const QString& label)
{
    for (const QString& line : out.split('\n')) {
        if (line.startsWith(label + ": "))
            return line;
    }
    return QString();
}

TEST_P(BankMediaFile, AFileFromTheDemoCompanyVerifiesWithTheTransfersCountAndTotal)
{
    const BankCase& bank = GetParam();
    const Written& file = written(bank);
    ASSERT_EQ(file.transfer.status, 0) << file.transfer.err.toStdString();
    const Outcome verified = verify(bank, file.file);
    EXPECT_EQ(verified.status, 0) << verified.err.left(2000).toStdString();
    EXPECT_TRUE(verified.err.isEmpty());

    const MediaLayout& layout = BankLayout(bank.bank, bank.choice);
    const QString employees = summaryLine(file.transfer.out, "employees");
    ASSERT_FALSE(employees.isEmpty());
    EXPECT_EQ(summaryLine(verified.out, "employees"), employees);
    EXPECT_EQ(summaryLine(verified.out, "records"),
              QString("records: %1").arg(employees.section(' ', 1).toInt() + layout.header.size() + layout.trailer.size()));
    bool amounts = false;
    for (const MediaField& field : layout.detail.front().fields())
        amounts = amounts || field.source.reading().kind == FieldKind::Amount;
    EXPECT_EQ(summaryLine(verified.out, "total"), amounts ? summaryLine(file.transfer.out, "total") : QString())
        << "a file without amounts has no total";

    const QJsonObject json = QJsonDocument::fromJson(verify(bank, file.file, {"--json"}).out.toUtf8()).object();
    EXPECT_TRUE(json["valid"].toBool());
    EXPECT_EQ(json["employees"].toInt(), employees.section(' ', 1).toInt());
    EXPECT_EQ(json["lines"].toArray().size(), json["records"].toInt());
}

// The banks' own example records, split into their fields by hand as the banks' layouts place them:
// the reading passes them and agrees field by field; each kind of damage, made in them where the
// layout places the field, is named by the line and field that hold it.
struct ExampleLine {
    char kind;         // 'H' header, 'D' detail, 'T' trailer
    QString fields;    // "|" between two fields
    QByteArray bytes() const { return ToBig5(QString(fields).remove(u'|')).bytes; }
};

struct Example {
    BankCase bank;
    std::vector<ExampleLine> lines;
    std::vector<QByteArray> described;   // the starts of the lines the bank's format description shows
};

const Example& exampleOf(const BankCase& bank)
{
    static const std::vector<Example> all{
        {{1},
         {{'H', "1|12340056|CCB|     |251|1150305| |                                                                                             "},
          {'D', "2|12340056|CCB|     |251|1150305|0096|5012345678|00000003500000|        |99|                    |A123456789|王小明      |              "},
          {'D', "2|12340056|CCB|     |251|1150305|0101|0123456789|00000000836100|        |99|                    |B223456789|李大華      |              "},
          {'D', "2|12340056|CCB|     |251|1150305|5043|12345     |00000000010000|        |99|                    |C123456780|歐陽志明    |              "},
          {'T', "3|12340056|CCB|     |251|1150305|0000000004346100|0000000003"}},
         {"112340056", "212340056", "312340056"}},
        {{2, 1},
         {{'D', "030|0000001|      |12345678|1150305|70012334567895|A123456789|03500000|                  "},
          {'D', "030|0000001|      |12345678|1150305|70123430000122|B223456789|00836100|                  "}},
         {"030"}},
        {{2, 2},
         {{'D', "406|0000001|12345678|70012334567895|A123456789|                                      "},
          {'D', "406|0000001|12345678|70123430000122|B223456789|                                      "}},
         {"406"}},
        {{3},
         {{'D', "32|0123|456|789012|0000003500000|A123456789|E001                   |   |            |5678"},
          {'D', "32|1111|222|333334|0000000836100|B223456789|E002                   |   |            |5678"}},
         {"32"}},
        {{4},
         {{'H', "      |000000|0|0123456789012345|0000000000000|          |****|                  "},
          {'D', "SHCOMP|910305|2|12345678901234|000000003500000|A123456789|0000|SA|                "},
          {'D', "SHCOMP|910305|2|0021234567    |000000000836100|B223456789|0000|SA|                "},
          {'T', "END$"}},
         {"SHCOMP"}},
        {{5},
         {{'D', "11122233344|000000001234500|1916|12345678901|1150131|        |A123456789|2|              "},
          {'D', "555666777  |000000000010000|1916|12345678901|1150131|        |          |0|              "},
          {'D', "99988877766|000000000000100|1916|12345678901|1150131|        |B223456789|2|              "}},
         {}},
        {{6},
         {{'H', "9|ABC|12345678901|D5|0|000012345600|20260305|07"},
          {'D', "0|11122233344455|D5|1|000010000000|A123456789"},
          {'D', "0|555           |D5|1|000002345600|          "},
          {'D', "0|666           |D5|1|000000000000|          "}},
         {}},
        {{7},
         {{'D', "910305|0015|12345678  |1234567890123|A123456789|101|0000003500000|                     "},
          {'D', "910305|0015|12345678  |0021234567   |B223456789|101|0000000836100|                     "}},
         {"910305"}},
        {{8},
         {{'D', "0|12345678901|123456700"},
          {'D', "0|           |000836150"}},
         {}},
        {{9},
         {{'H', "1|SA|012|000123|0910305|                                             "},
          {'D', "2|SA|012|000123|0910305|12345678901200|00000003500000|                 "},
          {'D', "2|SA|012|000123|0910305|00212345670000|00000000836100|                 "},
          {'T', "3|SA|012|000123|0910305|00000000000002|00000004336100|                 "}},
         {"1SA", "2SA", "3SA"}},
        {{10},
         {{'H', "910301|910305|012|12345678|7  |00000000000000|000000060361|0002|   |9"},
          {'D', "   |023004707411  |000000008361|                              |9"},
          {'D', "   |12345678901234|000000052000|                              |9"}},
         {}},
        {{11},
         {{'H', "05|123456|000111222333|0|000000006036100|000002|910305|H0"},
          {'D', "0230047074  |0|1|000000000836100|000000000000000000000"},
          {'D', "123456789012|0|1|000000005200000|000000000000000000000"}},
         {"05123456", "0230047074", "123456789012"}},
        {{12},
         {{'H', "D|1234567|00000|            |910305|0000006036200|          "},
          {'D', "C|1234567|00000|0123456789  |000000|0000000836100|A123456789"},
          {'D', "C|1234567|00000|123456789012|000000|0000005200000|B123456789"},
          {'D', "C|1234567|00000|1           |000000|0000000000100|          "}},
         {}},
        {{13},
         {{'D', " |0123456789    |012|0000000836100|A001          |910305|12345678901234"},
          {'D', " |12345678901234|012|0000005200000|A0020000000000|910305|12345678901234"}},
         {}},
        {{14},
         {{'D', "901005|012|12345678|  |123456789012|A123456789|201|0000003500000|                          "},
          {'D', "901005|012|12345678|  |0021234567  |          |201|0000000836100|                          "}},
         {}},
        {{15},
         {{'H', "*|1234567|0910305|000000002|000000603610|                                                                                            "},
          {'D', " |0123456789 |00083610|                                                                                                            "},
          {'D', " |12345678901|00520000|                                                                                                            "}},
         {}},
        {{16},
         {{'H', "1234|000002|000006036100|00910305|1|101|                                              "},
          {'D', "0123456789    |000000836100|          |                                            "},
          {'D', "12345678901234|000005200000|          |                                            "}},
         {"1234000002", "0123456789", "12345678901234"}},
        {{17},
         {{'D', "901005|1080|12345678|  |123456789012|A123456789|101|0000003500000|          |E001        "},
          {'D', "901005|1080|12345678|  |0021234567  |B223456789|101|0000000836100|          |E002        "}},
         {"901005"}},
        {{18},
         {{'D', "123|0001|12345678901|901005|0000000836100|C|王小明          |13|18|          |A123456789"},
          {'D', "123|0002|23456789012|901005|0000003500000|C|李大華          |17|18|          |B223456789"}},
         {"123000"}},
        {{19},
         {{'H', "123456789012|0000910305|A"},
          {'D', "012345678900|0000008361|          |A123456789| | "},
          {'D', "123456789012|0000052000|          |B12345678 | | "}},
         {"1234567890120000910305", "012345678900", "1234567890120000052000"}},
        {{20},
         {{'D', "1797|          |12345678901|A123456789|0|000000003500000|012|31| | |901005|薪資存入| "},
          {'D', "1797|          |0021234567 |B223456789|0|000000000836100|012|31| | |901005|薪資存入| "}},
         {"1797"}},
        {{21},
         {{'D', "12345678901234|1|0000003250000|王小明"},
          {'D', "0021234567    |2|0000000000000|Amy陳一二"}},
         {"1234567890"}},
        {{22},
         {{'H', "0000000000000|12345|901005|000001|000000003500000|C|    "},
          {'D', "0501234567890|王小明    |000000003500000|C|14|12345|    "}},
         {"0"}},
        {{23},
         {{'H', "901001|901005|012|12345678|601|00001234567890|000000043361|0002|    "},
          {'D', "   |00000123456789|000000035000|A010|2|A123456789|                "},
          {'D', "   |00000987654321|000000008361|B010|2|B223456789|                "}},
         {"901001", "   000"}},
        {{24},
         {{'H', "1|1234    |5678    |200|950305|1|                                                                                           "},
          {'D', "2|1234    |5678    |200|950305|00000123456789|00000003250000|00000000|99|                                                      "},
          {'D', "2|1234    |5678    |200|950305|12345678901234|00000000010000|00000000|99|                                                      "},
          {'D', "2|1234    |5678    |200|950305|00000000000003|00000000000700|00000000|99|                                                      "},
          {'T', "3|1234    |5678    |200|950305|00000003260700|00000000000003|0000000000000000|0000000000|                                       "}},
         {}},
        {{25},
         {{'H', "00001|0950305|123456789    |DR|00000003500000|24|          "},
          {'D', "00002|0950305|0001234567890|CR|0000003500000|24|A123456789"},
          {'T', "1111111111111111|000000001|DR|0000003500000|            "},
          {'T', "1111111111111111|000000001|CR|0000003500000|            "}},
         {"0000"}},
        {{26},
         {{'H', "1|0950305"},
          {'D', "123456789000| |A123456789| |0000032500| |0009| |Y"},
          {'D', "123456789012| |B2234567| |0000008361| |0009| |Y"}},
         {}},
        {{27},
         {{'H', "0525|00001234567890|20060305|900|00000043361|00000000002|                    |0"},
          {'D', "0525|00000123456789|A123456789|0000000035000|900|                           |0"},
          {'D', "0525|00000987654321|B223456789|0000000008361|900|                           |0"}},
         {"0525"}},
        {{28},
         {{'H', "1|123|     |017     |201|910305|1|01|                                                                                           "},
          {'D', "2|123|     |017     |201|910305|00012345678901|00000003500000|12345678|99|                    |A123456789|                          "},
          {'D', "2|123|     |017     |201|910305|00000021234567|00000000836100|12345678|99|                    |B223456789|                          "},
          {'T', "3|123|     |017     |201|910305|0000000004336100|0000000002|0000000000000000|0000000000000000|                                          "}},
         {"1123", "2123"}},
    };
    const auto found = std::find_if(all.begin(), all.end(), [&](const Example& e) {
        return e.bank.bank == bank.bank && e.bank.choice == bank.choice;
    });
    EXPECT_NE(found, all.end());
    return *found;
}

QList<QByteArray> linesOf(const Example& example)
{
    QList<QByteArray> lines;
    for (const ExampleLine& line : example.lines)
        lines << line.bytes();
    return lines;
}

TEST_P(BankMediaFile, TheBanksOwnExampleReadsFieldByField)
{
    const BankCase& bank = GetParam();
    const Example& example = exampleOf(bank);
    const QByteArray bytes = joined(linesOf(example));
    QByteArray description;
    for (const QByteArray& start : example.described)
        description += DescriptionExample(QString(":/banks/wagbk%1/description.txt").arg(bank.bank), start);
    EXPECT_TRUE(bytes.contains(description)) << "the format description shows the example";

    QTemporaryDir folder;
    QFile out(folder.filePath("example.txt"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    written(bank);   // the bank's parameters, as its check codes need them
    const Outcome verified = verify(bank, out.fileName(), {"--json"});
    EXPECT_EQ(verified.status, 0) << verified.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(verified.out.toUtf8()).object();
    EXPECT_TRUE(json["valid"].toBool());
    const QJsonArray read = json["lines"].toArray();
    ASSERT_EQ(read.size(), qsizetype(example.lines.size()));
    const std::map<char, int> kinds{{'H', 15758}, {'D', 15759}, {'T', 15760}};
    for (int i = 0; i < read.size(); ++i) {
        const QJsonObject line = read[i].toObject();
        EXPECT_EQ(line["line"].toInt(), i + 1);
        EXPECT_EQ(line["kind"].toString(), text(kinds.at(example.lines[size_t(i)].kind))) << "line " << i + 1;
        QStringList texts;
        for (const QJsonValue& field : line["fields"].toArray())
            texts << field.toObject()["text"].toString();
        EXPECT_EQ(texts.join(u'|').toStdString(), example.lines[size_t(i)].fields.toStdString()) << "line " << i + 1;
    }
}

TEST_P(BankMediaFile, EachDamageIsNamedByItsLineAndField)
{
    const BankCase& bank = GetParam();
    const Example& example = exampleOf(bank);
    const MediaLayout& layout = BankLayout(bank.bank, bank.choice);
    const QMap<QString, QString> parameters = parameterMap(bank);
    RecordContext context;
    context.parameters = &parameters;
    const auto read = [&](const QByteArray& bytes) { return ReadMediaFile(layout, bytes, context); };
    const QList<QByteArray> lines = linesOf(example);
    const QByteArray sound = joined(lines);
    ASSERT_TRUE(read(sound).valid()) << read(sound).failures.mid(0, 5).join('\n').toStdString();

    const int count = int(lines.size());
    const bool header = example.lines.front().kind == 'H', trailer = example.lines.back().kind == 'T';
    const int detail = header ? 1 : 0;   // the first detail line, from 0
    const auto damaged = [&](int index, const std::function<void(QByteArray&)>& damage) {
        QList<QByteArray> changed = lines;
        damage(changed[index]);
        return read(joined(changed)).failures;
    };
    // Where the example's split places each field of line `index`: its start and width in bytes.
    const auto spans = [&](int index) {
        std::vector<std::pair<int, int>> places;
        int start = 0;
        for (const QString& field : example.lines[size_t(index)].fields.split(u'|')) {
            places.emplace_back(start, int(ToBig5(field).bytes.size()));
            start += places.back().second;
        }
        return places;
    };

    // A cut line, and a line without its CR.
    for (const int index : {0, detail, count - 1}) {
        const QStringList cut = damaged(index, [](QByteArray& line) { line.truncate(line.size() / 2); });
        EXPECT_EQ(cut.size(), 1) << cut.join('\n').toStdString();
        EXPECT_TRUE(named(cut, index + 1, text(15752))) << "line " << index + 1 << ": " << cut.join('\n').toStdString();
        QByteArray bytes = sound;
        bytes.remove(joined(lines.mid(0, index + 1)).size() - 2, 1);
        EXPECT_EQ(read(bytes).failures, QStringList{failure(index + 1, text(15751), "CR LF")});
    }

    // Every field of fixed shape in the first detail record, the header and the trailer.
    std::vector<int> checked{detail};
    if (header)
        checked.push_back(0);
    if (trailer)
        checked.push_back(count - 1);
    int damages = 0;
    for (const int index : checked) {
        const int number = index + 1;
        const std::vector<MediaField>& fields = recordOf(layout, index, count).fields();
        const std::vector<std::pair<int, int>> places = spans(index);
        ASSERT_EQ(places.size(), fields.size()) << "line " << number;
        for (size_t k = 0; k < fields.size(); ++k) {
            const MediaField& field = fields[k];
            const struct {
                int start, width;
            } span{places[k].first, places[k].second};
            const QByteArray bytes = lines[index].mid(span.start, span.width);
            const FieldReading& reading = field.source.reading();
            const QString what = QString("line %1, %2 (%3)").arg(number).arg(field.content, QString::fromLatin1(bytes));
            if (field.form == FieldForm::Zeros) {
                // A letter where the number stands.
                const QStringList failures = damaged(index, [&](QByteArray& line) { line[span.start + span.width - 1] = 'O'; });
                EXPECT_EQ(failures, QStringList{failure(number, field.content, text(15755))}) << what.toStdString();
                ++damages;
            }
            if (reading.kind == FieldKind::Total || reading.kind == FieldKind::Count || reading.kind == FieldKind::Sequence) {
                // A wrong total, count or serial number: the failure names the right one.
                const QStringList failures = damaged(index, [&](QByteArray& line) {
                    char& last = line[span.start + span.width - 1];
                    last = char('0' + (last - '0' + 1) % 10);
                });
                EXPECT_EQ(failures, QStringList{failure(number, field.content, QString::number(bytes.toLongLong()))}) << what.toStdString();
                ++damages;
            }
            if (reading.kind == FieldKind::Date) {
                const int month = reading.roc ? span.width - 4 : 4;
                const QStringList failures = damaged(index, [&](QByteArray& line) { line.replace(span.start + month, 2, "13"); });
                EXPECT_EQ(failures, QStringList{failure(number, field.content, text(15756))}) << what.toStdString();
                ++damages;
            }
            if (reading.kind == FieldKind::Checked) {
                // A wrong check code or check digit: the failure names the right one.
                const QStringList failures = damaged(index, [&](QByteArray& line) {
                    const int last = span.start + int(bytes.trimmed().size()) - 1;
                    line[last] = char('0' + (line[last] - '0' + 1) % 10);
                });
                EXPECT_EQ(failures, QStringList{failure(number, field.content, QString::fromLatin1(bytes.trimmed()))}) << what.toStdString();
                ++damages;
            }
            if (reading.kind == FieldKind::Constant && span.width > 0) {
                // A line's first field may be what tells its kind: then the kind is wrong.
                const QStringList failures = damaged(index, [&](QByteArray& line) { line[span.start] = '#'; });
                EXPECT_TRUE(named(failures, number, field.content) || (span.start == 0 && named(failures, number, text(15753))))
                    << what.toStdString() << failures.join('\n').toStdString();
                ++damages;
            }
            if (reading.kind == FieldKind::Text && field.form != FieldForm::Zeros && span.width >= 2) {
                // Bytes that Big5 cannot decode.
                const QStringList failures = damaged(index, [&](QByteArray& line) { line.replace(span.start, 2, "\xFF\xFF"); });
                EXPECT_EQ(failures, QStringList{failure(number, field.content, text(15757))}) << what.toStdString();
                ++damages;
            }
        }
    }
    EXPECT_GT(damages, 2);

    // A record out of its place: the first detail before the header, the trailer before the last detail.
    if (header || trailer) {
        QList<QByteArray> swapped = lines;
        const int first = header ? 0 : count - 2;
        swapped.swapItemsAt(first, first + 1);
        const QStringList failures = read(joined(swapped)).failures;
        EXPECT_TRUE(named(failures, first + 1, text(15753))) << failures.join('\n').toStdString();
        if (count > 2)
            EXPECT_TRUE(named(failures, first + 2, text(15753))) << failures.join('\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBank, BankMediaFile, ::testing::ValuesIn(everyBank()), caseName);

// Without --choice the post office reads the deposit file, as the export writes it by default; the
// account data file is read by its own layout only when chosen. On the demo company's own accounts
// the check digits fail on exactly the accounts the window's account error list names.
TEST_F(BankMediaFile, ThePostOfficeReadsTheChosenFileAndFindsTheAccountsTheErrorListNames)
{
    const QString db = database(Accounts::Demo);
    QTemporaryDir folder;
    const QStringList february{"--today", "2026-03-01", "--pay-from", "115/02/01", "--pay-to", "115/02/28", "--prefix", "700"};
    const QString accounts = folder.filePath("TDOP-PAY");
    const Outcome held = RunRar1(db, QStringList{"transfer", "2", "--choice", "2", "--out", accounts} + february);
    ASSERT_EQ(held.status, 2);
    QStringList listed;
    for (const QString& line : held.err.trimmed().split('\n'))
        listed << line.section(": ", 2).section(' ', 0, 0);
    ASSERT_FALSE(listed.isEmpty());
    ASSERT_EQ(RunRar1(db, QStringList{"transfer", "2", "--choice", "2", "--continue", "--out", accounts} + february).status, 0);

    const Outcome chosen = RunRar1(db, {"verify", "2", accounts, "--choice", "2", "--json"});
    EXPECT_EQ(chosen.status, 2);
    const QJsonObject json = QJsonDocument::fromJson(chosen.out.toUtf8()).object();
    QStringList failed;
    for (const QJsonValue& value : json["lines"].toArray()) {
        const QJsonObject line = value.toObject();
        const QString account = line["fields"].toArray()[3].toObject()["text"].toString();
        if (chosen.err.contains(failure(line["line"].toInt(), "局號帳號")))
            failed << account;
    }
    EXPECT_EQ(failed, listed);
    EXPECT_EQ(chosen.err.count('\n'), listed.size());

    const Outcome byDefault = RunRar1(db, {"verify", "2", accounts});
    EXPECT_EQ(byDefault.status, 2);
    EXPECT_TRUE(byDefault.err.contains(failure(1, "資料別", "030"))) << "read as the deposit file";
    const Outcome none = RunRar1(db, {"verify", "2", accounts, "--choice", "3"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains("no choice 3")) << none.err.toStdString();
    EXPECT_EQ(RunRar1(db, {"verify", "2", accounts, "--form", "1"}).status, 1) << "verify takes the file's choice alone";
    EXPECT_EQ(RunRar1(db, {"verify", "10", accounts, "--choice", "2"}).status, 2) << "a bank that asks nothing ignores it";
}

// The peak resident size, in kilobytes, of `rar1 --db database arguments` with its output thrown
// away: the process's own, as the system counts it when the process ends.
long PeakKilobytes(const QString& database, const QStringList& arguments)
{
    std::vector<QByteArray> words{QDir(qEnvironmentVariable("RAR1_BIN_DIR")).filePath("rar1").toLocal8Bit(), "--db", database.toLocal8Bit()};
    for (const QString& argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return -1;
    return usage.ru_maxrss;
}

// Verify keeps no line of the file: the same check on a file ten times larger keeps its peak within
// a few megabytes, printed as a table or as JSON, and on bytes that are no records at all.
TEST_F(BankMediaFile, VerifysMemoryDoesNotGrowWithTheFile)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer holds freed memory in quarantine: its peaks are not the program's";
#endif
    const std::vector<BankCase> banks = everyBank();
    const BankCase bank = *std::find_if(banks.begin(), banks.end(), [](const BankCase& b) { return b.bank == 17; });
    ASSERT_TRUE(BankLayout(17).header.empty() && BankLayout(17).trailer.empty()) << "a file of detail records alone";
    const QByteArray& sound = written(bank).bytes;
    const QByteArray record = sound.left(sound.indexOf("\r\n") + 2);
    QByteArray noise(1 << 20, Qt::Uninitialized);
    QRandomGenerator(28).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);

    QTemporaryDir folder;
    const auto file = [&folder](const QString& name, const QByteArray& piece, int times) {
        QFile out(folder.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        for (int i = 0; i < times; ++i)
            out.write(piece);
        return out.fileName();
    };
    const struct {
        const char* what;
        QByteArray piece;
        int times;   // in the smaller file; ten times as many in the larger
        QStringList options;
    } cases[] = {
        {"a table", record.repeated(100), 100, {}},
        {"JSON", record.repeated(100), 100, {"--json"}},
        {"random bytes", noise, 1, {}},
    };
    const QString db = database(bank.accounts, bank.accountDigits);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const long small = PeakKilobytes(db, QStringList{"verify", "17", file("small", c.piece, c.times)} + c.options);
        const long large = PeakKilobytes(db, QStringList{"verify", "17", file("large", c.piece, c.times * 10)} + c.options);
        ASSERT_GT(small, 0);
        EXPECT_LT(large - small, 4 * 1024) << small << " KB, then " << large << " KB";
    }
}

} // namespace
