#pragma once
// The salary file export dialog every bank opens from its transfer window: the media file's path,
// browsing for another, and the export that writes the bank's records.
#include "runtime/db/localtable.h"
#include "runtime/safe_file_writer.h"
#include "runtime/ui/mform.h"
#include "transfer/bank_row.h"
#include "transfer/media_field.h"
#include "transfer/media_file_reader.h"
#include "transfer/media_layout.h"

#include <exception>
#include <functional>

class QLineEdit;
class QToolButton;
class MediaFileWriter;
class RecordBlock;

// How a bank's export dialog differs: its BANK1 row, default file, save-dialog filter and the
// extension forced on a browsed name (empty: none), whether it remembers the file name, and whether
// an empty remembered name gives way to the default.
struct ExportSettings {
    QString rowKey;
    QString defaultFileName;
    QString filter = QStringLiteral("*.TXT");
    QString forcedExtension;
    bool remembersFileName = true;
    bool emptyNameTakesDefault = false;
};

class ExportDialog : public MForm {
    Q_OBJECT
public:
    ExportDialog(QWidget* owner, const ExportSettings& settings);

    // The transfer window hands over its table (bound by database and table name) and its values,
    // and, when the table was left unfilled, why: an empty table is then refused naming that cause.
    void Bind(const db::LocalTable& transferTable, const ExportValues& values, const QString& emptyCause = QString());
    const ExportValues& values() const { return Values; }
    // Reads the media file at `path` back by the bank's layout, with the bank's parameters: every line
    // kept, or each handed to `sink` as it is read.
    MediaFileReading ReadBack(const QString& path) const;
    MediaFileReading ReadBack(const QString& path, ReadLineSink& sink) const;

    // Opens the bank parameters when the clerk asks for them before a file with some left empty is
    // written; the transfer window sets it.
    std::function<void()> OpenParameters;
    // Shows a note that needs no answer in the transfer window (its status bar); the window sets it.
    std::function<void(const QString&)> ShowNoteInWindow;

    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
    void MSpeedButton1Click();
    void Btn_F8Click();
    void Btn_EscClick();

protected:
    // The bank's records. The default writes the layout: header, a detail per employee row, trailer.
    virtual const MediaLayout& Layout() const = 0;
    virtual void WriteRecords(MediaFileWriter& writer, RecordContext& context);
    // The layout written over the employee rows of `rows` (Report, or a table the bank lays out from
    // it). The detail records are rendered on two cores, a block of rows at a time.
    void WriteLayout(db::LocalTable& rows, MediaFileWriter& writer, RecordContext& context);
    // What one core writes for the row `row` stands on: the detail records of its employees.
    using RowWriter = std::function<void(const db::LocalTable& row, RecordBlock& records, RecordContext& context)>;
    // The same over a table of `slotsPerRow` employees a row: the header, what `here` (on this thread)
    // and `there` (on a second) write for the rows, and the trailer.
    void WriteLayout(db::LocalTable& rows, int slotsPerRow, MediaFileWriter& writer, RecordContext& context,
                     const RowWriter& here, const RowWriter& there);
    // The detail records of the employee `row` stands on, as a row writer writes them.
    void WriteEmployee(const db::LocalTable& row, RecordBlock& records, RecordContext& context);
    // Who a detail record belongs to, for the clerk's messages.
    virtual QString EmployeeOf(const db::LocalTable& row) const;
    // The file name proposed in the media folder: the remembered one, or the bank's default. A bank
    // whose name comes from the data (the transfer date, a code) builds it here.
    virtual QString ProposedFileName() const;
    // What FILENAME keeps after an export to `fileName` when it held `stored`: the name itself.
    virtual QString FileNameToRemember(const QString& fileName, const QString& stored) const;

    db::LocalTable Report;
    ExportValues Values;

private:
    // False when the clerk keeps a file without the bank parameters it needs from being written.
    bool EmptyParametersAccepted();
    // The save dialog on the path; false when the clerk chose no file.
    bool ChooseFile();
    void WriteMediaFile(Replacing replacing);
    // Logs the export of the file `written` (a temporary file not yet in place) with the file name
    // remembered, in one transaction; returns its number in the log.
    int LogExport(const QString& written, const RecordContext& context, const QString& payLines);
    // Takes export `number` out of the log, in its own transaction, as its file was not put in place
    // (`unplaced` says why). Raises when the log cannot give it up, naming both.
    static void ForgetExport(int number, std::exception_ptr unplaced);
    // The header records (the employees already counted into `context`), and the trailer records.
    void WriteHeader(MediaFileWriter& writer, const RecordContext& context);
    void WriteTrailer(MediaFileWriter& writer, const RecordContext& context);
    QStringList WrittenFileFaults(const QString& path, const RecordContext& written) const;
    // The file at `path`, opened for reading, and the context it is read back in, to `read` it.
    MediaFileReading ReadFile(const QString& path, const std::function<MediaFileReading(QIODevice&, const RecordContext&)>& read) const;
    ExportSettings settings_;
    BankRow row_;
    QString emptyCause_;
    QLineEdit* PathFile = nullptr;
    QToolButton* MSpeedButton1 = nullptr;
};

// The folder the export dialog proposes, standing for the diskette drive: the configured media
// folder with a trailing "/".
QString MediaFolder();
