#pragma once
// The desktop host's own command-line options, read after the runtime configuration took its own
// (a company database named on its own among them):
//   --smoke N   open bank N's window through DoWagBK<N>, report it on standard output, and exit
//   --smoke-import F  run File > Import pay sheet… on sheet F, report its dialogs, and exit
//   --module P  the payroll module to load (default: RAR1_LIB_DIR/libRAR1.so, else beside libhostrt.so)
#include <QString>
#include <QStringList>

struct DesktopOptions {
    int smokeBank = 0;   // 0: run interactively
    QString modulePath;
    QString smokeImport;   // empty: no import run

    // Raises std::invalid_argument for an unknown option or a missing or bad value.
    static DesktopOptions Parse(const QStringList& arguments);

    // The arguments with a company database named on its own (as the desktop's menu and file
    // manager pass it) written as "--db=FILE", for the runtime configuration to take.
    static QStringList WithDatabaseOption(QStringList arguments);
};
