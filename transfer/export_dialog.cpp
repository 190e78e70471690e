#include "transfer/export_dialog.h"

#include "common/file_names.h"
#include "runtime/clock.h"
#include "runtime/config.h"
#include "runtime/language.h"
#include "runtime/ui/display_format.h"
#include "runtime/ui/guarded.h"
#include "transfer/blocks_in_order.h"
#include "transfer/dialog_buttons.h"
#include "transfer/employee_slots.h"
#include "transfer/empty_parameters.h"
#include "runtime/ui/messages.h"
#include "runtime/ui/msave_dialog.h"
#include "transfer/media_file_writer.h"
#include "transfer/paid_lines.h"
#include "transfer/pay_changes.h"
#include "runtime/compdata.h"
#include "runtime/db/transaction.h"
#include "runtime/ui/review_list.h"
#include "transfer/transfer_table.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

// The rows of the transfer table rendered together on one core: about 80 KB of records.
constexpr int RowsPerBlock = 1024;

// Whether the clerk lets the export replace the file at its path.
bool ReplaceAsked()
{
    return MessageDlg(LoadFormResourceStr(QStringLiteral("F5MAIN"), 11012), MsgType::Confirmation, mbOK | mbCancel) == mrOk;
}

// Shows what changed since the bank's last logged file; false when the clerk stops the export.
// Only a changed account asks.
bool ReviewedChanges(const PayChanges& found)
{
    const auto text = [](int id) { return LoadFormResourceStr(QStringLiteral("WAGBK"), id); };
    if (!found.last || found.changes.empty())
        return true;
    QString list = text(found.holds() ? 15950 : 15951).arg(QFileInfo(found.last->fileName).fileName(), found.last->writtenAt);
    AppendPayChangeLines(list, found.changes);
    if (!found.holds()) {
        ReviewList(list);
        return true;
    }
    return ReviewList(list, text(15958)) == mrOk;
}

// The SHA-256 of the file at `path` (hex), for the log.
QString FileSha256(const QString& path)
{
    QFile file(path);
    QCryptographicHash sha256(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !sha256.addData(&file))
        throw std::runtime_error(LoadFormResourceStr(QStringLiteral("WAGBK"), 15763).arg(path, file.errorString()).toStdString());
    return QString::fromLatin1(sha256.result().toHex());
}

} // namespace

