#include "company/xlsx_sheet.h"

#include "company/zip_entry.h"

#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>

namespace company {

namespace {

// The number formats Excel has built in for dates (those of the Chinese locales among them).
bool BuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
}

// A format code that shows a date: year, day or era parts outside quoted text and brackets.
bool DateFormatCode(QString code)
{
    static const QRegularExpression literal(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]|\\\\.|General"),
                                            QRegularExpression::CaseInsensitiveOption);
    code.remove(literal);
    return code.contains(QRegularExpression(QStringLiteral("[yYdDeEgG]")));
}

// The column of a cell reference ("C12" is 2).
int ColumnOf(QStringView reference)
{
    int column = 0;
    for (const QChar c : reference) {
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c.unicode() - u'A' + 1);
    }
    return column - 1;
}

// A number cell's value that already reads as Excel shows it: at most 15 digits, no exponent, no
// leading zero before other digits, no trailing zero of decimals. Most amounts and codes are.
bool ShownAsStored(QStringView value)
{
    qsizetype digits = 0, point = -1;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'.' && point < 0)
            point = i;
        else if (value[i] < u'0' || value[i] > u'9' || ++digits > 15)
            return false;
    }
    const bool leadingZero = value.size() > 1 && value[0] == u'0' && value[1] != u'.';
    return digits > 0 && point != 0 && !leadingZero && (point < 0 || (point < value.size() - 1 && value.back() != u'0'));
}

class XlsxSheet : public SheetReader {
public:
    XlsxSheet(const QString& path, const QString& sheet) : zip_(path), path_(path)
    {
        if (!zip_.isOpen())
            throw SheetError(QStringLiteral("%1: not a workbook (.xlsx) that can be read").arg(path).toStdString());
        const QString target = findSheet(sheet);
        readSharedStrings();
        readDateStyles();
        sheetFile_ = std::make_unique<ZipEntry>(zip_, target);
        if (!sheetFile_->isOpen())
            throw SheetError(QStringLiteral("%1: the sheet %2 cannot be read").arg(path, name_).toStdString());
        total_ = std::max<qint64>(1, sheetFile_->unpackedSize());
        xml_.setDevice(sheetFile_.get());
    }

    bool next(SheetRow& row) override
    {
        while (!xml_.atEnd()) {
            if (xml_.readNext() == QXmlStreamReader::StartElement && xml_.name() == u"row") {
                row.number = xml_.attributes().value(QLatin1StringView("r")).toInt();
                row.cells.clear();
                readRow(row);
                if (row.number <= 0)
                    row.number = ++lastRow_;
                lastRow_ = row.number;
                return true;
            }
        }
        if (xml_.hasError())
            throw SheetError(QStringLiteral("%1, sheet %2: %3").arg(path_, name_, xml_.errorString()).toStdString());
        return false;
    }

