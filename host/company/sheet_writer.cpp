#include "company/sheet_writer.h"

#include "runtime/safe_file_writer.h"

#include <QFile>
#include <csv.h>
#include <stdexcept>
#include <utility>
#include <xlsxwriter.h>

namespace company {

namespace {

class CsvWriter : public SheetWriter {
public:
    explicit CsvWriter(const QString& file) : file_(file, Replacing::Allowed)
    {
        write("\xEF\xBB\xBF");
    }

    void addRow(const std::vector<SheetCell>& cells, bool) override
    {
        QByteArray line;
        for (size_t i = 0; i < cells.size(); ++i) {
            const QByteArray text = cells[i].text.toUtf8();
            QByteArray quoted(text.size() * 2 + 2, Qt::Uninitialized);
            quoted.truncate(qsizetype(csv_write(quoted.data(), size_t(quoted.size()), text.constData(), size_t(text.size()))));
            line += (i ? "," : "") + quoted;
        }
        write(line + "\r\n");
    }

    void finish() override { file_.Commit(); }

private:
    void write(const QByteArray& bytes) { file_.Write(bytes.constData(), bytes.size()); }

    SafeFileWriter file_;
};

class XlsxWriter : public SheetWriter {
public:
    // The workbook library fills the safe writer's temporary file by its name: the file keeps the
    // mode the writer gave it, and takes the target's name only when the workbook is complete.
    XlsxWriter(const QString& file, const QString& sheetName, const std::vector<bool>& textColumns)
        : file_(file, Replacing::Allowed)
    {
        workbook_ = workbook_new(QFile::encodeName(file_.TemporaryPath()).constData());
        if (!workbook_)
            file_.Fail(QStringLiteral("the workbook cannot be started"));
        sheet_ = workbook_add_worksheet(workbook_, sheetName.toUtf8().constData());
        bold_ = workbook_add_format(workbook_);
        format_set_bold(bold_);
        lxw_format* text = workbook_add_format(workbook_);
        format_set_num_format(text, "@");
        for (size_t column = 0; column < textColumns.size(); ++column)
            if (textColumns[column])
                worksheet_set_column(sheet_, lxw_col_t(column), lxw_col_t(column), 14, text);
    }
    ~XlsxWriter() override
    {
        if (workbook_)
            workbook_close(workbook_);
    }

    void addRow(const std::vector<SheetCell>& cells, bool marked) override
    {
        lxw_format* format = marked ? bold_ : nullptr;
        for (size_t column = 0; column < cells.size(); ++column) {
            const SheetCell& cell = cells[column];
            const lxw_error error = cell.number
                ? worksheet_write_number(sheet_, row_, lxw_col_t(column), *cell.number, format)
                : worksheet_write_string(sheet_, row_, lxw_col_t(column), cell.text.toUtf8().constData(), format);
            if (error != LXW_NO_ERROR)
                fail(QString::fromUtf8(lxw_strerror(error)));
        }
        ++row_;
    }

    void finish() override
    {
        const lxw_error error = workbook_close(workbook_);
        workbook_ = nullptr;
        if (error != LXW_NO_ERROR)
            file_.Fail(QString::fromUtf8(lxw_strerror(error)));
        file_.Commit();
    }

private:
    // The workbook is closed before its temporary file goes, so that nothing writes it again.
    [[noreturn]] void fail(const QString& reason)
    {
        workbook_close(std::exchange(workbook_, nullptr));
        file_.Fail(reason);
    }

    SafeFileWriter file_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_row_t row_ = 0;
};

} // namespace

std::unique_ptr<SheetWriter> CreateSheet(const QString& file, const QString& sheetName, const std::vector<bool>& textColumns)
{
    if (file.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return std::make_unique<XlsxWriter>(file, sheetName, textColumns);
    return std::make_unique<CsvWriter>(file);
}

} // namespace company