QString MediaFolder()
{
    QString folder = CurrentConfig().mediaDir;
    if (folder.isEmpty())
        folder = QDir::currentPath();
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

ExportDialog::ExportDialog(QWidget* owner, const ExportSettings& settings)
    : MForm(owner)
    , settings_(settings)
    , row_(settings.rowKey)
{
    MFormProperty1.FormRcID = QStringLiteral("WAGBK");
    setWindowTitle(LoadFormStr(10060));

    PathFile = new QLineEdit(this);
    PathFile->setObjectName(QStringLiteral("PathFile"));
    PathFile->setReadOnly(true);
    PathFile->setMinimumWidth(360);
    MSpeedButton1 = new QToolButton(this);
    MSpeedButton1->setObjectName(QStringLiteral("MSpeedButton1"));
    MSpeedButton1->setText(QStringLiteral("..."));

    auto* layout = new QGridLayout(this);
    auto* pathLabel = new QLabel(LoadFormStr(10061), this);
    pathLabel->setBuddy(PathFile);
    layout->addWidget(pathLabel, 0, 0);
    layout->addWidget(PathFile, 0, 1);
    layout->addWidget(MSpeedButton1, 0, 2);
    layout->addLayout(MakeDialogButtons(*this, LoadFormStr(10064), LoadFormStr(10068), [this] { Btn_F8Click(); },
                                        [this] { Btn_EscClick(); }),
                      1, 0, 1, 3);

    connect(MSpeedButton1, &QToolButton::clicked, this, [this] { RunGuarded([this] { MSpeedButton1Click(); }); });
}

void ExportDialog::Bind(const db::LocalTable& transferTable, const ExportValues& values, const QString& emptyCause)
{
    Report.setDatabaseName(transferTable.databaseName());
    Report.setTableName(transferTable.tableName());
    Values = values;
    emptyCause_ = emptyCause;
}

void ExportDialog::FormShow()
{
    PathFile->setText(MediaFolder() + ProposedFileName());
}

QString ExportDialog::ProposedFileName() const
{
    QString fileName = settings_.defaultFileName;
    if (const auto row = row_.Read()) {
        const QString remembered = row->value(QStringLiteral("FILENAME"));
        if (!remembered.isEmpty() || !settings_.emptyNameTakesDefault)
            fileName = remembered;
    }
    return fileName;
}

QString ExportDialog::FileNameToRemember(const QString& fileName, const QString&) const
{
    return fileName;
}

bool ExportDialog::FormKeyDown(QKeyEvent* event)
{
    return HandleDialogKeys(event, [this] { Btn_F8Click(); }, [this] { Btn_EscClick(); });
}

void ExportDialog::MSpeedButton1Click()
{
    ChooseFile();
}

bool ExportDialog::ChooseFile()
{
    MSaveDialog dialog;
    dialog.FileName = PathFile->text();
    dialog.Filter = settings_.filter;
    // Cancelled, the path stays, with the bank's extension forced all the same.
    const bool chosen = dialog.Execute();
    const QString path = dialog.FileName;
    PathFile->setText(settings_.forcedExtension.isEmpty() ? path : ChangeFileExt(path, settings_.forcedExtension));
    return chosen;
}

void ExportDialog::Btn_EscClick()
{
    setModalResult(mrCancel);
}

void ExportDialog::Btn_F8Click()
{
    if (!Report.active())
        Report.open();
    Report.first();
    // Pay lines the selection could not take whole are named before anything else, even when no
    // employee was left to write.
    if (!Values.refusals.isEmpty())
        throw ExportRefused((LoadFormStr(10087) + u'\n' + Values.refusals.join(u'\n')).toStdString());
    if (Report.isEmpty()) {
        if (emptyCause_.isEmpty())
            MessageById(QStringLiteral("WAGBK"), 10081, MsgType::Information, mbOK);
        else
            MessageDlg(emptyCause_, MsgType::Information, mbOK);
        return;
    }
    // A path that names a folder (the media folder before any file was named): the clerk names the
    // file in the save dialog, and the export goes on with it.
    if ((PathFile->text().endsWith(u'/') || QFileInfo(PathFile->text()).isDir()) && !ChooseFile())
        return;
    // A name without a stem (".TXT" from parameters not yet set) is no name: the clerk gives one.
    if (QFileInfo(PathFile->text()).completeBaseName().isEmpty()) {
        MessageDlg(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 605).arg(PathFile->text()), MsgType::Information, mbOK);
        return;
    }
    if (!EmptyParametersAccepted())
        return;
    // A device or a pipe at the path is refused before the clerk is asked to replace "the file".
    MediaFileWriter::CheckTarget(PathFile->text());
    const bool replaces = QFileInfo::exists(PathFile->text());
    if (replaces && !ReplaceAsked())
        return;
    WriteMediaFile(replaces ? Replacing::Allowed : Replacing::Refused);
}

bool ExportDialog::EmptyParametersAccepted()
{
    const std::optional<QMap<QString, QString>> parameters = row_.Read();
    const QStringList empty = EmptyParametersWritten(Layout(), parameters ? &*parameters : nullptr);
    if (empty.isEmpty())
        return true;
    const EmptyParametersAnswer answer = AskAboutEmptyParameters(empty);
    if (answer == EmptyParametersAnswer::OpenParameters && OpenParameters)
        OpenParameters();
    return answer == EmptyParametersAnswer::Export;
}

void ExportDialog::WriteMediaFile(Replacing replacing)
{
    const std::optional<QMap<QString, QString>> parameters = row_.Read();
    const QMap<QString, QString> noParameters;
    RecordContext context;
    context.parameters = parameters ? &*parameters : &noParameters;
    context.values = Values;
    context.today = Today();

    // What changed since the bank's last file is looked at before anything is written.
    const QString payLines = PayLinesText(Report);
    PayChanges changes = PayChangesSinceLastFile(settings_.rowKey, payLines);
    if (!ReviewedChanges(changes))
        return;
    const bool firstOfBank = !changes.last;
    changes = {};   // a hundred thousand changes shown need not be held while the file is written
    MediaFileWriter writer(PathFile->text(), replacing);
    // A file that another export put at the path meanwhile is replaced only when the clerk says so.
    writer.file().AskBeforeReplacing([] { return ReplaceAsked(); });
    WriteRecords(writer, context);
    // A file that its bank's reader rejects, or whose employees or total differ from the table's,
    // does not take the earlier file's place. The file's name is remembered, and the export logged,
    // before the file is put in place: a database that cannot take them keeps the earlier file too,
    // so that what the clerk is told is what happened. A file that is then not put in place after
    // all (the rename fails, the clerk keeps a file another export put there meanwhile, it does not
    // read back in place) takes its export out of the log again: the log holds only files that went out.
    std::optional<int> logged;
    try {
        writer.Commit([this, &context, &payLines, &logged](const QString& written) {
            const QStringList faults = WrittenFileFaults(written, context);
            if (!faults.isEmpty())
                throw std::runtime_error((LoadFormStr(15761) + u'\n' + faults.join(u'\n')).toStdString());
            logged = LogExport(written, context, payLines);
        });
    } catch (...) {
        if (logged)
            ForgetExport(*logged, std::current_exception());
        throw;
    }

    // The bank's first logged file had nothing to compare with: said once it is written, in the
    // transfer window's status bar.
    if (firstOfBank)
        ShowNote(LoadFormStr(15957), ShowNoteInWindow);
    // Where the file went and what it holds, on the line that says it is done.
    QString finished = LoadFormStr(10082) + u' '
        + LoadFormStr(15941).arg(QDir::toNativeSeparators(PathFile->text())).arg(context.employeeRecords)
              .arg(FormatNumber(context.employeeTotal, QStringLiteral("#,##0.00")));
    if (!writer.findings().substitutedNames.isEmpty())
        finished += u'\n' + LoadFormStr(10088) + u'\n' + writer.findings().substitutedNames.join(u'\n');
    MessageDlg(finished, MsgType::Information, mbOK);
}

