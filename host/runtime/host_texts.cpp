#include "runtime/host_texts.h"

#include "runtime/language.h"

QString HostText(int id)
{
    return LoadFormResourceStr(QStringLiteral("RAR1HOST"), id);
}