    QString sheetName() const override { return name_; }
    int progress() const override { return int(1000 * sheetFile_->pos() / total_); }

private:
    // The entry of the sheet named `sheet` (the first when empty), by the workbook and its relations.
    QString findSheet(const QString& sheet)
    {
        QString relation;
        QStringList names;
        {
            ZipEntry workbook(zip_, QStringLiteral("xl/workbook.xml"));
            if (!workbook.isOpen())
                throw SheetError(QStringLiteral("%1: not a workbook (.xlsx) that can be read").arg(path_).toStdString());
            QXmlStreamReader xml(&workbook);
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"workbookPr")
                    date1904_ = xml.attributes().value(QLatin1StringView("date1904")) == u"1" || xml.attributes().value(QLatin1StringView("date1904")) == u"true";
                if (xml.name() != u"sheet")
                    continue;
                const QString name = xml.attributes().value(QLatin1StringView("name")).toString();
                names << name;
                if (relation.isEmpty() && (sheet.isEmpty() || name == sheet)) {
                    name_ = name;
                    for (const QXmlStreamAttribute& attribute : xml.attributes())
                        if (attribute.name() == u"id")
                            relation = attribute.value().toString();
                }
            }
        }
        if (relation.isEmpty())
            throw SheetError(QStringLiteral("%1: no sheet %2 (the workbook holds: %3)").arg(path_, sheet, names.join(QStringLiteral(", "))).toStdString());
        ZipEntry relations(zip_, QStringLiteral("xl/_rels/workbook.xml.rels"));
        if (!relations.isOpen())
            throw SheetError(QStringLiteral("%1: the workbook's sheets cannot be found").arg(path_).toStdString());
        QXmlStreamReader rels(&relations);
        while (!rels.atEnd()) {
            if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == u"Relationship"
                && rels.attributes().value(QLatin1StringView("Id")) == relation) {
                const QString target = rels.attributes().value(QLatin1StringView("Target")).toString();
                return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
            }
        }
        throw SheetError(QStringLiteral("%1: the sheet %2 is missing from the workbook").arg(path_, name_).toStdString());
    }

    // The texts of a string item (<si> or <is>), its runs joined, its phonetic hints left out.
    static QString itemText(QXmlStreamReader& xml, QStringView item)
    {
        QString text;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement && xml.name() == u"rPh")
                xml.skipCurrentElement();
            else if (token == QXmlStreamReader::StartElement && xml.name() == u"t")
                text += xml.readElementText();
            else if (token == QXmlStreamReader::EndElement && xml.name() == item)
                break;
        }
        return text;
    }

    void readSharedStrings()
    {
        ZipEntry file(zip_, QStringLiteral("xl/sharedStrings.xml"));
        if (!file.isOpen())
            return;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
                shared_.push_back(itemText(xml, u"si"));
        }
    }

    // Which cell styles show a date: by the number format of each of the workbook's cell formats.
    void readDateStyles()
    {
        ZipEntry file(zip_, QStringLiteral("xl/styles.xml"));
        if (!file.isOpen())
            return;
        QXmlStreamReader xml(&file);
        QList<int> dateFormats;
        bool inCellFormats = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement && xml.name() == u"numFmt"
                && DateFormatCode(xml.attributes().value(QLatin1StringView("formatCode")).toString()))
                dateFormats << xml.attributes().value(QLatin1StringView("numFmtId")).toInt();
            else if (xml.name() == u"cellXfs")
                inCellFormats = token == QXmlStreamReader::StartElement;
            else if (token == QXmlStreamReader::StartElement && inCellFormats && xml.name() == u"xf") {
                const int format = xml.attributes().value(QLatin1StringView("numFmtId")).toInt();
                dateStyles_.push_back(BuiltInDateFormat(format) || dateFormats.contains(format));
            }
        }
    }

    void readRow(SheetRow& row)
    {
        while (!xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement && xml_.name() == u"row")
                return;
            if (token != QXmlStreamReader::StartElement || xml_.name() != u"c")
                continue;
            const QXmlStreamAttributes attributes = xml_.attributes();
            const int column = attributes.hasAttribute(QLatin1StringView("r")) ? ColumnOf(attributes.value(QLatin1StringView("r"))) : int(row.cells.size());
            const QString type = attributes.value(QLatin1StringView("t")).toString();
            const int style = attributes.value(QLatin1StringView("s")).toInt();
            const QString value = cellValue(type);
            if (column < 0 || column > 16383)
                continue;
            if (int(row.cells.size()) <= column)
                row.cells.resize(size_t(column) + 1);
            row.cells[size_t(column)] = shown(type, style, value);
        }
    }

    // The raw value of the cell the reader is at: its <v>, or its inline string.
    QString cellValue(const QString& type)
    {
        QString value;
        while (!xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement && xml_.name() == u"c")
                break;
            if (token == QXmlStreamReader::StartElement && xml_.name() == u"v")
                value = xml_.readElementText();
            else if (token == QXmlStreamReader::StartElement && xml_.name() == u"is" && type == u"inlineStr")
                value = itemText(xml_, u"is");
        }
        return value;
    }

    // The text a cell stands for: a shared string, a date, a number to the 15 digits Excel shows.
    QString shown(const QString& type, int style, const QString& value) const
    {
        if (type == u"s") {
            const int index = value.toInt();
            return index >= 0 && index < int(shared_.size()) ? shared_[size_t(index)] : QString();
        }
        if (!type.isEmpty() && type != u"n")
            return value;
        const bool dateStyle = style >= 0 && style < int(dateStyles_.size()) && dateStyles_[size_t(style)];
        if (!dateStyle && ShownAsStored(value))
            return value;
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (!ok)
            return value;
        if (dateStyle && number >= 0 && number < 2958466)
            return QDate(date1904_ ? QDate(1904, 1, 1) : QDate(1899, 12, 30)).addDays(qint64(std::floor(number))).toString(Qt::ISODate);
        return QString::number(number, 'g', 15);
    }

    ZipArchive zip_;
    QString path_, name_;
    std::unique_ptr<ZipEntry> sheetFile_;
    QXmlStreamReader xml_;
    std::vector<QString> shared_;
    std::vector<bool> dateStyles_;
    bool date1904_ = false;
    qint64 total_ = 1;
    int lastRow_ = 0;
};

} // namespace

std::unique_ptr<SheetReader> OpenXlsxSheet(const QString& file, const QString& sheet)
{
    if (!QFileInfo::exists(file))
        throw SheetError(QStringLiteral("%1: no such file").arg(file).toStdString());
    return std::make_unique<XlsxSheet>(file, sheet);
}

} // namespace company
