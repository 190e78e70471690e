#pragma once
// The user interface language and the texts by number.
#include <QString>
#include <QStringList>

namespace Language {
// 0 simplified Chinese, 1 traditional Chinese, 2 English.
extern int LanguageID;
}

// Loads the texts of Language::LanguageID. Texts are always available; this only switches language.
void InitLanguage();

// Text `id` of the named text group ("WAGBK", "COMMON", "F2FORM", "INVAH", "F5MAIN") in the current
// language. An unknown group or id gives the visible placeholder "#GROUP id", never an error.
QString LoadFormResourceStr(const QString& group, int id, int reserved = 0);

// Text `id` of the group in every language (simplified, traditional, English), for data that keeps a
// label in the language of whoever stored it. An unknown text gives an empty list.
QStringList LoadFormResourceStrAll(const QString& group, int id);
