#include "transfer/pay_changes.h"

#include "runtime/language.h"
#include "runtime/ui/display_format.h"
#include "transfer/paid_lines.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace {

// What the last export paid an employee, and what this table pays him.
struct Compared {
    LoggedPay before, after;
    bool inLast = false, inTable = false;
};

QString AmountText(double amount)
{
    return FormatNumber(amount, amount == std::floor(amount) ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00"));
}

QString PayText(const LoggedPay& pay)
{
    return LoadFormResourceStr(QStringLiteral("WAGBK"), 15956).arg(pay.account, AmountText(pay.amount));
}

} // namespace

bool AmountMoved(double before, double after)
{
    return std::fabs(after - before) * 3 > std::fabs(before) + 0.004;
}

PayChanges ComparePay(std::optional<LoggedExport> last, QHash<QString, LoggedPay> lastPay, const db::LocalTable& table)
{
    PayChanges result;
    result.last = std::move(last);
    if (!result.last)
        return result;
    QHash<QString, Compared> employees;
    employees.reserve(lastPay.size());
    for (auto paid = lastPay.cbegin(); paid != lastPay.cend(); ++paid)
        employees.insert(paid.key(), Compared{paid.value(), {}, true, false});
    lastPay.clear();
    ForEachPaidLine(table, [&employees](const PaidLine& line) {
        Compared& employee = employees[line.employee];
        employee.after.add(line.account, line.amount);
        employee.inTable = true;
    });
    for (auto employee = employees.cbegin(); employee != employees.cend(); ++employee) {
        const Compared& pay = employee.value();
        using Kind = PayChange::Kind;
        if (!pay.inTable)
            result.changes.push_back({Kind::LeftOut, employee.key(), pay.before, {}});
        else if (!pay.inLast)
            result.changes.push_back({Kind::Added, employee.key(), {}, pay.after});
        else {
            if (pay.before.account != pay.after.account)
                result.changes.push_back({Kind::AccountChanged, employee.key(), pay.before, pay.after});
            if (AmountMoved(pay.before.amount, pay.after.amount))
                result.changes.push_back({Kind::AmountMoved, employee.key(), pay.before, pay.after});
        }
    }
    std::sort(result.changes.begin(), result.changes.end(), [](const PayChange& a, const PayChange& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.employee < b.employee;
    });
    return result;
}

PayChanges PayChangesSinceLastFile(const QString& bank, const db::LocalTable& table)
{
    std::optional<LoggedExport> last = LastExport(bank);
    QHash<QString, LoggedPay> lastPay = last ? ExportedPay(last->number) : QHash<QString, LoggedPay>();
    return ComparePay(std::move(last), std::move(lastPay), table);
}

QStringList PayChangeLines(const std::vector<PayChange>& changes)
{
    const auto text = [](int id) { return LoadFormResourceStr(QStringLiteral("WAGBK"), id); };
    QStringList lines;
    for (const PayChange& change : changes) {
        QString what, value;
        switch (change.kind) {
        case PayChange::Kind::AccountChanged:
            what = text(15952), value = change.before.account + QStringLiteral(" → ") + change.after.account;
            break;
        case PayChange::Kind::Added:
            what = text(15953), value = PayText(change.after);
            break;
        case PayChange::Kind::LeftOut:
            what = text(15954), value = PayText(change.before);
            break;
        case PayChange::Kind::AmountMoved:
            what = text(15955), value = AmountText(change.before.amount) + QStringLiteral(" → ") + AmountText(change.after.amount);
            break;
        }
        lines << change.employee + QStringLiteral(": ") + what + QStringLiteral(" = ") + value;
    }
    return lines;
}
