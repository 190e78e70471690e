#pragma once
// Where a host finds its databases and devices. Read from the installation's configuration file
// and then the clerk's (key = value lines), then overridden by environment variables, then by
// command-line options.
//
//   key          environment          option          meaning
//   company_db   RAR1_DB              --db            the company database: an SQLite file, or a
//                                                     PostgreSQL server's address postgresql://...
//   system_db    RAR1_SYSTEM_DB       --system-db     the system database holding Comp (default: company_db)
//   company      RAR1_COMPANY         --company       the company number (COMPNO)
//   language     RAR1_LANG            --lang          0 simplified, 1 traditional, 2 English
//   media_dir    RAR1_MEDIA_DIR       --media-dir     the folder proposed for media files
//   printer      RAR1_PRINTER         --printer       the printer reports go to (default: "PDF file")
//   pdf_printer  RAR1_PDF_PRINTER                     "0" switches the always-present PDF printer off
//   engine       RAR1_ENGINE                          sqlite (default) or sqlserver
//   odbc         RAR1_ODBC                            ODBC connection string for sqlserver
//   date_format  RAR1_DATE_FORMAT                     sqlserver: mdy, dmy or ymd (default ymd)
// The installation's file is RAR1_SYSTEM_CONFIG, or rar1/rar1.conf in the installation's etc folder
// (/etc under /usr) when that exists; the clerk's is RAR1_CONFIG, or ~/.config/rar1/rar1.conf.
#include <QString>
#include <QStringList>

struct RuntimeConfig {
    QString companyDb = QStringLiteral("rar1.db");
    QString systemDb;
    QString company = QStringLiteral("01");
    int language = 1;
    QString mediaDir;
    QString printer;
    bool pdfPrinter = true;
    QString engine = QStringLiteral("sqlite");
    QString odbc;
    QString dateFormat = QStringLiteral("ymd");

    // Reads file and environment; `arguments` may hold the options above, which are consumed
    // (removed) from it. Raises std::invalid_argument for a bad value.
    static RuntimeConfig Load(QStringList& arguments);
};

// The folder of the configuration file (RAR1_CONFIG's, else ~/.config/rar1), where a host keeps
// what it remembers for the clerk, such as the places of its windows.
QString ConfigFolder();

// The configuration the host loaded; read by the module where it needs a device (media folder, printer).
const RuntimeConfig& CurrentConfig();
void SetCurrentConfig(const RuntimeConfig& config);

// Registers the company database ("RurIzov") and the system database in the default session.
void ConnectDatabases(const RuntimeConfig& config);
