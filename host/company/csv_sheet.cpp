#include "company/csv_sheet.h"

#include "company/text_encoding.h"

#include <QFile>
#include <QFileInfo>
#include <csv.h>
#include <deque>

namespace company {

namespace {

constexpr qsizetype PieceBytes = 1 << 16;

// The separator the heading row (up to its first line break outside quotes) holds most of.
unsigned char FindSeparator(QByteArrayView utf8)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : utf8) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            commas += c == ',', semicolons += c == ';', tabs += c == '\t';
    }
    if (tabs >= commas && tabs >= semicolons && tabs > 0)
        return '\t';
    return semicolons > commas ? ';' : ',';
}

// Nothing is a blank to trim: a cell keeps its spaces and tabs; the import trims what it reads.
int NoBlank(unsigned char)
{
    return 0;
}

class CsvSheet : public SheetReader {
public:
    explicit CsvSheet(const QString& path) : file_(path), name_(QFileInfo(path).completeBaseName())
    {
        if (!file_.open(QIODevice::ReadOnly))
            throw SheetError(QStringLiteral("%1: %2").arg(path, file_.errorString()).toStdString());
        if (file_.size() > 0) {
            const uchar* mapped = file_.map(0, file_.size());
            if (!mapped)
                throw SheetError(QStringLiteral("%1: %2").arg(path, file_.errorString()).toStdString());
            bytes_ = QByteArrayView(reinterpret_cast<const char*>(mapped), file_.size());
        }
        qsizetype mark = 0;
        encoding_ = DetectEncoding(bytes_, &mark);
        bytes_ = bytes_.sliced(mark);
        pieces_ = std::make_unique<Utf8Pieces>(bytes_, encoding_);
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_space_func(&parser_, NoBlank);
    }
    ~CsvSheet() override { csv_free(&parser_); }

    bool next(SheetRow& row) override
    {
        while (ready_.empty() && !finished_)
            readPiece();
        if (ready_.empty())
            return false;
        row = std::move(ready_.front());
        ready_.pop_front();
        return true;
    }

    QString sheetName() const override { return name_; }
    int progress() const override { return bytes_.isEmpty() ? 1000 : int(1000 * pieces_->position() / bytes_.size()); }

private:
    // Parses the next piece of the file, or ends the parsing.
    void readPiece()
    {
        if (pieces_->atEnd()) {
            if (csv_fini(&parser_, &CsvSheet::cell, &CsvSheet::rowEnd, this) != 0)
                fail();
            finished_ = true;
            return;
        }
        parse(pieces_->next(PieceBytes));
    }

    void parse(QByteArrayView utf8)
    {
        if (!separatorFound_) {
            csv_set_delim(&parser_, FindSeparator(utf8));
            separatorFound_ = true;
        }
        if (csv_parse(&parser_, utf8.data(), size_t(utf8.size()), &CsvSheet::cell, &CsvSheet::rowEnd, this) != size_t(utf8.size()))
            fail();
    }

    [[noreturn]] void fail()
    {
        throw SheetError(QStringLiteral("%1, row %2: %3")
                             .arg(name_)
                             .arg(rowNumber_ + 1)
                             .arg(QString::fromUtf8(csv_strerror(csv_error(&parser_))))
                             .toStdString());
    }

    static void cell(void* text, size_t length, void* self)
    {
        auto* sheet = static_cast<CsvSheet*>(self);
        sheet->cells_.push_back(QString::fromUtf8(static_cast<const char*>(text), qsizetype(length)));
    }
    static void rowEnd(int, void* self)
    {
        auto* sheet = static_cast<CsvSheet*>(self);
        const size_t cells = sheet->cells_.size();
        sheet->ready_.push_back(SheetRow{++sheet->rowNumber_, std::move(sheet->cells_)});
        sheet->cells_.clear();
        sheet->cells_.reserve(cells);   // the next row most likely has as many
    }

    QFile file_;
    QString name_;
    QByteArrayView bytes_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    csv_parser parser_{};
    bool separatorFound_ = false, finished_ = false;
    std::unique_ptr<Utf8Pieces> pieces_;
    int rowNumber_ = 0;
    std::vector<QString> cells_;
    std::deque<SheetRow> ready_;
};

} // namespace

std::unique_ptr<SheetReader> OpenCsvSheet(const QString& file)
{
    return std::make_unique<CsvSheet>(file);
}

} // namespace company
