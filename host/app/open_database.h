#pragma once
// File > Open company database ...: the clerk names another company database, a file chosen in the
// file dialog or a server's address typed as text; the host connects it, hands the module its
// company and remembers it for the next start.
#include <QString>

class QWidget;

// The database the clerk names, starting from `current`; empty when he cancels.
QString AskForDatabase(QWidget* parent, const QString& current);
