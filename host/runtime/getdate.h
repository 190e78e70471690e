#pragma once
// ROC dates: the year counted from 1912 (calendar year minus 1911), written "yyy/mm/dd".
// Texts take a two- or three-digit ROC year ("91/03/05", "115/03/05").
#include <QDate>
#include <QString>
#include <stdexcept>

// Raised for a date text that names no real date; the message names the field.
class DateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Date to ROC date text "yyy/mm/dd" (year without padding, month and day two digits).
QString R_ChinaToTWData(const QDate& date);
// Gregorian date text "yyyy/mm/dd" or "yyyy-mm-dd" to ROC date text; empty stays empty.
QString R_ChinaToTW(const QString& text);
// ROC date text to a date. Empty text gives a null date; an impossible date raises DateError
// whose message names `field` (the caption of the edit it came from).
QDate R_TWtoChina(const QString& text, const QString& field = QString());
// True for an empty text or an empty mask (blanks and separators only).
bool DateIsEmpty(const QString& text);
