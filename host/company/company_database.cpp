#include "company/company_database.h"

#include "company/import_texts.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>

namespace company {

Statement::Statement(CompanyDatabase& db, const char* sql) : db_(db)
{
    if (sqlite3_prepare_v2(db.handle(), sql, -1, &statement_, nullptr) != SQLITE_OK)
        db.fail(sql);
    texts_.resize(size_t(sqlite3_bind_parameter_count(statement_)) + 1);
}

Statement::~Statement()
{
    sqlite3_finalize(statement_);
}

Statement& Statement::bind(int index, const QString& text)
{
    if (text.isEmpty())
        return bindNull(index);
    QByteArray& utf8 = texts_[size_t(index)];
    utf8.resize(utf8_.requiredSpace(text.size()));
    char* out = utf8.data();
    // Numbers, accounts and amounts are plain ASCII: copied byte for byte, the rest encoded.
    const ushort* in = text.utf16();
    qsizetype ascii = 0;
    while (ascii < text.size() && in[ascii] < 0x80) {
        out[ascii] = char(in[ascii]);
        ++ascii;
    }
    const char* end = ascii == text.size() ? out + ascii : utf8_.appendToBuffer(out + ascii, QStringView(text).sliced(ascii));
    sqlite3_bind_text(statement_, index, out, int(end - out), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bind(int index, double number)
{
    sqlite3_bind_double(statement_, index, number);
    return *this;
}

Statement& Statement::bindNull(int index)
{
    sqlite3_bind_null(statement_, index);
    return *this;
}

void Statement::run()
{
    const int result = sqlite3_step(statement_);
    sqlite3_reset(statement_);
    if (result != SQLITE_DONE && result != SQLITE_ROW)
        db_.fail(sqlite3_sql(statement_));
}

bool Statement::step()
{
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW)
        return true;
    sqlite3_reset(statement_);
    if (result != SQLITE_DONE)
        db_.fail(sqlite3_sql(statement_));
    return false;
}

void Statement::reset()
{
    sqlite3_reset(statement_);
}

QString Statement::text(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement_, column)) : QString();
}

qint64 Statement::integer(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

CompanyDatabase::CompanyDatabase(const QString& file) : file_(file)
{
    if (!QFileInfo(file).isFile())
        throw std::runtime_error(ImportString(NoDatabase).arg(file).toStdString());
    // One thread works on the connection: SQLite need not lock it on every call.
    if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        fail(nullptr);
    sqlite3_busy_timeout(db_, 5000);
    if (scalar("SELECT count(*) FROM sqlite_master WHERE name IN ('MF_YG','TF_FS1','MF_FS','DEPT','Comp')") != QStringLiteral("5"))
        throw std::runtime_error(ImportString(NotACompanyDatabase).arg(file).toStdString());
}

CompanyDatabase::~CompanyDatabase()
{
    sqlite3_close_v2(db_);
}

void CompanyDatabase::exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

std::optional<QString> CompanyDatabase::scalar(const char* sql)
{
    Statement statement(*this, sql);
    if (!statement.step())
        return std::nullopt;
    return statement.text(0);
}

void CompanyDatabase::fail(const char* sql) const
{
    QString message = QStringLiteral("The company database %1 cannot be written or read: %2")
                          .arg(file_, QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "cannot open"));
    if (sql)
        message += QStringLiteral(" (%1)").arg(QString::fromUtf8(sql).simplified());
    throw std::runtime_error(message.toStdString());
}

Transaction::Transaction(CompanyDatabase& db) : db_(db)
{
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (open_)
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    db_.exec("COMMIT");
    open_ = false;
}

} // namespace company
