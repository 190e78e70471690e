#include "company_commands.h"

#include "commands.h"
#include "company/company_file.h"
#include "company/import_texts.h"
#include "company/sheet_import.h"
#include "company/sheet_template.h"
#include "runtime/config.h"
#include "runtime/language.h"
#include "runtime/sheet_values.h"

#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The clerk's language for the messages of these commands, which open no bank window.
void useLanguage(const RuntimeConfig& config)
{
    Language::LanguageID = config.language;
    InitLanguage();
}

company::SheetKind takeKind(Arguments& arguments)
{
    const QString kind = arguments.takePositional(QStringLiteral("pay, employees or departments"));
    if (kind == u"pay")
        return company::SheetKind::Pay;
    if (kind == u"employees")
        return company::SheetKind::Employees;
    if (kind == u"departments")
        return company::SheetKind::Departments;
    throw UsageError(QStringLiteral("'%1' is not pay, employees or departments").arg(kind).toStdString());
}

} // namespace

int InitCompany(const RuntimeConfig& config, Arguments& arguments)
{
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    arguments.finish();
    useLanguage(config);
    company::CreateEmptyCompany(config.companyDb, config.company, force);
    out() << company::ImportString(company::DatabaseCreated).arg(config.companyDb) << Qt::endl;
    return ExitOk;
}

int CompanyRecord(const RuntimeConfig& config, Arguments& arguments)
{
    QMap<QString, QString> fields;
    while (!arguments.rest().isEmpty()) {
        const QString word = arguments.takePositional(QStringLiteral("FIELD=VALUE"));
        const int equals = word.indexOf(u'=');
        if (equals <= 0)
            throw UsageError(QStringLiteral("'%1' is not FIELD=VALUE").arg(word).toStdString());
        fields.insert(word.left(equals).toUpper(), word.mid(equals + 1));
    }
    useLanguage(config);
    if (!fields.isEmpty())
        company::WriteCompany(config.companyDb, config.company, fields);
    const QMap<QString, QString> record = company::ReadCompany(config.companyDb, config.company);
    for (const QString& field : company::CompanyFields())
        out() << field << '\t' << record.value(field) << Qt::endl;
    return ExitOk;
}

int ImportSheet(const RuntimeConfig& config, Arguments& arguments)
{
    company::ImportOptions options;
    options.kind = takeKind(arguments);
    options.file = arguments.takePositional(QStringLiteral("FILE"));
    options.sheet = arguments.take(QStringLiteral("--sheet")).value_or(QString());
    options.dryRun = arguments.takeFlag(QStringLiteral("--dry-run"));
    if (options.kind == company::SheetKind::Pay) {
        if (const auto date = arguments.take(QStringLiteral("--pay-date"))) {
            options.payDate = values::ParseSheetDate(*date);
            if (!options.payDate.isValid())
                throw UsageError(QStringLiteral("--pay-date takes a date such as 115/02/28, not '%1'").arg(*date).toStdString());
        }
        options.run = arguments.take(QStringLiteral("--run")).value_or(QString());
        options.category = arguments.take(QStringLiteral("--category")).value_or(QString());
        options.updateEmployees = arguments.takeFlag(QStringLiteral("--update-employees"));
    }
    arguments.finish();
    useLanguage(config);
    const company::ImportSummary summary = company::ImportSheet(config.companyDb, options);
    if (!summary.failures.isEmpty()) {
        QTextStream errors(stderr);
        for (const QString& failure : summary.failures)
            errors << failure << Qt::endl;
        errors << company::ImportString(company::Refused).arg(summary.failures.size()) << Qt::endl;
        return ExitRefused;
    }
    for (const QString& line : summary.lines(options))
        out() << line << Qt::endl;
    return ExitOk;
}

int SheetTemplate(const RuntimeConfig& config, Arguments& arguments)
{
    const company::SheetKind kind = takeKind(arguments);
    const QString file = arguments.takePositional(QStringLiteral("FILE.csv or FILE.xlsx"));
    arguments.finish();
    useLanguage(config);
    company::WriteTemplate(kind, file);
    out() << company::ImportString(company::WrittenTo).arg(file) << Qt::endl;
    return ExitOk;
}
