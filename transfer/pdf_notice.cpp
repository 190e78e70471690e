#include "transfer/pdf_notice.h"

#include "runtime/language.h"
#include "runtime/ui/messages.h"

void TellPdfWritten(const QString& pdfPath)
{
    if (!pdfPath.isEmpty())
        MessageDlg(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 250).arg(pdfPath), MsgType::Information, mbOK);
}
