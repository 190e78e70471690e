#pragma once
// A record kind of a media file (header, detail or trailer): its fields in order. Rendering gives the
// record's Big5 bytes without the line end; what cannot be written as it stands is reported.
#include "runtime/cvcode.h"
#include "transfer/media_field.h"

#include <QByteArray>
#include <QSet>
#include <functional>
#include <utility>
#include <vector>

// Whom a record is written for, as findings name him: an employee, "表頭" or "表尾". An employee's
// name is formed only when a finding needs it, which few records do.
class RecordOwner {
public:
    RecordOwner() = default;
    RecordOwner(const QString& name) : name_(name) {}
    RecordOwner(const char* name) : name_(QString::fromUtf8(name)) {}
    explicit RecordOwner(std::function<QString()> name) : form_(std::move(name)) {}
    QString name() const { return form_ ? form_() : name_; }

private:
    QString name_;
    std::function<QString()> form_;
};

// What an export found that the clerk must know: values that do not fit (the export is refused) and
// names that Big5 cannot hold (written with a substitute and listed afterwards).
struct ExportFindings {
    QStringList refusals;
    QStringList substitutedNames;
    // "who: content = value", with the reason when a check of the value gave one; the value shown
    // with its control characters made visible.
    void refuse(const QString& who, const QString& content, const QString& value,
                std::optional<values::Fault> fault = std::nullopt);
    // The same listed once however many records hold it: a value every record repeats (a bank
    // parameter, the transfer date) is named once, not for every employee.
    void refuseOnce(const QString& who, const QString& content, const QString& value, std::optional<values::Fault> fault);
    // A name written with a substitute, listed once however many of his fields had one.
    void substituted(const QString& who);
    // Those of records rendered after these, in their order.
    void append(const ExportFindings& later);

private:
    QSet<QString> listed_;   // the substituted names, to find one among thousands at once
    QSet<QString> once_;     // the refusals listed once
};

// A refusal line as the clerk's list shows it: "who: content = value (reason)", without the reason
// when it is empty.
QString RefusalLine(const QString& who, const QString& content, const QString& value, const QString& reason = QString());

// An employee row whose name (or account holder's title) in `nameColumn` is empty cannot be written as
// the bank expects; it is refused by name so that the clerk can fill it in.
void RefuseNameless(const db::LocalTable& row, const QString& nameColumn, const RecordOwner& who, ExportFindings& findings);

// The steady fields (FieldSource::steady) of one file's records as they were first rendered without
// a finding, to be copied into the records after: each run of steady fields that follow one another,
// kept whole by its first field. A file's writer keeps them while it writes. A layout has a few
// runs: a look along them finds one sooner than a hash would.
class SteadyFields {
public:
    struct Run {
        const MediaField* first;
        size_t fields;      // how many fields the run spans
        QByteArray bytes;
    };
    const Run* find(const MediaField* first) const
    {
        for (const Run& run : runs_)
            if (run.first == first)
                return &run;
        return nullptr;
    }
    void keep(Run run) { runs_.push_back(std::move(run)); }

private:
    std::vector<Run> runs_;
};

// What a renderer keeps from one record to the next: the steady fields of its file, and the room a
// record's texts are formed in.
struct RenderRoom {
    SteadyFields steady;
    QString text;
    Big5Text big5;
};

class MediaRecord {
public:
    // Checks that the positions follow one another without gap or overlap.
    MediaRecord(std::initializer_list<MediaField> fields);
    // Record kinds that begin alike are built from their common fields followed by their own.
    explicit MediaRecord(std::vector<MediaField> fields);

    // `who` names the employee (or "表頭"/"表尾") in findings.
    QByteArray Render(const RecordContext& context, const RecordOwner& who, ExportFindings& findings) const;
    // The same bytes appended to `out`, as a writer gathers its records; with `room`, kept by the writer
    // from record to record, each run of steady fields is rendered once a file.
    void RenderInto(QByteArray& out, const RecordContext& context, const RecordOwner& who, ExportFindings& findings,
                    RenderRoom* room = nullptr) const;
    int length() const;   // nominal length in bytes
    const std::vector<MediaField>& fields() const { return fields_; }

private:
    std::vector<MediaField> fields_;
};

// The field rules, usable on their own.
QByteArray LeftAligned(const QByteArray& big5, int width);
// Decimal text right-aligned with "0" in front; null when the digits exceed the width.
std::optional<QByteArray> ZeroFilled(qint64 value, int width);
