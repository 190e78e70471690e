#pragma once
// The pay-date range the windows start from.
#include <QLineEdit>

// Days of `month` in `year` into `day`; months outside 1..12 leave `day` unchanged.
void DaysInMonth(int year, int month, int& day);
// Fills an empty begin with the first and an empty end with the last day of the current month
// (ROC date texts), then puts the two in order.
void DefaultMonthRange(QLineEdit& beginEdit, QLineEdit& endEdit);
