#include "company/import_texts.h"

#include "runtime/language.h"

namespace company {

QString ImportString(int id)
{
    return LoadFormResourceStr(QStringLiteral("COMPANY"), id);
}

} // namespace company
