#include "transfer/company_address.h"

#include "runtime/compdata.h"
#include "runtime/db/database.h"
#include "runtime/db/msqltable.h"

QString CompanyAddress()
{
    db::MSQLTable comp(db::SystemDatabaseName, QStringLiteral("Comp"), QStringLiteral("COMPNO"));
    comp.setKeyRecordOnly(true);
    comp.open();
    return comp.findKey({Compdata::CompanyNumber()}) ? comp.fieldText(QStringLiteral("CMP_ADR")) : QString();
}
