#pragma once
// Small helpers for the statements the windows build as text.
#include "runtime/db/database.h"

#include <QDate>
#include <QString>

namespace db { class MQuery; }

// 'text' with every single quote doubled: a literal that cannot end early.
QString SqlLiteral(const QString& text);
// The text with its single quotes doubled, for use inside a literal built piecewise ("LIKE '" + p + "%'").
QString SqlEscaped(const QString& text);

// The condition in brackets of its own, so that no Or within it binds looser than an And around it;
// a condition already enclosed by one pair of brackets (quoted literals skipped) is returned as it is.
QString SqlBracketed(const QString& condition);

// Runs `statement` on `query`: opens it when it is a select (only blanks before the first SELECT) and
// returns whether it yielded a row; otherwise executes it and returns false.
bool RunSql(db::MQuery& query, const QString& statement);

// A date text "yyyy/mm/dd" (or with "-") as the database engine writes dates in SQL. An empty text
// gives an empty text; the empty mask "  -  -  " is returned as it stands; the all-zero date (and a
// null QDate) gives "ERROR". A text that names no date raises DateError naming the text.
QString SqlDateText(const QString& dateText, const db::DateFormat& format);
QString SqlDateText(const QDate& date, const db::DateFormat& format);
