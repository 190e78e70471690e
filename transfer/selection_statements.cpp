#include "transfer/selection_statements.h"

#include "common/code_lists.h"
#include "common/sql_text.h"

namespace {

// The conditions on the chosen account, each one bracketed.
QStringList accountConditions(int choice, const QString& prefix)
{
    if (!prefix.isEmpty()) {
        const QString p = SqlEscaped(prefix);
        switch (choice) {
        case 1: return {QStringLiteral("(B.BACC1_NO LIKE '%1%')").arg(p)};
        case 2: return {QStringLiteral("(B.BACC2_NO LIKE '%1%')").arg(p)};
        default: return {QStringLiteral("((B.BACC1_NO LIKE '%1%')Or(B.BACC2_NO LIKE '%1%'))").arg(p)};
        }
    }
    switch (choice) {
    case 1: return {QStringLiteral("(B.BACC1_NO IS NOT NULL)"), QStringLiteral("(B.BACC1_NO<>'')")};
    case 2: return {QStringLiteral("(B.BACC2_NO IS NOT NULL)"), QStringLiteral("(B.BACC2_NO<>'')")};
    default:
        return {QStringLiteral("(((B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>''))Or((B.BACC2_NO IS NOT NULL)And(B.BACC2_NO<>'')))")};
    }
}

QString accountColumns(int choice, bool title, const QString& prefix)
{
    if (choice == 1 || choice == 2) {
        const QString n = QString::number(choice);
        return QStringLiteral("B.BACC%1_NO As BACC_NO,").arg(n)
            + (title ? QStringLiteral("B.BACC%1_TIT As YG_NAME").arg(n) : QStringLiteral("B.NAME As YG_NAME"));
    }
    QString firstChosen;
    if (!prefix.isEmpty())
        firstChosen = QStringLiteral("SubString(B.BACC1_NO,1,%1)='%2'  ").arg(prefix.size()).arg(SqlEscaped(prefix));
    else
        firstChosen = QStringLiteral("(B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'') ");
    const QString account = QStringLiteral("BACC_NO=Case When %1then B.BACC1_NO else B.BACC2_NO End,").arg(firstChosen);
    const QString name = title ? QStringLiteral("YG_NAME=Case When %1then B.BACC1_TIT else B.BACC2_TIT End").arg(firstChosen)
                               : QStringLiteral("B.NAME As YG_NAME");
    return account + name;
}

} // namespace

QString DefaultOrderClause(int sortMode)
{
    return sortMode != 0 ? QStringLiteral(" Order By DEP_NO,YG_NO") : QStringLiteral(" Order By YG_NO");
}

SelectionStatements BuildSelectionStatements(const SelectionConditions& c, const QString& regularLabel,
                                             const QString& orderClause)
{
    // Every condition is appended in brackets of its own: an Or within one (a department list of
    // "IsNull" alone) must not escape the conditions around it.
    QString cond, lineCond;   // all conditions; those on the pay line alone
    const auto append = [&cond](const QString& condition) {
        if (!condition.isEmpty())
            cond += QStringLiteral("And") + SqlBracketed(condition);
    };
    if (!(c.depMode == 1 && c.depList == QLatin1String("0000")))
        append(BuildListCondition(c.depMode, c.depList, QStringLiteral("A.DEP")));
    lineCond = cond;
    for (const QString& condition : accountConditions(c.accountChoice, c.accountPrefix))
        append(condition);

    const QString from = c.employeeFrom.trimmed();
    const QString to = c.employeeTo.trimmed();
    for (const QString& range : {from.isEmpty() ? QString() : QStringLiteral("(A.Yg_No>='%1')").arg(SqlEscaped(from)),
                                 to.isEmpty() ? QString() : QStringLiteral("(A.Yg_No<='%1')").arg(SqlEscaped(to))}) {
        append(range);
        if (!range.isEmpty())
            lineCond += QStringLiteral("And") + SqlBracketed(range);
    }

    QString dates;
    if (!c.payDateFrom.isEmpty())
        dates = QStringLiteral("(FS_DD>='%1')").arg(c.payDateFrom);
    if (!c.payDateTo.isEmpty())
        dates += (dates.isEmpty() ? QString() : QStringLiteral("And")) + QStringLiteral("(FS_DD<='%1')").arg(c.payDateTo);
    const QString runs = QStringLiteral("Select DISTINCT FS_NO From MF_FS Where ") + dates;

    SelectionStatements s;
    s.fill << QStringLiteral("Select A.BIL_NO,A.YG_NO,A.DEP AS DEP_NO,A.AMTN_NET AS A_MTN,")
                  + accountColumns(c.accountChoice, c.useAccountTitle, c.accountPrefix) + QStringLiteral(",B.ID_NO,B.ENG_NAME ")
           << QStringLiteral("Into #TF_FS1 From TF_FS1 A,MF_YG B Where (A.YG_NO=B.YG_NO)And(B.PAY_MTH='2')")
           << cond + QStringLiteral("And(A.FS_NO IN (") + runs + QStringLiteral(")) Order By A.BIL_NO");

    // A category list of separators alone names no category: no additional payment run is taken
    // (rather than a statement the database cannot read).
    QString kindCondition = BuildListCondition(-1, c.salaryKinds, QStringLiteral("FJ_KND"));
    if (kindCondition.isEmpty())
        kindCondition = QStringLiteral("(1=0)");
    const QString kinds = QStringLiteral("(Select FJ_NO From MF_FJ Where ") + kindCondition + QStringLiteral(")");
    QStringList kindItems;
    SplitUniqueList(c.salaryKinds, kindItems);
    // An employee without a name (or an account holder's title) is read too: the export refuses him
    // by his number or account, where passing him over would drop his pay without a word.
    const auto category = [&](const QString& run) {
        return kindItems.contains(regularLabel)
            ? QStringLiteral("((%1 IS NULL)Or(%1='')Or(%1 In").arg(run) + kinds + QStringLiteral("))")
            : QStringLiteral("(%1 In").arg(run) + kinds + QStringLiteral(")");
    };
    s.read << QStringLiteral("Select * From #TF_FS1 Where ") + category(QStringLiteral("BIL_NO")) + u' ' << orderClause;
    s.orphans << QStringLiteral("Select A.FS_NO,A.YG_NO,A.AMTN_NET From TF_FS1 A Where ")
                     + QStringLiteral("(Not Exists (Select YG_NO From MF_YG B Where B.YG_NO=A.YG_NO))")
              << lineCond + QStringLiteral("And(A.FS_NO IN (") + runs + QStringLiteral("))And") + category(QStringLiteral("A.BIL_NO"))
              << QStringLiteral(" Order By A.FS_NO,A.YG_NO");
    return s;
}
