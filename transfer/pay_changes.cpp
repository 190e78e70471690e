#include "transfer/pay_changes.h"

#include "runtime/language.h"
#include "runtime/ui/display_format.h"

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

// One employee's pay in one export: all of that employee's lines taken together.
struct EmployeePay {
    QStringView employee;
    Paid paid;
};

// The employees of an export's lines, ordered by number. An employee's lines keep the order of the
// list, so that the first account shown is the first line's.
std::vector<EmployeePay> PayByEmployee(QStringView lines)
{
    std::vector<PayLineFields> read;
    PayLineReader reader(lines);
    for (PayLineFields line; reader.next(line);)
        read.push_back(line);
    std::stable_sort(read.begin(), read.end(), [](const PayLineFields& a, const PayLineFields& b) { return a.employee < b.employee; });
    std::vector<EmployeePay> pay;
    for (const PayLineFields& line : read) {
        if (pay.empty() || pay.back().employee != line.employee)
            pay.push_back({line.employee, {}});
        pay.back().paid.add(line.account, line.amount);
    }
    return pay;
}

QString AmountText(double amount)
{
    return FormatNumber(amount, amount == std::floor(amount) ? QStringLiteral("#,##0") : QStringLiteral("#,##0.00"));
}
// The changes of one employee's pay from `before` to `after`.
void AddChanges(QStringView employee, const Paid& before, const Paid& after, std::vector<PayChange>& changes)
{
    using Kind = PayChange::Kind;
    const auto add = [&employee, &changes](Kind kind, LoggedPay was, LoggedPay is) {
        changes.push_back({kind, employee.toString(), std::move(was), std::move(is)});
    };
    if (!after.present())
        add(Kind::LeftOut, before.pay(), {});
    else if (!before.present())
        add(Kind::Added, {}, after.pay());
    else {
        if (!before.sameAccount(after))
            add(Kind::AccountChanged, before.pay(), after.pay());
        if (!before.sameAmount(after) && AmountMoved(before.amount(), after.amount()))
            add(Kind::AmountMoved, before.pay(), after.pay());
    }
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
    // Both ordered by employee, walked together: an employee in one only was added or left out.
    const std::vector<EmployeePay> before = PayByEmployee(lastLines), after = PayByEmployee(payLines);
    const Paid none;
    auto was = before.cbegin();
    auto is = after.cbegin();
    while (was != before.cend() || is != after.cend()) {
        if (is == after.cend() || (was != before.cend() && was->employee < is->employee)) {
            AddChanges(was->employee, was->paid, none, result.changes);
            ++was;
        } else if (was == before.cend() || is->employee < was->employee) {
            AddChanges(is->employee, none, is->paid, result.changes);
            ++is;
        } else {
            AddChanges(is->employee, was->paid, is->paid, result.changes);
            ++was;
            ++is;
        }
    }
    std::stable_sort(result.changes.begin(), result.changes.end(), [](const PayChange& a, const PayChange& b) { return a.kind < b.kind; });
    return result;
}

PayChanges PayChangesSinceLastFile(const QString& bank, QStringView payLines)
{
    std::optional<LoggedExport> last = LastExport(bank);
    const QString lastLines = last ? ExportedPayLines(last->number) : QString();
    return ComparePay(std::move(last), lastLines, payLines);
}

void AppendPayChangeLines(QString& text, const std::vector<PayChange>& changes)
{
    // The words are looked up once, not for each of a hundred thousand changes.
    const auto word = [](int id) { return LoadFormResourceStr(QStringLiteral("WAGBK"), id); };
    const QString accountChanged = word(15952), added = word(15953), leftOut = word(15954), amountMoved = word(15955),
                  pay = word(15956);
    const auto payText = [&pay](const LoggedPay& paid) { return pay.arg(paid.account, AmountText(paid.amount)); };
    for (const PayChange& change : changes) {
        text += u'\n' + change.employee + QStringLiteral(": ");
        switch (change.kind) {
        case PayChange::Kind::AccountChanged:
            text += accountChanged + QStringLiteral(" = ") + change.before.account + QStringLiteral(" → ") + change.after.account;
            break;
        case PayChange::Kind::Added:
            text += added + QStringLiteral(" = ") + payText(change.after);
            break;
        case PayChange::Kind::LeftOut:
            text += leftOut + QStringLiteral(" = ") + payText(change.before);
            break;
        case PayChange::Kind::AmountMoved:
            text += amountMoved + QStringLiteral(" = ") + AmountText(change.before.amount) + QStringLiteral(" → ") + AmountText(change.after.amount);
            break;
        }
    }
}
