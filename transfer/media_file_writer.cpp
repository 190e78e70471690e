#include "transfer/media_file_writer.h"

#include "runtime/language.h"

namespace {
std::runtime_error ioError(const QSaveFile& file)
{
    return std::runtime_error(QStringLiteral("%1 %2: %3")
                                  .arg(LoadFormResourceStr(QStringLiteral("WAGBK"), 10086), file.fileName(), file.errorString())
                                  .toStdString());
}
}

MediaFileWriter::MediaFileWriter(const QString& path)
    : file_(path)
{
    file_.setDirectWriteFallback(false);
    if (!file_.open(QIODevice::WriteOnly))
        throw ioError(file_);
}

void MediaFileWriter::Write(const MediaRecord& record, const RecordContext& context, const QString& who)
{
    QByteArray line = record.Render(context, who, findings_);
    line.append("\r\n", 2);
    if (file_.write(line) != line.size())
        throw ioError(file_);
}

void MediaFileWriter::Commit()
{
    if (!findings_.refusals.isEmpty()) {
        file_.cancelWriting();
        file_.commit();
        throw ExportRefused((LoadFormResourceStr(QStringLiteral("WAGBK"), 10087) + u'\n'
                             + findings_.refusals.join(u'\n'))
                                .toStdString());
    }
    if (!file_.commit())
        throw ioError(file_);
}