int ExportDialog::LogExport(const QString& written, const RecordContext& context, const QString& payLines)
{
    LoggedExport entry;
    entry.bank = settings_.rowKey;
    entry.fileName = PathFile->text();
    entry.company = Compdata::CompanyNumber();
    entry.conditions = Values.further.value(LoggedConditionsName);
    entry.employees = context.employeeRecords;
    entry.total = context.employeeTotal;
    entry.sha256 = FileSha256(written);
    int number = 0;
    const auto log = [&entry, &payLines, &number] { number = WriteExportLog(entry, payLines); };
    try {
        if (settings_.remembersFileName)
            row_.RememberFileName(PathFile->text(),
                                  [this](const QString& name, const QString& stored) { return FileNameToRemember(name, stored); }, log);
        else
            db::InTransaction(db::CompanyDatabaseName, log);
    } catch (const std::exception& e) {
        throw std::runtime_error(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 620).arg(QString::fromUtf8(e.what())).toStdString());
    }
    return number;
}

void ExportDialog::ForgetExport(int number, std::exception_ptr unplaced)
{
    try {
        db::InTransaction(db::CompanyDatabaseName, [number] { RemoveExportLog(number); });
    } catch (const std::exception& e) {
        // The log keeps an export that did not happen: the clerk is told both.
        QString why;
        try {
            std::rethrow_exception(unplaced);
        } catch (const std::exception& failure) {
            why = QString::fromUtf8(failure.what());
        }
        throw std::runtime_error((why + u'\n' + LoadFormResourceStr(QStringLiteral("RAR1HOST"), 621).arg(number).arg(QString::fromUtf8(e.what())))
                                     .toStdString());
    }
}

MediaFileReading ExportDialog::ReadFile(const QString& path,
                                        const std::function<MediaFileReading(QIODevice&, const RecordContext&)>& read) const
{
    SafeFileWriter::CheckSource(path);   // reading a pipe or a device would never end
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(LoadFormStr(15763).arg(path, file.errorString()).toStdString());
    const std::optional<QMap<QString, QString>> parameters = row_.Read();
    RecordContext context;
    context.parameters = parameters ? &*parameters : nullptr;
    context.values = Values;
    context.today = Today();
    return read(file, context);
}

MediaFileReading ExportDialog::ReadBack(const QString& path) const
{
    return ReadFile(path, [this](QIODevice& file, const RecordContext& context) { return ReadMediaFile(Layout(), file, context); });
}

MediaFileReading ExportDialog::ReadBack(const QString& path, ReadLineSink& sink) const
{
    return ReadFile(path, [this, &sink](QIODevice& file, const RecordContext& context) {
        return ReadMediaFile(Layout(), file, context, sink);
    });
}

