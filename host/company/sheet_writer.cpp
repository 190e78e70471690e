#include "company/sheet_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <csv.h>
#include <cstdio>
#include <stdexcept>
#include <xlsxwriter.h>

namespace company {

namespace {

std::runtime_error cannotWrite(const QString& file, const QString& why)
{
    return std::runtime_error(QStringLiteral("%1 cannot be written: %2").arg(file, why).toStdString());
}

class CsvWriter : public SheetWriter {
public:
    explicit CsvWriter(const QString& file) : file_(file)
    {
        if (!file_.open(QIODevice::WriteOnly))
            throw cannotWrite(file, file_.errorString());
        file_.write("\xEF\xBB\xBF");
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
        file_.write(line + "\r\n");
    }

    void finish() override
    {
        if (!file_.commit())
            throw cannotWrite(file_.fileName(), file_.errorString());
    }

private:
    QSaveFile file_;
};

class XlsxWriter : public SheetWriter {
public:
    XlsxWriter(const QString& file, const QString& sheetName, const std::vector<bool>& textColumns)
        : file_(file), part_(file + QStringLiteral(".part"))
    {
        QFile::remove(part_);
        workbook_ = workbook_new(QFile::encodeName(part_).constData());
        if (!workbook_)
            throw cannotWrite(file, QStringLiteral("the workbook cannot be started"));
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
        if (workbook_) {
            workbook_close(workbook_);
            QFile::remove(part_);
        }
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
                throw cannotWrite(file_, QString::fromUtf8(lxw_strerror(error)));
        }
        ++row_;
    }

    void finish() override
    {
        const lxw_error error = workbook_close(workbook_);
        workbook_ = nullptr;
        if (error != LXW_NO_ERROR) {
            QFile::remove(part_);
            throw cannotWrite(file_, QString::fromUtf8(lxw_strerror(error)));
        }
        if (std::rename(QFile::encodeName(part_).constData(), QFile::encodeName(file_).constData()) != 0) {
            QFile::remove(part_);
            throw cannotWrite(file_, QStringLiteral("it cannot be put in place"));
        }
    }

private:
    QString file_, part_;
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
