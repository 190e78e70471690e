#include "module/company_context.h"

#include "module/cached_tables.h"
#include "runtime/commvar.h"
#include "runtime/compdata.h"
#include "runtime/db/database.h"
#include "runtime/language.h"

std::uint8_t DisplayConversionType(int textCode, int languageId)
{
    if (textCode == 0 && languageId == 1)
        return 1;
    if (textCode == 1 && languageId == 0)
        return 2;
    return 0;
}

void ApplyCompanyContext(const std::uint8_t* record)
{
    using namespace Compdata;
    cData = record;
    if (!record)
        return;

    Commvar::iAMT_PointOfATTN = Int32At(record, Offset::AmtPoint);
    Commvar::iCST_PointOfATTN = Commvar::iAMT_PointOfATTN;
    Commvar::iUP_PointOfATTN = Int32At(record, Offset::UpPoint);
    Commvar::iQTY_PointOfATTN = Int32At(record, Offset::QtyPoint);
    Commvar::iTAX_PointOfATTN = Int32At(record, Offset::TaxPoint);
    Commvar::Prd_MarkIsNum = ShortString(record, Offset::PrdMark) == QLatin1String("T");

    Language::LanguageID = Int32At(record, Offset::LanguageId);
    InitLanguage();
    Commvar::DisplayChType = DisplayConversionType(ByteAt(record, Offset::TextCode), Language::LanguageID);

    if (ByteAt(record, Offset::Reconnect) != 0) {
        if (db::Session* session = db::Session::Default()) {
            if (db::MDatabase* database = session->findDatabase(QStringLiteral("RURIZOV"))) {
                database->setConnected(false);
                database->setConnected(true);
            }
        }
    }

    CachedTables::Instance().Refresh(ChangedTableName(record));
}

void CloseCompanyDatabase()
{
    if (db::Session* session = db::Session::Default()) {
        if (db::MDatabase* database = session->findDatabase(db::CompanyDatabaseName))
            database->setConnected(false);
    }
}
