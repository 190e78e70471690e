#include "reading_printers.h"

#include <QJsonArray>
#include <QLocale>

namespace {

constexpr qsizetype PieceSize = 64 * 1024;

// An amount in whole units, with its cents when it has any.
QString amountText(double amount)
{
    return QString::number(amount, 'f', qint64(amount * 100) % 100 == 0 ? 0 : 2);
}

class Table : public ReadingPrinter {
public:
    using ReadingPrinter::ReadingPrinter;

    void Take(const ReadLine& line) override
    {
        QString row = QString::number(line.number) + u'\t' + line.kind;
        for (const ReadField& field : line.fields) {
            qsizetype end = field.text.size();
            while (end > 0 && field.text[end - 1] == u' ')
                --end;
            row += u'\t' + field.content + u'=';
            row += QStringView(field.text).first(end);
        }
        write((row + u'\n').toUtf8());
    }

    void Summary(const QString& name, const QJsonValue& value) override
    {
        if (value.isNull())
            return;
        const QString text = value.isDouble() ? amountText(value.toDouble()) : value.toString();
        write((name + QStringLiteral(": ") + text + u'\n').toUtf8());
    }

    void Finish(const QStringList&, qint64) override { flush(); }
};

// A JSON string: quoted, with quotes, backslashes and control characters escaped (the bytes of a
// character beyond ASCII are never any of them in UTF-8).
QByteArray quoted(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20)
            out += "\\u00" + QByteArray::number(c, 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out + '"';
}

QByteArray jsonValue(const QJsonValue& value)
{
    if (value.isString())
        return quoted(value.toString());
    if (value.isNull())
        return "null";
    if (value.isBool())
        return value.toBool() ? "true" : "false";
    if (value.isArray()) {
        QByteArray out = "[";
        for (const QJsonValue& item : value.toArray())
            out += (out.size() > 1 ? ",\n        " : "\n        ") + jsonValue(item);
        return out + (out.size() > 1 ? "\n    ]" : "]");
    }
    return QByteArray::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
}

class Json : public ReadingPrinter {
public:
    explicit Json(std::FILE* out) : ReadingPrinter(out) { write("{\n    \"lines\": ["); }

    void Take(const ReadLine& line) override
    {
        QByteArray out = first_ ? "\n        {\"line\": " : ",\n        {\"line\": ";
        first_ = false;
        out += QByteArray::number(line.number) + ", \"kind\": " + quoted(line.kind) + ", \"fields\": [";
        for (size_t i = 0; i < line.fields.size(); ++i)
            out += (i ? ", {\"name\": " : "{\"name\": ") + quoted(line.fields[i].content) + ", \"text\": " + quoted(line.fields[i].text) + '}';
        write(out + "]}");
    }

    void Summary(const QString& name, const QJsonValue& value) override { summary(name, jsonValue(value)); }

    void Finish(const QStringList& failures, qint64 unlisted) override
    {
        summary(QStringLiteral("failures"), jsonValue(QJsonArray::fromStringList(failures)));
        summary(QStringLiteral("unlisted_failures"), QByteArray::number(unlisted));
        summary(QStringLiteral("valid"), failures.isEmpty() ? "true" : "false");
        write("\n}\n");
        flush();
    }

private:
    void summary(const QString& name, const QByteArray& value)
    {
        if (!closed_)
            write(first_ ? "]" : "\n    ]");
        closed_ = true;
        write(",\n    " + quoted(name) + ": " + value);
    }

    bool first_ = true;    // no line written yet
    bool closed_ = false;  // the lines' array is closed
};

} // namespace

void ReadingPrinter::write(const QByteArray& bytes)
{
    pending_ += bytes;
    if (pending_.size() >= PieceSize)
        flush();
}

void ReadingPrinter::flush()
{
    if (!pending_.isEmpty())
        std::fwrite(pending_.constData(), 1, size_t(pending_.size()), out_);
    pending_.truncate(0);
    std::fflush(out_);
}

std::unique_ptr<ReadingPrinter> TablePrinter(std::FILE* out)
{
    return std::make_unique<Table>(out);
}

std::unique_ptr<ReadingPrinter> JsonPrinter(std::FILE* out)
{
    return std::make_unique<Json>(out);
}
