#include "transfer/two_per_row_list.h"

#include "runtime/report/band.h"
#include "transfer/employee_slots.h"
#include "transfer/transfer_table.h"

namespace {
const QString SecondAmount = QStringLiteral("QRLabel_AMTN1");
QString secondAmountColumn()
{
    return SlotColumn(AmountColumnName, 1);
}
}

std::vector<ListColumn> TwoPerRowListReport::Columns() const
{
    const QString account = QStringLiteral("帳      號"), name = QStringLiteral("姓      名"), amount = QStringLiteral("金       額");
    const QString mask = QStringLiteral("#,##0.00");
    ListColumn secondAccount{account, QStringLiteral("QRDBText1"), SlotColumn(QStringLiteral("BACC_NO"), 1), 26};
    secondAccount.gapBeforeMm = 6;
    return {
        {account, QStringLiteral("QRDBText3"), QStringLiteral("BACC_NO"), 26},
        {name, QStringLiteral("QRDBText2"), QStringLiteral("YG_NAME"), 30},
        {amount, QStringLiteral("QRDBText5"), AmountColumnName, 30, Qt::AlignRight, mask},
        secondAccount,
        {name, QStringLiteral("QRDBText4"), SlotColumn(NameColumnName, 1), 30},
        {amount, SecondAmount, QString(), 30, Qt::AlignRight},
    };
}

void TwoPerRowListReport::PrepareRun(const TransferListRun& run)
{
    TransferListReport::PrepareRun(run);
    label(QStringLiteral("PageCount2")).setCaption(QString::number(CountEmployees(Report, 2)));
}

// The second amount shows only when there is one.
void TwoPerRowListReport::DetailBeforePrint()
{
    const double second = Report.fieldFloat(secondAmountColumn());
    label(SecondAmount).setCaption(second != 0 ? AmountText(second) : QString());
}

QString TwoPerRowListReport::GrandTotalExpression() const
{
    return QStringLiteral("SUM(%1+%2)").arg(AmountColumnName, secondAmountColumn());
}

void TwoPerRowListReport::AddGrandCount(report::TQRBand& summary, const QRectF& place)
{
    summary.addLabel(QStringLiteral("PageCount2"), place, QString()).setAlignment(Qt::AlignHCenter);
}

int TwoPerRowListReport::LineCount() const
{
    return SlotHoldsEmployee(Report, 1) ? 2 : 1;
}

double TwoPerRowListReport::LineAmount() const
{
    return Report.fieldFloat(AmountColumnName) + Report.fieldFloat(secondAmountColumn());
}
