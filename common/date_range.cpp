#include "common/date_range.h"

#include "runtime/clock.h"
#include "runtime/getdate.h"

void DaysInMonth(int year, int month, int& day)
{
    switch (month) {
    case 2: day = QDate::isLeapYear(year) ? 29 : 28; break;
    case 4: case 6: case 9: case 11: day = 30; break;
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: day = 31; break;
    default: break;
    }
}

void DefaultMonthRange(QLineEdit& beginEdit, QLineEdit& endEdit)
{
    if (!DateIsEmpty(beginEdit.text()) && !DateIsEmpty(endEdit.text()))
        return;
    const QDate today = Today();
    if (DateIsEmpty(beginEdit.text()))
        beginEdit.setText(R_ChinaToTWData(QDate(today.year(), today.month(), 1)));
    if (DateIsEmpty(endEdit.text())) {
        int last = 1;
        DaysInMonth(today.year(), today.month(), last);
        endEdit.setText(R_ChinaToTWData(QDate(today.year(), today.month(), last)));
    }
    if (R_TWtoChina(endEdit.text()) < R_TWtoChina(beginEdit.text())) {
        const QString begin = beginEdit.text();
        beginEdit.setText(endEdit.text());
        endEdit.setText(begin);
    }
}
