#pragma once
// Code list texts ("A01;A02;IsNull": codes separated by ";", "IsNull" for no value) and the SQL
// conditions built from them. Every code is written as a quoted literal with its quotes doubled,
// so that no code can change the meaning of a statement.
#include <QString>
#include <QStringList>

namespace db { class MSQLTable; }

// The no-value item of a code list.
inline const QString NoValueCode = QStringLiteral("IsNull");
// Between code and name in a picker item: "A01 --- 業務部".
inline const QString PickerSeparator = QStringLiteral(" --- ");

// The distinct non-empty pieces of `text`, in order (exact comparison, pieces not trimmed).
void SplitUniqueList(const QString& text, QStringList& list);
// Every piece of `text` in order, empty ones kept, "IsNull" given as an empty item.
void SplitCodeList(const QString& text, QStringList& list);
// "(column IN ('a','b'))", with "(column IS NULL)Or(column='')" for empty or "IsNull" items.
QString BuildInCondition(const QStringList& list, const QString& column);
// mode -1: salary categories; 0: a department list; otherwise a department with all its
// subordinates from DEPT_CHK.
QString BuildListCondition(int mode, const QString& value, const QString& column);
// Fills a picker's two lists from a master table open on `dataset` and the current selection.
void FillCodeLists(const QString& selection, const QString& keyField, QStringList& available,
                   db::MSQLTable& dataset, QStringList& chosen);
// The code of the first chosen item, or with `multi` every chosen code joined by ";" (at most 255 characters).
QString JoinChosenCodes(bool multi, const QStringList& chosen);