// The file just written (at `path`), read back from the disk with every check of its bank's reader
// (but of the values the clerk accepted before the export), and against the transfer table it was
// written from: its employees and the sum of their amounts.
QStringList ExportDialog::WrittenFileFaults(const QString& path, const RecordContext& written) const
{
    const MediaFileReading reading = ReadFile(path, [this](QIODevice& file, const RecordContext& context) {
        return ReadMediaFile(Layout(), file, context, ReadingDetail::Checks, AcceptedValues::Passed);
    });
    QStringList faults = reading.failures;
    if (reading.unlistedFailures)
        faults << LoadFormStr(15766).arg(reading.unlistedFailures);
    if (!reading.placed || written.employeeRecords <= 0)
        return faults;
    // Each amount is cut to the unit the bank takes, so the file's total may fall short of the
    // table's by less than one unit for each employee.
    const double unit = !reading.amountUnit ? 0
        : *reading.amountUnit == source::Unit::Whole ? 1 : *reading.amountUnit == source::Unit::Tenths ? 0.1 : 0.01;
    const bool totalDiffers = reading.amountUnit && std::fabs(reading.total - written.employeeTotal) >= written.employeeRecords * unit + 0.005;
    if (reading.employees != written.employeeRecords || totalDiffers)
        faults << LoadFormStr(15762)
                      .arg(reading.employees)
                      .arg(reading.total, 0, 'f', 2)
                      .arg(written.employeeRecords)
                      .arg(written.employeeTotal, 0, 'f', 2);
    return faults;
}

QString ExportDialog::EmployeeOf(const db::LocalTable& row) const
{
    const QString number = row.hasField(QStringLiteral("YG_NO")) ? row.fieldText(QStringLiteral("YG_NO")) : QString();
    const QString name = row.fieldText(QStringLiteral("YG_NAME")).trimmed();
    if (number.isEmpty() && name.isEmpty())
        return row.fieldText(QStringLiteral("BACC_NO"));   // a nameless employee (or one of spaces) is known by his account
    if (number.isEmpty() || name.isEmpty())
        return number + name;
    return number + u' ' + name;
}

void ExportDialog::WriteRecords(MediaFileWriter& writer, RecordContext& context)
{
    WriteLayout(Report, writer, context);
}

void ExportDialog::WriteLayout(db::LocalTable& rows, MediaFileWriter& writer, RecordContext& context)
{
    const RowWriter employeeRow = [this](const db::LocalTable& row, RecordBlock& records, RecordContext& rowContext) {
        if (IsEmployeeRow(row))
            WriteEmployee(row, records, rowContext);
    };
    WriteLayout(rows, 1, writer, context, employeeRow, employeeRow);
}

void ExportDialog::WriteLayout(db::LocalTable& rows, int slotsPerRow, MediaFileWriter& writer, RecordContext& context,
                               const RowWriter& here, const RowWriter& there)
{
    const EmployeeTally tally = TallyEmployees(rows, slotsPerRow, RowsPerBlock);
    context.employeeRecords = tally.count;
    context.employeeTotal = tally.total;
    WriteHeader(writer, context);

    // Each core renders with its own cursor on the rows, its own context and its own room;
    // a block's first record takes the running number that follows the employees before the block.
    struct Renderer {
        db::LocalTable cursor;
        RecordContext context;
        RenderRoom room;
    };
    Renderer onThis{rows, context, {}}, onSecond{rows, context, {}};
    auto renderOn = [&tally](Renderer& renderer, const RowWriter& writeRow) {
        return [&tally, &renderer, &writeRow](int block, RenderedRecords& into) {
            RecordBlock records(into, renderer.room);
            db::LocalTable& row = renderer.cursor;
            renderer.context.sequence = tally.employeesBefore[size_t(block)];
            const int end = (block + 1) * RowsPerBlock;
            for (row.moveTo(block * RowsPerBlock); !row.eof() && row.recNo() < end; row.next())
                writeRow(row, records, renderer.context);
        };
    };
    RenderBlocksInOrder(int(tally.employeesBefore.size()), renderOn(onThis, here), renderOn(onSecond, there),
                        [&writer](const RenderedRecords& block) { writer.Append(block); });
    context.sequence = tally.count;
    WriteTrailer(writer, context);
}

void ExportDialog::WriteHeader(MediaFileWriter& writer, const RecordContext& context)
{
    const RecordOwner header(QStringLiteral("表頭"));
    for (const MediaRecord& record : Layout().header)
        writer.Write(record, context, header);
}

void ExportDialog::WriteEmployee(const db::LocalTable& row, RecordBlock& records, RecordContext& context)
{
    const MediaLayout& layout = Layout();
    const RecordOwner who([this, &row] { return EmployeeOf(row); });
    if (layout.nameNeededWith.isEmpty() || !row.fieldText(layout.nameNeededWith).isEmpty())
        RefuseNameless(row, layout.nameColumn, who, records.findings());
    ++context.sequence;
    context.row = &row;
    for (const MediaRecord& record : layout.detail)
        records.Write(record, context, who);
    context.row = nullptr;
}

void ExportDialog::WriteTrailer(MediaFileWriter& writer, const RecordContext& context)
{
    const RecordOwner trailer(QStringLiteral("表尾"));
    for (const MediaRecord& record : Layout().trailer)
        writer.Write(record, context, trailer);
}
