#pragma once
// Chang Hwa Bank's media delivery form (媒體遞送單), handed to the bank with the diskette: the
// company, the media kind to tick, the transfer date, the number of transfers, the total in Chinese
// capital numerals and the control total of the accounts.
#include "transfer/report_form.h"

#include <QDate>

// What the transfer window fills in.
struct DeliveryFacts {
    QDate transferDate;
    int records = 0;             // employee rows of the transfer table
    double total = 0;            // their amounts
    qlonglong accountTotal = 0;  // the control total of the accounts
};

class TWagBk1eForm : public ReportForm {
    Q_OBJECT
public:
    explicit TWagBk1eForm(QWidget* owner);

    void FormCreate() override;
    // Fills the form's fields; raises when the total has no capital numerals.
    void Fill(const DeliveryFacts& facts);
};

// The control total as the form prints it: whole, without separators, its last 10 digits when longer.
QString ControlTotalText(qlonglong total);
