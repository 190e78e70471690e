#include "transfer/empty_parameters.h"

#include "runtime/language.h"
#include "runtime/ui/messages.h"
#include "runtime/ui/mform.h"

#include <QSet>

QStringList EmptyParametersWritten(const MediaLayout& layout, const QMap<QString, QString>* parameters)
{
    QStringList empty;
    QSet<QString> named;
    for (const std::vector<MediaRecord>* records : {&layout.header, &layout.detail, &layout.trailer})
        for (const MediaRecord& record : *records)
            for (const MediaField& field : record.fields())
                for (const QString& column : field.source.parameters()) {
                    const QString value = parameters ? parameters->value(column) : QString();
                    if (value.trimmed().isEmpty() && !named.contains(column)) {
                        named.insert(column);
                        empty << LoadFormResourceStr(QStringLiteral("WAGBK"), 15971).arg(field.content, column);
                    }
                }
    return empty;
}

EmptyParametersAnswer AskAboutEmptyParameters(const QStringList& empty)
{
    const QString question = LoadFormResourceStr(QStringLiteral("WAGBK"), 15970) + u'\n' + empty.join(u'\n');
    // A warning, not a confirmation: an unattended export goes on and reports the lines.
    switch (MessageDlg(question, MsgType::Warning, mbYes | mbNo | mbCancel)) {
    case mrNo: return EmptyParametersAnswer::OpenParameters;
    case mrCancel: return EmptyParametersAnswer::Stop;
    default: return EmptyParametersAnswer::Export;
    }
}
