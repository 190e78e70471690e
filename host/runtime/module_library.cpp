#include "runtime/module_library.h"
#include "runtime/language.h"

#include "runtime/config.h"
#include "runtime/db/database.h"
#include "runtime/db/msqltable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <stdexcept>

namespace {
std::runtime_error moduleError(const QString& text)
{
    return std::runtime_error(text.toStdString());
}
}

QString ModuleLibrary::DefaultPath()
{
    const QString configured = qEnvironmentVariable("RAR1_MODULE");
    if (!configured.isEmpty())
        return configured;
    // The module lies beside this runtime library: in build/lib, or in lib/rar1 once installed.
    Dl_info runtime{};
    if (!dladdr(reinterpret_cast<void*>(&ModuleLibrary::DefaultPath), &runtime) || !runtime.dli_fname)
        throw moduleError(QStringLiteral("The folder of the runtime library libhostrt.so cannot be found."));
    return QFileInfo(QFile::decodeName(runtime.dli_fname)).absoluteDir().filePath(QStringLiteral("libRAR1.so"));
}

ModuleLibrary::ModuleLibrary(const QString& path)
{
    handle_ = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle_)
        throw moduleError(QStringLiteral("Cannot load the payroll module %1: %2").arg(path, QString::fromLocal8Bit(dlerror())));
    auto resolve = [this, &path](const char* name) {
        void* symbol = dlsym(handle_, name);
        if (!symbol)
            throw moduleError(QStringLiteral("The payroll module %1 does not export %2").arg(path, QLatin1String(name)));
        return symbol;
    };
    setCompanyData_ = reinterpret_cast<void (*)(const std::uint8_t* const*)>(resolve("SetCompanyData"));
    exitDll_ = reinterpret_cast<void (*)()>(resolve("ExitDLL"));
    for (int bank = 1; bank <= 28; ++bank)
        banks_[bank] = reinterpret_cast<void (*)()>(resolve(QStringLiteral("DoWagBK%1").arg(bank).toLatin1().constData()));
}

ModuleLibrary::~ModuleLibrary()
{
    ExitDLL();
    // The library stays loaded: its forms' meta-objects may outlive this object until the process ends.
}

void ModuleLibrary::SetCompanyData(const std::uint8_t* record)
{
    record_ = record;
    setCompanyData_(&record_);
}

void ModuleLibrary::DoWagBK(int bank)
{
    if (bank < 1 || bank > 28)
        throw moduleError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 203).arg(bank));
    banks_[bank]();
}

void ModuleLibrary::ExitDLL()
{
    if (exited_ || !exitDll_)
        return;
    exited_ = true;
    exitDll_();
}

std::unique_ptr<Compdata::CompanyRecordBuilder> CompanyRecordFor(const RuntimeConfig& config, const QString& changedTable)
{
    db::MSQLTable comp(db::SystemDatabaseName, QStringLiteral("Comp"), QStringLiteral("COMPNO"));
    comp.setKeyRecordOnly(true);
    comp.open();
    if (!comp.findKey({config.company}))
        throw moduleError(LoadFormResourceStr(QStringLiteral("RAR1HOST"), 202).arg(config.company));
    auto record = std::make_unique<Compdata::CompanyRecordBuilder>();
    record->companyNumber(config.company)
        .name(comp.fieldText(QStringLiteral("NAME")))
        .telephone(comp.fieldText(QStringLiteral("TEL")))
        .uniformNumber(comp.fieldText(QStringLiteral("UNI_NO")))
        .languageId(config.language)
        .textCode(config.language == 0 ? 1 : 0)
        .decimals(2, 4, 2, 2)
        .changedTable(changedTable);
    return record;
}
