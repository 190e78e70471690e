#pragma once
// "Today" for the whole system. Pinned by SetToday, or by the environment variable RAR1_TODAY
// (YYYY-MM-DD), so that files and reports are reproducible; otherwise the system date.
#include <QDate>

QDate Today();
void SetToday(const QDate& date);   // a null date unpins it
