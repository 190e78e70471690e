#include "transfer/pay_changes.h"

#include "runtime/language.h"
#include "runtime/ui/display_format.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

// One employee's pay in one of the two exports, as views into its lines. The amount is read as a
// number only when it must be: an amount the same as before in the same words needs no reading.
struct Paid {
    QStringView account;
    QStringView amountText;   // of the first line
    double earlierLines = 0;  // the amounts of the lines before the last, added up
    int lines = 0;
    bool severalAccounts = false;

    void add(QStringView lineAccount, QStringView lineAmount)
    {
        if (lines == 0)
            account = lineAccount;
        else if (account != lineAccount)
            severalAccounts = true;
        if (lines > 0)
            earlierLines += amountText.toDouble();
        amountText = lineAmount;
        ++lines;
    }
    bool present() const { return lines > 0; }
    double amount() const { return earlierLines + amountText.toDouble(); }
    LoggedPay pay() const { return {account.toString() + (severalAccounts ? QStringLiteral(", …") : QString()), amount()}; }
    bool sameAccount(const Paid& other) const { return account == other.account && severalAccounts == other.severalAccounts; }
    bool sameAmount(const Paid& other) const { return lines == 1 && other.lines == 1 && amountText == other.amountText; }
};

struct Compared {
    Paid before, after;
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

PayChanges ComparePay(std::optional<LoggedExport> last, QStringView lastLines, QStringView payLines)
{
    PayChanges result;
    result.last = std::move(last);
    if (!result.last || lastLines == payLines)
        return result;
    // Keyed by views into the two texts: a hundred thousand employees cost no copy of their numbers.
    QHash<QStringView, Compared> employees;
    employees.reserve(lastLines.count(u'\n') + 1);
    ForEachPayLine(lastLines, [&employees](QStringView employee, QStringView account, QStringView amount) {
        employees[employee].before.add(account, amount);
    });
    ForEachPayLine(payLines, [&employees](QStringView employee, QStringView account, QStringView amount) {
        employees[employee].after.add(account, amount);
    });
    using Kind = PayChange::Kind;
    for (auto employee = employees.cbegin(); employee != employees.cend(); ++employee) {
        const Paid& before = employee.value().before;
        const Paid& after = employee.value().after;
        const QString who = employee.key().toString();
        if (!after.present())
            result.changes.push_back({Kind::LeftOut, who, before.pay(), {}});
        else if (!before.present())
            result.changes.push_back({Kind::Added, who, {}, after.pay()});
        else {
            if (!before.sameAccount(after))
                result.changes.push_back({Kind::AccountChanged, who, before.pay(), after.pay()});
            if (!before.sameAmount(after) && AmountMoved(before.amount(), after.amount()))
                result.changes.push_back({Kind::AmountMoved, who, before.pay(), after.pay()});
        }
    }
    std::sort(result.changes.begin(), result.changes.end(), [](const PayChange& a, const PayChange& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.employee < b.employee;
    });
    return result;
}

PayChanges PayChangesSinceLastFile(const QString& bank, QStringView payLines)
{
    std::optional<LoggedExport> last = LastExport(bank);
    const QString lastLines = last ? ExportedPayLines(last->number) : QString();
    return ComparePay(std::move(last), lastLines, payLines);
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
